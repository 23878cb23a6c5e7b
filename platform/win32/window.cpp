#include "platform/win32/window.h"

#include <exception>

#include "platform/error.h"
#include "platform/ui/application.h"

namespace ui::win32 {

void RegisterWindowClass(const char* className, HICON icon, HICON smallIcon) {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &Window::WindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hIcon = icon;
  wc.hIconSm = smallIcon;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = className;
  // A second application object in the same process finds the class there.
  if (RegisterClassExA(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw platform::Error(std::string("RegisterClassExA failed: ") + className);
  }
}

Window::~Window() {
  Destroy();
}

void Window::Create(const char* className, DWORD exStyle, DWORD style, const std::string& title, const RECT& rect,
                    HWND parent) {
  CreateWindowExA(exStyle, className, title.c_str(), style, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, parent, nullptr, GetModuleHandleA(nullptr), this);
  if (hwnd_ == nullptr) throw platform::Error(std::string("CreateWindowExA failed: ") + className);
}

void Window::Destroy() {
  if (hwnd_ == nullptr) return;
  const HWND hwnd = hwnd_;
  hwnd_ = nullptr;
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
  DestroyWindow(hwnd);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void Window::ReportError(const char* text) {
  try {
    app_.ShowMessage(text, app_.Title(), platform::MessageStyle::Error);
  } catch (...) {
    // Reporting failed as well (no memory): nothing sensible is left to do.
  }
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (self == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // The system destroyed the window (its owner went first): forget it.
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcA(hwnd, message, wParam, lParam);
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
