#pragma once
// The end-to-end harness as the tests use it:
//
//   E2eSession s;
//   auto app = s.StartPelorin({{"svp.pld", bytes}});
//   auto w = app.WaitForWindow({.title = "Pelorin"});
//   s.Screenshot(w, "first-run");
//   app.Close();
//   app.WaitForExit();
//
// Every wait polls a condition until a deadline (kDefaultTimeout unless
// given) and throws when it passes, with what was there instead; GoogleTest
// reports the exception as the test's failure. Texts are UTF-8.

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "harness/desktop.h"
#include "harness/locale.h"
#include "harness/own_prefix.h"
#include "harness/polling.h"
#include "harness/probe.h"
#include "harness/records.h"
#include "harness/types.h"
#include "harness/wine_environment.h"

namespace e2e {

class E2eSession;

// Files placed beside Pelorin.exe before it starts: name -> bytes (ToCp932
// turns Japanese text into the bytes Pelorin reads).
using StagedFiles = std::map<std::string, std::string>;

// A Windows program the session started. Copies refer to the same program;
// none may outlive its session.
class Program {
 public:
  int UnixPid() const;
  const std::filesystem::path& Exe() const;
  // The Windows process id; throws when the program ended before it was
  // seen running.
  std::uint32_t WindowsPid() const;
  bool Running() const;
  // Its exit status, the low 8 bits of the Windows exit code (all a Linux
  // exit status holds); throws when it still runs after timeout.
  int WaitForExit(Milliseconds timeout = kDefaultTimeout) const;
  void Kill() const;

  // A top-level window of the program; throws when the program ends first.
  Window WaitForWindow(const WindowQuery& query, Milliseconds timeout = kDefaultTimeout) const;
  // Nothing when the program ends before such a window shows.
  std::optional<Window> WaitForWindowOrExit(const WindowQuery& query, Milliseconds timeout = kDefaultTimeout) const;
  std::vector<Window> Windows(const WindowQuery& query = {}) const;
  // The window Close() closes: by default the first visible unowned one.
  void SetMainWindow(const WindowQuery& query) const;
  // Posts WM_CLOSE to the main window.
  void Close() const;

  // A message box or other #32770 dialog of the program.
  DialogBox WaitForDialog(Milliseconds timeout = kDefaultTimeout) const;
  std::vector<DialogBox> Dialogs() const;

  // The program's open popup menus, the first opened first, once one runs
  // its menu loop.
  std::vector<PopupMenu> WaitForPopupMenus(Milliseconds timeout = kDefaultTimeout) const;
  // Picks the entry text of the innermost open menu with the keys a user
  // would press (arrows, Return). An entry that opens a submenu returns
  // once the submenu is open; any other once the menus are closed.
  void PickMenuItem(const std::string& text) const;
  // Escape: closes the innermost open menu.
  void CancelMenu() const;
  // The probe that sees the program (run in its prefix).
  const Probe& GetProbe() const;

 private:
  friend class E2eSession;
  struct State;
  explicit Program(std::shared_ptr<State> state) : state_(std::move(state)) {}
  std::shared_ptr<State> state_;
};

class E2eSession {
 public:
  // Named after the running test: fresh folders
  // <build>/e2e-stage/<Suite.Test>/, e2e-logs/..., e2e-screenshots/...
  // Every Wine program of the session runs under locale.
  explicit E2eSession(const Locale& locale = kJapanese);
  // Ends every program it started; when the test failed, saves a
  // screenshot of the whole screen first.
  ~E2eSession();
  E2eSession(const E2eSession&) = delete;
  E2eSession& operator=(const E2eSession&) = delete;

  // Copies Pelorin.exe into the stage folder, files beside it, and starts it.
  Program StartPelorin(const StagedFiles& files = {});
  // The same in a prefix of the test's own, seen (windows, dialogs, menus)
  // through a probe run in that prefix.
  Program StartPelorin(const StagedFiles& files, const OwnPrefix& prefix);
  // Starts exe (a host path) under Wine with arguments, in folder (default:
  // the stage folder).
  Program Start(const std::filesystem::path& exe, const std::vector<std::string>& arguments = {},
                const std::filesystem::path& folder = {});
  // Starts a helper program of the Windows build ("minimal_window.exe").
  Program StartHelper(const std::string& name, const std::vector<std::string>& arguments = {});

