// popup_menu.exe: opens a known popup menu at 300,200 from a small owner
// window and exits with the id of the chosen entry (0 when none), so the
// harness's menu reading and picking can be checked against it.

#include <windows.h>

#include <cstdio>
#include <stdexcept>

#include "common/simple_window.h"

namespace {

// Separator, check mark, grayed entry, submenu, and "表示" (its first
// character's trail byte in code page 932 is 0x5C).
HMENU BuildMenu() {
  HMENU more = CreatePopupMenu();
  AppendMenuW(more, MF_STRING, 201, L"子その1");
  AppendMenuW(more, MF_STRING, 202, L"子その2");
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 101, L"開く(&O)");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING | MF_CHECKED, 102, L"チェック済み");
  AppendMenuW(menu, MF_STRING | MF_GRAYED, 103, L"使用不可");
  AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(more), L"その他");
  AppendMenuW(menu, MF_STRING, 104, L"表示");
  return menu;
}

}  // namespace

int main() {
  HWND owner;
  try {
    owner = e2e::CreateTopWindow(L"popup_menu", DefWindowProcW, RECT{40, 40, 280, 160});
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "popup_menu: %s\n", failure.what());
    return 0;
  }
  HMENU menu = BuildMenu();
  SetForegroundWindow(owner);
  int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, 300, 200, 0, owner, nullptr);
  DestroyMenu(menu);
  DestroyWindow(owner);
  return chosen;
}
