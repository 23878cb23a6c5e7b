#include "platform/headless/fake_dde.h"

namespace platform::headless {

DdeOutcome FakeDde::Execute(const std::string& service, const std::string& topic, const std::string& command) {
  log_->Record("DdeExecute " + service + " " + topic + " " + command);
  commands_.push_back(service + "|" + topic + "|" + command);
  return outcome_;
}

}  // namespace platform::headless
