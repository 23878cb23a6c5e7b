#pragma once
// An etched frame with a caption in its top edge, grouping the controls
// placed over it. Drawn by the window it lies on (see Control::IsGraphic),
// so that the labels inside it are drawn too.

#include <memory>
#include <string>

#include "platform/ui/control.h"

namespace ui {

class GroupBox : public Control {
 public:
  GroupBox(Control& parent, const ControlProps& props);
  bool IsGraphic() const override { return true; }

  const std::string& Caption() const { return caption_; }

 protected:
  std::unique_ptr<Peer> MakePeer() override;

 private:
  std::string caption_;
};

namespace backend {
std::unique_ptr<Peer> CreatePeer(GroupBox& box);
}

}  // namespace ui
