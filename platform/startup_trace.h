#pragma once
// Where the start-up's time goes: the time between marks, added up by phase;
// after start-up, the same for each panel refresh on its own. Off unless the
// environment asks for it (the win32 trace: the variable
// PELORIN_STARTUP_TRACE names the file to write); then marks cost a clock
// reading each.

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

class StartupTrace {
 public:
  virtual ~StartupTrace() = default;

  // The time since the previous mark (the first: since the process started)
  // went to phase; a phase marked again adds up. Ignored when off or finished.
  void Mark(const char* phase);
  // Start-up is over: writes the report, and later marks are ignored.
  void Finish();
  bool Finished() const { return finished_; }

  // After start-up, a panel refresh is timed alone: BeginRefresh forgets the
  // phases, EndRefresh marks the time since the last mark as rest and adds
  // the refresh's report to the file, after a line "panel refresh". Both do
  // nothing before Finish (start-up's refresh is part of the first show).
  void BeginRefresh();
  void EndRefresh(const char* rest);

  // One line per phase in the order first marked: its name, microseconds and
  // how many times it was marked; then the total of the phases.
  std::string Report() const;

 protected:
  explicit StartupTrace(bool enabled) : enabled_(enabled) {}
  // Microseconds since the process started.
  virtual std::int64_t Now() = 0;
  virtual void Write(const std::string& report) = 0;

 private:
  struct Phase {
    const char* name;
    std::int64_t microseconds;
    int marks;
  };
  bool enabled_;
  bool finished_ = false;
  bool refreshing_ = false;
  std::int64_t last_ = 0;
  std::vector<Phase> phases_;
  // Everything written so far: the file is rewritten whole.
  std::string written_;
};

}  // namespace platform
