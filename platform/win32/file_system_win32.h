#pragma once
// The real file system through the ANSI Win32 calls.

#include "platform/file_system.h"

namespace platform::win32 {

class FileSystemWin32 : public FileSystem {
 public:
  std::string ExecutablePath() override;
  FileResult ReadWholeFile(const std::string& path, std::string& contents) override;
  FileResult WriteWholeFile(const std::string& path, std::string_view bytes) override;
  FileResult MoveOver(const std::string& source, const std::string& target) override;
  FileResult RemoveFile(const std::string& path) override;
  std::optional<std::uint32_t> Attributes(const std::string& path) override;
  std::vector<FoundFile> FindFiles(const std::string& pattern) override;
};

// The system's wording for a Win32 error code, in the system's language.
std::string SystemErrorMessage(unsigned long error);

}  // namespace platform::win32
