#pragma once
// File system stand-in for the host: Windows paths ("C:\ツール\表示\svp.pld")
// are mapped into a host folder, so data files are real files on disk. Every
// call is recorded, and any operation can be made to fail with a given message.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/headless/call_log.h"
#include "platform/incoming_path.h"

namespace platform::headless {

enum class FileOperation { Read, Write, MoveOver, Remove };

// Thrown at a stopping point (StopAfterChanges): the caller ends there as a
// killed process would, and the files stay as they are on disk.
struct StoppedHere {
  int changes;  // how many changes had reached the disk
};

class FakeFileSystem : public FileSystem {
 public:
  // hostRoot holds one folder per drive letter ("C:\a" is hostRoot/C/a).
  // The log may be shared with other fakes; without one the fake keeps its own.
  explicit FakeFileSystem(std::filesystem::path hostRoot, std::string executablePath = "C:\\Pelorin\\Pelorin.exe",
                          CallLog* log = nullptr);

  std::string ExecutablePath() override;
  FileResult ReadWholeFile(const std::string& path, std::string& contents) override;
  FileResult WriteWholeFile(const std::string& path, std::string_view bytes) override;
  FileResult MoveOver(const std::string& source, const std::string& target) override;
  FileResult RemoveFile(const std::string& path) override;
  // Files report kAttributeArchive, folders kAttributeDirectory, each plus
  // the bits given with SetAttributeBits. Listings come in descending name
  // order, so that callers cannot rely on any order of the system's.
  std::optional<std::uint32_t> Attributes(const std::string& path) override;
  std::vector<FoundFile> FindFiles(const std::string& pattern) override;

  // Adds attribute bits (hidden, system, read-only) that the host cannot hold.
  void SetAttributeBits(const std::string& windowsPath, std::uint32_t bits);
  // The entry at windowsPath stands for a file whose name is longName (one
  // the launcher may not keep): the system lists it by longName, with the
  // entry's own name as its short form unless hasShortName is false.
  void SetLongName(const std::string& windowsPath, std::u16string longName, bool hasShortName = true);

  void SetExecutablePath(std::string path) { executablePath_ = std::move(path); }
  // Where a Windows path lives on the host. Splits by characters: the second
  // byte 0x5C of a double-byte character stays part of the name.
  std::filesystem::path HostPath(const std::string& windowsPath) const;
  // Creates a Windows folder with its parents (tests set up the data folder).
  void MakeFolder(const std::string& windowsPath);

  // Makes calls of operation fail with message instead of touching the disk:
  // only those on path (any path when empty), and only the occurrence-th such
  // call counted from 1 (every one when 0). For MoveOver the path is the source.
  void InjectFailure(FileOperation operation, std::string message, std::string path = {}, int occurrence = 0);
  // Makes every such call on path throw std::runtime_error(what): an error
  // that no caller expects, such as running out of memory.
  void InjectException(FileOperation operation, std::string what, std::string path);

  // Stops the caller (throws StoppedHere) in front of the change that would
  // come after the given number of changes to the disk. A write is two
  // changes (the first half, then the rest), so a stop can leave a file cut
  // short; a removal is one, a move one or, see below, two.
  void StopAfterChanges(int changes) { stopAfter_ = changes; }
  // The changes made to the disk so far.
  int Changes() const { return changes_; }
  // MoveOver as the 9x family does it, without MoveFileExA: the target is
  // deleted first, then the source renamed (two changes).
  void MoveByDeleteAndRename() { deleteThenRename_ = true; }

  const CallLog& Log() const { return *log_; }

 private:
  struct Failure {
    FileOperation operation;
    std::string message;
    std::string path;
    int occurrence;
    bool raise = false;
    int seen = 0;
  };

  // The message of an injected failure that applies to this call, if any.
  bool ShouldFail(FileOperation operation, const std::string& path, std::string& message);
  // Counts one change to the disk, or stops the caller in front of it.
  void Change();

  std::filesystem::path root_;
  std::string executablePath_;
  CallLog ownLog_;
  CallLog* log_;
  std::vector<Failure> failures_;
  std::map<std::filesystem::path, std::uint32_t> attributeBits_;
  std::map<std::filesystem::path, SystemName> longNames_;
  int stopAfter_ = -1;
  int changes_ = 0;
  bool deleteThenRename_ = false;
};

}  // namespace platform::headless
