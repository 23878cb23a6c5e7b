#pragma once
// A label: text, or a plain coloured rectangle. Drawn and hit-tested by the window it lies on (see Control::IsGraphic).

#include <memory>
#include <string>

#include "platform/ui/control.h"

namespace ui {

// A label used as text or as a plain coloured rectangle.
class Label : public Control {
 public:
  Label(Control& parent, std::string name);
  // Placed, captioned and with its tip as declared.
  Label(Control& parent, const ControlProps& props);
  bool IsGraphic() const override { return true; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // A transparent label draws only its text, not its background.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  // Text in the middle of the label rather than at its left.
  bool Centred() const { return centred_; }

 protected:
  std::unique_ptr<Peer> MakePeer() override;

 private:
  std::string caption_;
  bool transparent_ = false;
  bool centred_ = false;
};

namespace backend {
std::unique_ptr<Peer> CreatePeer(Label& label);
}

}  // namespace ui
