#include "platform/ui/group_box.h"

namespace ui {

GroupBox::GroupBox(Control& parent, const ControlProps& props)
    : Control(parent.Program(), &RequireContainer(parent), std::string(props.name)), caption_(props.caption) {
  SetBounds(props.bounds);
  Constructed();
}

std::unique_ptr<Peer> GroupBox::MakePeer() { return backend::CreatePeer(*this); }

}  // namespace ui