  const std::filesystem::path& StageDir() const { return stageDir_; }
  // relative is inside the stage folder; folders are created.
  std::filesystem::path WriteFile(const std::filesystem::path& relative, std::string_view bytes) const;
  // Throws when the file is missing.
  std::string ReadFile(const std::filesystem::path& relative) const;
  bool FileExists(const std::filesystem::path& relative) const;
  // Copies a helper of the Windows build into the stage folder, as
  // relative (default: its own name); answers the host path of the copy.
  std::filesystem::path StageHelper(const std::string& name, const std::filesystem::path& relative = {}) const;
  static std::string WindowsPath(const std::filesystem::path& hostPath) {
    return WineEnvironment::WindowsPath(hostPath);
  }

  // The starts recorded by a staged launch_recorder copy (host path of the
  // exe), once there are at least count.
  std::vector<LaunchRecord> WaitForLaunches(const std::filesystem::path& recorder, std::size_t count,
                                            Milliseconds timeout = kDefaultTimeout) const;
  // Complete records of a helper's log file, once there are at least count.
  std::vector<Record> WaitForLogRecords(const std::filesystem::path& log, std::size_t count,
                                        Milliseconds timeout = kDefaultTimeout) const;

  // Windows of any process.
  Window WaitForWindow(const WindowQuery& query, Milliseconds timeout = kDefaultTimeout) const;
  std::vector<Window> Windows(const WindowQuery& query = {}) const;
  void WaitUntilGone(const Window& window, Milliseconds timeout = kDefaultTimeout) const;
  // Wine's notification area on a bare X display.
  Window WaitForTrayWindow(Milliseconds timeout = kDefaultTimeout) const;
  std::vector<Window> Children(const Window& parent) const;
  // The child with control id; throws when there is none.
  Window Child(const Window& parent, int id) const;

  void Close(const Window& window) const;
  // Presses the button and waits until the dialog is gone.
  void Answer(const DialogBox& dialog, int buttonId) const;
  void Answer(const DialogBox& dialog, const std::string& buttonCaption) const;
  // Drops files (Windows paths) on target as the shell does, at a point in
  // its client area: UTF-16 names, as every Windows NT shell drops them;
  // wide false: names in the system's code page, as an ANSI program drops
  // them.
  void DropFiles(const Window& target, const std::vector<std::string>& files, int x = 0, int y = 0,
                 bool wide = true) const;
  void Type(const Window& control, const std::string& text) const;
  std::string GetText(const Window& control) const;
  void SetText(const Window& control, const std::string& text) const;
  void PostKeys(const Window& window, const std::vector<std::string>& keys) const;

  const Desktop& Screen() const { return desktop_; }
  void MoveMouse(int x, int y) const { desktop_.MoveMouse(x, y); }
  void Click(int x, int y, int button = 1) const { desktop_.Click(x, y, button); }
  void DoubleClick(int x, int y) const { desktop_.DoubleClick(x, y); }

  // <build>/e2e-screenshots/<Suite.Test>/<name>.png of the window's
  // rectangle (as it is now) or of the whole screen.
  std::filesystem::path Screenshot(const Window& window, const std::string& name) const;
  std::filesystem::path ScreenshotScreen(const std::string& name) const;

  const Probe& GetProbe() const { return probe_; }
  const WineEnvironment& Environment() const { return environment_; }
  // The environment of the session's Wine programs (its locale's LANG).
  const std::vector<std::string>& Env() const { return env_; }

 private:
  friend class Program;

  // Copies Pelorin.exe and the files into the stage folder.
  std::filesystem::path StagePelorin(const StagedFiles& files) const;
  // Waits until the program shows as a Windows process (or has ended).
  void FindWindowsProcess(Program::State& state) const;
  std::shared_ptr<Program::State> Spawn(const std::filesystem::path& exe, const std::vector<std::string>& arguments,
                                        const std::filesystem::path& folder, const std::vector<std::string>& env);

  WineEnvironment& environment_;
  std::vector<std::string> env_;
  Probe probe_;
  Desktop desktop_;
  std::string testName_;
  std::filesystem::path stageDir_;
  std::filesystem::path logDir_;
  std::filesystem::path screenshotDir_;
  std::vector<std::shared_ptr<Program::State>> programs_;
};

}  // namespace e2e
