#pragma once
// The tips of one form and its panels: one tooltips_class32 window with one
// tool per control that shows its hint. Graphic controls are rectangle tools
// of their container's window (the form or a panel), which relays its mouse
// messages to the tooltip window.

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

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

  // The pointer moved over under, one of the form's windows (WM_SETCURSOR):
  // the first time there are tools, the tooltip window is made, takes them
  // and sees this move.
  void PointerOver(HWND under);
  // Hands a mouse message of the container to the tooltip window.
  void Relay(HWND container, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  // A tool as given; kept in pending_ until the tooltip window exists.
  struct PendingTool {
    HWND container;
    UINT_PTR id;
    bool isWindow;
    RECT rect;
    std::wstring text;
  };

  static TTTOOLINFOW ToolInfo(HWND container, UINT_PTR id);
  static TTTOOLINFOW ToolInfo(const PendingTool& tool);
  // Keeps the tool until the window exists, else gives it to the window.
  void Add(PendingTool tool);
  void GiveToWindow(const PendingTool& tool);
  PendingTool* FindPending(HWND container, UINT_PTR id);

  HWND owner_;
  // Made when the pointer first comes over the form with tools to show: a
  // form that is never pointed at (or has no tips) costs no window, and the
  // start-up does not wait for one.
  HWND window_ = nullptr;
  std::vector<PendingTool> pending_;
};

}  // namespace ui::win32
