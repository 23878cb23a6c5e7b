#include <windows.h>

#include "platform/collation.h"
#include "platform/win32/wide_text.h"

namespace platform {

int CompareTextIgnoreCase(std::string_view a, std::string_view b) {
  const std::wstring wideA = win32::Wide(a);
  const std::wstring wideB = win32::Wide(b);
  // CSTR_LESS_THAN 1, CSTR_EQUAL 2, CSTR_GREATER_THAN 3.
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wideA.data(), static_cast<int>(wideA.size()),
                        wideB.data(), static_cast<int>(wideB.size())) -
         CSTR_EQUAL;
}

}  // namespace platform
