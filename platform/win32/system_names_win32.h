#pragma once
// Wide paths the system hands over, and ANSI paths past MAX_PATH.

#include <string>
#include <string_view>

#include "platform/incoming_path.h"

namespace platform::win32 {

// path with the "\\?\" prefix when the plain wide functions would stop at
// MAX_PATH ("\\?\UNC\" for a network path); other paths as they are.
std::u16string ExtendedPath(std::u16string_view path);

// A path the system gave, with the short form the file system has for it.
SystemName SystemNameOf(std::u16string path);

}  // namespace platform::win32
