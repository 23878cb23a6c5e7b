#include "platform/ui/label.h"

namespace ui {

Label::Label(Control& parent, std::string name) : Control(parent.Program(), &parent, std::move(name)) {
  AttachPeer(backend::CreatePeer(*this));
}

void Label::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Changed(Property::Text);
}

// Transparency changes how the label is painted, so it travels as its style.
void Label::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Changed(Property::Style);
}

}  // namespace ui
