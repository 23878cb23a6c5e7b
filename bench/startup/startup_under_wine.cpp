// startup_under_wine [RUNS] [--old-exe PATH]: how long Pelorin.exe takes
// under Wine from its start to the end of its main window's first show,
// against minimal_window.exe (one window), built and stripped the same way
// and timed the same way in the same run; and how long it takes to switch
// panels in the full state. With --old-exe, a second Pelorin.exe (say, the
// build before a change; give the stripped one) is measured the same way in
// the same rounds, and the medians of both are set side by side.
//
// startup_timer.exe starts each program inside Wine and watches the window
// list every millisecond until the window is visible at its final
// rectangle; then it closes the window and waits for the program's end.
// Pelorin makes its main window visible only after its first show
// (placement, control window, icons of the current panel, layout), so that
// moment is the end of the first show. The baseline runs with "--stay 1":
// its window lives only a few milliseconds otherwise, too short to be seen
// reliably by polling; it shows at the end of CreateWindowEx and paints
// next, as Pelorin's main window does. Its start to its own end after the
// first paint (no "--stay") is printed for reference. As the start-up
// figures of WINE.md assume, the wineserver is persistent and warm, and
// another Wine GUI program (a minimal_window.exe that stays) is alive
// throughout.
//
// The targets take turns, so a slow phase of the machine hits all of them;
// one round first warms the caches and is not counted.
//
// Then each program is started directly a few times more and left alone once
// its window shows: its private memory is the resident anonymous memory of
// its Linux process (RssAnon; under Wine the Windows process is that Linux
// process) once it has stopped growing, and Pelorin writes its start-up
// trace (PELORIN_STARTUP_TRACE), whose phases are printed as medians.
// In the full state it then switches panels as a user does, with the arrow
// keys in the control window's panel list (posted to it by the probe), one
// switch at a time among panels of twenty items, and the trace times each
// panel refresh inside the program: a switch's time from outside would be
// mostly the probe's own start under Wine.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "harness/probe.h"
#include "harness/process.h"
#include "harness/text.h"
#include "harness/wine_environment.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using e2e::WineEnvironment;

constexpr int kDefaultRuns = 20;
constexpr e2e::Milliseconds kRunTimeout = 90s;
constexpr int kFullPanels = 10;
// Panel switches in each start of the full state.
constexpr int kSwitchesPerStart = 20;

// Where the main window comes up with the default places: left 111, top 89,
// rows of 37-pixel cells plus a 1-pixel line, inside Wine's tool-window frame.
std::string MainWindowRect(int perRow, int rows) {
  const int left = 111;
  const int top = 89;
  const int width = 37 * perRow + 1 + 6;
  const int height = 37 * rows + 1 + 22;
  return std::to_string(left) + "," + std::to_string(top) + "," + std::to_string(left + width) + "," +
         std::to_string(top + height);
}

// The program as a user gets it: the build's stripped copy (Wine reads
// debug sections into the process's memory too).
fs::path Stripped(const fs::path& exe) {
  const fs::path stripped = exe.parent_path() / "stripped" / exe.filename();
  if (!fs::exists(stripped)) throw std::runtime_error(stripped.string() + " is not built");
  return stripped;
}

