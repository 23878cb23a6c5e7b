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
  // False while the text holds a typed character that code page 932 has no
  // form for (Text shows it as '?'): such a text must not be saved.
  bool TextFits() const { return fits_; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  // Text in the middle of the box rather than at its left.
  bool Centred() const { return centred_; }

  Callback<void()> onChange;

  // The user changed the text; the platform gives it in UTF-16.
  void SignalTextChanged(std::u16string_view typed);

 protected:
  std::unique_ptr<Peer> MakePeer() override;

 private:
  std::string text_;
  bool fits_ = true;
  bool readOnly_;
  bool centred_;
};

namespace backend {
std::unique_ptr<Peer> CreatePeer(Edit& edit);
}

}  // namespace ui
