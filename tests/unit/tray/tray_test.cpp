// The tray icon with its menu, and the six global hot keys.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control/control_fixture.h"
#include "control/shutdown_countdown.h"
#include "core/hotkey_text.h"
#include "tray/tray_window.h"

namespace {

namespace uit = ui::test;
using pelorin::TForm7;

constexpr unsigned kCtrlAlt = pelorin::kModControl | pelorin::kModAlt;

pelorin::LauncherState WithTray(bool taskCheck) {
  pelorin::LauncherState state = test::DefaultState();
  state.TaskCheck = taskCheck;
  state.HotClp = "Alt+Ctrl+F1";
  state.HotMyComputer = "ctrl+alt+F2";
  state.HotSearch = "^Alt+F3";
  state.HotTrashBox = "Shift+Alt+Ctrl+F4";
  state.HotExit = "Ctrl+Alt+F5";
  state.HotReBoot = "";
  return state;
}

TEST(TrayIcon, ShownWithTaskCheckAndBackAfterTheShellRestarts) {
  for (const bool taskCheck : {true, false}) {
    SCOPED_TRACE(taskCheck);
    test::ControlFixture f(1, 0, WithTray(taskCheck));
    TForm7& tray = f.App.TrayWindow();
    EXPECT_EQ(uit::InNotificationArea(tray.TryIcon), taskCheck);
    uit::RebuildNotificationArea(f.Ui);
    EXPECT_EQ(uit::InNotificationArea(tray.TryIcon), taskCheck);
    EXPECT_FALSE(tray.Visible());
    // Hot keys are registered either way (the empty text gives none).
    EXPECT_EQ(uit::HotKeyRegistrations(f.Ui).size(), 5u);
  }
  test::ControlFixture f(1, 0, WithTray(true));
  EXPECT_EQ(f.App.TrayWindow().TryIcon.Tip(), "Pelorin 起動中");
  f.App.TrayWindow().DeleteTryIcon();
  uit::RebuildNotificationArea(f.Ui);
  EXPECT_FALSE(uit::InNotificationArea(f.App.TrayWindow().TryIcon));
}

TEST(TrayIcon, LeftClickBringsTheMainWindowForwardRightClickOpensTheMenu) {
  test::ControlFixture f(1, 0, WithTray(true));
  TForm7& tray = f.App.TrayWindow();
  uit::ActivateOtherProgram(f.Ui);
  uit::ClickTrayIcon(tray.TryIcon, ui::MouseButton::Left);
  EXPECT_TRUE(f.Main().Active());

  uit::SetCursor(f.Ui, {900, 740});
  uit::Script script(f.Ui);
  auto menu = script.ExpectPopup("TaskMemu", uit::Pick("C1"));
  uit::ClickTrayIcon(tray.TryIcon, ui::MouseButton::Right);
  script.Done();
  EXPECT_EQ(menu.Shown().position, (ui::Point{900, 740}));
  std::vector<std::string> captions;
  for (const auto& entry : menu.Shown().entries) captions.push_back(entry.caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"Windowsシャットダウン", "Windowsリブート", "-", "Pelorinを終了する",
                                                "キャンセル"}));
  // キャンセル does nothing else.
  EXPECT_FALSE(f.Ui.Terminated());
  EXPECT_TRUE(f.Fakes.Shell.Calls().empty());
}

TEST(TrayIcon, ExitRemovesTheIconWritesTheFilesAndEndsTheProgram) {
  test::ControlFixture f(1, 0, WithTray(true));
  TForm7& tray = f.App.TrayWindow();
  f.State().PanelName[0] = "Renamed";
  uit::Script script(f.Ui);
  script.ExpectPopup("TaskMemu", uit::Pick("PelorinC1"));
  uit::ClickTrayIcon(tray.TryIcon, ui::MouseButton::Right);
  script.Done();
  EXPECT_FALSE(uit::InNotificationArea(tray.TryIcon));
  EXPECT_NE(f.DataFile(pelorin::kPanelFileName).find("Renamed"), std::string::npos);
  EXPECT_TRUE(f.Ui.Terminated());
}

