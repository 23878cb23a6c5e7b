#pragma once
// How much of the 9x family's system resources is free, from the 16-bit
// GetFreeSystemResources of User.exe.

#include <cstdint>

#include "platform/kernel16.h"

namespace pelorin {

// The resource kinds of GetFreeSystemResources.
inline constexpr std::uint16_t kSystemResources = 0;

// The free percentage of that kind. Throws platform::Error ("Faild to
// call User.exe", "... function", "... Kernel32.dll", "... QT_Thunk") when a
// step fails; every module loaded is released before it returns or throws.
std::uint16_t FreeSystemResources(platform::Kernel16& kernel, std::uint16_t kind);

}  // namespace pelorin
