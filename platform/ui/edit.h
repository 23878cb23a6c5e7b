#pragma once
// A single-line edit box.

#include <memory>
#include <string>

#include "platform/ui/callback.h"
#include "platform/ui/win_control.h"

namespace ui {

class Edit : public WinControl {
 public:
  Edit(Control& parent, const ControlProps& props);

  const std::string& Text() const { return text_; }
  // Never fires onChange: that is for the user's typing.
  void SetText(std::string text);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  // Text in the middle of the box rather than at its left.
  bool Centred() const { return centred_; }

  Callback<void()> onChange;

  // The user changed the text.
  void SignalTextChanged(std::string text);

 protected:
  std::unique_ptr<Peer> MakePeer() override;

 private:
  std::string text_;
  bool readOnly_;
  bool centred_;
};

namespace backend {
std::unique_ptr<Peer> CreatePeer(Edit& edit);
}

}  // namespace ui
