#pragma once
// An image list of the common controls: copies of icons at one size, drawn
// beside popup menu entries.

#include <windows.h>
#include <commctrl.h>

#include "platform/ui/image_list.h"

namespace ui::win32 {

class ImageListWin32 final : public ImageListPeer {
 public:
  explicit ImageListWin32(ImageList& list);
  ~ImageListWin32() override;
  ImageListWin32(const ImageListWin32&) = delete;
  ImageListWin32& operator=(const ImageListWin32&) = delete;

  // The list of an ImageList of this backend.
  static HIMAGELIST HandleOf(const ImageList& list);

  // Size and background are fixed when the list is made.
  void Update(Property) override {}
  void Add(const platform::Icon& icon) override;
  void Clear() override;

 private:
  void AddBlank();

  Size size_;
  HIMAGELIST list_;
};

}  // namespace ui::win32
