#include "platform/win32/key_names_win32.h"

#include <windows.h>

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
  const UINT scanCode = MapVirtualKeyA(virtualKey, 0);  // MAPVK_VK_TO_VSC
  if (scanCode == 0) return {};
  LONG keyData = static_cast<LONG>(scanCode << 16);
  if (IsExtendedKey(virtualKey)) keyData |= 1L << 24;
  char name[64];
  const int length = GetKeyNameTextA(keyData, name, sizeof name);
  return length > 0 ? std::string(name, length) : std::string();
}

}  // namespace platform::win32
