#include "platform/ui/radio_button.h"

namespace ui {

RadioButton::RadioButton(Control& parent, const ControlProps& props)
    : WinControl(parent, props), caption_(props.caption) {
  Constructed();
}

void RadioButton::SetChecked(bool checked) {
  if (StoreIfChanged(checked_, checked)) Changed(Property::Checked);
  if (checked) UncheckSiblings();
}

void RadioButton::SignalChosen() {
  SetChecked(true);
  SignalClick();
}

void RadioButton::UncheckSiblings() {
  for (Control* sibling : Parent()->Children()) {
    auto* other = dynamic_cast<RadioButton*>(sibling);
    if (other != nullptr && other != this) other->SetChecked(false);
  }
}

std::unique_ptr<Peer> RadioButton::MakePeer() { return backend::CreatePeer(*this); }

}  // namespace ui
