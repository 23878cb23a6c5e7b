#pragma once
// Replaces a set of files as one. The new contents are written beside the
// files first; once all of them are on the disk, a small commit marker is
// written, and only then are they moved into place. A stop at any moment (a
// kill, a power cut) therefore leaves either the whole old set or a commit
// that the next FinishReplace completes: never a mix of old and new files.

#include <string>
#include <vector>

#include "platform/file_system.h"

namespace pelorin {

// Where the new contents of path wait until they are moved into place.
std::string PendingPath(const std::string& path);

// The report of a failed file operation: the system's message and the file.
std::string FileErrorText(const std::string& message, const std::string& path);

// A set of files in one folder, kept consistent by its commit marker. Each
// failure comes with its report text (FileErrorText) as the message.
class FileSet {
 public:
  // paths: the files of the set; marker: the commit marker's path.
  FileSet(platform::FileSystem& files, std::vector<std::string> paths, std::string marker);

  // Brings the set to a consistent state after an earlier stop: a complete
  // marker means the replacement was committed, so the waiting files are
  // moved into place; otherwise whatever waits is discarded. On failure the
  // marker stays, and StillWaiting tells the files whose new contents could
  // not be moved yet (read those from their PendingPath).
  platform::FileResult FinishReplace();
  bool StillWaiting(const std::string& path) const;

  // Replaces the files with contents (one per path, in the same order). A
  // failed write leaves the old files; a failed move after the commit is
  // completed by the next FinishReplace. Call FinishReplace first.
  platform::FileResult Replace(const std::vector<std::string>& contents);

  // Copies every file of the set to path + suffix, flushed; a copy of a file
  // that does not exist is removed, so the copies stay one set.
  platform::FileResult CopyTo(const std::string& suffix);

 private:
  // The marker's contents: the names of the files it commits.
  std::string MarkerText() const;
  // Moves the waiting contents of these files into place, then removes the marker.
  platform::FileResult MoveIntoPlace(const std::vector<std::string>& waiting);
  platform::FileResult Discard(const std::string& path);

  platform::FileSystem& files_;
  std::vector<std::string> paths_;
  std::string marker_;
  std::vector<std::string> stillWaiting_;
};

}  // namespace pelorin
