#include "platform/ui/gauge.h"

#include <algorithm>

namespace ui {

Gauge::Gauge(Control& parent, const ControlProps& props)
    : Control(parent.Program(), &RequireContainer(parent), std::string(props.name)) {
  SetBounds(props.bounds);
  SetHint(std::string(props.hint));
  SetShowHint(!props.hint.empty());
  SetColor(SystemColor(syscolor::kInactiveBorder));
  Constructed();
}

void Gauge::SetProgress(int percent) {
  if (StoreIfChanged(progress_, std::clamp(percent, 0, kMaxProgress))) Changed(Property::Position);
}

void Gauge::SetForeColor(ColorValue color) {
  if (StoreIfChanged(foreColor_, color)) Changed(Property::Color);
}

std::unique_ptr<Peer> Gauge::MakePeer() { return backend::CreatePeer(*this); }

}  // namespace ui
