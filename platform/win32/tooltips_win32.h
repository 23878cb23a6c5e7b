#pragma once
// The tips of one form and its panels: one tooltips_class32 window with one
// tool per control that shows its hint. Graphic controls are rectangle tools
// of their container's window (the form or a panel), which relays its mouse
// messages to the tooltip window.

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace ui::win32 {

class Tooltips {
 public:
  // owner: the form's window, which owns the tooltip window.
  explicit Tooltips(HWND owner) : owner_(owner) {}
  Tooltips(const Tooltips&) = delete;
  Tooltips& operator=(const Tooltips&) = delete;
  ~Tooltips();

  // A rectangle of the container's client area, identified by id.
  void AddTool(HWND container, UINT_PTR id, const RECT& rect, const std::string& text);
  // A child window of the container, identified by its handle as id; the
  // tooltip window watches its mouse messages itself.
  void AddWindowTool(HWND container, HWND child, const std::string& text);
  void SetToolRect(HWND container, UINT_PTR id, const RECT& rect);
  void SetToolText(HWND container, UINT_PTR id, const std::string& text);
  void RemoveTool(HWND container, UINT_PTR id);

  // Hands a mouse message of the container to the tooltip window.
  void Relay(HWND container, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static TTTOOLINFOA ToolInfo(HWND container, UINT_PTR id);
  void CreateWindowOnce();
  void Add(TTTOOLINFOA& info, const std::string& text);

  HWND owner_;
  // Created with the first tool.
  HWND window_ = nullptr;
};

}  // namespace ui::win32
