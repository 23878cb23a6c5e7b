#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/startup_trace.h"

namespace platform::headless {

// Always on; its clock moves only when a test moves it, and the report is kept.
class FakeStartupTrace final : public StartupTrace {
 public:
  FakeStartupTrace() : StartupTrace(true) {}

  void Advance(std::int64_t microseconds) { now_ += microseconds; }
  // What Finish wrote; nothing before.
  const std::optional<std::string>& Written() const { return written_; }

 protected:
  std::int64_t Now() override { return now_; }
  void Write(const std::string& report) override { written_ = report; }

 private:
  std::int64_t now_ = 0;
  std::optional<std::string> written_;
};

}  // namespace platform::headless
