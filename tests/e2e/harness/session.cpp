#include "harness/session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <exception>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "harness/process.h"

namespace e2e {
namespace fs = std::filesystem;
namespace {

// How long one probe call waits inside Wine before the host looks again
// whether the program still runs.
constexpr Milliseconds kWaitSlice = 1s;
// How long a key's effect may take before the key counts as lost.
constexpr Milliseconds kKeyRetryWait = 5s;

std::string CurrentTestName() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "no-test";
  std::replace(name.begin(), name.end(), '/', '_');
  return name;
}

fs::path FreshFolder(const fs::path& path) {
  fs::remove_all(path);
  fs::create_directories(path);
  return path;
}

// Emptied now, created when something is written into it.
fs::path ClearedFolder(const fs::path& path) {
  fs::remove_all(path);
  return path;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Milliseconds Left(Clock::time_point deadline) {
  return std::max(0ms, std::chrono::duration_cast<Milliseconds>(deadline - Clock::now()));
}

std::string Describe(const WindowQuery& query) {
  std::string text = "window";
  if (query.title) text += " titled \"" + *query.title + "\"";
  if (!query.className.empty()) text += " of class " + query.className;
  return text;
}

std::string List(const std::vector<Window>& windows) {
  if (windows.empty()) return " none";
  std::ostringstream text;
  for (const Window& window : windows) text << "\n  " << window;
  return text.str();
}

}  // namespace

struct Program::State {
  const E2eSession* session = nullptr;
  ChildProcess child;
  fs::path exe;
  fs::path log;
  std::optional<std::uint32_t> windowsPid;
  std::optional<WindowQuery> mainWindow;
  // A program in a prefix of its own is seen by a probe run there.
  std::shared_ptr<const Probe> ownProbe;

  const Probe& probe() const { return ownProbe ? *ownProbe : session->probe_; }

  std::string Name() const { return exe.filename().string() + " (unix pid " + std::to_string(child.Pid()) + ")"; }

  // What a failure message should say about the program now.
  std::string Situation() {
    std::string text = Name();
    if (!child.Running()) return text + " has ended with status " + std::to_string(child.Wait(0ms).value_or(-1));
    if (!windowsPid) return text + " runs, but was never seen as a Windows process";
    try {
      text += " shows top-level windows:" + List(probe().FindWindows({}, *windowsPid));
      for (const DialogBox& dialog : probe().Dialogs(*windowsPid)) {
        text += "\n  dialog \"" + dialog.window.title + "\": " + dialog.text;
      }
    } catch (const std::exception& failure) {
      text += std::string(" (its windows could not be read: ") + failure.what() + ")";
    }
    return text + "\n  (its output: " + log.string() + ")";
  }
};

// ---- Program ----

int Program::UnixPid() const { return state_->child.Pid(); }
const fs::path& Program::Exe() const { return state_->exe; }

std::uint32_t Program::WindowsPid() const {
  if (!state_->windowsPid) throw std::runtime_error(state_->Situation());
  return *state_->windowsPid;
}

bool Program::Running() const { return state_->child.Running(); }

int Program::WaitForExit(Milliseconds timeout) const {
  if (auto status = state_->child.Wait(timeout)) return *status;
  throw std::runtime_error("still running after " + std::to_string(timeout.count()) + " ms: " + state_->Situation());
}

void Program::Kill() const { state_->child.Kill(); }

std::optional<Window> Program::WaitForWindowOrExit(const WindowQuery& query, Milliseconds timeout) const {
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    if (!Running()) return std::nullopt;
    auto windows = state_->probe().FindWindows(query, WindowsPid(), std::min(Left(deadline), kWaitSlice));
    if (!windows.empty()) return windows.front();
    if (Clock::now() >= deadline) {
      throw std::runtime_error("no " + Describe(query) + " within " + std::to_string(timeout.count()) +
                               " ms: " + state_->Situation());
    }
  }
}

Window Program::WaitForWindow(const WindowQuery& query, Milliseconds timeout) const {
  if (auto window = WaitForWindowOrExit(query, timeout)) return *window;
  throw std::runtime_error("waiting for a " + Describe(query) + ": " + state_->Situation());
}

std::vector<Window> Program::Windows(const WindowQuery& query) const {
  return state_->probe().FindWindows(query, WindowsPid());
}

void Program::SetMainWindow(const WindowQuery& query) const { state_->mainWindow = query; }

