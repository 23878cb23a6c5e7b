#include "platform/win32/icons.h"

namespace platform::win32 {

namespace {

void DestroyIconHandle(Icon::Handle handle) {
  DestroyIcon(reinterpret_cast<HICON>(handle));
}

}  // namespace

Icon MakeIcon(HICON icon) {
  return Icon(reinterpret_cast<Icon::Handle>(icon), &DestroyIconHandle);
}

SIZE IconSize(HICON icon) {
  ICONINFO info = {};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return SIZE{0, 0};
  // GetIconInfo hands out copies of both bitmaps; the caller frees them.
  BITMAP bitmap = {};
  SIZE size = {0, 0};
  if (info.hbmColor != nullptr && GetObjectW(info.hbmColor, sizeof bitmap, &bitmap) != 0) {
    size = SIZE{bitmap.bmWidth, bitmap.bmHeight};
  } else if (info.hbmMask != nullptr && GetObjectW(info.hbmMask, sizeof bitmap, &bitmap) != 0) {
    // A monochrome icon keeps its image and mask one above the other.
    size = SIZE{bitmap.bmWidth, bitmap.bmHeight / 2};
  }
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  return size;
}

}  // namespace platform::win32
