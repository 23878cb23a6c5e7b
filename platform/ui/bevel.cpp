#include "platform/ui/bevel.h"

namespace ui {

Bevel::Bevel(Control& parent, std::string name)
    : Control(parent.Program(), &RequireContainer(parent), std::move(name)) {
  Constructed();
}

Bevel::Bevel(Control& parent, const ControlProps& props) : Bevel(parent, std::string(props.name)) {
  SetBounds(props.bounds);
  if (props.lowered) SetStyle(BevelStyle::Lowered);
  SetHint(std::string(props.hint));
  SetShowHint(!props.hint.empty());
}

void Bevel::SetStyle(BevelStyle style) {
  if (StoreIfChanged(style_, style)) Changed(Property::Style);
}

std::unique_ptr<Peer> Bevel::MakePeer() { return backend::CreatePeer(*this); }

}  // namespace ui