TEST(TrayIcon, ShutdownAndRestartRunTheCountdown) {
  for (const char* entry : {"Windows1", "Windows2"}) {
    SCOPED_TRACE(entry);
    test::ControlFixture f(1, 0, WithTray(true));
    uit::Script script(f.Ui);
    script.ExpectPopup("TaskMemu", uit::Pick(entry));
    std::string message;
    script.ExpectModal("Form10", [&](ui::Form&) {
      message = f.App.ShutdownCountdown().Label1.Caption();
      uit::ClickButton(f.App.ShutdownCountdown().Button1);
    });
    uit::ClickTrayIcon(f.App.TrayWindow().TryIcon, ui::MouseButton::Right);
    script.Done();
    EXPECT_EQ(message, std::string(entry) == "Windows1" ? "秒後にWindowsを終了します" : "秒後にWindowsを再起動します");
  }
}

TEST(HotKeys, RegisteredFromTheTextsAndBoundToTheirCommands) {
  test::ControlFixture f(1, 0, WithTray(false));
  using R = ui::headless::HotKeyRegistration;
  std::vector<std::string> registered;
  for (const R& r : uit::HotKeyRegistrations(f.Ui)) {
    registered.push_back(std::to_string(r.id) + ":" + std::to_string(r.modifiers) + ":" + std::to_string(r.virtualKey));
  }
  // Prefixes in any order and case; an empty text gives no key.
  EXPECT_EQ(registered, (std::vector<std::string>{"0:3:112", "1:3:113", "2:3:114", "3:7:115", "4:3:116"}));

  f.Fakes.Shell.ClearCalls();
  ASSERT_TRUE(uit::PressHotKey(f.Ui, kCtrlAlt, pelorin::vk::F1));
  ASSERT_TRUE(uit::PressHotKey(f.Ui, kCtrlAlt, pelorin::vk::F1 + 1));
  ASSERT_EQ(f.Fakes.Shell.Calls().size(), 2u);
  EXPECT_EQ(f.Fakes.Shell.Calls()[0].File, "Control.exe");
  EXPECT_EQ(f.Fakes.Shell.Calls()[1].Parameters, "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}");
  ASSERT_TRUE(uit::PressHotKey(f.Ui, kCtrlAlt, pelorin::vk::F1 + 2));
  EXPECT_EQ(f.Fakes.Dde.Commands().size(), 1u);
  f.Fakes.Log.Clear();
  ASSERT_TRUE(uit::PressHotKey(f.Ui, kCtrlAlt | pelorin::kModShift, pelorin::vk::F1 + 3));
  EXPECT_EQ(f.Fakes.Log.CallsStartingWith("EmptyRecycleBin").size(), 1u);

  // The shutdown key shows the same countdown, with CanHide down around it.
  uit::Script script(f.Ui);
  bool canHideInside = true;
  script.ExpectModal("Form10", [&](ui::Form&) {
    canHideInside = f.State().CanHide;
    uit::ClickButton(f.App.ShutdownCountdown().Button1);
  });
  ASSERT_TRUE(uit::PressHotKey(f.Ui, kCtrlAlt, pelorin::vk::F1 + 4));
  script.Done();
  EXPECT_FALSE(canHideInside);
  EXPECT_TRUE(f.State().CanHide);

  // An id of none of the six does nothing.
  f.Fakes.Log.Clear();
  f.App.TrayWindow().WMHotKey(6);
  EXPECT_TRUE(f.Fakes.Log.Calls().empty());
}

TEST(HotKeys, AComboTakenByAnotherProgramIsSilentlyMissing) {
  test::ControlFixture f(1);
  uit::ReserveHotKey(f.Ui, kCtrlAlt, pelorin::vk::F1 + 6);
  f.App.TrayWindow().SetHotKey("Ctrl+Alt+F7", 0);
  EXPECT_FALSE(uit::PressHotKey(f.Ui, kCtrlAlt, pelorin::vk::F1));
  EXPECT_TRUE(uit::MessageBoxesShown(f.Ui).empty());
}

}  // namespace
