#include "platform/ui/button.h"

namespace ui {

Button::Button(Control& parent, const ControlProps& props)
    : WinControl(parent, props), caption_(props.caption), isDefault_(props.isDefault), isCancel_(props.isCancel) {
  AttachPeer(backend::CreatePeer(*this));
}

void Button::SetCaption(std::string caption) {
  if (StoreIfChanged(caption_, std::move(caption))) Changed(Property::Text);
}

}  // namespace ui