void Program::Close() const {
  std::optional<Window> main;
  if (state_->mainWindow) {
    main = WaitForWindow(*state_->mainWindow);
  } else {
    for (const Window& window : Windows()) {
      if (window.owner == 0 && !main) main = window;
    }
  }
  if (!main) throw std::runtime_error("nothing to close: " + state_->Situation());
  state_->probe().Close(main->hwnd);
}

DialogBox Program::WaitForDialog(Milliseconds timeout) const {
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    if (!Running()) throw std::runtime_error("waiting for a dialog: " + state_->Situation());
    auto dialogs = state_->probe().Dialogs(WindowsPid(), std::min(Left(deadline), kWaitSlice));
    if (!dialogs.empty()) return dialogs.front();
    if (Clock::now() >= deadline) {
      throw std::runtime_error("no dialog within " + std::to_string(timeout.count()) + " ms: " + state_->Situation());
    }
  }
}

std::vector<DialogBox> Program::Dialogs() const { return state_->probe().Dialogs(WindowsPid()); }

std::vector<PopupMenu> Program::WaitForPopupMenus(Milliseconds timeout) const {
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    if (!Running()) throw std::runtime_error("waiting for a popup menu: " + state_->Situation());
    if (!state_->probe().MenuWindows(WindowsPid(), std::min(Left(deadline), kWaitSlice)).empty()) {
      auto menus = state_->probe().ReadMenus(WindowsPid());
      if (!menus.empty()) return menus;
    }
    if (Clock::now() >= deadline) {
      throw std::runtime_error("no popup menu within " + std::to_string(timeout.count()) +
                               " ms: " + state_->Situation());
    }
  }
}

void Program::PickMenuItem(const std::string& text) const {
  std::vector<PopupMenu> menus = WaitForPopupMenus();
  const std::uint32_t window = menus.back().window.hwnd;
  const std::size_t open = menus.size();
  const auto deadline = Clock::now() + kDefaultTimeout;
  // Under Wine a key posted right after another window went is now and then
  // not acted on. The keys go again only while this menu stays open without
  // their effect (a Return that acted closed it or opened the submenu), and
  // count from the entry selected then, so keys that did move it count.
  for (;;) {
    const PopupMenu& menu = menus.back();
    const MenuItem& target = menu.Item(text);
    if (target.grayed) throw std::runtime_error("the menu entry \"" + text + "\" is grayed");

    // Arrow keys skip separators only; count the steps from the entry that
    // is selected now (none: the first Down selects the first entry).
    auto selected = std::find_if(menu.items.begin(), menu.items.end(), [](const MenuItem& i) { return i.hilite; });
    int from = selected == menu.items.end() ? -1 : selected->position;
    int steps = 0;
    for (const MenuItem& item : menu.items) {
      bool between = from <= target.position ? item.position > from && item.position <= target.position
                                             : item.position >= target.position && item.position < from;
      if (between && !item.separator) ++steps;
    }
    std::vector<std::string> keys(steps, from <= target.position ? "down" : "up");
    keys.push_back("return");
    const bool popup = target.popup;
    try {
      state_->probe().PostKeys(window, keys, false);
    } catch (const std::exception&) {
      // Gone since the last look: the keys before acted late.
    }

    const auto acted = [&] {
      return popup ? state_->probe().MenuWindows(WindowsPid()).size() > open : state_->probe().WaitGone(window, 0ms);
    };
    const Milliseconds wait = std::min(kKeyRetryWait, Left(deadline));
    if (popup ? PollUntil(wait, acted) : state_->probe().WaitGone(window, wait)) return;
    menus = state_->probe().ReadMenus(WindowsPid());
    if (acted()) return;
    if (Clock::now() >= deadline || menus.empty() || menus.back().window.hwnd != window) {
      throw std::runtime_error("the menu did not act on picking \"" + text + "\": " + state_->Situation());
    }
  }
}

void Program::CancelMenu() const {
  const std::uint32_t menu = WaitForPopupMenus().back().window.hwnd;
  // Under Wine a key right after another program's window went is now and
  // then lost: once more when the menu stays. Not sooner: the menu loop
  // takes a second Escape for the menu it opened from.
  for (const Milliseconds wait : {kKeyRetryWait, kDefaultTimeout}) {
    try {
      state_->probe().PostKeys(menu, {"escape"}, false);
    } catch (const std::exception&) {
      // Gone since the last look: the wait below sees it.
    }
    if (state_->probe().WaitGone(menu, wait)) return;
  }
  throw std::runtime_error("the menu did not close on Escape: " + state_->Situation());
}

const Probe& Program::GetProbe() const { return state_->probe(); }

