// Pelorin.exe started in a folder without data files: it takes the first-run
// defaults, comes up at the default places without a tray icon, and writes
// all three files when it exits.

#include <set>
#include <string>

#include "harness/e2e.h"
#include "startup/startup_support.h"

namespace e2e {
namespace {

TEST(FirstRun, ComesUpAtTheDefaultPlacesAndWritesTheDefaultDataFilesOnExit) {
  E2eSession s;
  // An icon left by another program would make "no tray icon" meaningless.
  ASSERT_TRUE(WaitUntilNoTrayIcon(s));

  Program app = s.StartPelorin();
  Window main = WaitForMainWindowAt(app, kFirstRunMainRect);
  EXPECT_EQ(main.client.Width(), 186);
  EXPECT_EQ(main.client.Height(), 112);
  EXPECT_EQ(main.exStyle & kAcceptsFiles, kAcceptsFiles) << "the main window takes dropped files";
  s.Screenshot(main, "main-window");

  Window control = WaitForControlWindow(app, main);
  EXPECT_EQ(control.rect.left, kFirstRunControlLeft);
  EXPECT_EQ(control.rect.top, kFirstRunControlTop);
  s.Screenshot(control, "control-window");
  s.ScreenshotScreen("screen");

  // The tray icon is added before the main window shows, so it would be there by now.
  EXPECT_TRUE(s.Windows(kTrayWindowQuery).empty()) << "a first run has no tray icon";
  EXPECT_TRUE(app.Dialogs().empty());

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);

  EXPECT_EQ(CrLfLines(s.ReadFile("svp.pld")), FirstRunPanelLines());
  EXPECT_EQ(s.ReadFile("svf.itd"), "");
  EXPECT_EQ(CrLfLines(s.ReadFile("opt.dat")), FirstRunOptionLines());
  EXPECT_EQ(FilesIn(s.StageDir()), (std::set<std::string>{"Pelorin.exe", "opt.dat", "svf.itd", "svp.pld"}))
      << "nothing else is left beside the exe";
}

}  // namespace
}  // namespace e2e
