#include "platform/ui/image.h"

namespace ui {

Image::Image(Control& parent, std::string name)
    : Control(parent.Program(), &RequireContainer(parent), std::move(name)) {
  Constructed();
}

Image::Image(Control& parent, const ControlProps& props) : Image(parent, std::string(props.name)) {
  SetBounds(props.bounds);
  SetHint(std::string(props.hint));
  SetShowHint(!props.hint.empty());
}

void Image::SetPicture(platform::Icon icon) {
  if (!icon && !picture_) return;
  picture_ = std::move(icon);
  Changed(Property::Picture);
}

std::unique_ptr<Peer> Image::MakePeer() { return backend::CreatePeer(*this); }

}  // namespace ui
