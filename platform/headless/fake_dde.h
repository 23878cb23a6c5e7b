#pragma once
// DDE stand-in for tests: records each command and answers with the outcome
// the test set (the server takes it, unless told otherwise).

#include <string>
#include <vector>

#include "platform/dde.h"
#include "platform/headless/call_log.h"

namespace platform::headless {

class FakeDde : public Dde {
 public:
  // The log may be shared with other fakes; without one the fake keeps its own.
  explicit FakeDde(CallLog* log = nullptr) : log_(log ? log : &ownLog_) {}

  // Records "DdeExecute <service> <topic> <command>".
  DdeOutcome Execute(const std::string& service, const std::string& topic, const std::string& command) override;

  void SetOutcome(DdeOutcome outcome) { outcome_ = outcome; }
  // The commands sent, in order, as "<service>|<topic>|<command>".
  const std::vector<std::string>& Commands() const { return commands_; }

  const CallLog& Log() const { return *log_; }

 private:
  CallLog ownLog_;
  CallLog* log_;
  DdeOutcome outcome_ = DdeOutcome::Sent;
  std::vector<std::string> commands_;
};

}  // namespace platform::headless
