#include "core/file_set.h"

#include <algorithm>

#include "platform/text.h"

namespace pelorin {

namespace {

platform::FileResult Failed(const platform::FileResult& result, const std::string& path) {
  return platform::FileResult::Failure(FileErrorText(result.message, path));
}

}  // namespace

std::string PendingPath(const std::string& path) {
  return path + ".tmp";
}

std::string FileErrorText(const std::string& message, const std::string& path) {
  return message + "\r\n" + path;
}

FileSet::FileSet(platform::FileSystem& files, std::vector<std::string> paths, std::string marker)
    : files_(files), paths_(std::move(paths)), marker_(std::move(marker)) {}

std::string FileSet::MarkerText() const {
  std::string text;
  for (const auto& path : paths_) text += platform::ExtractFileName(path) + "\r\n";
  return text;
}

platform::FileResult FileSet::Discard(const std::string& path) {
  const auto result = files_.RemoveFile(path);
  return result ? result : Failed(result, path);
}

platform::FileResult FileSet::FinishReplace() {
  stillWaiting_.clear();
  if (!files_.Exists(marker_)) {
    // Whatever waits was never committed: a save stopped before its marker.
    for (const auto& path : paths_) {
      if (const auto result = Discard(PendingPath(path)); !result) return result;
    }
    return platform::FileResult::Success();
  }
  std::string text;
  if (const auto result = files_.ReadWholeFile(marker_, text); !result) {
    // Unreadable for now: neither completing nor discarding is safe.
    return Failed(result, marker_);
  }
  if (text != MarkerText()) {
    // A marker cut short by the stop: the files it was to commit are not
    // known to be complete, and none of them was moved yet.
    if (const auto result = Discard(marker_); !result) return result;
    return FinishReplace();
  }
  std::vector<std::string> waiting;
  for (const auto& path : paths_) {
    if (files_.Exists(PendingPath(path))) waiting.push_back(path);
  }
  return MoveIntoPlace(waiting);
}

bool FileSet::StillWaiting(const std::string& path) const {
  return std::find(stillWaiting_.begin(), stillWaiting_.end(), path) != stillWaiting_.end();
}

platform::FileResult FileSet::MoveIntoPlace(const std::vector<std::string>& waiting) {
  platform::FileResult outcome;
  for (const auto& path : waiting) {
    // The others are still moved, so that as few files as possible wait.
    if (const auto result = files_.MoveOver(PendingPath(path), path); !result) {
      if (outcome) outcome = Failed(result, path);
      stillWaiting_.push_back(path);
    }
  }
  if (!outcome) return outcome;
  return Discard(marker_);
}

platform::FileResult FileSet::Replace(const std::vector<std::string>& contents) {
  auto discardAll = [this] {
    Discard(marker_);
    for (const auto& path : paths_) Discard(PendingPath(path));
  };
  for (std::size_t i = 0; i < paths_.size(); ++i) {
    const std::string pending = PendingPath(paths_[i]);
    if (const auto result = files_.WriteWholeFile(pending, contents[i]); !result) {
      discardAll();
      return Failed(result, pending);
    }
  }
  // The commit point: from here on the new set is what the files hold.
  if (const auto result = files_.WriteWholeFile(marker_, MarkerText()); !result) {
    discardAll();
    return Failed(result, marker_);
  }
  return MoveIntoPlace(paths_);
}

platform::FileResult FileSet::CopyTo(const std::string& suffix) {
  for (const auto& path : paths_) {
    const std::string copy = path + suffix;
    if (!files_.Exists(path)) {
      if (const auto result = Discard(copy); !result) return result;
      continue;
    }
    std::string bytes;
    if (const auto result = files_.ReadWholeFile(path, bytes); !result) return Failed(result, path);
    if (const auto result = files_.WriteWholeFile(copy, bytes); !result) return Failed(result, copy);
  }
  return platform::FileResult::Success();
}

}  // namespace pelorin
