#pragma once
// A drop-down list: one of its rows is selected, nothing can be typed.

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/callback.h"
#include "platform/ui/win_control.h"

namespace ui {

class ComboBox : public WinControl {
 public:
  ComboBox(Control& parent, const ControlProps& props);

  const std::vector<std::string>& Items() const { return items_; }
  // New rows select none.
  void SetItems(std::vector<std::string> items);
  // The selected row, -1 for none.
  int ItemIndex() const { return itemIndex_; }
  // Never fires onChange: that is for the user's choice. Out of range selects none.
  void SetItemIndex(int index);

  // Its look: a flat one-pixel border instead of the 3-D one, and the height
  // of the rows of its list (0: as the font needs).
  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int height);
  // The list drops down as soon as the user types a character.
  bool AutoDropDown() const { return autoDropDown_; }
  void SetAutoDropDown(bool autoDropDown);

  Callback<void()> onChange;

  // The user chose a row.
  void SignalSelected(int index);

 protected:
  std::unique_ptr<Peer> MakePeer() override;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  bool flat_ = false;
  int itemHeight_ = 0;
  bool autoDropDown_ = false;
};

namespace backend {
std::unique_ptr<Peer> CreatePeer(ComboBox& box);
}

}  // namespace ui
