#include "platform/headless/call_log.h"

namespace platform::headless {

void CallLog::Record(std::string call) {
  calls_.push_back(std::move(call));
}

std::vector<std::string> CallLog::CallsStartingWith(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const auto& call : calls_) {
    if (call.compare(0, prefix.size(), prefix) == 0) found.push_back(call);
  }
  return found;
}

}  // namespace platform::headless
