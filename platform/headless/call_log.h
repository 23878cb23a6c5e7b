#pragma once
// Ordered record of the calls the headless fakes receive, one text per call
// ("MoveOver C:\a.tmp -> C:\a"). Several fakes may share one log, so a test
// can check the order of calls across services.

#include <string>
#include <vector>

namespace platform::headless {

class CallLog {
 public:
  void Record(std::string call);
  const std::vector<std::string>& Calls() const { return calls_; }
  // The recorded calls that start with prefix, in order.
  std::vector<std::string> CallsStartingWith(const std::string& prefix) const;
  void Clear() { calls_.clear(); }

 private:
  std::vector<std::string> calls_;
};

}  // namespace platform::headless
