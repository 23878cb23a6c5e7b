#pragma once
// A check box with its caption to the right.

#include <memory>
#include <string>

#include "platform/ui/win_control.h"

namespace ui {

class CheckBox : public WinControl {
 public:
  CheckBox(Control& parent, const ControlProps& props);

  const std::string& Caption() const { return caption_; }
  bool Checked() const { return checked_; }
  // Never fires onClick: that is for the user's clicks.
  void SetChecked(bool checked);

  // The user ticked or unticked it: stores the state, then fires onClick.
  void SignalToggled(bool checked);

 protected:
  std::unique_ptr<Peer> MakePeer() override;

 private:
  std::string caption_;
  bool checked_ = false;
};

namespace backend {
std::unique_ptr<Peer> CreatePeer(CheckBox& box);
}

}  // namespace ui
