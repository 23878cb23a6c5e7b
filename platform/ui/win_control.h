#pragma once
// Base of the controls that are windows of their own on the platform (edit
// boxes, buttons, check boxes, combo boxes, spin buttons, panels). They take
// the keyboard focus and follow their form's tab order.

#include <string>
#include <vector>

#include "platform/ui/callback.h"
#include "platform/ui/control.h"

namespace ui {

class Form;

class WinControl : public Control {
 public:
  WinControl(Control& parent, const ControlProps& props);
  ~WinControl() override;

  bool TabStop() const { return tabStop_; }
  // Whether the user can reach the control now: it and every parent are visible and enabled.
  bool Usable() const;
  // Whether Tab can reach the control now: a usable tab stop.
  bool CanFocus() const { return tabStop_ && Usable(); }
  // Gives the control the keyboard focus (the form's ActiveControl).
  void SetFocus();
  bool Focused() const;

  // The user asked for the control's context menu (a right click on it, or the menu key).
  Callback<void()> onContextPopup;

  // Backend entry points: the platform moved the focus to this control; the
  // user asked for its context menu.
  void SignalFocused();
  void SignalContextPopup();

 private:
  // Kept, so that the control can leave the tab order whatever was destroyed before it.
  Form& form_;
  bool tabStop_;
};

}  // namespace ui
