#pragma once
// What a drop-down list's window cannot be told by its styles: a flat
// border, and dropping its list as soon as the user types. While either is
// wanted the window is subclassed; its own procedure does the rest.

#include <windows.h>

namespace ui::win32 {

class ComboBoxLook {
 public:
  explicit ComboBoxLook(HWND combo) : combo_(combo) {}
  // Takes the subclass off; runs before the window is destroyed.
  ~ComboBoxLook();
  ComboBoxLook(const ComboBoxLook&) = delete;
  ComboBoxLook& operator=(const ComboBoxLook&) = delete;

  void Set(bool flat, bool autoDropDown);

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  // Over the 3-D border the box drew: a one-pixel line, its background inside.
  void PaintFlatBorder();

  HWND combo_;
  bool subclassed_ = false;
  bool flat_ = false;
  bool autoDropDown_ = false;
};

}  // namespace ui::win32
