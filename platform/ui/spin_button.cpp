#include "platform/ui/spin_button.h"

#include <algorithm>

namespace ui {

SpinButton::SpinButton(Control& parent, const ControlProps& props) : WinControl(parent, props), horizontal_(props.horizontal) {
  Constructed();
}

void SpinButton::SetRange(int min, int max) {
  if (max < min) max = min;
  const bool rangeChanged = min != min_ || max != max_;
  min_ = min;
  max_ = max;
  if (rangeChanged) Changed(Property::Range);
  SetPosition(position_);
}

void SpinButton::SetPosition(int position) {
  if (StoreIfChanged(position_, std::clamp(position, min_, max_))) Changed(Property::Position);
}

void SpinButton::SignalArrow(SpinArrow arrow) {
  SetPosition(position_ + (arrow == SpinArrow::Up ? 1 : -1));
  onClick(arrow);
}

std::unique_ptr<Peer> SpinButton::MakePeer() { return backend::CreatePeer(*this); }

}  // namespace ui
