// The control window's clock and gauges on the NowTime tick.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control/free_res.h"
#include "control/resource_figures.h"
#include "control_fixture.h"

namespace {

namespace uit = ui::test;
using pelorin::TForm5;
using platform::MemoryStatus;

constexpr std::uint64_t kKB = 1024;

pelorin::LauncherState WithDisplay(bool memSysShow, bool time) {
  pelorin::LauncherState state = test::DefaultState();
  state.MemSysShow = memSysShow;
  state.Time = time;
  return state;
}

void Tick(test::ControlFixture& f) { uit::AdvanceClock(f.Ui, 500); }

TEST(Gauges, MemoryGaugeAndHintFromTheSystemsFigures) {
  test::ControlFixture f(1, 0, WithDisplay(true, false));
  TForm5& c = f.Control();
  struct Case {
    MemoryStatus memory;
    int percent;
    const char* hint;
  };
  const std::vector<Case> cases = {
      {{262144 * kKB, 131072 * kKB}, 50, "メモリ使用率 : 131,072KB / 262,144KB"},
      // Above 4 GB nothing is clipped.
      {{16ull << 30, 4ull << 30}, 75, "メモリ使用率 : 4,194,304KB / 16,777,216KB"},
      // Halves of a kilobyte round to even.
      {{1000 * kKB + 512, 999 * kKB + 512}, 1, "メモリ使用率 : 1,000KB / 1,000KB"},
      // Too small a total to divide by, and more available than total: no division by zero, no wrap.
      {{99 * kKB, 50 * kKB}, 0, "メモリ使用率 : 50KB / 99KB"},
      {{1000 * kKB, 2000 * kKB}, 0, "メモリ使用率 : 2,000KB / 1,000KB"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.hint);
    f.Fakes.System.SetMemory(k.memory);
    Tick(f);
    EXPECT_EQ(c.MemBar.Progress(), k.percent);
    EXPECT_EQ(c.MemBar.Hint(), k.hint);
  }
  // On the NT family the system-resource gauge is never touched.
  EXPECT_EQ(c.SysBar.Progress(), 0);
  EXPECT_EQ(c.SysBar.Hint(), "システムリソース使用率");
}

TEST(Gauges, SwitchedOffTheyFreezeAndTheWindowIsNarrow) {
  test::ControlFixture f(1, 0, WithDisplay(true, false));
  TForm5& c = f.Control();
  f.Fakes.System.SetMemory({262144 * kKB, 131072 * kKB});
  Tick(f);
  f.State().MemSysShow = false;
  f.Main().ApplyAppearance();
  f.Fakes.System.SetMemory({262144 * kKB, 0});
  Tick(f);
  EXPECT_EQ(c.MemBar.Progress(), 50);
  EXPECT_EQ(c.Width(), TForm5::kNarrowWidth);
}

TEST(Clock, TheTitleFollowsTheClockOrSaysControlWindow) {
  test::ControlFixture f(1, 0, WithDisplay(false, true));
  TForm5& c = f.Control();
  f.Fakes.System.SetNow({2026, 12, 8, 9, 5, 7, 250});
  Tick(f);
  EXPECT_EQ(c.Caption(), "2026/12/08 9:05:07");
  f.Fakes.System.SetNow({2026, 12, 8, 9, 5, 8, 0});
  Tick(f);
  EXPECT_EQ(c.Caption(), "2026/12/08 9:05:08");
  // Exactly midnight shows the date alone.
  f.Fakes.System.SetNow({2026, 12, 9, 0, 0, 0, 0});
  Tick(f);
  EXPECT_EQ(c.Caption(), "2026/12/09");
  f.State().Time = false;
  Tick(f);
  EXPECT_EQ(c.Caption(), "Control Window");
}

TEST(Gauges, SystemResourcesOnThe9xFamily) {
  test::ControlFixture f(1, 0, WithDisplay(true, false));
  f.Fakes.System.SetNtFamily(false);
  f.Fakes.Kernel16.freePercent = 64;
  f.Fakes.Log.Clear();
  Tick(f);
  EXPECT_EQ(f.Control().SysBar.Progress(), 36);
  EXPECT_EQ(f.Control().SysBar.Hint(), "システムリソース使用率 : 36%");
  // The 16-bit User.exe and the library of the thunk are released again.
  EXPECT_EQ(f.Fakes.Log.CallsStartingWith("Free"),
            (std::vector<std::string>{"FreeLibrary32 loaded", "FreeLibrary16 8007"}));
}

TEST(Gauges, EachFreeResourcesFailureIsReportedOnceWithTheModulesReleased) {
  struct Case {
    const char* text;
    void (*breakIt)(platform::headless::FakeKernel16&);
    std::vector<std::string> released;
  };
  const std::vector<Case> cases = {
      {"Faild to call User.exe", [](auto& k) { k.module16 = 2; }, {"FreeLibrary16 2"}},
      {"Faild to call function", [](auto& k) { k.procedure = 0; }, {"FreeLibrary16 8007"}},
      {"Faild to call Kernel32.dll", [](auto& k) { k.libraryLoads = false; }, {"FreeLibrary16 8007"}},
      {"Faild to call QT_Thunk", [](auto& k) { k.thunkFound = false; }, {"FreeLibrary32 loaded", "FreeLibrary16 8007"}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.text);
    test::ControlFixture f(1, 0, WithDisplay(true, false));
    f.Fakes.System.SetNtFamily(false);
    k.breakIt(f.Fakes.Kernel16);
    f.Fakes.Log.Clear();
    uit::Script script(f.Ui);
    auto box = script.ExpectMessageBox(platform::MessageResult::Ok);
    Tick(f);
    Tick(f);
    script.Done();
    EXPECT_EQ(box.Text(), k.text);
    EXPECT_EQ(box.Caption(), "Pelorin");
    EXPECT_EQ(f.Fakes.Log.CallsStartingWith("Free"), k.released);
    // The memory gauge goes on.
    EXPECT_GT(f.Control().MemBar.Progress(), 0);
  }
}

}  // namespace
