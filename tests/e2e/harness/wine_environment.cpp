#include "harness/wine_environment.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <stdexcept>

namespace e2e {
namespace fs = std::filesystem;
namespace {

constexpr Milliseconds kWinebootTimeout = 300s;
constexpr Milliseconds kToolTimeout = 60s;

fs::path RunDir() { return WineEnvironment::BuildDir() / "e2e-run"; }
fs::path StateFile() { return RunDir() / "shared.state"; }
fs::path LogFile(const char* name) { return RunDir() / name; }

struct SharedState {
  std::string display;
  pid_t xvfbPid = -1;
};

std::optional<SharedState> ReadState() {
  std::ifstream in(StateFile());
  SharedState state;
  if (!(in >> state.display >> state.xvfbPid)) return std::nullopt;
  return state;
}

void WriteState(const SharedState& state) {
  fs::path temporary = StateFile().string() + ".new";
  std::ofstream(temporary) << state.display << "\n" << state.xvfbPid << "\n";
  fs::rename(temporary, StateFile());
}

// Whether pid is (still) an Xvfb process; a reused pid is not killed.
bool IsXvfb(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/cmdline");
  std::string first;
  std::getline(in, first, '\0');
  return fs::path(first).filename() == "Xvfb";
}

std::vector<std::string> MakeEnv(const std::string& display, const Locale& locale = kJapanese) {
  auto inherited = [](const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return std::string(name) + "=" + (value ? value : fallback);
  };
  return {
      inherited("PATH", "/usr/local/bin:/usr/bin:/bin"),
      inherited("USER", "e2e"),
      "HOME=" + WineEnvironment::Home().string(),
      std::string("LANG=") + locale.lang,
      "DISPLAY=" + display,
      "WINEPREFIX=" + WineEnvironment::Prefix().string(),
      "WINEDEBUG=-all",
      // No Mono/Gecko installer dialogs, no menu entries written to $HOME.
      "WINEDLLOVERRIDES=winemenubuilder.exe=d;mscoree=;mshtml=",
  };
}

// Runs a set-up tool to its end with its output in a log file; throws when
// it fails or hangs.
void RunTool(const std::vector<std::string>& env, std::vector<std::string> argv, Milliseconds timeout,
             bool mustSucceed = true) {
  SpawnOptions options{.argv = argv, .env = env, .outputFile = LogFile("setup.log")};
  ChildProcess child = ChildProcess::Spawn(options);
  auto status = child.Wait(timeout);
  if (!status)
    throw std::runtime_error("timed out: " + CommandText(argv) + " (see " + options.outputFile.string() + ")");
  if (mustSucceed && *status != 0) {
    throw std::runtime_error("failed with status " + std::to_string(*status) + ": " + CommandText(argv) + " (see " +
                             options.outputFile.string() + ")");
  }
}

// Xvfb on a display number it finds free itself (-displayfd), which it
// reports once it accepts connections.
std::pair<ChildProcess, std::string> StartXvfb(bool shared) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  SpawnOptions options{
      .argv = {"Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
      .env = {"PATH=" + std::string(std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin")},
      .outputFile = LogFile("xvfb.log"),
      .dieWithParent = !shared,
      .ownSession = shared,
      .fd3 = fds[1],
  };
  ChildProcess xvfb = ChildProcess::Spawn(options);
  close(fds[1]);
  std::string number;
  bool complete = PollUntil(
      15s,
      [&] {
        pollfd fd{fds[0], POLLIN, 0};
        if (poll(&fd, 1, 50) <= 0) return !xvfb.Running();
        char c;
        if (read(fds[0], &c, 1) != 1) return true;
        if (c == '\n') return true;
        number += c;
        return false;
      },
      0ms);
  close(fds[0]);
  if (!complete || number.empty() || !xvfb.Running()) {
    throw std::runtime_error("Xvfb did not come up (see " + options.outputFile.string() + ")");
  }
  return {std::move(xvfb), ":" + number};
}

void StopWineServer(const std::vector<std::string>& env) {
  RunTool(env, {"wineserver", "-k"}, kToolTimeout, false);
  RunTool(env, {"wineserver", "-w"}, kToolTimeout, false);
}

// Prefix creation is shared with tools/run.sh: one script, one stamp.
const char kPrefixScript[] = PELORIN_SOURCE_DIR "/tools/wine-prefix.sh";

void EnsurePrefix(const std::vector<std::string>& env) { RunTool(env, {"bash", kPrefixScript}, kWinebootTimeout); }

// Display and prefix ready, one persistent wineserver running. The first
// Wine program also starts Wine's own background processes (desktop,
// services); it runs here so they get a log file as output, not the pipe of
// some later probe call.
void StartWine(const std::vector<std::string>& env) {
  fs::create_directories(WineEnvironment::Home());
  int lock = open((WineEnvironment::BuildDir() / "wine-prefix.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (lock < 0 || flock(lock, LOCK_EX) != 0) throw std::runtime_error("cannot lock the Wine prefix");
  try {
    StopWineServer(env);
    EnsurePrefix(env);
    // The script's last program left a wineserver that ends by itself; a
    // persistent one starts only when none runs.
    RunTool(env, {"wineserver", "-w"}, kToolTimeout);
    RunTool(env, {"wineserver", "-p"}, kToolTimeout);
    RunTool(env, {"wine", WineEnvironment::HelperFile("e2e_probe.exe").string(), "list-windows"}, kToolTimeout);
  } catch (...) {
    close(lock);
    throw;
  }
  close(lock);
}

void StopXvfb(pid_t pid) {
  if (pid <= 0 || !IsXvfb(pid)) return;
  ::kill(pid, SIGTERM);
  if (!PollUntil(10s, [&] { return !IsXvfb(pid); })) ::kill(pid, SIGKILL);
}

std::unique_ptr<WineEnvironment>& Instance() {
  static std::unique_ptr<WineEnvironment> instance;
  return instance;
}

}  // namespace

WineEnvironment& WineEnvironment::Get() {
  auto& instance = Instance();
  if (instance) return *instance;
  std::unique_ptr<WineEnvironment> environment(new WineEnvironment());
  fs::create_directories(RunDir());
  auto state = ReadState();
  if (state && IsXvfb(state->xvfbPid)) {
    environment->display_ = state->display;
  } else {
    auto [xvfb, display] = StartXvfb(false);
    environment->display_ = display;
    environment->ownXvfb_ = std::make_unique<ChildProcess>(std::move(xvfb));
    StartWine(environment->Env());
  }
  instance = std::move(environment);
  return *instance;
}

WineEnvironment::~WineEnvironment() {
  if (ownXvfb_) StopWineServer(Env());
}

std::vector<std::string> WineEnvironment::Env(const Locale& locale) const { return MakeEnv(display_, locale); }

void WineEnvironment::PrepareFor(const Locale& locale) const {
  const std::vector<std::string> argv = {"bash", kPrefixScript};
  const RunResult result = Run({.argv = argv, .env = Env(locale)}, kToolTimeout);
  if (result.status != 0) {
    throw std::runtime_error("preparing the prefix for " + std::string(locale.lang) + " failed (status " +
                             std::to_string(result.status) + "): " + CommandText(argv) + "\n" + result.out + result.err);
  }
}

void WineEnvironment::SetUpShared() {
  fs::create_directories(RunDir());
  TearDownShared();
  auto [xvfb, display] = StartXvfb(true);
  SharedState state{display, xvfb.Pid()};
  xvfb.Detach();
  try {
    StartWine(MakeEnv(display));
  } catch (...) {
    StopXvfb(state.xvfbPid);
    throw;
  }
  WriteState(state);
}

void WineEnvironment::TearDownShared() {
  auto state = ReadState();
  StopWineServer(MakeEnv(state ? state->display : ":0"));
  if (state) StopXvfb(state->xvfbPid);
  fs::remove(StateFile());
}

fs::path WineEnvironment::BuildDir() { return PELORIN_E2E_BUILD_DIR; }
fs::path WineEnvironment::Prefix() { return BuildDir() / "wine-prefix"; }
fs::path WineEnvironment::Home() { return BuildDir() / "e2e-home"; }

fs::path WineEnvironment::PelorinExe() {
  const fs::path winBuild = PELORIN_WIN_BUILD_DIR;
  for (const fs::path& candidate : {winBuild / "app" / "Pelorin.exe", winBuild / "Pelorin.exe"}) {
    if (fs::exists(candidate)) return candidate;
  }
  throw std::runtime_error("Pelorin.exe is not built in " + winBuild.string());
}

fs::path WineEnvironment::HelperFile(std::string_view name) {
  fs::path path = fs::path(PELORIN_WIN_BUILD_DIR) / "tests" / "e2e" / "helpers" / name;
  if (!fs::exists(path)) throw std::runtime_error(path.string() + " is not built (build the Windows part first)");
  return path;
}

std::string WineEnvironment::WindowsPath(const fs::path& hostPath) {
  std::string path = fs::absolute(hostPath).lexically_normal().string();
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return "Z:" + path;
}

}  // namespace e2e
