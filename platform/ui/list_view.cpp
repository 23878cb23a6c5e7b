#include "platform/ui/list_view.h"

#include <utility>

namespace ui {

ListView::ListView(Control& parent, const ControlProps& props, std::vector<ListColumn> columns)
    : WinControl(parent, props), columns_(std::move(columns)) {
  SetColor(SystemColor(syscolor::kWindow));
  Constructed();
}

void ListView::SetRows(std::vector<ListRow> rows) {
  for (auto& row : rows) row = Fitted(std::move(row));
  rows_ = std::move(rows);
  itemIndex_ = -1;
  Changed(Property::Items);
}

void ListView::AddRow(ListRow row) {
  rows_.push_back(Fitted(std::move(row)));
  Changed(Property::Items);
}

void ListView::SetCaption(int row, std::string caption) {
  if (StoreIfChanged(rows_.at(row).at(0), std::move(caption))) Changed(Property::Items);
}

void ListView::SetItemIndex(int index) {
  if (index < 0 || index >= static_cast<int>(rows_.size())) index = -1;
  if (StoreIfChanged(itemIndex_, index)) Changed(Property::ItemIndex);
}

void ListView::SignalSelected(int index) {
  if (index < -1 || index >= static_cast<int>(rows_.size())) return;
  if (!StoreIfChanged(itemIndex_, index)) return;
  onChange();
}

ListRow ListView::Fitted(ListRow row) const {
  row.resize(columns_.size());
  return row;
}

std::unique_ptr<Peer> ListView::MakePeer() { return backend::CreatePeer(*this); }

}  // namespace ui
