#include "platform/win32/key_names_win32.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace platform::win32 {

bool IsExtendedKey(unsigned virtualKey) {
  switch (virtualKey) {
    case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME:
    case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN:
    case VK_INSERT: case VK_DELETE: case VK_DIVIDE: case VK_NUMLOCK:
    case VK_LWIN: case VK_RWIN: case VK_APPS: case VK_RCONTROL: case VK_RMENU:
      return true;
    default:
      return false;
  }
}

std::string KeyNamesWin32::NameOf(unsigned virtualKey) {
  const UINT scanCode = MapVirtualKeyW(virtualKey, 0);  // MAPVK_VK_TO_VSC
  if (scanCode == 0) return {};
  LONG keyData = static_cast<LONG>(scanCode << 16);
  if (IsExtendedKey(virtualKey)) keyData |= 1L << 24;
  wchar_t name[64];
  const int length = GetKeyNameTextW(keyData, name, 64);
  return length > 0 ? Narrow(std::wstring_view(name, static_cast<std::size_t>(length))) : std::string();
}

}  // namespace platform::win32
