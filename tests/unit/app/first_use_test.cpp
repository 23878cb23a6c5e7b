// Which windows exist after start-up, and a modal dialog whose first use
// comes from a hot key or the tray.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control/control_fixture.h"
#include "control/shutdown_countdown.h"
#include "core/hotkey_text.h"
#include "tray/tray_window.h"

namespace {

namespace uit = ui::test;

TEST(FirstUse, AfterStartUpOnlyTheMainAndControlFormsHaveWindows) {
  for (const bool clShow : {false, true}) {
    pelorin::LauncherState state = test::DefaultState();
    state.ClShow = clShow;
    test::ControlFixture f(1, 0, state);
    std::vector<std::string> withWindows;
    for (const ui::Form* form : f.Ui.Forms()) {
      if (form->HasWindow()) withWindows.push_back(form->Name());
    }
    // The tray form's icon and hot keys need no window of its own.
    EXPECT_EQ(withWindows, clShow ? (std::vector<std::string>{"Form1", "Form5"}) : (std::vector<std::string>{"Form1"}));
  }
}

TEST(FirstUse, TheCountdownOpenedFirstByAHotKeyOrFromTheTrayWorks) {
  for (const bool fromTray : {false, true}) {
    SCOPED_TRACE(fromTray);
    pelorin::LauncherState state = test::DefaultState();
    state.TaskCheck = true;
    state.HotExit = "Ctrl+Alt+F5";
    test::ControlFixture f(1, 0, state);
    pelorin::TForm10& countdown = f.App.ShutdownCountdown();
    uit::Script script(f.Ui);
    if (fromTray) script.ExpectPopup("TaskMemu", uit::Pick("Windows1"));
    bool upWithItsWindow = false;
    script.ExpectModal("Form10", [&](ui::Form& form) {
      upWithItsWindow = form.HasWindow() && form.Active() && countdown.Button1.GetPeer() != nullptr;
      uit::ClickButton(countdown.Button1);
    });
    if (fromTray) {
      uit::ClickTrayIcon(f.App.TrayWindow().TryIcon, ui::MouseButton::Right);
    } else {
      ASSERT_TRUE(uit::PressHotKey(f.Ui, pelorin::kModControl | pelorin::kModAlt, pelorin::vk::F1 + 4));
    }
    script.Done();
    EXPECT_TRUE(upWithItsWindow);
    EXPECT_TRUE(f.Fakes.Log.CallsStartingWith("EndSession").empty()) << "cancelled";
  }
}

}  // namespace
