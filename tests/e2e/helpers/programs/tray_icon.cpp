// tray_icon.exe: puts one icon into the notification area (owner window
// "tray_icon" at 600,400). The first mouse-button message the icon's
// callback receives removes the icon and ends the program with that
// message's offset from WM_MOUSEFIRST (1 WM_LBUTTONDOWN, 4 WM_RBUTTONDOWN,
// ...): an exit status on Linux keeps only 8 bits.

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <stdexcept>

#include "common/simple_window.h"

namespace {

constexpr UINT kCallbackMessage = WM_APP + 1;
constexpr UINT kIconId = 1;

NOTIFYICONDATAW IconData(HWND owner) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = owner;
  data.uID = kIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kCallbackMessage;
  data.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  lstrcpynW(data.szTip, L"tray_icon", ARRAYSIZE(data.szTip));
  return data;
}

UINT clicked = 0;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kCallbackMessage:
      if (lParam >= WM_LBUTTONDOWN && lParam <= WM_MBUTTONDBLCLK && !clicked) {
        clicked = static_cast<UINT>(lParam);
        NOTIFYICONDATAW data = IconData(window);
        Shell_NotifyIconW(NIM_DELETE, &data);
        DestroyWindow(window);
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(clicked ? static_cast<int>(clicked - WM_MOUSEFIRST) : 0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int main() {
  try {
    HWND owner = e2e::CreateTopWindow(L"tray_icon", Procedure, RECT{600, 400, 800, 480});
    NOTIFYICONDATAW data = IconData(owner);
    if (!Shell_NotifyIconW(NIM_ADD, &data)) throw std::runtime_error("Shell_NotifyIconW(NIM_ADD) failed");
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "tray_icon: %s\n", failure.what());
    return 0;
  }
  return e2e::RunMessageLoop();
}
