#include "platform/ui/check_box.h"

namespace ui {

CheckBox::CheckBox(Control& parent, const ControlProps& props) : WinControl(parent, props), caption_(props.caption) {
  Constructed();
}

void CheckBox::SetChecked(bool checked) {
  if (StoreIfChanged(checked_, checked)) Changed(Property::Checked);
}

void CheckBox::SignalToggled(bool checked) {
  checked_ = checked;
  SignalClick();
}

std::unique_ptr<Peer> CheckBox::MakePeer() { return backend::CreatePeer(*this); }

}  // namespace ui
