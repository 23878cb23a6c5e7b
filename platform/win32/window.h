#pragma once
// The one window procedure of the backend. Each window object is found from
// its HWND (handed over in lpCreateParams at WM_NCCREATE) and gets its
// messages through HandleMessage; no exception leaves the procedure. The
// windows are Unicode windows, so that typed text arrives whole whatever the
// system's code page.

#include <windows.h>

#include <string>

namespace ui {
class Application;
}

namespace ui::win32 {

// Registers a window class served by the backend's window procedure.
void RegisterWindowClass(const wchar_t* className, HICON icon, HICON smallIcon);

class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return hwnd_; }

 protected:
  explicit Window(Application& app) : app_(app) {}
  // Destroys the window if Destroy has not run yet.
  virtual ~Window();

  void Create(const wchar_t* className, DWORD exStyle, DWORD style, const std::string& title, const RECT& rect,
              HWND parent);
  // Detaches the object and destroys the window: derived destructors call it
  // first, so that no message reaches a half-destroyed object.
  void Destroy();

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

  Application& App() const { return app_; }

 private:
  friend void RegisterWindowClass(const wchar_t* className, HICON icon, HICON smallIcon);
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // The application's error report: a message box with the error's text.
  void ReportError(const char* text);

  Application& app_;
  HWND hwnd_ = nullptr;
};

}  // namespace ui::win32
