#pragma once
// Files and folders, by Windows paths in code page 932. The win32 backend calls the
// system; the headless one maps "C:\..." into a host folder and records calls.
// Method names steer clear of Win32 macros (DeleteFile, ReplaceFile, ...).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Outcome of a file operation; on failure, message is the system's own
// wording for the error, ready to be shown to the user.
struct FileResult {
  bool ok = true;
  std::string message;

  static FileResult Success() { return {}; }
  static FileResult Failure(std::string message) { return {false, std::move(message)}; }
  explicit operator bool() const { return ok; }
};

// File attribute bits, as GetFileAttributesA reports them.
inline constexpr std::uint32_t kAttributeReadOnly = 0x01;
inline constexpr std::uint32_t kAttributeHidden = 0x02;
inline constexpr std::uint32_t kAttributeSystem = 0x04;
inline constexpr std::uint32_t kAttributeDirectory = 0x10;
inline constexpr std::uint32_t kAttributeArchive = 0x20;

// One entry of a folder listing: its name (no folder) and attributes.
struct FoundFile {
  std::string Name;
  std::uint32_t Attributes = 0;

  bool operator==(const FoundFile&) const = default;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Full path of the running executable, by the incoming-path rule
  // (platform/incoming_path.h). The win32 one throws, with a text for the
  // user, when the path has no form the program can keep.
  virtual std::string ExecutablePath() = 0;

  // Reads the whole file into contents; fails when it cannot be opened or read.
  virtual FileResult ReadWholeFile(const std::string& path, std::string& contents) = 0;
  // Creates path (an existing file is emptied), writes bytes and flushes them to the disk.
  virtual FileResult WriteWholeFile(const std::string& path, std::string_view bytes) = 0;
  // Puts source in the place of target in one step; target may exist.
  virtual FileResult MoveOver(const std::string& source, const std::string& target) = 0;
  // Removes path; a missing file is not an error.
  virtual FileResult RemoveFile(const std::string& path) = 0;

  // The attributes of a file or folder; nothing when it does not exist (a
  // path of MAX_PATH bytes or more is looked up too).
  virtual std::optional<std::uint32_t> Attributes(const std::string& path) = 0;
  // True when path names an existing file or folder.
  bool Exists(const std::string& path) { return Attributes(path).has_value(); }
  // The entries that match pattern ("C:\a\*.lnk"), hidden and system ones
  // included, "." and ".." as the system reports them; empty when the folder
  // cannot be read. A name with a character outside the code page, or one
  // that makes the path MAX_PATH bytes long, comes by its short (8.3) form,
  // or not at all when that does not fit either.
  virtual std::vector<FoundFile> FindFiles(const std::string& pattern) = 0;
};

}  // namespace platform
