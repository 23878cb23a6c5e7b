#pragma once
// A drop-down list: one of its rows is selected, nothing can be typed.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/win_control.h"

namespace ui {

class ComboBox : public WinControl {
 public:
  ComboBox(Control& parent, const ControlSpec& spec);

  const std::vector<std::string>& Items() const { return items_; }
  // New rows select none.
  void SetItems(std::vector<std::string> items);
  // The selected row, -1 for none.
  int ItemIndex() const { return itemIndex_; }
  // Never fires onChange: that is for the user's choice. Out of range selects none.
  void SetItemIndex(int index);

  std::function<void()> onChange;

  // The user chose a row.
  void SignalSelected(int index);

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

namespace backend {
std::unique_ptr<Peer> CreatePeer(ComboBox& box);
}

}  // namespace ui
