// The radio button's peer: a BUTTON with BS_RADIOBUTTON. The widget checks
// the chosen button and unchecks the others of its parent, so the button
// never checks itself; its window only reports the user's choice.

#include <windows.h>

#include "platform/ui/radio_button.h"
#include "platform/win32/win_controls_win32.h"

namespace ui::win32 {

namespace {

// Whether the dialog handling is moving the focus within the group for an arrow key.
bool ArrowKeyDown() {
  return GetKeyState(VK_LEFT) < 0 || GetKeyState(VK_RIGHT) < 0 || GetKeyState(VK_UP) < 0 || GetKeyState(VK_DOWN) < 0;
}

class RadioButtonWin32 final : public WinControlPeer {
  static constexpr WPARAM kFocusSettled = 1;
  static constexpr WPARAM kChosenByArrow = 2;

 public:
  explicit RadioButtonWin32(RadioButton& button) : WinControlPeer(button), button_(button) {
    CreateChild(L"BUTTON", BS_RADIOBUTTON | BS_NOTIFY, 0, button.Caption());
    Apply(Property::Checked);
  }

  void OnCommand(WORD code) override {
    if (code == BN_SETFOCUS) {
      button_.SignalFocused();
      // Windows reports an unchecked radio button that gets the focus as
      // clicked (Wine does not): only the arrow keys choose that way here,
      // not Tab, not a focus set from code, not the press of a click.
      gettingFocus_ = true;
      Defer(kFocusSettled);
      if (!button_.Checked() && ArrowKeyDown()) Defer(kChosenByArrow);
    }
    if (code == BN_CLICKED && !IsMuted() && !gettingFocus_) button_.SignalChosen();
  }

  void OnDeferred(WPARAM what) override {
    if (what == kFocusSettled) gettingFocus_ = false;
    if (what == kChosenByArrow && !button_.Checked()) button_.SignalChosen();
  }

 private:
  void Apply(Property property) override {
    if (property == Property::Checked) {
      Muted([&] { SendMessageW(Hwnd(), BM_SETCHECK, button_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0); });
      // BM_SETCHECK makes only the checked radio button a tab stop; which
      // controls Tab reaches is the form's rule, the same on every backend.
      const LONG style = GetWindowLongW(Hwnd(), GWL_STYLE) & ~WS_TABSTOP;
      SetWindowLongW(Hwnd(), GWL_STYLE, style | (button_.TabStop() ? WS_TABSTOP : 0));
    }
  }

  RadioButton& button_;
  // Between BN_SETFOCUS and the end of the focus change.
  bool gettingFocus_ = false;
};

}  // namespace

}  // namespace ui::win32

namespace ui {

std::unique_ptr<Peer> backend::CreatePeer(RadioButton& button) {
  return std::make_unique<win32::RadioButtonWin32>(button);
}

}  // namespace ui
