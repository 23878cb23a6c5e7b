#include "platform/ui/tab_control.h"

#include "platform/error.h"

namespace ui {

TabControl::TabControl(Control& parent, const ControlProps& props)
    : WinControl(parent, props), tabs_(props.items.begin(), props.items.end()) {
  Constructed();
}

void TabControl::SetTabIndex(int index) {
  if (index < 0 || index >= static_cast<int>(tabs_.size())) throw platform::Error("no such tab");
  if (StoreIfChanged(tabIndex_, index)) Changed(Property::ItemIndex);
}

void TabControl::SignalTabChosen(int index) {
  if (index < 0 || index >= static_cast<int>(tabs_.size()) || index == tabIndex_) return;
  tabIndex_ = index;
  onChange();
}

std::unique_ptr<Peer> TabControl::MakePeer() { return backend::CreatePeer(*this); }

}  // namespace ui
