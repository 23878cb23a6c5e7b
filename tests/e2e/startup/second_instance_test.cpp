// A second copy of Pelorin started while one runs ends at once, silently;
// the running copy goes on as before.

#include <sstream>
#include <string>
#include <vector>

#include "harness/e2e.h"
#include "startup/startup_support.h"

namespace e2e {
namespace {

// The program's visible windows as a user sees them: which, of what kind,
// place and size (not the titles: the control window's shows the clock).
std::string VisibleWindows(const Program& app) {
  std::ostringstream text;
  for (const Window& window : app.Windows()) {
    text << window.hwnd << " " << window.className << " " << window.rect << " client " << window.client << "\n";
  }
  return text.str();
}

TEST(SecondCopy, EndsAtOnceWithoutAWindowAndLeavesTheFirstRunning) {
  E2eSession s;
  Program first = s.StartPelorin();
  Window main = WaitForMainWindowAt(first, kFirstRunMainRect);
  WaitForControlWindow(first, main);
  const std::string before = VisibleWindows(first);

  // The same exe in the same folder, as a user would start it again.
  Program second = s.Start(first.Exe());
  EXPECT_EQ(second.WaitForWindowOrExit({.includeHidden = true}), std::nullopt)
      << "the second copy creates no window, not even a hidden one";
  EXPECT_EQ(second.WaitForExit(), 0);
  s.ScreenshotScreen("screen-after-second-copy");

  EXPECT_TRUE(first.Running());
  EXPECT_EQ(VisibleWindows(first), before) << "the first copy's windows are unchanged";
  EXPECT_TRUE(first.Dialogs().empty());
  // Had the second copy run and ended, it would have saved.
  EXPECT_FALSE(s.FileExists("svp.pld"));

  first.Close();
  EXPECT_EQ(first.WaitForExit(), 0);
  EXPECT_EQ(CrLfLines(s.ReadFile("svp.pld")), FirstRunPanelLines());
  EXPECT_EQ(s.ReadFile("svf.itd"), "");
  EXPECT_EQ(CrLfLines(s.ReadFile("opt.dat")), FirstRunOptionLines());
}

}  // namespace
}  // namespace e2e
