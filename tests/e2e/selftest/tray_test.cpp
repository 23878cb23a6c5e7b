// Wine's notification area on a bare display, and a real pointer click on
// an icon there (xdotool), which reaches the icon's callback.

#include "harness/e2e.h"

namespace e2e {
namespace {

// tray_icon.exe's exit status: the message's offset from WM_MOUSEFIRST.
constexpr int kRightButtonDown = 0x204 - 0x200;

TEST(Tray, AClickOnAnIconReachesItsOwner) {
  E2eSession s;
  Program program = s.StartHelper("tray_icon.exe");
  Window tray = s.WaitForTrayWindow();
  EXPECT_EQ(tray.rect.left, 0);
  EXPECT_EQ(tray.rect.top, 0);
  s.Screenshot(tray, "tray");

  // The first icon's slot starts at the client area's origin.
  s.Click(tray.client.left + 8, tray.client.top + 8, 3);
  EXPECT_EQ(program.WaitForExit(), kRightButtonDown);
}

}  // namespace
}  // namespace e2e
