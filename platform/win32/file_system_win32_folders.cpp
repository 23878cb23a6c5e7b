// Attributes and folder listings, through the wide calls: they reach paths
// past MAX_PATH, and list names outside the code page.

#include <windows.h>

#include "platform/incoming_path.h"
#include "platform/text.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/system_names_win32.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

namespace {

std::u16string FromWide(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }

}  // namespace

std::optional<std::uint32_t> FileSystemWin32::Attributes(const std::string& path) {
  // Stored paths past MAX_PATH are looked up too: an existing item must never
  // be reported missing.
  const DWORD attributes = GetFileAttributesW(AsWide(FileCallPath(path)));
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return static_cast<std::uint32_t>(attributes);
}

std::vector<FoundFile> FileSystemWin32::FindFiles(const std::string& pattern) {
  std::vector<FoundFile> found;
  const std::string folder = ExtractFilePath(pattern);
  WIN32_FIND_DATAW data;
  const HANDLE search = FindFirstFileW(AsWide(FileCallPath(pattern)), &data);
  if (search == INVALID_HANDLE_VALUE) return found;
  do {
    // A name the ANSI calls cannot reach is listed by its short form, or left out.
    if (auto name = KeepName({FromWide(data.cFileName), FromWide(data.cAlternateFileName)}, folder)) {
      found.push_back({std::move(*name), static_cast<std::uint32_t>(data.dwFileAttributes)});
    }
  } while (FindNextFileW(search, &data));
  FindClose(search);
  return found;
}

}  // namespace platform::win32