// ---- E2eSession ----

E2eSession::E2eSession(const Locale& locale)
    : environment_(WineEnvironment::Get()),
      env_(environment_.Env(locale)),
      probe_(env_),
      desktop_(environment_),
      testName_(CurrentTestName()),
      stageDir_(FreshFolder(WineEnvironment::BuildDir() / "e2e-stage" / testName_)),
      logDir_(ClearedFolder(WineEnvironment::BuildDir() / "e2e-logs" / testName_)),
      screenshotDir_(ClearedFolder(WineEnvironment::BuildDir() / "e2e-screenshots" / testName_)) {
  environment_.PrepareFor(locale);
}

E2eSession::~E2eSession() {
  // An exception on its way to GoogleTest is a failure not recorded yet.
  if (::testing::Test::HasFailure() || std::uncaught_exceptions() > 0) {
    try {
      ScreenshotScreen("failure-screen");
    } catch (const std::exception&) {
      // The failure itself is what matters.
    }
  }
  for (auto& program : programs_) program->child.Kill();
}

std::shared_ptr<Program::State> E2eSession::Spawn(const fs::path& exe, const std::vector<std::string>& arguments,
                                                  const fs::path& folder, const std::vector<std::string>& env) {
  auto state = std::make_shared<Program::State>();
  state->session = this;
  state->exe = fs::absolute(exe);
  fs::create_directories(logDir_);
  state->log = logDir_ / (std::to_string(programs_.size() + 1) + "-" + exe.filename().string() + ".log");
  SpawnOptions options{
      .argv = {"wine", state->exe.string()}, .env = env, .cwd = folder.empty() ? stageDir_ : folder, .outputFile = state->log};
  options.argv.insert(options.argv.end(), arguments.begin(), arguments.end());
  state->child = ChildProcess::Spawn(options);
  programs_.push_back(state);
  return state;
}

Program E2eSession::Start(const fs::path& exe, const std::vector<std::string>& arguments, const fs::path& folder) {
  std::shared_ptr<Program::State> state = Spawn(exe, arguments, folder, env_);
  FindWindowsProcess(*state);
  return Program(state);
}

void E2eSession::FindWindowsProcess(Program::State& state) const {
  // Which Windows process it is: one running this exe that no other program
  // of the session has taken (the same exe may run twice).
  std::vector<std::uint32_t> taken;
  for (const auto& other : programs_) {
    if (other.get() != &state && other->windowsPid && other->exe == state.exe) taken.push_back(*other->windowsPid);
  }
  PollUntil(
      kDefaultTimeout,
      [&] {
        for (std::uint32_t pid : state.probe().FindProcesses(WindowsPath(state.exe))) {
          if (std::find(taken.begin(), taken.end(), pid) == taken.end()) {
            state.windowsPid = pid;
            return true;
          }
        }
        return !state.child.Running();
      },
      0ms);
}

fs::path E2eSession::StagePelorin(const StagedFiles& files) const {
  fs::path exe = stageDir_ / "Pelorin.exe";
  fs::copy_file(WineEnvironment::PelorinExe(), exe, fs::copy_options::overwrite_existing);
  for (const auto& [name, bytes] : files) WriteFile(name, bytes);
  return exe;
}

Program E2eSession::StartPelorin(const StagedFiles& files, const OwnPrefix& prefix) {
  std::shared_ptr<Program::State> state = Spawn(StagePelorin(files), {}, {}, prefix.Env());
  state->ownProbe = std::make_shared<const Probe>(prefix.Env());
  FindWindowsProcess(*state);
  Program program(state);
  program.SetMainWindow({.title = "Pelorin"});
  return program;
}

Program E2eSession::StartPelorin(const StagedFiles& files) {
  Program program = Start(StagePelorin(files));
  program.SetMainWindow({.title = "Pelorin"});
  return program;
}

Program E2eSession::StartHelper(const std::string& name, const std::vector<std::string>& arguments) {
  return Start(WineEnvironment::HelperFile(name), arguments);
}

fs::path E2eSession::WriteFile(const fs::path& relative, std::string_view bytes) const {
  fs::path path = stageDir_ / relative;
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
  return path;
}

std::string E2eSession::ReadFile(const fs::path& relative) const {
  fs::path path = stageDir_ / relative;
  if (!fs::exists(path)) throw std::runtime_error(path.string() + " does not exist");
  return ReadAll(path);
}

bool E2eSession::FileExists(const fs::path& relative) const { return fs::exists(stageDir_ / relative); }

