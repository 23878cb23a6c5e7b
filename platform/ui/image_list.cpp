#include "platform/ui/image_list.h"

namespace ui {

ImageList::ImageList(Form& owner, std::string name, Size imageSize, ColorValue background)
    : Component(owner, std::move(name)), imageSize_(imageSize), background_(background) {}

int ImageList::Add(const platform::Icon& icon) {
  if (GetPeer() == nullptr) AttachPeer(backend::CreatePeer(*this));
  static_cast<ImageListPeer*>(GetPeer())->Add(icon);
  return count_++;
}

void ImageList::Clear() {
  if (GetPeer() != nullptr) static_cast<ImageListPeer*>(GetPeer())->Clear();
  count_ = 0;
}

}  // namespace ui
