#include "platform/ui/panel.h"

namespace ui {

namespace {

ControlProps WithoutTabStop(ControlProps props) {
  props.tabStop = false;
  return props;
}

}  // namespace

Panel::Panel(Control& parent, ControlProps props) : WinControl(parent, WithoutTabStop(std::move(props))) {
  Constructed();
}

void Panel::SetLowered(bool lowered) {
  if (StoreIfChanged(lowered_, lowered)) Changed(Property::Style);
}

std::unique_ptr<Peer> Panel::MakePeer() { return backend::CreatePeer(*this); }

}  // namespace ui
