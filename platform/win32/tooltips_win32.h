#pragma once
// The tips of one form: a tooltips_class32 window with one tool per control
// that shows its hint. Graphic controls are rectangle tools of the form's
// window; the form relays its mouse messages to the tooltip window.

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace ui::win32 {

class Tooltips {
 public:
  explicit Tooltips(HWND owner) : owner_(owner) {}
  Tooltips(const Tooltips&) = delete;
  Tooltips& operator=(const Tooltips&) = delete;
  ~Tooltips();

  // A rectangle of the owner's client area, identified by id.
  void AddTool(UINT_PTR id, const RECT& rect, const std::string& text);
  // A child window of the owner, identified by its handle as id; the tooltip
  // window watches its mouse messages itself.
  void AddWindowTool(HWND child, const std::string& text);
  void SetToolRect(UINT_PTR id, const RECT& rect);
  void SetToolText(UINT_PTR id, const std::string& text);
  void RemoveTool(UINT_PTR id);

  // Hands a mouse message of the owner to the tooltip window.
  void Relay(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  TTTOOLINFOA ToolInfo(UINT_PTR id) const;
  void CreateWindowOnce();
  void Add(TTTOOLINFOA& info, const std::string& text);

  HWND owner_;
  // Created with the first tool.
  HWND window_ = nullptr;
};

}  // namespace ui::win32
