// The start after a first run: the options now say TaskCheck, so Pelorin
// lives in the notification area and has no taskbar entry.

#include <string>
#include <vector>

#include "harness/e2e.h"
#include "startup/startup_support.h"

namespace e2e {
namespace {

// WS_EX_TOOLWINDOW keeps a window off the taskbar.
constexpr std::uint32_t kToolWindow = 0x80;

TEST(SecondRun, ShowsTheTrayIconAndNoTaskbarEntry) {
  E2eSession s;
  ASSERT_TRUE(WaitUntilNoTrayIcon(s));
  {
    Program firstRun = s.StartPelorin();
    WaitForMainWindowAt(firstRun, kFirstRunMainRect);
    EXPECT_TRUE(s.Windows(kTrayWindowQuery).empty()) << "a first run has no tray icon";
    firstRun.Close();
    ASSERT_EQ(firstRun.WaitForExit(), 0);
  }
  std::vector<std::string> saved = CrLfLines(s.ReadFile("opt.dat"));
  ASSERT_EQ(saved.size(), 31u);
  ASSERT_EQ(Option(saved, OptionLine::TaskCheck), "TRUE");

  Program app = s.Start(s.StageDir() / "Pelorin.exe");
  app.SetMainWindow(kMainWindowQuery);
  Window main = WaitForMainWindowAt(app, kFirstRunMainRect);
  s.Screenshot(main, "main-window");
  Window control = WaitForControlWindow(app, main);
  s.Screenshot(control, "control-window");

  Window tray = s.WaitForTrayWindow();
  s.Screenshot(tray, "tray");
  s.ScreenshotScreen("screen");

  Window owner = ApplicationWindow(app);
  EXPECT_FALSE(owner.visible) << "no taskbar entry: " << owner;
  EXPECT_EQ(owner.exStyle & kToolWindow, kToolWindow) << owner;

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
  EXPECT_TRUE(WaitUntilNoTrayIcon(s)) << "no icon is left after the exit";
}

}  // namespace
}  // namespace e2e
