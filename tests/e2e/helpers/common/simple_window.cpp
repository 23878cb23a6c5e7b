#include "common/simple_window.h"

#include "common/failure.h"

namespace e2e {

HWND CreateTopWindow(const char* title, WNDPROC procedure, const RECT& rect, DWORD exStyle) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = title;
  if (!RegisterClassA(&windowClass)) FailWithLastError("RegisterClassA");
  HWND window =
      CreateWindowExA(exStyle, title, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect.left, rect.top,
                      rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (!window) FailWithLastError("CreateWindowExA");
  return window;
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace e2e
