#include "platform/headless/fake_system.h"

#include <cstdio>

namespace platform::headless {

void FakeSystem::EnableShutdownPrivilege() { log_->Record("EnableShutdownPrivilege"); }

void FakeSystem::EndSession(unsigned flags) { log_->Record("EndSession " + std::to_string(flags)); }

std::string FakeLocale::ShortDate(const LocalTime& time) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d", time.Year, time.Month, time.Day);
  return text;
}

std::string FakeLocale::LongTime(const LocalTime& time) {
  char text[16];
  std::snprintf(text, sizeof text, "%d:%02d:%02d", time.Hour, time.Minute, time.Second);
  return text;
}

}  // namespace platform::headless
