#include "common/simple_window.h"

#include "common/failure.h"

namespace e2e {

HWND CreateTopWindow(const wchar_t* title, WNDPROC procedure, const RECT& rect, DWORD exStyle) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = title;
  if (!RegisterClassW(&windowClass)) FailWithLastError("RegisterClassW");
  HWND window =
      CreateWindowExW(exStyle, title, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect.left, rect.top,
                      rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (!window) FailWithLastError("CreateWindowExW");
  return window;
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace e2e
