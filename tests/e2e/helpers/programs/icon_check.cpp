// icon_check.exe: the product's icons (platform/win32/shell_icons_win32.h)
// against the system's own, as drawn, pixel by pixel. Each argument is a case:
// "<path>|<index>" compares IconInFile with ExtractIconExW and IconCount
// with ExtractIconW; "<path>" alone, a program, compares ShellIcon with its
// first icon by ExtractIconExW, or without one with SHGetFileInfoW.
// The cases are read in one reading, as a panel's icons are. Prints one
// record per case: what, system (whether the system gave an icon), same.
// Exit status 0 when every case is the same.

#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/args.h"
#include "common/record.h"
#include "common/utf8.h"
#include "platform/text.h"
#include "platform/win32/icons.h"
#include "platform/win32/shell_icons_win32.h"

namespace {

using platform::win32::IconHandle;

// The icon as it shows: drawn at its own size on white and on black (which
// tells the mask apart). Empty for none.
std::vector<std::uint32_t> Pixels(HICON icon) {
  std::vector<std::uint32_t> pixels;
  if (icon == nullptr) return pixels;
  constexpr int kSide = 64;
  BITMAPINFO format = {};
  format.bmiHeader = {sizeof format.bmiHeader, kSide, -kSide, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HDC dc = CreateCompatibleDC(nullptr);
  const HBITMAP bitmap = CreateDIBSection(dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ previous = SelectObject(dc, bitmap);
  const RECT area = {0, 0, kSide, kSide};
  for (const int background : {WHITE_BRUSH, BLACK_BRUSH}) {
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(background)));
    DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
    GdiFlush();
    const auto* drawn = static_cast<const std::uint32_t*>(bits);
    pixels.insert(pixels.end(), drawn, drawn + kSide * kSide);
  }
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

HICON SystemIconInFile(const std::wstring& path, int index) {
  HICON large = nullptr;
  return ExtractIconExW(path.c_str(), index, &large, nullptr, 1) == 0 ? nullptr : large;
}

HICON SystemProgramIcon(const std::wstring& path) {
  if (HICON first = SystemIconInFile(path, 0)) return first;
  SHFILEINFOW info = {};
  return SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_ICON) == 0 ? nullptr : info.hIcon;
}

}  // namespace

int main() {
  CoInitialize(nullptr);
  platform::win32::IconsWin32 icons;
  const platform::Icons::Reading reading(icons);
  int differing = 0;
  for (const std::string& what : e2e::Arguments()) {
    const std::size_t bar = what.find('|');
    const std::wstring path = e2e::Wide(what.substr(0, bar));
    std::string productPath;
    platform::Cp932FromWide(std::u16string(path.begin(), path.end()), productPath);
    HICON system = nullptr;
    platform::Icon product;
    bool same = true;
    if (bar == std::string::npos) {
      system = SystemProgramIcon(path);
      product = icons.ShellIcon(productPath);
    } else {
      const int index = std::stoi(what.substr(bar + 1));
      system = SystemIconInFile(path, index);
      product = icons.IconInFile(productPath, index);
      same = icons.IconCount(productPath) ==
             static_cast<int>(reinterpret_cast<UINT_PTR>(ExtractIconW(nullptr, path.c_str(), static_cast<UINT>(-1))));
    }
    same = same && Pixels(system) == Pixels(IconHandle(product));
    if (!same) ++differing;
    e2e::Record().Text("what", what).Bool("system", system != nullptr).Bool("same", same).WriteTo(stdout);
    if (system != nullptr) DestroyIcon(system);
  }
  return differing == 0 ? 0 : 1;
}
