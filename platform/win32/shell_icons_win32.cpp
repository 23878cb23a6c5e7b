#include <windows.h>

#include <shellapi.h>

#include <cctype>

#include "platform/text.h"
#include "platform/win32/first_use_win32.h"
#include "platform/win32/icons.h"
#include "platform/win32/shell_icons_win32.h"

namespace platform::win32 {

namespace {

bool IsProgram(const std::string& path) {
  std::string extension = platform::ExtractFileExt(path);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".exe";
}

}  // namespace

Icon IconsWin32::ShellIcon(const std::string& path) {
  // The shell shows a program by its first icon ("%1" is its default icon):
  // read directly, that costs a tenth of asking the shell. A program without
  // one gets the shell's generic icon as before.
  if (IsProgram(path)) {
    if (Icon icon = IconInFile(path, 0)) return icon;
  }
  EnsureComApartment();
  SHFILEINFOA info = {};
  // A zero result means no icon; hIcon may then still hold a stale value.
  if (SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_ICON) == 0) return {};
  return MakeIcon(info.hIcon);
}

Icon IconsWin32::IconInFile(const std::string& path, int index) {
  HICON large = nullptr;
  if (ExtractIconExA(path.c_str(), index, &large, nullptr, 1) == 0 || large == nullptr) return {};
  return MakeIcon(large);
}

int IconsWin32::IconCount(const std::string& path) {
  const HICON count = ExtractIconA(GetModuleHandleA(nullptr), path.c_str(), static_cast<UINT>(-1));
  return static_cast<int>(reinterpret_cast<UINT_PTR>(count));
}

}  // namespace platform::win32

namespace platform::win32 {

Icon IconsWin32::CopyOf(const Icon& icon) {
  if (!icon) return {};
  return MakeIcon(CopyIcon(IconHandle(icon)));
}

}  // namespace platform::win32
