#pragma once
// A window that holds controls: a form or a panel. It paints its graphic
// children (Label, Image, Bevel, Gauge, GroupBox) into a buffer and hit-tests
// them, hosts the tips of all its children, hands WM_COMMAND, WM_NOTIFY,
// WM_CTLCOLOR..., WM_CONTEXTMENU and the pointer's moves to the windowed child
// they concern, and shows the hand cursor over the controls that ask for it.

#include <windows.h>

#include <memory>

#include "platform/ui/control.h"
#include "platform/win32/tooltips_win32.h"
#include "platform/win32/window.h"

namespace ui::win32 {

class ContainerWin32 : public Window {
 public:
  // The container window of a form or panel; throws for any other control.
  static ContainerWin32& Of(Control& container);

  // For the children: repaint a rectangle of the client area, the tips, and
  // forgetting a control that goes away.
  void Invalidate(const RECT& area);
  // The tips of the form the container lies on (one tooltip window a form).
  Tooltips& Tips() { return *tips_; }
  void ControlGone(const Control& control);

 protected:
  ContainerWin32(Control& control, Application& app) : Window(app), control_(control) {}
  ~ContainerWin32() override = default;

  // Call once the window exists: the form's own tips, or a panel's form's.
  void UseTips(Tooltips& tips) { tips_ = &tips; }
  // The messages every container handles; false when it is not one of them.
  bool HandleContainerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Colour of the background; the form's or panel's colour.
  virtual COLORREF Background() const;

 private:
  void Paint();
  // The topmost visible, enabled graphic child under the point, else the container.
  Control& ControlAt(POINT at);
  bool Hits(const Control& control, POINT at) const;
  Point LocalPoint(const Control& control, POINT at) const;
  void MouseDown(MouseButton button, WPARAM wParam, POINT at);
  void MouseUp(MouseButton button, WPARAM wParam, POINT at);
  void MouseMove(WPARAM wParam, POINT at);
  // WM_SETCURSOR: a move over a windowed child reaches that child's widget;
  // the cursor of the control under the pointer is applied.
  bool PointerOver(HWND hwnd, LPARAM lParam, LRESULT& result);

  Control& control_;
  Tooltips* tips_ = nullptr;
  // The control that got the last press; it gets the moves and the release.
  Control* pressed_ = nullptr;
  // The control that a left release over it would click.
  Control* clickCandidate_ = nullptr;
};

}  // namespace ui::win32
