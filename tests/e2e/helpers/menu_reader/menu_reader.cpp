// e2e_menu_reader.dll: loaded into a program by the probe (read-menus), it
// reads the program's open popup menus from inside, where MN_GETHMENU and the
// menu functions work, and writes one record per menu and per item (UTF-8,
// read through the wide calls).

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/record.h"
#include "common/utf8.h"
#include "common/window_info.h"

namespace {

constexpr UINT kSendTimeoutMs = 3000;

struct OpenMenu {
  HWND window;
  HMENU menu;
};

std::vector<OpenMenu> FindOpenMenus() {
  std::vector<OpenMenu> found;
  for (HWND window : e2e::TopLevelWindows()) {
    if (e2e::ProcessOf(window) != GetCurrentProcessId() || !IsWindowVisible(window)) continue;
    if (e2e::ClassName(window) != "#32768") continue;
    DWORD_PTR menu = 0;
    if (SendMessageTimeoutW(window, MN_GETHMENU, 0, 0, SMTO_NORMAL, kSendTimeoutMs, &menu) && menu) {
      found.push_back({window, reinterpret_cast<HMENU>(menu)});
    }
  }
  return found;
}

bool HasSubmenu(HMENU parent, HMENU child) {
  for (int i = 0, count = GetMenuItemCount(parent); i < count; ++i) {
    if (GetSubMenu(parent, i) == child) return true;
  }
  return false;
}

// Root menu first, then each open submenu after the menu it opened from.
std::vector<OpenMenu> InOpeningOrder(std::vector<OpenMenu> menus) {
  std::vector<OpenMenu> ordered;
  HMENU previous = nullptr;
  while (!menus.empty()) {
    auto next = menus.begin();
    for (auto candidate = menus.begin(); candidate != menus.end(); ++candidate) {
      bool opensFromPrevious = previous && HasSubmenu(previous, candidate->menu);
      bool isRoot = !previous;
      for (const OpenMenu& other : menus) {
        if (other.menu != candidate->menu && HasSubmenu(other.menu, candidate->menu)) isRoot = false;
      }
      if (opensFromPrevious || isRoot) {
        next = candidate;
        break;
      }
    }
    previous = next->menu;
    ordered.push_back(*next);
    menus.erase(next);
  }
  return ordered;
}

std::string Flags(const MENUITEMINFOW& info) {
  struct Flag {
    bool set;
    const char* name;
  };
  const Flag flags[] = {
      {(info.fType & MFT_SEPARATOR) != 0, "separator"},
      {(info.fType & MFT_OWNERDRAW) != 0, "ownerdraw"},
      {(info.fType & MFT_BITMAP) != 0, "bitmap"},
      {(info.fType & MFT_RADIOCHECK) != 0, "radio"},
      // MFS_GRAYED also covers MFS_DISABLED (the same bits).
      {(info.fState & MFS_CHECKED) != 0, "checked"},
      {(info.fState & MFS_GRAYED) != 0, "grayed"},
      {(info.fState & MFS_HILITE) != 0, "hilite"},
      {(info.fState & MFS_DEFAULT) != 0, "default"},
      {info.hSubMenu != nullptr, "popup"},
  };
  std::string text;
  for (const Flag& flag : flags) {
    if (!flag.set) continue;
    if (!text.empty()) text += ',';
    text += flag.name;
  }
  return text;
}

void WriteItems(FILE* out, int menuIndex, const OpenMenu& open) {
  for (int position = 0, count = GetMenuItemCount(open.menu); position < count; ++position) {
    wchar_t text[512] = L"";
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 511;
    if (!GetMenuItemInfoW(open.menu, position, TRUE, &info)) continue;
    RECT rect{};
    GetMenuItemRect(open.window, open.menu, position, &rect);
    e2e::Record()
        .Text("kind", "item")
        .Int("menu", menuIndex)
        .Int("position", position)
        .Int("id", static_cast<int>(info.wID))
        .Text("text", (info.fType & (MFT_SEPARATOR | MFT_BITMAP | MFT_OWNERDRAW)) ? "" : e2e::Utf8(text))
        .Text("flags", Flags(info))
        .Handle("submenu", info.hSubMenu)
        .Rectangle("rect", rect)
        .WriteTo(out);
  }
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(module);
  return TRUE;
}

// Thread entry run by the probe; outputPath names the file to write (a wide
// string). Status 0 when written, 1 when the file could not be created, 2
// when reading failed (no exception may leave the thread).
extern "C" __declspec(dllexport) DWORD WINAPI WriteOpenMenus(LPVOID outputPath) {
  FILE* out = _wfopen(static_cast<const wchar_t*>(outputPath), L"wb");
  if (!out) return 1;
  DWORD status = 0;
  try {
    std::vector<OpenMenu> menus = InOpeningOrder(FindOpenMenus());
    for (std::size_t index = 0; index < menus.size(); ++index) {
      e2e::Record record;
      record.Text("kind", "menu").Int("index", static_cast<int>(index)).Handle("hmenu", menus[index].menu);
      e2e::DescribeWindow(record, menus[index].window);
      record.Int("count", GetMenuItemCount(menus[index].menu)).WriteTo(out);
    }
    for (std::size_t index = 0; index < menus.size(); ++index) WriteItems(out, static_cast<int>(index), menus[index]);
  } catch (const std::exception&) {
    status = 2;
  }
  std::fclose(out);
  return status;
}
