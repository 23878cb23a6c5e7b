#pragma once
// Child processes of the harness: Wine programs, Xvfb, xdotool, ImageMagick.
// Output always goes to a pipe or a file of ours, never to the inherited
// descriptors, so a process left behind cannot hold CTest's pipes open.

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "harness/polling.h"

namespace e2e {

struct SpawnOptions {
  std::vector<std::string> argv;
  std::vector<std::string> env;      // "NAME=value", the whole environment
  std::filesystem::path cwd;         // empty: the harness's own
  std::filesystem::path outputFile;  // stdout and stderr appended; empty: /dev/null
  bool dieWithParent = false;        // SIGTERM when the harness ends
  bool ownSession = false;           // survives the harness (setsid)
  int fd3 = -1;                      // given to the child as descriptor 3
};

class ChildProcess {
 public:
  static ChildProcess Spawn(const SpawnOptions& options);

  ChildProcess() = default;
  ChildProcess(ChildProcess&& other) noexcept;
  ChildProcess& operator=(ChildProcess&& other) noexcept;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess();  // kills and reaps a child still running

  pid_t Pid() const { return pid_; }
  bool Running();
  // The exit status (128 + n after signal n) once it has ended within
  // timeout, else nothing.
  std::optional<int> Wait(Milliseconds timeout);
  void Kill();
  // Leaves the process running when this object goes away.
  void Detach() { pid_ = -1; }

  // Takes over a child spawned otherwise (Run).
  explicit ChildProcess(pid_t pid) : pid_(pid) {}

 private:
  bool Reap(int waitFlags);

  pid_t pid_ = -1;
  std::optional<int> status_;
};

struct RunResult {
  int status = -1;  // as ChildProcess::Wait
  std::string out;
  std::string err;
};

// Runs the program to its end, collecting stdout and stderr
// (options.outputFile is ignored); throws when it has not ended within
// timeout (it is killed then).
// Output is collected until the process ends, not until the pipes close:
// a process it started may keep them open.
RunResult Run(const SpawnOptions& options, Milliseconds timeout);

// The program's command line for messages: "a b 'c d'".
std::string CommandText(const std::vector<std::string>& argv);

}  // namespace e2e
