#include "platform/ui/label.h"

namespace ui {

Label::Label(Control& parent, std::string name)
    : Control(parent.Program(), &RequireContainer(parent), std::move(name)) {
  Constructed();
}

Label::Label(Control& parent, const ControlProps& props) : Label(parent, std::string(props.name)) {
  centred_ = props.centred;
  SetBounds(props.bounds);
  SetCaption(std::string(props.caption));
  SetHint(std::string(props.hint));
  SetShowHint(!props.hint.empty());
}

void Label::SetCaption(std::string caption) {
  if (StoreIfChanged(caption_, std::move(caption))) Changed(Property::Text);
}

// Transparency changes how the label is painted, so it travels as its style.
void Label::SetTransparent(bool transparent) {
  if (StoreIfChanged(transparent_, transparent)) Changed(Property::Style);
}

std::unique_ptr<Peer> Label::MakePeer() { return backend::CreatePeer(*this); }

}  // namespace ui