std::string CrLfFile(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::vector<std::string> OptionLines(int rows, int maxLine, const std::vector<std::string>& hotKeys) {
  // clang-format off
  std::vector<std::string> lines = {"5", std::to_string(rows), std::to_string(maxLine), "TRUE", "0",
                                    e2e::ToCp932("ＭＳ Ｐゴシック"), "-2147483640", "-2147483633", "-2147483633",
                                    "-2147483642", "TRUE", "TRUE", "TRUE", "TRUE", "2", "FALSE", "TRUE", "TRUE"};
  // clang-format on
  lines.insert(lines.end(), hotKeys.begin(), hotKeys.end());
  lines.insert(lines.end(), {"89", "111", "109", "253", "FALSE", "TRUE", "140"});
  return lines;
}

// The three files a first run leaves: one empty panel, the default options.
std::vector<std::pair<std::string, std::string>> EmptyState() {
  std::vector<std::string> panels = {"1", e2e::ToCp932("ワークスペース"), "0"};
  for (int p = 1; p < 10; ++p) panels.insert(panels.end(), {"", "0"});
  return {{"svp.pld", CrLfFile(panels)},
          {"svf.itd", ""},
          {"opt.dat", CrLfFile(OptionLines(3, 15, {"", "", "", "", "", ""}))}};
}

// Ten panels of twenty items, every item a program of the prefix (a missing
// file would stop the start with a question), every other one with an icon
// from shell32.dll; six hot keys.
std::vector<std::pair<std::string, std::string>> FullState() {
  // A 32-bit program sees C:\windows\system32 of a 64-bit prefix in
  // syswow64; a prefix made without 32-bit Wine leaves syswow64 nearly empty,
  // and the 64-bit build sees system32 itself.
  const fs::path windows = WineEnvironment::Prefix() / "drive_c" / "windows";
  std::vector<std::string> programs;
  for (const fs::path& system32 : {windows / "syswow64", windows / "system32"}) {
    programs.clear();
    if (!fs::exists(system32)) continue;
    for (const auto& entry : fs::directory_iterator(system32)) {
      if (entry.path().extension() == ".exe") programs.push_back(entry.path().filename().string());
    }
    if (programs.size() >= 20) break;
  }
  std::sort(programs.begin(), programs.end());
  if (programs.size() < 20) throw std::runtime_error("fewer than 20 programs in " + windows.string());
  programs.resize(20);

  std::vector<std::string> panels = {std::to_string(kFullPanels)};
  std::vector<std::string> items;
  for (int p = 0; p < kFullPanels; ++p) {
    panels.insert(panels.end(), {e2e::ToCp932("パネル" + std::to_string(p + 1)), "20"});
    for (int slot = 0; slot < 20; ++slot) {
      const std::string path = "C:\\windows\\system32\\" + programs[slot];
      const bool shellIcon = slot % 2 == 1;
      items.insert(items.end(), {e2e::ToCp932("ツール" + std::to_string(slot + 1)), path,
                                 e2e::ToCp932("説明 " + programs[slot]), "C:\\windows\\system32", "", "", "0", "FALSE",
                                 shellIcon ? "C:\\windows\\system32\\shell32.dll" : path,
                                 shellIcon ? std::to_string(slot + 1) : "0"});
    }
  }
  return {{"svp.pld", CrLfFile(panels)},
          {"svf.itd", CrLfFile(items)},
          {"opt.dat",
           CrLfFile(OptionLines(
               4, 20, {"Ctrl+Alt+F1", "Ctrl+Alt+F2", "Ctrl+Alt+F3", "Ctrl+Alt+F4", "Ctrl+Alt+F5", "Ctrl+Alt+F6"}))}};
}

// Microseconds of each phase of a trace's reports, per report.
struct Phases {
  std::map<std::string, std::vector<double>> values;
  std::vector<std::string> order;

  // A report: "name<TAB>N us<TAB>marks" lines, then the total.
  void Add(const std::string& report) {
    std::istringstream lines(report);
    for (std::string line; std::getline(lines, line);) {
      const auto tab = line.find('\t');
      if (tab == std::string::npos) continue;
      const std::string name = e2e::FromCp932(line.substr(0, tab));
      if (!values.contains(name)) order.push_back(name);
      values[name].push_back(std::stod(line.substr(tab + 1)));
    }
  }
};

struct Target {
  std::string name;
  fs::path exe;
  std::vector<std::string> timerOptions;
  // Puts the data files in place before each start.
  std::function<void()> prepare;
  std::vector<double> readyMs;
  // For the memory runs (none: not measured): the arguments and the window
  // that shows when it is up.
  std::optional<e2e::WindowQuery> window = {};
  std::vector<std::string> args = {};
  std::vector<double> memoryKb = {};
  // Pelorin's start-up trace, per run.
  Phases phases = {};
  // Panel switches after each of those starts (none: not measured), and
  // their refreshes' traces.
  int switches = 0;
  Phases switchPhases = {};
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double ReadyMs(const std::string& output) {
  const auto at = output.find("ready_ms=");
  if (at == std::string::npos) throw std::runtime_error("no ready_ms in the timer's output: " + output);
  return std::stod(output.substr(at + 9));
}

double TimeOnce(const WineEnvironment& environment, const fs::path& timer, Target& target) {
  target.prepare();
  std::vector<std::string> argv = {"wine", timer.string(), "--exe", WineEnvironment::WindowsPath(target.exe)};
  argv.insert(argv.end(), target.timerOptions.begin(), target.timerOptions.end());
  e2e::RunResult result = e2e::Run({.argv = argv, .env = environment.Env()}, kRunTimeout);
  if (result.status != 0) {
    throw std::runtime_error(target.name + ": " + e2e::CommandText(argv) + " failed (status " +
                             std::to_string(result.status) + ")\n" + result.err);
  }
  return ReadyMs(result.out);
}

// Resident anonymous memory of a Linux process, in KB; nothing once it has ended.
std::optional<double> RssAnonKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("RssAnon:")) return std::stod(line.substr(8));
  }
  return std::nullopt;
}

