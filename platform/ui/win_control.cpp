#include "platform/ui/win_control.h"

#include "platform/ui/form.h"

namespace ui {

WinControl::WinControl(Control& parent, const ControlProps& props)
    : Control(parent.Program(), &RequireContainer(parent), std::string(props.name)), form_(parent.OwnerForm()), tabStop_(props.tabStop) {
  // The peer does not exist yet: the widget's own constructor attaches it
  // once everything is set, so these reach the platform with it.
  SetBounds(props.bounds);
  SetHint(std::string(props.hint));
  SetShowHint(!props.hint.empty());
  form_.AddToTabOrder(*this);
}

WinControl::~WinControl() { form_.RemoveFromTabOrder(*this); }

bool WinControl::Usable() const {
  for (const Control* level = this; level != nullptr; level = level->Parent()) {
    if (!level->Visible() || !level->Enabled()) return false;
  }
  return true;
}

void WinControl::SetFocus() {
  form_.SignalFocusChanged(this);
  Changed(Property::Focus);
}

bool WinControl::Focused() const { return form_.ActiveControl() == this; }

void WinControl::SignalFocused() { form_.SignalFocusChanged(this); }

void WinControl::SignalContextPopup() {
  onContextPopup();
}

}  // namespace ui
