#pragma once
// A radio button. The radio buttons that lie on one parent form one group:
// checking one unchecks the others.

#include <memory>
#include <string>

#include "platform/ui/win_control.h"

namespace ui {

class RadioButton : public WinControl {
 public:
  RadioButton(Control& parent, const ControlProps& props);

  const std::string& Caption() const { return caption_; }
  bool Checked() const { return checked_; }
  // Checking unchecks the group's others. Never fires onClick.
  void SetChecked(bool checked);

  // The user chose this button: it is checked, the others not, then onClick.
  void SignalChosen();

 protected:
  std::unique_ptr<Peer> MakePeer() override;

 private:
  void UncheckSiblings();

  std::string caption_;
  bool checked_ = false;
};

namespace backend {
std::unique_ptr<Peer> CreatePeer(RadioButton& button);
}

}  // namespace ui
