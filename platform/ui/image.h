#pragma once
// An icon picture. Drawn and hit-tested by the window it lies on (see Control::IsGraphic).

#include <memory>
#include <string>

#include "platform/icon.h"
#include "platform/ui/control.h"

namespace ui {

// Shows one icon at its top left, unscaled, and owns it.
class Image : public Control {
 public:
  Image(Control& parent, std::string name);
  // Placed, captioned and with its tip as declared.
  Image(Control& parent, const ControlProps& props);
  bool IsGraphic() const override { return true; }

  const platform::Icon& Picture() const { return picture_; }
  // Takes over the icon; the one shown before is destroyed.
  void SetPicture(platform::Icon icon);

 protected:
  std::unique_ptr<Peer> MakePeer() override;

 private:
  platform::Icon picture_;
};

namespace backend {
std::unique_ptr<Peer> CreatePeer(Image& image);
}

}  // namespace ui
