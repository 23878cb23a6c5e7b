#pragma once
// The helpers work in UTF-8 and call Windows with UTF-16 (the W functions),
// so they read and write the same texts under every system code page: an
// A function would give "?" for a character outside it. What they print
// and log is UTF-8 too.

#include <string>
#include <string_view>

namespace e2e {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// Equal but for case, as Windows compares file names.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

}  // namespace e2e
