// Attributes and folder listings through the ANSI Win32 calls.

#include <windows.h>

#include "platform/win32/file_system_win32.h"

namespace platform::win32 {

std::optional<std::uint32_t> FileSystemWin32::Attributes(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return static_cast<std::uint32_t>(attributes);
}

std::vector<FoundFile> FileSystemWin32::FindFiles(const std::string& pattern) {
  std::vector<FoundFile> found;
  WIN32_FIND_DATAA data;
  const HANDLE search = FindFirstFileA(pattern.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return found;
  do {
    found.push_back({data.cFileName, static_cast<std::uint32_t>(data.dwFileAttributes)});
  } while (FindNextFileA(search, &data));
  FindClose(search);
  return found;
}

}  // namespace platform::win32
