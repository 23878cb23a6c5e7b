// startup_timer.exe: how long a program takes from its start until its
// window is shown where it belongs, measured inside Wine, where the window
// list can be looked at every millisecond.
//
//   startup_timer --exe PATH [--args ARGUMENTS] [--class CLASS [--title TITLE]
//                 [--rect LEFT,TOP,RIGHT,BOTTOM] [--close 1]] [--runs N]
//
// Each run starts PATH in its own folder and watches the top-level windows
// of that process every millisecond: "shown" is the first time one of class
// CLASS (and title TITLE) is visible, "ready" the first time it is visible
// with the outer rectangle RECT (without --rect: when shown). A program that
// lays its window out at the end of its first show reaches RECT only then.
// With --close 1 the window is then sent WM_CLOSE; a run ends when the
// process does. Without --class the run only waits for the program to end
// by itself; shown and ready are then that moment. One line per run:
//
//   run=1 shown_ms=83.512 ready_ms=91.020 exit_ms=140.330 status=0

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/args.h"
#include "common/utf8.h"

namespace {

constexpr double kTimeoutMs = 30000;

struct Options {
  std::string exe;
  std::string arguments;
  std::string windowClass;
  std::optional<std::string> title;
  std::optional<RECT> rect;
  bool close = false;
  int runs = 1;
};

Options ParseOptions(const std::vector<std::string>& words) {
  std::map<std::string, std::string> values;
  for (std::size_t i = 0; i < words.size(); i += 2) {
    const std::string& name = words[i];
    if (name.rfind("--", 0) != 0 || i + 1 >= words.size()) throw std::runtime_error("expected --name value, got " + name);
    values[name.substr(2)] = words[i + 1];
  }
  Options options;
  for (const auto& [name, value] : values) {
    if (name == "exe") {
      options.exe = value;
    } else if (name == "args") {
      options.arguments = value;
    } else if (name == "class") {
      options.windowClass = value;
    } else if (name == "title") {
      options.title = value;
    } else if (name == "rect") {
      RECT rect{};
      if (std::sscanf(value.c_str(), "%ld,%ld,%ld,%ld", &rect.left, &rect.top, &rect.right, &rect.bottom) != 4) {
        throw std::runtime_error("--rect wants LEFT,TOP,RIGHT,BOTTOM");
      }
      options.rect = rect;
    } else if (name == "close") {
      options.close = value != "0";
    } else if (name == "runs") {
      options.runs = std::atoi(value.c_str());
    } else {
      throw std::runtime_error("unknown option --" + name);
    }
  }
  if (options.exe.empty() || options.runs < 1) throw std::runtime_error("--exe is required, --runs at least 1");
  if (options.windowClass.empty() && (options.title || options.rect || options.close)) {
    throw std::runtime_error("--title, --rect and --close need --class");
  }
  return options;
}

class Stopwatch {
 public:
  Stopwatch() {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
  }
  double ElapsedMs() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency_.QuadPart);
  }

 private:
  LARGE_INTEGER frequency_;
  LARGE_INTEGER start_;
};

// The process's visible top-level window of the class (and title), if any.
HWND VisibleWindowOf(DWORD pid, const Options& options) {
  const std::wstring windowClass = e2e::Wide(options.windowClass);
  const std::wstring wideTitle = options.title ? e2e::Wide(*options.title) : std::wstring();
  const wchar_t* title = options.title ? wideTitle.c_str() : nullptr;
  for (HWND window = FindWindowExW(nullptr, nullptr, windowClass.c_str(), title); window != nullptr;
       window = FindWindowExW(nullptr, window, windowClass.c_str(), title)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == pid && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string FolderOf(const std::string& path) {
  const auto separator = path.find_last_of("\\/");
  return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

// One start of the program; prints its line.
void TimeOneRun(int run, const Options& options) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + options.exe + "\"";
  if (!options.arguments.empty()) commandLine += " " + options.arguments;
  std::wstring wideCommandLine = e2e::Wide(commandLine);
  const std::wstring exe = e2e::Wide(options.exe);
  const std::wstring folder = e2e::Wide(FolderOf(options.exe));

  const Stopwatch clock;
  if (!CreateProcessW(exe.c_str(), wideCommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
    throw std::runtime_error("CreateProcessW failed with error " + std::to_string(GetLastError()));
  }
  CloseHandle(process.hThread);

  std::optional<double> shownMs;
  std::optional<double> readyMs;
  HWND window = nullptr;
  while (!readyMs && !options.windowClass.empty()) {
    if (HWND found = VisibleWindowOf(process.dwProcessId, options)) {
      const double now = clock.ElapsedMs();
      if (!shownMs) shownMs = now;
      RECT rect{};
      GetWindowRect(found, &rect);
      if (!options.rect || SameRect(rect, *options.rect)) {
        readyMs = now;
        window = found;
        break;
      }
    }
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
      throw std::runtime_error(
          "the program ended before its window was ready (shown: " + std::string(shownMs ? "yes" : "no") + ")");
    }
    if (clock.ElapsedMs() > kTimeoutMs) {
      TerminateProcess(process.hProcess, 1);
      throw std::runtime_error("the window was not ready within 30 s (shown: " + std::string(shownMs ? "yes" : "no") +
                               ")");
    }
    Sleep(1);
  }

  if (options.close) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(kTimeoutMs)) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
    throw std::runtime_error("the program did not end within 30 s");
  }
  const double exitMs = clock.ElapsedMs();
  if (!readyMs) shownMs = readyMs = exitMs;
  DWORD status = 0;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hProcess);
  std::printf("run=%d shown_ms=%.3f ready_ms=%.3f exit_ms=%.3f status=%lu\n", run, *shownMs, *readyMs, exitMs,
              static_cast<unsigned long>(status));
  std::fflush(stdout);
}

}  // namespace

int main() {
  Options options;
  try {
    options = ParseOptions(e2e::Arguments());
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "startup_timer: %s\n", failure.what());
    return 2;
  }
  try {
    for (int run = 1; run <= options.runs; ++run) TimeOneRun(run, options);
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "startup_timer: %s\n", failure.what());
    return 1;
  }
  return 0;
}
