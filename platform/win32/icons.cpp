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

}  // namespace platform::win32
