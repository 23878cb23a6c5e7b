#pragma once
// Icons made by the win32 services (icon extraction, shell icons) become
// platform::Icon objects that destroy their HICON with DestroyIcon.

#include <windows.h>

#include "platform/icon.h"

namespace platform::win32 {

// Takes over the icon handle (which may be null: an empty icon).
Icon MakeIcon(HICON icon);

inline HICON IconHandle(const Icon& icon) {
  return reinterpret_cast<HICON>(icon.Get());
}

}  // namespace platform::win32
