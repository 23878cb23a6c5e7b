#include "platform/startup_trace.h"

#include <algorithm>
#include <cstring>

namespace platform {

void StartupTrace::Mark(const char* phase) {
  if (!enabled_ || finished_) return;
  const std::int64_t now = Now();
  const auto same = [phase](const Phase& p) { return std::strcmp(p.name, phase) == 0; };
  auto found = std::find_if(phases_.begin(), phases_.end(), same);
  if (found == phases_.end()) found = phases_.insert(phases_.end(), Phase{phase, 0, 0});
  found->microseconds += now - last_;
  ++found->marks;
  last_ = now;
}

void StartupTrace::Finish() {
  if (!enabled_ || finished_) return;
  finished_ = true;
  Write(Report());
}

std::string StartupTrace::Report() const {
  std::string report;
  for (const Phase& phase : phases_) {
    report += std::string(phase.name) + '\t' + std::to_string(phase.microseconds) + " us\t" +
              std::to_string(phase.marks) + "\r\n";
  }
  report += "total\t" + std::to_string(last_) + " us\r\n";
  return report;
}

}  // namespace platform
