#include "platform/win32/image_list_win32.h"

#include <vector>

#include "platform/error.h"
#include "platform/win32/handles.h"
#include "platform/win32/icons.h"

namespace ui {

std::unique_ptr<ImageListPeer> backend::CreatePeer(ImageList& list) {
  return std::make_unique<win32::ImageListWin32>(list);
}

}  // namespace ui

namespace ui::win32 {

ImageListWin32::ImageListWin32(ImageList& list)
    : size_(list.ImageSize()),
      list_(ImageList_Create(size_.width, size_.height, ILC_COLOR32 | ILC_MASK, 4, 4)) {
  if (list_ == nullptr) throw platform::Error("ImageList_Create failed: " + list.Name());
  ImageList_SetBkColor(list_, ToColorRef(list.Background()));
}

ImageListWin32::~ImageListWin32() {
  ImageList_Destroy(list_);
}

HIMAGELIST ImageListWin32::HandleOf(const ImageList& list) {
  auto* peer = dynamic_cast<ImageListWin32*>(list.GetPeer());
  return peer != nullptr ? peer->list_ : nullptr;
}

void ImageListWin32::Add(const platform::Icon& icon) {
  // The list draws the icon at its own size, so this copies and scales it.
  if (ImageList_AddIcon(list_, platform::win32::IconHandle(icon)) < 0) AddBlank();
}

void ImageListWin32::AddBlank() {
  // Keeps the indices in step with ImageList::Count when an icon is missing:
  // an all-transparent image (every mask bit set).
  const int stride = (size_.width + 15) / 16 * 2;
  const std::vector<unsigned char> maskBits(static_cast<size_t>(stride * size_.height), 0xFF);
  const Bitmap mask(CreateBitmap(size_.width, size_.height, 1, 1, maskBits.data()));
  const HDC screen = GetDC(nullptr);
  const Bitmap image(CreateCompatibleBitmap(screen, size_.width, size_.height));
  ReleaseDC(nullptr, screen);
  ImageList_Add(list_, image.Get(), mask.Get());
}

void ImageListWin32::Clear() {
  ImageList_RemoveAll(list_);
}

}  // namespace ui::win32
