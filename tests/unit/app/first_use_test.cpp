// Which windows the program makes at start-up, and dialogs whose first use
// comes from outside the main window.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control/control_fixture.h"
#include "control/shutdown_countdown.h"
#include "core/hotkey_text.h"
#include "tray/tray_window.h"

namespace {

namespace uit = ui::test;

std::vector<std::string> FormsWithWindows(const ui::Application& app) {
  std::vector<std::string> names;
  for (const ui::Form* form : app.Forms()) {
    if (form->HasWindow()) names.push_back(form->Name());
  }
  return names;
}

TEST(FirstUse, AfterStartUpOnlyTheMainControlAndTrayFormsHaveWindows) {
  for (const bool clShow : {false, true}) {
    SCOPED_TRACE(clShow);
    pelorin::LauncherState state = test::DefaultState();
    state.ClShow = clShow;
    state.TaskCheck = true;
    test::ControlFixture f(1, 0, state);
    EXPECT_EQ(FormsWithWindows(f.Ui), clShow ? (std::vector<std::string>{"Form1", "Form5", "Form7"})
                                             : (std::vector<std::string>{"Form1", "Form7"}));
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
    ASSERT_FALSE(countdown.HasWindow());

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
    EXPECT_FALSE(countdown.Visible());
    EXPECT_TRUE(f.Fakes.Log.CallsStartingWith("EndSession").empty()) << "cancelled";
  }
}

}  // namespace
