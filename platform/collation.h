#pragma once
// The order in which lists of names are shown to the user.

#include <string_view>

namespace platform {

// Compares two ANSI texts without regard to letter case: in the user's
// locale order on Windows (CompareStringA), in byte order with ASCII letters
// folded (double-byte characters untouched) on the host. Negative, zero or
// positive as a is before, equal to or after b.
int CompareTextIgnoreCase(std::string_view a, std::string_view b);

}  // namespace platform