// The reports of a trace file: start-up's, then one per panel refresh, each
// after a line "panel refresh"; a report still being written is left out.
std::vector<std::string> TraceReports(const std::string& file) {
  std::vector<std::string> reports;
  std::string report;
  std::istringstream lines(file);
  for (std::string line; std::getline(lines, line) && !lines.eof();) {
    if (line == "panel refresh\r") continue;
    report += line + '\n';
    if (line.starts_with("total\t")) reports.push_back(std::exchange(report, {}));
  }
  return reports;
}

// The control window's panel list: the one combo box among the program's windows.
std::uint32_t PanelList(const e2e::Probe& probe, std::uint32_t pid) {
  for (const e2e::Window& window : probe.FindWindows({.className = "PelorinForm"}, pid)) {
    for (const e2e::Window& child : probe.Children(window.hwnd)) {
      if (child.className == "ComboBox") return child.hwnd;
    }
  }
  throw std::runtime_error("no panel list in the control window");
}

// Switches panels one at a time with the panel list's arrow keys, back and
// forth between the first and the last, and reads each refresh's trace.
void SwitchPanels(const e2e::Probe& probe, const fs::path& trace, std::uint32_t pid, Target& target) {
  const std::uint32_t list = PanelList(probe, pid);
  e2e::Await("the start-up trace", [&] { return TraceReports(ReadBytes(trace)).size() == 1; }, kRunTimeout);
  int panel = 0;
  int step = 1;
  for (int done = 1; done <= target.switches; ++done) {
    if (panel + step < 0 || panel + step >= kFullPanels) step = -step;
    panel += step;
    probe.PostKeys(list, {step > 0 ? "down" : "up"});
    e2e::Await(target.name + "'s panel refresh " + std::to_string(done) + " in its trace",
               [&] { return TraceReports(ReadBytes(trace)).size() > static_cast<std::size_t>(done); }, kRunTimeout);
  }
  const std::string shown = probe.GetText(list);
  if (shown != "パネル" + std::to_string(panel + 1)) throw std::runtime_error("the panel list shows " + shown);
  const std::vector<std::string> reports = TraceReports(ReadBytes(trace));
  for (auto report = reports.begin() + 1; report != reports.end(); ++report) target.switchPhases.Add(*report);
}

// Starts the target once, waits until its window shows and its memory stops
// growing, reads it (and Pelorin's trace), then closes it.
void MeasureOnce(const WineEnvironment& environment, const e2e::Probe& probe, const fs::path& stage, Target& target) {
  target.prepare();
  const fs::path trace = stage / "startup-trace.txt";
  fs::remove(trace);
  std::vector<std::string> env = environment.Env();
  env.push_back("PELORIN_STARTUP_TRACE=" + WineEnvironment::WindowsPath(trace));
  std::vector<std::string> argv = {"wine", target.exe.string()};
  argv.insert(argv.end(), target.args.begin(), target.args.end());
  e2e::ChildProcess program = e2e::ChildProcess::Spawn(
      {.argv = argv, .env = env, .cwd = target.exe.parent_path(), .outputFile = stage / "memory-runs.log"});
  std::vector<e2e::Window> shown;
  e2e::Await(target.name + " shows its window", [&] {
    for (const std::uint32_t pid : probe.FindProcesses(WineEnvironment::WindowsPath(target.exe))) {
      shown = probe.FindWindows(*target.window, pid);
      if (!shown.empty()) return true;
    }
    return false;
  }, kRunTimeout);
  // Settled: three readings 100 ms apart without growth.
  double settled = 0;
  int steady = 0;
  e2e::Await(target.name + "'s memory settling", [&] {
    const std::optional<double> now = RssAnonKb(program.Pid());
    if (!now) throw std::runtime_error(target.name + " ended before its memory was read");
    steady = *now <= settled ? steady + 1 : 0;
    settled = std::max(settled, *now);
    return steady >= 3;
  }, kRunTimeout);
  target.memoryKb.push_back(settled);
  if (target.switches > 0) SwitchPanels(probe, trace, shown.front().pid, target);
  if (fs::exists(trace)) target.phases.Add(TraceReports(ReadBytes(trace)).at(0));
  probe.Close(shown.front().hwnd);
  if (!program.Wait(kRunTimeout)) program.Kill();
}

