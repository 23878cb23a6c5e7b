#pragma once
// A push button; onClick fires when the user presses it (by the mouse, by
// Space while it has the focus, or by Enter or Esc, see Form).

#include <memory>
#include <string>

#include "platform/ui/win_control.h"

namespace ui {

class Button : public WinControl {
 public:
  Button(Control& parent, const ControlProps& props);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool IsDefault() const { return isDefault_; }
  // The default button is the one Enter presses (see Form).
  void SetDefault(bool isDefault);
  bool IsCancel() const { return isCancel_; }

 protected:
  std::unique_ptr<Peer> MakePeer() override;

 private:
  std::string caption_;
  bool isDefault_;
  bool isCancel_;
};

namespace backend {
std::unique_ptr<Peer> CreatePeer(Button& button);
}

}  // namespace ui
