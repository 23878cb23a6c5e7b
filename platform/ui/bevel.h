#pragma once
// A 3-D frame. Drawn and hit-tested by the window it lies on (see Control::IsGraphic).

#include <memory>
#include <string>

#include "platform/ui/control.h"

namespace ui {

enum class BevelStyle { Raised, Lowered };

// A 3-D box frame.
class Bevel : public Control {
 public:
  Bevel(Control& parent, std::string name);
  // Placed, captioned and with its tip as declared.
  Bevel(Control& parent, const ControlProps& props);
  bool IsGraphic() const override { return true; }

  BevelStyle Style() const { return style_; }
  void SetStyle(BevelStyle style);

 protected:
  std::unique_ptr<Peer> MakePeer() override;

 private:
  BevelStyle style_ = BevelStyle::Raised;
};

namespace backend {
std::unique_ptr<Peer> CreatePeer(Bevel& bevel);
}

}  // namespace ui
