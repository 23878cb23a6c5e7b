#include "platform/ui/button.h"

namespace ui {

Button::Button(Control& parent, const ControlProps& props)
    : WinControl(parent, props), caption_(props.caption), isDefault_(props.isDefault), isCancel_(props.isCancel) {
  Constructed();
}

void Button::SetCaption(std::string caption) {
  if (StoreIfChanged(caption_, std::move(caption))) Changed(Property::Text);
}

void Button::SetDefault(bool isDefault) {
  if (StoreIfChanged(isDefault_, isDefault)) Changed(Property::Style);
}

std::unique_ptr<Peer> Button::MakePeer() { return backend::CreatePeer(*this); }

}  // namespace ui
