#include "platform/ui/button.h"

namespace ui {

Button::Button(Control& parent, const ControlSpec& spec)
    : WinControl(parent, spec), caption_(spec.caption), isDefault_(spec.isDefault), isCancel_(spec.isCancel) {
  AttachPeer(backend::CreatePeer(*this));
}

void Button::SetCaption(std::string caption) {
  if (StoreIfChanged(caption_, std::move(caption))) Changed(Property::Text);
}

}  // namespace ui
