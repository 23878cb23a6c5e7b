// popup_menu.exe: opens a known popup menu at 300,200 from a small owner
// window and exits with the id of the chosen entry (0 when none), so the
// harness's menu reading and picking can be checked against it.

#include <windows.h>

#include <cstdio>
#include <stdexcept>

#include "common/simple_window.h"

namespace {

// Separator, check mark, grayed entry, submenu, and "表示" whose first
// character's trail byte is 0x5C.
HMENU BuildMenu() {
  HMENU more = CreatePopupMenu();
  AppendMenuA(more, MF_STRING, 201, "子その1");
  AppendMenuA(more, MF_STRING, 202, "子その2");
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_STRING, 101, "開く(&O)");
  AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu, MF_STRING | MF_CHECKED, 102, "チェック済み");
  AppendMenuA(menu, MF_STRING | MF_GRAYED, 103, "使用不可");
  AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(more), "その他");
  AppendMenuA(menu, MF_STRING, 104, "表示");
  return menu;
}

}  // namespace

int main() {
  HWND owner;
  try {
    owner = e2e::CreateTopWindow("popup_menu", DefWindowProcA, RECT{40, 40, 280, 160});
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
