#pragma once
// What the start-up tests share: the data files as lines, Pelorin's windows
// as a user sees them, and the facts of a first run.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "harness/e2e.h"

namespace e2e {

// Wine's frame around a tool window's client area (Managed=N).
inline constexpr int kToolFrameWidth = 6;
inline constexpr int kToolFrameHeight = 22;

// WS_EX_ACCEPTFILES: the window takes files dropped from the shell.
inline constexpr std::uint32_t kAcceptsFiles = 0x10;

// Every window of Pelorin has this class; the application's hidden owner
// window is also titled "Pelorin" but has the class below.
inline const WindowQuery kMainWindowQuery{.title = "Pelorin", .className = "PelorinForm"};
inline const WindowQuery kApplicationWindowQuery{
    .title = "Pelorin", .className = "PelorinApplication", .includeHidden = true};
inline const WindowQuery kTrayWindowQuery{.title = "Wine System Tray", .className = "__winex11_standalone_tray"};

// Where a first run puts the two windows: main 186 x 112 client (five by
// three cells), outer 192 x 134 with the frame.
inline const Rect kFirstRunMainRect{111, 89, 111 + 192, 89 + 134};
inline constexpr int kFirstRunControlLeft = 253;
inline constexpr int kFirstRunControlTop = 109;

// The outer rectangle of the main window at left, top with perRow x rows cells.
Rect MainWindowRect(int left, int top, int perRow, int rows);


// Names of the files in folder.
std::set<std::string> FilesIn(const std::filesystem::path& folder);

// The 21 lines of svp.pld after a first run.
std::vector<std::string> FirstRunPanelLines();
// The 31 lines of opt.dat after a first run that left the windows where they came up.
std::vector<std::string> FirstRunOptionLines();

// Lines of opt.dat by their number (1..31) in the table of options.
enum class OptionLine : int {
  ShowLine = 1,
  IcLine = 2,
  MaxLine = 3,
  PopFolder = 4,
  ClShow = 11,
  TaskCheck = 17,
  MainTop = 25,
  MainLeft = 26,
  ControlTop = 27,
  ControlLeft = 28,
  AlphaMain = 29,
  AlphaBar = 31,
};
std::string& Option(std::vector<std::string>& lines, OptionLine line);

// The main window once it is visible.
Window WaitForMainWindow(const Program& app);
// The main window once it has reached rect (placed and laid out by its
// first show); throws with what it was instead.
Window WaitForMainWindowAt(const Program& app, const Rect& rect);
// Visible windows of Pelorin besides the main window: the control window
// when it is shown (its title may be the clock).
std::vector<Window> OtherVisibleForms(const Program& app, const Window& main);
Window WaitForControlWindow(const Program& app, const Window& main);
// The application's owner window: visible, it is the taskbar entry.
Window ApplicationWindow(const Program& app);
// Whether Wine's tray window is hidden (it holds no icon) within the
// default timeout; an icon of a program that just ended may take a moment
// to go.
bool WaitUntilNoTrayIcon(const E2eSession& s);

// The X property _NET_WM_WINDOW_OPACITY of the visible X window titled
// title, as Wine sets it for a translucent window; nothing when unset.
std::optional<std::uint32_t> XOpacity(const std::string& title);

}  // namespace e2e
