#pragma once
// The order in which lists of names are shown to the user.

#include <string_view>

namespace platform {

// Compares two texts (code page 932) without regard to letter case: in the
// user's locale order on Windows (CompareStringW), in byte order with ASCII letters
// folded (double-byte characters untouched) on the host. Negative, zero or
// positive as a is before, equal to or after b.
int CompareTextIgnoreCase(std::string_view a, std::string_view b);

}  // namespace platform
