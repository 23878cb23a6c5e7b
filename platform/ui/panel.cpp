#include "platform/ui/panel.h"

namespace ui {

namespace {

ControlSpec WithoutTabStop(ControlSpec spec) {
  spec.tabStop = false;
  return spec;
}

}  // namespace

Panel::Panel(Control& parent, ControlSpec spec) : WinControl(parent, WithoutTabStop(std::move(spec))) {
  AttachPeer(backend::CreatePeer(*this));
}

void Panel::SetLowered(bool lowered) {
  if (StoreIfChanged(lowered_, lowered)) Changed(Property::Style);
}

}  // namespace ui