Target PelorinTarget(const std::string& name, const fs::path& exe, const fs::path& folder, int rows,
                     std::vector<std::pair<std::string, std::string>> files) {
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::copy_file(exe, folder / "Pelorin.exe");
  auto prepare = [folder, files = std::move(files)] {
    for (const char* name : {"svp.pld", "svf.itd", "opt.dat"}) fs::remove(folder / name);
    for (const auto& [name, bytes] : files) WriteBytes(folder / name, bytes);
  };
  return {name,
          folder / "Pelorin.exe",
          {"--class", "PelorinForm", "--title", "Pelorin", "--rect", MainWindowRect(5, rows), "--close", "1"},
          prepare,
          {},
          e2e::WindowQuery{.title = "Pelorin", .className = "PelorinForm"}};
}

// The three states of one Pelorin.exe, each in a folder of its own under stage.
void AddPelorinTargets(std::vector<Target>& targets, const std::string& label, const fs::path& exe,
                       const fs::path& stage) {
  targets.push_back(PelorinTarget(label + ", first run (no data files)", exe, stage / "first-run", 3, {}));
  targets.push_back(PelorinTarget(label + ", empty state (1 panel, 0 items)", exe, stage / "empty", 3, EmptyState()));
  targets.push_back(PelorinTarget(label + ", full state (10 panels x 20 items)", exe, stage / "full", 4, FullState()));
  targets.back().switches = kSwitchesPerStart;
}

// Each round takes the targets in turn, every other round backwards, so that
// neither of two programs always follows the other.
template <class Step>
void InTurn(std::vector<Target>& targets, int round, Step step) {
  if (round % 2 == 0) {
    for (Target& target : targets) step(target);
  } else {
    for (auto target = targets.rbegin(); target != targets.rend(); ++target) step(*target);
  }
}

void PrintPhases(const std::string& title, const Phases& phases) {
  std::printf("\n%s\n", title.c_str());
  for (const std::string& phase : phases.order) {
    std::printf("  %-50s %8.2f\n", phase.c_str(), Median(phases.values.at(phase)) / 1000);
  }
}

const Target& Named(const std::vector<Target>& targets, const std::string& name) {
  return *std::find_if(targets.begin(), targets.end(), [&](const Target& t) { return t.name == name; });
}

// This build's medians beside the old exe's.
void PrintComparison(const std::vector<Target>& targets) {
  std::printf("\nThis build against the old exe (medians; ratio: this build / old)\n\n");
  std::printf("%-54s %10s %10s %8s\n", "", "this build", "old", "ratio");
  const auto row = [](const char* what, double now, double old) {
    std::printf("%-54s %10.1f %10.1f %8.2f\n", what, now, old, now / old);
  };
  const auto pair = [&](const std::string& state) {
    return std::pair{&Named(targets, "Pelorin.exe, " + state), &Named(targets, "old Pelorin.exe, " + state)};
  };
  const auto [first, oldFirst] = pair("first run (no data files)");
  const auto [full, oldFull] = pair("full state (10 panels x 20 items)");
  row("start-up, first run (ms)", Median(first->readyMs), Median(oldFirst->readyMs));
  row("start-up, full state (ms)", Median(full->readyMs), Median(oldFull->readyMs));
  row("private memory, full state (KB)", Median(full->memoryKb), Median(oldFull->memoryKb));
  row("panel switch, full state (ms)", Median(full->switchPhases.values.at("total")) / 1000,
      Median(oldFull->switchPhases.values.at("total")) / 1000);
}