fs::path E2eSession::StageHelper(const std::string& name, const fs::path& relative) const {
  fs::path path = stageDir_ / (relative.empty() ? fs::path(name) : relative);
  fs::create_directories(path.parent_path());
  fs::copy_file(WineEnvironment::HelperFile(name), path, fs::copy_options::overwrite_existing);
  return path;
}

std::vector<Record> E2eSession::WaitForLogRecords(const fs::path& log, std::size_t count, Milliseconds timeout) const {
  std::vector<Record> records;
  if (!PollUntil(timeout, [&] {
        records = ParseRecords(ReadAll(log));
        return records.size() >= count;
      })) {
    throw std::runtime_error(std::to_string(records.size()) + " of " + std::to_string(count) + " records in " +
                             log.string() + " after " + std::to_string(timeout.count()) + " ms");
  }
  return records;
}

std::vector<LaunchRecord> E2eSession::WaitForLaunches(const fs::path& recorder, std::size_t count,
                                                      Milliseconds timeout) const {
  std::vector<LaunchRecord> launches;
  for (const Record& record : WaitForLogRecords(fs::path(recorder).replace_extension(".log"), count, timeout)) {
    launches.push_back({.exe = record.Text("exe"),
                        .commandLine = record.Text("command_line"),
                        .folder = record.Text("folder"),
                        .usesShowWindow = record.Bool("uses_show_window"),
                        .showCommand = static_cast<int>(record.Int("show_command"))});
  }
  return launches;
}

Window E2eSession::WaitForWindow(const WindowQuery& query, Milliseconds timeout) const {
  auto windows = probe_.FindWindows(query, 0, timeout);
  if (windows.empty()) {
    throw std::runtime_error("no " + Describe(query) + " within " + std::to_string(timeout.count()) +
                             " ms; top-level windows:" + List(probe_.FindWindows({}, 0)));
  }
  return windows.front();
}

std::vector<Window> E2eSession::Windows(const WindowQuery& query) const { return probe_.FindWindows(query, 0); }

void E2eSession::WaitUntilGone(const Window& window, Milliseconds timeout) const {
  if (!probe_.WaitGone(window.hwnd, timeout)) {
    std::ostringstream text;
    text << "still there after " << timeout.count() << " ms: " << window;
    throw std::runtime_error(text.str());
  }
}

Window E2eSession::WaitForTrayWindow(Milliseconds timeout) const {
  return WaitForWindow({.title = "Wine System Tray", .className = "__winex11_standalone_tray"}, timeout);
}

std::vector<Window> E2eSession::Children(const Window& parent) const { return probe_.Children(parent.hwnd); }

Window E2eSession::Child(const Window& parent, int id) const {
  auto children = Children(parent);
  for (const Window& child : children) {
    if (child.id == id) return child;
  }
  throw std::runtime_error("no child with id " + std::to_string(id) + "; children:" + List(children));
}

void E2eSession::Close(const Window& window) const { probe_.Close(window.hwnd); }

void E2eSession::Answer(const DialogBox& dialog, int buttonId) const {
  probe_.PressButton(dialog.window.hwnd, buttonId);
  WaitUntilGone(dialog.window);
}

void E2eSession::Answer(const DialogBox& dialog, const std::string& buttonCaption) const {
  probe_.PressButton(dialog.window.hwnd, buttonCaption);
  WaitUntilGone(dialog.window);
}

void E2eSession::DropFiles(const Window& target, const std::vector<std::string>& files, int x, int y,
                           bool wide) const {
  probe_.Drop(target.hwnd, files, x, y, wide);
}

void E2eSession::Type(const Window& control, const std::string& text) const { probe_.Type(control.hwnd, text); }
std::string E2eSession::GetText(const Window& control) const { return probe_.GetText(control.hwnd); }
void E2eSession::SetText(const Window& control, const std::string& text) const { probe_.SetText(control.hwnd, text); }
void E2eSession::PostKeys(const Window& window, const std::vector<std::string>& keys) const {
  probe_.PostKeys(window.hwnd, keys);
}

fs::path E2eSession::Screenshot(const Window& window, const std::string& name) const {
  fs::path file = screenshotDir_ / (name + ".png");
  desktop_.SaveScreenshot(file, window.rect);
  return file;
}

fs::path E2eSession::ScreenshotScreen(const std::string& name) const {
  fs::path file = screenshotDir_ / (name + ".png");
  desktop_.SaveScreenshot(file, std::nullopt);
  return file;
}

}  // namespace e2e
