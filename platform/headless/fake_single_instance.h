#pragma once

#include <set>
#include <string>

#include "platform/headless/call_log.h"
#include "platform/single_instance.h"

namespace platform::headless {

// Names claimed by "other processes" can be set up by the test.
class FakeSingleInstance : public SingleInstance {
 public:
  explicit FakeSingleInstance(CallLog& log) : log_(log) {}

  bool Claim(const std::string& name) override;
  void HeldElsewhere(const std::string& name) { held_.insert(name); }

 private:
  CallLog& log_;
  std::set<std::string> held_;
};

}  // namespace platform::headless
