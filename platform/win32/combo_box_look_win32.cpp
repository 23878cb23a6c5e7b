#include "platform/win32/combo_box_look_win32.h"

#include <commctrl.h>

namespace ui::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

ComboBoxLook::~ComboBoxLook() {
  if (subclassed_) RemoveWindowSubclass(combo_, &ComboBoxLook::Proc, kSubclassId);
}

void ComboBoxLook::Set(bool flat, bool autoDropDown) {
  flat_ = flat;
  autoDropDown_ = autoDropDown;
  if ((flat_ || autoDropDown_) && !subclassed_) {
    subclassed_ = SetWindowSubclass(combo_, &ComboBoxLook::Proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
  }
  InvalidateRect(combo_, nullptr, TRUE);
}

LRESULT CALLBACK ComboBoxLook::Proc(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  return reinterpret_cast<ComboBoxLook*>(self)->Handle(message, wParam, lParam);
}

LRESULT ComboBoxLook::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  // Characters below the blank (Tab, Enter, Esc) keep their usual meaning.
  if (message == WM_CHAR && autoDropDown_ && wParam >= ' ' && SendMessageW(combo_, CB_GETDROPPEDSTATE, 0, 0) == FALSE) {
    SendMessageW(combo_, CB_SHOWDROPDOWN, TRUE, 0);
  }
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(combo_, &ComboBoxLook::Proc, kSubclassId);
    subclassed_ = false;
  }
  const LRESULT result = DefSubclassProc(combo_, message, wParam, lParam);
  if (message == WM_PAINT && flat_) PaintFlatBorder();
  return result;
}

void ComboBoxLook::PaintFlatBorder() {
  const HDC dc = GetDC(combo_);
  if (dc == nullptr) return;
  RECT rect;
  GetClientRect(combo_, &rect);
  FrameRect(dc, &rect, GetSysColorBrush(COLOR_BTNSHADOW));
  InflateRect(&rect, -1, -1);
  // The brush the box asks its parent for when it paints its face.
  const UINT ask = IsWindowEnabled(combo_) ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
  auto background = reinterpret_cast<HBRUSH>(
      SendMessageW(GetParent(combo_), ask, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(combo_)));
  if (background == nullptr) background = GetSysColorBrush(COLOR_WINDOW);
  FrameRect(dc, &rect, background);
  ReleaseDC(combo_, dc);
}

}  // namespace ui::win32
