#include "platform/startup_trace.h"

#include <algorithm>
#include <cstring>

namespace platform {

void StartupTrace::Mark(const char* phase) {
  if (!enabled_ || (finished_ && !refreshing_)) return;
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
  written_ = Report();
  Write(written_);
}

void StartupTrace::BeginRefresh() {
  if (!enabled_ || !finished_) return;
  refreshing_ = true;
  phases_.clear();
  last_ = Now();
}

void StartupTrace::EndRefresh(const char* rest) {
  if (!refreshing_) return;
  Mark(rest);
  refreshing_ = false;
  written_ += "panel refresh\r\n" + Report();
  Write(written_);
}

std::string StartupTrace::Report() const {
  std::string report;
  std::int64_t total = 0;
  for (const Phase& phase : phases_) {
    total += phase.microseconds;
    report += std::string(phase.name) + '\t' + std::to_string(phase.microseconds) + " us\t" +
              std::to_string(phase.marks) + "\r\n";
  }
  report += "total\t" + std::to_string(total) + " us\r\n";
  return report;
}

}  // namespace platform
