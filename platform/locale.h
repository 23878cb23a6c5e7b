#pragma once
// Dates, times and numbers as the user's system formats them by default.

#include <string>

#include "platform/system.h"

namespace platform {

class Locale {
 public:
  virtual ~Locale() = default;

  virtual std::string ShortDate(const LocalTime& time) = 0;
  virtual std::string LongTime(const LocalTime& time) = 0;
  // Between groups of three digits ("," in Japan).
  virtual std::string ThousandsSeparator() = 0;
};

}  // namespace platform
