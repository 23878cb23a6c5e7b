// icon_check.exe: the product's icons (platform/win32/shell_icons_win32.h)
// against the system's own, pixel by pixel. Each argument is a case:
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

// The bitmap's pixels as 32-bit top-down rows, after its size.
void AppendPixels(HDC dc, HBITMAP bitmap, std::vector<std::uint32_t>& out) {
  BITMAP info = {};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) return;
  BITMAPINFO format = {};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = info.bmWidth;
  format.bmiHeader.biHeight = -info.bmHeight;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(info.bmWidth) * info.bmHeight);
  GetDIBits(dc, bitmap, 0, info.bmHeight, pixels.data(), &format, DIB_RGB_COLORS);
  out.push_back(static_cast<std::uint32_t>(info.bmWidth));
  out.push_back(static_cast<std::uint32_t>(info.bmHeight));
  out.insert(out.end(), pixels.begin(), pixels.end());
}

// Everything an icon shows: its colour image and its mask. Empty for none.
std::vector<std::uint32_t> Pixels(HICON icon) {
  std::vector<std::uint32_t> pixels;
  ICONINFO info = {};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return pixels;
  const HDC dc = GetDC(nullptr);
  AppendPixels(dc, info.hbmColor, pixels);
  AppendPixels(dc, info.hbmMask, pixels);
  ReleaseDC(nullptr, dc);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
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
