#include <windows.h>

#include <shellapi.h>

#include "platform/collation.h"
#include "platform/text.h"
#include "platform/win32/first_use_win32.h"
#include "platform/win32/icons.h"
#include "platform/win32/shell_icons_win32.h"
#include "platform/win32/system_names_win32.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

namespace {

bool IsProgram(const std::string& path) {
  return platform::CompareTextIgnoreCase(platform::ExtractFileExt(path), ".exe") == 0;
}

bool IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(AsWide(FileCallPath(path)));
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

Icon IconsWin32::ShellIcon(const std::string& path) {
  // The shell shows a program by its first icon ("%1" is its default icon):
  // read directly, that costs a tenth of asking the shell. A program without
  // one gets the shell's generic icon, the same for every such program, so
  // the shell is asked for it once. A missing program gets none, as from the shell.
  const bool program = IsProgram(path);
  if (program) {
    if (Icon icon = IconInFile(path, 0)) return icon;
    if (genericProgramIcon_ && IsFile(path)) return CopyOf(genericProgramIcon_);
  }
  EnsureComApartment();
  const std::u16string shellPath = ShellCallPath(path);
  SHFILEINFOW info = {};
  // A zero result means no icon; hIcon may then still hold a stale value.
  if (SHGetFileInfoW(AsWide(shellPath), 0, &info, sizeof info, SHGFI_ICON) == 0) {
    // A shell may not find a file by the short form of a path past MAX_PATH
    // (Wine's does not): an existing one gets the icon of its kind.
    if (WideFromCp932(path).size() < MAX_PATH) return {};
    const DWORD attributes = GetFileAttributesW(AsWide(FileCallPath(path)));
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        SHGetFileInfoW(AsWide(shellPath), attributes, &info, sizeof info, SHGFI_ICON | SHGFI_USEFILEATTRIBUTES) == 0) {
      return {};
    }
  }
  Icon icon = MakeIcon(info.hIcon);
  if (program && !genericProgramIcon_ && IsFile(path)) genericProgramIcon_ = CopyOf(icon);
  return icon;
}

Icon IconsWin32::IconInFile(const std::string& path, int index) {
  HICON large = nullptr;
  if (ExtractIconExW(AsWide(ShellCallPath(path)), index, &large, nullptr, 1) == 0 || large == nullptr) return {};
  return MakeIcon(large);
}

int IconsWin32::IconCount(const std::string& path) {
  const HICON count = ExtractIconW(GetModuleHandleW(nullptr), AsWide(ShellCallPath(path)), static_cast<UINT>(-1));
  return static_cast<int>(reinterpret_cast<UINT_PTR>(count));
}

}  // namespace platform::win32

namespace platform::win32 {

Icon IconsWin32::CopyOf(const Icon& icon) {
  if (!icon) return {};
  return MakeIcon(CopyIcon(IconHandle(icon)));
}

}  // namespace platform::win32
