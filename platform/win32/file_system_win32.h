#pragma once
// The real file system through the wide Win32 calls.

#include "platform/file_system.h"

namespace platform::win32 {

class FileSystemWin32 : public FileSystem {
 public:
  // By the incoming-path rule; throws when the path has no form the program
  // can keep, as its data files could then not be named.
  std::string ExecutablePath() override;
  FileResult ReadWholeFile(const std::string& path, std::string& contents) override;
  FileResult WriteWholeFile(const std::string& path, std::string_view bytes) override;
  FileResult MoveOver(const std::string& source, const std::string& target) override;
  FileResult RemoveFile(const std::string& path) override;
  std::optional<std::uint32_t> Attributes(const std::string& path) override;
  std::vector<FoundFile> FindFiles(const std::string& pattern) override;
};

// WriteWholeFile for a path as the wide calls take it.
FileResult WriteWholeFileAt(const wchar_t* systemPath, std::string_view bytes);

// The system's wording for a Win32 error code, in the system's language.
std::string SystemErrorMessage(unsigned long error);

}  // namespace platform::win32
