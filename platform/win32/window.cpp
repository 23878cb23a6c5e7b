#include "platform/win32/window.h"

#include <exception>

#include "platform/error.h"
#include "platform/ui/application.h"
#include "platform/win32/wide_text.h"

namespace ui::win32 {

void RegisterWindowClass(const wchar_t* className, HICON icon, HICON smallIcon) {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &Window::WindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hIcon = icon;
  wc.hIconSm = smallIcon;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = className;
  // A second application object in the same process finds the class there.
  if (RegisterClassExW(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw platform::Error("RegisterClassExW failed: " + platform::win32::Narrow(className));
  }
}

Window::~Window() {
  Destroy();
}

void Window::Create(const wchar_t* className, DWORD exStyle, DWORD style, const std::string& title, const RECT& rect,
                    HWND parent) {
  CreateWindowExW(exStyle, className, platform::win32::Wide(title).c_str(), style, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, parent, nullptr, GetModuleHandleW(nullptr), this);
  if (hwnd_ == nullptr) throw platform::Error("CreateWindowExW failed: " + platform::win32::Narrow(className));
}

void Window::Destroy() {
  if (hwnd_ == nullptr) return;
  const HWND hwnd = hwnd_;
  hwnd_ = nullptr;
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  DestroyWindow(hwnd);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Window::ReportError(const char* text) {
  try {
    app_.ShowMessage(text, app_.Title(), platform::MessageStyle::Error);
  } catch (...) {
    // Reporting failed as well (no memory): nothing sensible is left to do.
  }
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // The system destroyed the window (its owner went first): forget it.
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (const std::exception& error) {
    self->ReportError(error.what());
  } catch (...) {
    self->ReportError(platform::kUnexpectedErrorText);
  }
  return 0;
}

}  // namespace ui::win32
