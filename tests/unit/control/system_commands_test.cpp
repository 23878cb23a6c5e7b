// The control window's system commands and the shutdown countdown.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "control/shutdown_countdown.h"
#include "control_fixture.h"

namespace {

namespace uit = ui::test;
using platform::headless::ShellCall;
using pelorin::TForm10;

// Picks an entry of the control window's menu as the user does.
void PickFromMenu(test::ControlFixture& f, const std::string& entry) {
  uit::Script script(f.Ui);
  script.ExpectPopup("Form5.PopupMenu1", uit::Pick(entry));
  uit::Release(f.Control(), ui::MouseButton::Right, {200, 38});
  script.Done();
}

TEST(SystemCommands, EachMenuEntryMakesItsShellCall) {
  test::ControlFixture f(1);
  f.Fakes.Shell.SetSpecialFolder(platform::kFolderPersonal, "C:\\My Documents");
  const std::optional<std::string> none;
  const std::string empty;
  const std::vector<std::pair<std::string, ShellCall>> cases = {
      {"Open1", {"Form5", "Open", "Control.exe", "", none, 5}},
      {"S1", {"Form5", "Open", "Control.exe", "Sysdm.cpl", none, 5}},
      {"I1", {"Form5", "Open", "Control.exe", "Inetcpl.cpl", none, 5}},
      {"N2", {"Form5", "Open", "Control.exe", "Appwiz.cpl", none, 5}},
      {"P1", {"Form5", "Open", "EXPLORER.EXE", "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}", empty, 5}},
      {"N7", {"Form5", "Open", "EXPLORER.EXE", "::{208D2C60-3AEA-1069-A2D7-08002B30309D}", empty, 5}},
      {"M1", {"Form5", "Explore", "C:\\My Documents", "", empty, 5}},
  };
  for (const auto& [entry, call] : cases) {
    SCOPED_TRACE(entry);
    f.Fakes.Shell.ClearCalls();
    PickFromMenu(f, entry);
    EXPECT_EQ(f.Fakes.Shell.Calls(), std::vector<ShellCall>{call});
  }
}

TEST(SystemCommands, RecycleBinFileSearchAndAMissingDocumentsFolder) {
  test::ControlFixture f(1);
  f.Fakes.Log.Clear();
  PickFromMenu(f, "N8");
  EXPECT_EQ(f.Fakes.Log.CallsStartingWith("EmptyRecycleBin"), std::vector<std::string>{"EmptyRecycleBin owner=Form5"});

  PickFromMenu(f, "F1");
  EXPECT_EQ(f.Fakes.Dde.Commands(), std::vector<std::string>{"Folders|AppProperties|[FindFolder(\"C:\\\")]"});

  // No Explorer on an empty path.
  f.Fakes.Shell.ClearCalls();
  PickFromMenu(f, "M1");
  EXPECT_TRUE(f.Fakes.Shell.Calls().empty());
}

// The countdown as the user sees it: the digit after each second, then
// what the user does at the given second (nullopt: lets it run out).
struct CountdownRun {
  std::vector<std::string> digits;
  std::string message;
  bool canHideInside = true;
  bool savedBeforeShown = false;
};

CountdownRun RunCountdown(test::ControlFixture& f, const std::string& entry, std::optional<int> cancelAfter) {
  CountdownRun run;
  f.Fakes.Log.Clear();
  uit::Script script(f.Ui);
  script.ExpectPopup("Form5.PopupMenu1", uit::Pick(entry));
  script.ExpectModal("Form10", [&](ui::Form&) {
    TForm10& countdown = f.App.ShutdownCountdown();
    run.message = countdown.Label1.Caption();
    run.canHideInside = f.State().CanHide;
    run.savedBeforeShown = !f.Fakes.Log.CallsStartingWith("MoveOver").empty();
    run.digits.push_back(countdown.Label2.Caption());
    for (int second = 1; countdown.Visible(); ++second) {
      if (cancelAfter == second - 1) {
        uit::ClickButton(countdown.Button1);
        break;
      }
      uit::AdvanceClock(f.Ui, TForm10::kStepMs);
      if (countdown.Visible()) run.digits.push_back(countdown.Label2.Caption());
    }
  });
  uit::Release(f.Control(), ui::MouseButton::Right, {200, 38});
  script.Done();
  return run;
}

TEST(ShutdownCountdown, RunsOutAfterFiveSecondsAndEndsTheSession) {
  struct Case {
    const char* entry;
    bool nt;
    std::vector<std::string> calls;
    const char* message;
  };
  const std::vector<Case> cases = {
      {"N4", true, {"EnableShutdownPrivilege", "EndSession 8"}, "秒後にWindowsを終了します"},
      {"N4", false, {"EndSession 1"}, "秒後にWindowsを終了します"},
      {"N5", true, {"EnableShutdownPrivilege", "EndSession 2"}, "秒後にWindowsを再起動します"},
      {"N5", false, {"EndSession 2"}, "秒後にWindowsを再起動します"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::string(k.entry) + (k.nt ? " NT" : " 9x"));
    test::ControlFixture f(1);
    f.Fakes.System.SetNtFamily(k.nt);
    const CountdownRun run = RunCountdown(f, k.entry, std::nullopt);
    // The deadline and the last step fall together; the deadline's timer was made first.
    EXPECT_EQ(run.digits, (std::vector<std::string>{"５", "４", "３", "２", "１"}));
    EXPECT_EQ(run.message, k.message);
    EXPECT_FALSE(run.canHideInside);
    EXPECT_TRUE(run.savedBeforeShown);
    EXPECT_TRUE(f.App.ShutdownCountdown().Confirmed());
    EXPECT_TRUE(f.App.ShutdownCountdown().TopMost());
    std::vector<std::string> calls = f.Fakes.Log.Calls();
    std::erase_if(calls, [](const std::string& call) { return !call.starts_with("En"); });
    EXPECT_EQ(calls, k.calls);
    EXPECT_TRUE(f.State().CanHide);
  }
}

TEST(ShutdownCountdown, CancelAtAnySecondEndsNothingButTheFilesAreWritten) {
  test::ControlFixture f(1);
  for (int second = 0; second < TForm10::kSeconds; ++second) {
    SCOPED_TRACE(second);
    const CountdownRun run = RunCountdown(f, "N4", second);
    EXPECT_EQ(run.digits.size(), static_cast<std::size_t>(second + 1));
    EXPECT_TRUE(run.savedBeforeShown);
    EXPECT_FALSE(f.App.ShutdownCountdown().Confirmed());
    EXPECT_TRUE(f.Fakes.Log.CallsStartingWith("EndSession").empty());
    EXPECT_TRUE(f.State().CanHide);
    // Nothing of the countdown runs on after it closed.
    EXPECT_FALSE(f.App.ShutdownCountdown().Timer1.Running());
    EXPECT_FALSE(f.App.ShutdownCountdown().Timer2.Running());
  }
  // Each showing starts again at ５.
  EXPECT_EQ(RunCountdown(f, "N5", 0).digits, std::vector<std::string>{"５"});
}

}  // namespace
