// The control window's system commands, the tray icon and the global hot
// keys as a user works them, and the clock and memory gauge it shows.

#include <regex>
#include <string>
#include <vector>

#include "harness/e2e.h"
#include "mainwindow/support.h"

namespace e2e::mainwindow {
namespace {

const std::regex kClock(R"(\d{4}/\d{1,2}/\d{1,2} \d{1,2}:\d{2}:\d{2})");

// opt.dat replaced behind the launcher's back: it is whole again only once
// the launcher has written its files.
void SpoilOptionFile(const E2eSession& s) { s.WriteFile("opt.dat", "spoilt"); }
bool OptionFileWritten(const E2eSession& s) { return CrLfLines(s.ReadFile("opt.dat")).size() == 31; }

TEST(SystemCommands, TheCountdownFromTheMenuCancelledKeepsTheLauncherWithItsFilesWritten) {
  E2eSession s;
  ParkPointer(s);
  Program app = s.StartPelorin(DataFiles({}, {.clShow = true, .controlLeft = 400}));
  Window control = app.WaitForWindow({.title = "Control Window"});
  SpoilOptionFile(s);

  s.Click(control.client.left + 200, control.client.top + 38, 3);
  app.PickMenuItem("Windowsの終了(&U)");
  app.PickMenuItem("シャットダウン(&S)");
  // Cancelled at once: five seconds later it would end every program of the shared prefix.
  Window countdown = app.WaitForWindow({.title = "Windowsの終了"});
  s.Click(countdown.client.left + 176, countdown.client.top + 40);
  WaitUntilHidden(app, "Windowsの終了");
  EXPECT_EQ(countdown.client.Width(), 219);
  EXPECT_EQ(countdown.client.Height(), 54);
  EXPECT_TRUE(OptionFileWritten(s));
  EXPECT_TRUE(app.Running());

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

// ExitWindowsEx ends every program of its prefix: this launcher runs in a
// prefix of its own and is driven through X alone.
TEST(SystemCommands, TheCountdownFromTheHotKeyRunsOutAndEndsTheSession) {
  E2eSession s;
  ParkPointer(s);
  OwnPrefix prefix(s.StageDir() / "prefix");
  Options options{.taskCheck = false};
  options.hotKeys[4] = "Ctrl+Alt+E";
  Program app = s.StartPelorin(DataFiles({}, options), prefix);
  // The prefix's first program starts Wine's services there first.
  Await("the main window", [&] { return s.Screen().ShowsWindow("Pelorin"); }, 30s);
  SpoilOptionFile(s);

  s.Screen().PressKeys("ctrl+alt+e", "Pelorin");
  Await("the countdown", [&] { return s.Screen().ShowsWindow("Windowsの終了"); });
  s.ScreenshotScreen("countdown");
  EXPECT_TRUE(OptionFileWritten(s));
  app.WaitForExit(15s);
  EXPECT_TRUE(OptionFileWritten(s));
}

TEST(TrayIcon, BringsTheMainWindowForwardOpensItsMenuAndEndsTheLauncher) {
  E2eSession s;
  ParkPointer(s);
  const std::string tool = s.WindowsPath(s.StageHelper("launch_recorder.exe", "items/tool.exe"));
  Program app = s.StartPelorin(DataFiles({ItemFor(tool)}));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  const Grid grid(main, 5);
  const Pixels uncovered = WaitForPixels(s, main, "main", [&](const Pixels& p) { return ShowsIcon(p, grid, 0); });
  const auto iconShows = [&](const Pixels& p) { return p.SameIn(uncovered, ImageRect(grid, 0)); };
  Window tray = s.WaitForTrayWindow();
  const Point icon{tray.client.left + 8, tray.client.top + 8};

  // Another program's window in front of the first slot.
  Program other = s.StartHelper("minimal_window.exe", {"--stay", "1"});
  other.WaitForWindow({.title = "minimal_window"});
  WaitForPixels(s, main, "covered", [&](const Pixels& p) { return !iconShows(p); });
  s.Click(icon.x, icon.y);
  WaitForPixels(s, main, "in-front", iconShows);
  other.Close();

  s.Click(icon.x, icon.y, 3);
  const std::vector<PopupMenu> menus = app.WaitForPopupMenus();
  std::vector<std::string> entries;
  for (const MenuItem& item : menus.back().items) entries.push_back(item.separator ? "-" : item.text);
  EXPECT_EQ(entries, (std::vector<std::string>{"Windowsシャットダウン", "Windowsリブート", "-", "Pelorinを終了する",
                                               "キャンセル"}));
  s.ScreenshotScreen("tray-menu");
  app.PickMenuItem("キャンセル");
  EXPECT_TRUE(app.Running());

  SpoilOptionFile(s);
  s.Click(icon.x, icon.y, 3);
  app.PickMenuItem("Pelorinを終了する");
  EXPECT_EQ(app.WaitForExit(), 0);
  EXPECT_TRUE(OptionFileWritten(s));
  // Wine's tray window stays; the icon's place is empty again.
  WaitForPixels(s, tray, "tray-empty", [&](const Pixels& p) {
    const Rgb background = p.At(tray.client.right - 2, tray.client.bottom - 2);
    for (int y = tray.client.top; y < tray.client.top + 20; ++y) {
      for (int x = tray.client.left; x < tray.client.left + 24; ++x) {
        if (p.At(x, y) != background) return false;
      }
    }
    return true;
  });
}

// Ctrl+Alt with a function key switches virtual terminals in X's keymap
// and never reaches Wine: the hot keys here use letters.
TEST(HotKeys, CtrlAltKOpensTheControlPanel) {
  E2eSession s;
  ParkPointer(s);
  Options options;
  options.hotKeys[0] = "Ctrl+Alt+K";
  Program app = s.StartPelorin(DataFiles({}, options));
  app.WaitForWindow({.title = "Pelorin"});
  const WindowQuery controlPanel{.title = "Wine コントロール パネル"};
  const WindowsCloser closer(s, controlPanel);

  s.Screen().PressKeys("ctrl+alt+k", "Pelorin");
  s.WaitForWindow(controlPanel);

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

TEST(ControlWindowGauges, TheTitleFollowsTheClockAndTheMemoryGaugeShowsItsFigures) {
  E2eSession s;
  ParkPointer(s);
  Program app = s.StartPelorin(DataFiles({}, {.clShow = true, .time = true, .controlLeft = 400}));
  const auto clockTitle = [&](std::string* title) {
    for (const Window& window : app.Windows({.className = "PelorinForm"})) {
      if (std::regex_match(window.title, kClock)) {
        *title = window.title;
        return true;
      }
    }
    return false;
  };
  std::string first, later;
  Await("the clock in the control window's title", [&] { return clockTitle(&first); });
  Await("the clock going on", [&] { return clockTitle(&later) && later != first; });
  Window control = app.WaitForWindow({.title = later});
  s.Screenshot(control, "control-window-with-clock-and-gauge");

  // The memory gauge's tip, with the system's thousands separators.
  s.MoveMouse(control.client.left + 200, control.client.top + 30);
  const std::regex hint(R"(メモリ使用率 : \d{1,3}(,\d{3})*KB / \d{1,3}(,\d{3})*KB)");
  std::string seen;
  Await("the memory gauge's tip", [&] {
    for (const Window& tip : app.Windows({.className = "tooltips_class32"})) {
      seen = tip.title;
      if (std::regex_match(seen, hint)) return true;
    }
    return false;
  });
  s.ScreenshotScreen("memory-tip");
  ParkPointer(s);

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

}  // namespace
}  // namespace e2e::mainwindow
