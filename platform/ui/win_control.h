#pragma once
// Base of the controls that are windows of their own on the platform (edit
// boxes, buttons, check boxes, combo boxes, spin buttons, panels). They take
// the keyboard focus and follow their form's tab order.

#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace ui {

class Form;

class WinControl : public Control {
 public:
  WinControl(Control& parent, const ControlSpec& spec);
  ~WinControl() override;

  bool TabStop() const { return tabStop_; }
  // Whether the user can reach the control now: it and every parent are visible and enabled.
  bool Usable() const;
  // Whether Tab can reach the control now: a usable tab stop.
  bool CanFocus() const { return tabStop_ && Usable(); }
  // Gives the control the keyboard focus (the form's ActiveControl).
  void SetFocus();
  bool Focused() const;

  // Backend entry point: the platform moved the focus to this control.
  void SignalFocused();

 private:
  // Kept, so that the control can leave the tab order whatever was destroyed before it.
  Form& form_;
  bool tabStop_;
};

}  // namespace ui
