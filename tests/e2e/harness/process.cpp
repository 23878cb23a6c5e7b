#include "harness/process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace e2e {
namespace {

std::vector<char*> Pointers(const std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (const std::string& text : strings) pointers.push_back(const_cast<char*>(text.c_str()));
  pointers.push_back(nullptr);
  return pointers;
}

int StatusFrom(int raw) { return WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw); }

// Spawns with the given descriptors for stdout and stderr (-1: /dev/null).
pid_t SpawnWith(const SpawnOptions& options, int outFd, int errFd) {
  if (options.argv.empty()) throw std::runtime_error("nothing to run");
  std::vector<char*> argv = Pointers(options.argv);
  std::vector<char*> envp = Pointers(options.env);
  std::string cwd = options.cwd.string();
  pid_t parent = getpid();
  pid_t pid = fork();
  if (pid < 0) throw std::runtime_error(std::string("fork failed: ") + std::strerror(errno));
  if (pid > 0) return pid;

  // Child: only async-signal-safe calls from here on.
  if (options.ownSession) setsid();
  if (options.dieWithParent) {
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(127);
  }
  int null = open("/dev/null", O_RDWR);
  dup2(null, 0);
  dup2(outFd >= 0 ? outFd : null, 1);
  dup2(errFd >= 0 ? errFd : null, 2);
  if (options.fd3 == 3) {
    fcntl(3, F_SETFD, 0);
  } else if (options.fd3 >= 0) {
    dup2(options.fd3, 3);
  }
  for (int fd = options.fd3 >= 0 ? 4 : 3; fd < 1024; ++fd) close(fd);
  if (!cwd.empty() && chdir(cwd.c_str()) != 0) _exit(127);
  execvpe(argv[0], argv.data(), envp.data());
  _exit(127);
}

}  // namespace

ChildProcess ChildProcess::Spawn(const SpawnOptions& options) {
  int out = -1;
  if (!options.outputFile.empty()) {
    out = open(options.outputFile.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (out < 0) throw std::runtime_error("cannot open " + options.outputFile.string());
  }
  pid_t pid;
  try {
    pid = SpawnWith(options, out, out);
  } catch (...) {
    if (out >= 0) close(out);
    throw;
  }
  if (out >= 0) close(out);
  return ChildProcess(pid);
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept : pid_(other.pid_), status_(other.status_) {
  other.pid_ = -1;
}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
  if (this != &other) {
    Kill();
    pid_ = other.pid_;
    status_ = other.status_;
    other.pid_ = -1;
  }
  return *this;
}

ChildProcess::~ChildProcess() { Kill(); }

bool ChildProcess::Reap(int waitFlags) {
  if (pid_ < 0 || status_) return status_.has_value();
  int raw = 0;
  pid_t result = waitpid(pid_, &raw, waitFlags);
  if (result == pid_) status_ = StatusFrom(raw);
  if (result < 0 && errno == ECHILD) status_ = -1;
  return status_.has_value();
}

bool ChildProcess::Running() { return pid_ >= 0 && !Reap(WNOHANG); }

std::optional<int> ChildProcess::Wait(Milliseconds timeout) {
  if (pid_ < 0) return status_;
  PollUntil(
      timeout, [&] { return Reap(WNOHANG); }, 10ms);
  return status_;
}

void ChildProcess::Kill() {
  if (pid_ < 0 || status_) return;
  ::kill(pid_, SIGKILL);
  Reap(0);
}

RunResult Run(const SpawnOptions& options, Milliseconds timeout) {
  int outPipe[2];
  int errPipe[2];
  if (pipe2(outPipe, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  if (pipe2(errPipe, O_CLOEXEC) != 0) {
    close(outPipe[0]);
    close(outPipe[1]);
    throw std::runtime_error("pipe failed");
  }
  pid_t pid = -1;
  try {
    pid = SpawnWith(options, outPipe[1], errPipe[1]);
  } catch (...) {
    for (int fd : {outPipe[0], outPipe[1], errPipe[0], errPipe[1]}) close(fd);
    throw;
  }
  close(outPipe[1]);
  close(errPipe[1]);

  RunResult result;
  ChildProcess child(pid);
  const auto deadline = Clock::now() + timeout;
  pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
  std::string* sinks[2] = {&result.out, &result.err};
  auto drain = [&](int waitMs) {
    if (poll(fds, 2, waitMs) <= 0) return;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      char buffer[4096];
      ssize_t count = read(fds[i].fd, buffer, sizeof buffer);
      if (count > 0) {
        sinks[i]->append(buffer, count);
      } else if (count == 0) {
        close(fds[i].fd);
        fds[i].fd = -1;
      }
    }
  };
  bool ended = false;
  while (!ended && Clock::now() < deadline) {
    drain(20);
    ended = !child.Running();
  }
  if (ended) {
    // What the process wrote before it ended is still in the pipes.
    auto before = result.out.size() + result.err.size();
    do {
      before = result.out.size() + result.err.size();
      drain(0);
    } while (result.out.size() + result.err.size() != before);
  }
  for (const pollfd& fd : fds) {
    if (fd.fd >= 0) close(fd.fd);
  }
  if (!ended) {
    child.Kill();
    throw std::runtime_error("timed out after " + std::to_string(timeout.count()) + " ms: " +
                             CommandText(options.argv) + (result.err.empty() ? "" : "\nstderr: " + result.err));
  }
  result.status = *child.Wait(0ms);
  return result;
}

std::string CommandText(const std::vector<std::string>& argv) {
  std::string text;
  for (const std::string& word : argv) {
    if (!text.empty()) text += ' ';
    bool plain = !word.empty() && word.find_first_of(" '\"\\$`") == std::string::npos;
    text += plain ? word : "'" + word + "'";
  }
  return text;
}

}  // namespace e2e
