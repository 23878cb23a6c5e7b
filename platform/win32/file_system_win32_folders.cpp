// Attributes and folder listings. Paths are ANSI; the wide calls reach what
// the ANSI ones cannot (paths past MAX_PATH, names outside the code page).

#include <windows.h>

#include "platform/incoming_path.h"
#include "platform/text.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/system_names_win32.h"

namespace platform::win32 {

namespace {

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

std::u16string FromWide(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }

}  // namespace

std::optional<std::uint32_t> FileSystemWin32::Attributes(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  // A stored path too long for the ANSI call still names a file: an existing
  // item must never be reported missing.
  if (attributes == INVALID_FILE_ATTRIBUTES && path.size() >= MAX_PATH) {
    attributes = GetFileAttributesW(Wide(ExtendedPath(WideFromCp932(path))));
  }
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return static_cast<std::uint32_t>(attributes);
}

std::vector<FoundFile> FileSystemWin32::FindFiles(const std::string& pattern) {
  std::vector<FoundFile> found;
  const std::string folder = ExtractFilePath(pattern);
  WIN32_FIND_DATAW data;
  const HANDLE search = FindFirstFileW(Wide(ExtendedPath(WideFromCp932(pattern))), &data);
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
