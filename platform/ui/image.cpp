#include "platform/ui/image.h"

namespace ui {

Image::Image(Control& parent, std::string name)
    : Control(parent.Program(), &RequireContainer(parent), std::move(name)) {
  AttachPeer(backend::CreatePeer(*this));
}

Image::Image(Control& parent, const ControlSpec& spec) : Image(parent, spec.name) {
  SetBounds(spec.bounds);
  SetHint(spec.hint);
  SetShowHint(!spec.hint.empty());
}

void Image::SetPicture(platform::Icon icon) {
  if (!icon && !picture_) return;
  picture_ = std::move(icon);
  Changed(Property::Picture);
}

}  // namespace ui
