#pragma once
// Icons of one size for menu entries. Added icons are copied (and scaled to
// the list's size); the caller keeps and frees its own icon. The platform's
// list is made with the first icon: a menu never opened costs nothing.

#include <memory>
#include <string>

#include "platform/icon.h"
#include "platform/ui/control.h"

namespace ui {

class ImageList : public Component {
 public:
  ImageList(Form& owner, std::string name, Size imageSize, ColorValue background);

  const Size& ImageSize() const { return imageSize_; }
  ColorValue Background() const { return background_; }
  int Count() const { return count_; }

  // Appends a copy of icon; returns its index.
  int Add(const platform::Icon& icon);
  void Clear();

 private:
  Size imageSize_;
  ColorValue background_;
  int count_ = 0;
};

// The backend side of an image list holds the copies.
class ImageListPeer : public Peer {
 public:
  virtual void Add(const platform::Icon& icon) = 0;
  virtual void Clear() = 0;
};

namespace backend {
std::unique_ptr<ImageListPeer> CreatePeer(ImageList& list);
}

}  // namespace ui
