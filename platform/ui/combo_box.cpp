#include "platform/ui/combo_box.h"

#include <algorithm>

namespace ui {

ComboBox::ComboBox(Control& parent, const ControlProps& props) : WinControl(parent, props), items_(props.items.begin(), props.items.end()) {
  SetColor(SystemColor(syscolor::kWindow));
  Constructed();
}

void ComboBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  itemIndex_ = -1;
  Changed(Property::Items);
}

void ComboBox::SetItemIndex(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) index = -1;
  if (StoreIfChanged(itemIndex_, index)) Changed(Property::ItemIndex);
}

void ComboBox::SetFlat(bool flat) {
  if (StoreIfChanged(flat_, flat)) Changed(Property::Style);
}

void ComboBox::SetItemHeight(int height) {
  if (StoreIfChanged(itemHeight_, std::max(height, 0))) Changed(Property::Style);
}

void ComboBox::SetAutoDropDown(bool autoDropDown) {
  if (StoreIfChanged(autoDropDown_, autoDropDown)) Changed(Property::Style);
}

void ComboBox::SignalSelected(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  itemIndex_ = index;
  onChange();
}

std::unique_ptr<Peer> ComboBox::MakePeer() { return backend::CreatePeer(*this); }

}  // namespace ui