int Main(int runs, const std::optional<fs::path>& oldExe) {
  const fs::path timer = WineEnvironment::HelperFile("startup_timer.exe");
  if (!fs::exists(timer)) throw std::runtime_error(timer.string() + " is not built");
  const WineEnvironment& environment = WineEnvironment::Get();
  const fs::path stage = WineEnvironment::BuildDir() / "startup-bench";
  fs::create_directories(stage);

  // Another Wine GUI program, alive throughout.
  e2e::ChildProcess companion = e2e::ChildProcess::Spawn(
      {.argv = {"wine", WineEnvironment::HelperFile("minimal_window.exe").string(), "--stay", "1"},
       .env = environment.Env(),
       .outputFile = stage / "companion.log"});
  const e2e::Probe probe(environment.Env());
  if (probe.FindWindows({.title = "minimal_window"}, 0, 15s).empty()) {
    throw std::runtime_error("the companion minimal_window.exe did not show its window");
  }

  const fs::path minimal = stage / "minimal" / "minimal_window.exe";
  fs::create_directories(minimal.parent_path());
  fs::copy_file(Stripped(WineEnvironment::HelperFile("minimal_window.exe")), minimal,
                fs::copy_options::overwrite_existing);
  std::vector<Target> targets;
  targets.push_back({"minimal_window.exe, window shown (baseline)",
                     minimal,
                     {"--args", "--stay 1", "--class", "minimal_window", "--rect", "100,120,420,360", "--close", "1"},
                     [] {},
                     {},
                     e2e::WindowQuery{.className = "minimal_window"},
                     {"--stay", "1"}});
  targets.push_back({"minimal_window.exe, ended after its first paint", minimal, {}, [] {}, {}});
  AddPelorinTargets(targets, "Pelorin.exe", Stripped(WineEnvironment::PelorinExe()), stage);
  if (oldExe) AddPelorinTargets(targets, "old Pelorin.exe", *oldExe, stage / "old");

  for (Target& target : targets) TimeOnce(environment, timer, target);  // warm-up
  for (int run = 0; run < runs; ++run) {
    InTurn(targets, run, [&](Target& target) { target.readyMs.push_back(TimeOnce(environment, timer, target)); });
  }
  const int memoryRuns = std::max(1, runs / 4);
  for (int run = 0; run < memoryRuns; ++run) {
    InTurn(targets, run, [&](Target& target) {
      if (target.window) MeasureOnce(environment, probe, stage, target);
    });
  }

  companion.Kill();
  companion.Wait(10s);

  const double baseline = Median(targets.front().readyMs);
  std::printf("Start-up under Wine, from the process start to the end of the main window's first show\n");
  std::printf("(warm persistent wineserver, another Wine GUI program alive; %d runs each, ms)\n\n", runs);
  std::printf("%-54s %8s %8s %8s %8s\n", "program", "median", "min", "max", "ratio");
  for (const Target& target : targets) {
    const auto [min, max] = std::minmax_element(target.readyMs.begin(), target.readyMs.end());
    const double median = Median(target.readyMs);
    std::printf("%-54s %8.1f %8.1f %8.1f %8.2f\n", target.name.c_str(), median, *min, *max, median / baseline);
  }

  const double baselineKb = Median(targets.front().memoryKb);
  std::printf("\nPrivate memory once the window shows (RssAnon of the Wine process; %d runs each, KB)\n\n",
              memoryRuns);
  std::printf("%-54s %8s %8s\n", "program", "median", "ratio");
  for (const Target& target : targets) {
    if (target.memoryKb.empty()) continue;
    const double median = Median(target.memoryKb);
    std::printf("%-54s %8.0f %8.2f\n", target.name.c_str(), median, median / baselineKb);
  }

  std::printf("\nPanel switch, one pick in the control window's panel list: the panel refresh as the\n");
  std::printf("program's trace times it (%d switches in each of %d starts, ms)\n\n", kSwitchesPerStart, memoryRuns);
  std::printf("%-54s %8s %8s %8s\n", "program", "median", "min", "max");
  for (const Target& target : targets) {
    if (target.switches == 0) continue;
    const std::vector<double>& totals = target.switchPhases.values.at("total");
    const auto [min, max] = std::minmax_element(totals.begin(), totals.end());
    std::printf("%-54s %8.2f %8.2f %8.2f\n", target.name.c_str(), Median(totals) / 1000, *min / 1000, *max / 1000);
  }

  for (const Target& target : targets) {
    if (target.phases.order.empty()) continue;
    PrintPhases("Start-up trace of " + target.name + " (median of " + std::to_string(memoryRuns) + " runs, ms)",
                target.phases);
  }
  for (const Target& target : targets) {
    if (target.switches == 0) continue;
    PrintPhases("Panel switch trace of " + target.name + " (median of " +
                    std::to_string(target.switchPhases.values.at("total").size()) + " switches, ms)",
                target.switchPhases);
  }
  if (oldExe) PrintComparison(targets);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const bool withOld = args.size() == 3 && args[1] == "--old-exe";
  const int runs = args.empty() ? kDefaultRuns : std::atoi(args[0].c_str());
  if (runs < 1 || (args.size() > 1 && !withOld)) {
    std::fprintf(stderr, "usage: startup_under_wine [RUNS [--old-exe PATH]]\n");
    return 2;
  }
  try {
    return Main(runs, withOld ? std::optional<fs::path>(fs::absolute(args[2])) : std::nullopt);
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "startup_under_wine: %s\n", failure.what());
    return 1;
  }
}
