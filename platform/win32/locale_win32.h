#pragma once
// The user's default formats through the national-language functions.

#include "platform/locale.h"

namespace platform::win32 {

class LocaleWin32 : public Locale {
 public:
  std::string ShortDate(const LocalTime& time) override;
  std::string LongTime(const LocalTime& time) override;
  std::string ThousandsSeparator() override;
};

}  // namespace platform::win32
