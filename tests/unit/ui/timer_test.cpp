// Timers on the virtual clock.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/testing.h"
#include "platform/ui/timer.h"

namespace {

namespace uit = ui::test;
using ui::Property;

class TimerTest : public ::testing::Test {
 protected:
  TimerTest() {
    fast.onTimer = [this] { ticks.push_back("fast@" + std::to_string(uit::Now(app))); };
    slow.onTimer = [this] { ticks.push_back("slow@" + std::to_string(uit::Now(app))); };
  }

  ui::Application app;
  ui::Form form{app, "Form1", "Pelorin", ui::BorderStyle::ToolWindow};
  ui::Timer fast{form, "TipTimer"};
  ui::Timer slow{form, "NowTime"};
  std::vector<std::string> ticks;
};

TEST_F(TimerTest, TimersFireInTimeOrderAndTiesInCreationOrder) {
  fast.SetInterval(300);
  slow.SetInterval(500);
  uit::AdvanceClock(app, 1499);
  uit::AdvanceClock(app, 1);
  EXPECT_EQ(ticks, (std::vector<std::string>{"fast@300", "slow@500", "fast@600", "fast@900", "slow@1000",
                                             "fast@1200", "fast@1500", "slow@1500"}));
}

TEST_F(TimerTest, ANewTimerRunsEverySecond) {
  EXPECT_TRUE(fast.Running());
  uit::AdvanceClock(app, 2000);
  EXPECT_EQ(ticks, (std::vector<std::string>{"fast@1000", "slow@1000", "fast@2000", "slow@2000"}));
}

TEST_F(TimerTest, IntervalZeroOrDisabledStopsAndChangingTheIntervalRestartsFromNow) {
  slow.SetInterval(0);
  EXPECT_FALSE(slow.Running());
  uit::AdvanceClock(app, 700);
  fast.SetInterval(1000);  // unchanged: keeps its phase
  uit::AdvanceClock(app, 300);
  fast.SetInterval(500);  // changed at 1000: next tick at 1500, not 2000
  uit::AdvanceClock(app, 500);
  fast.SetEnabled(false);
  uit::AdvanceClock(app, 1000);
  fast.SetEnabled(true);  // at 2500: next tick at 3000
  uit::AdvanceClock(app, 499);
  uit::AdvanceClock(app, 1);
  EXPECT_EQ(ticks, (std::vector<std::string>{"fast@1000", "fast@1500", "fast@3000"}));
  EXPECT_EQ(uit::PeerUpdates(fast), (std::vector<Property>{Property::Interval, Property::Interval, Property::Interval}));
}

TEST_F(TimerTest, AHandlerThatChangesTheIntervalRestartsItFromTheTick) {
  slow.SetEnabled(false);
  fast.SetInterval(100);
  fast.onTimer = [this] {
    ticks.push_back("fast@" + std::to_string(uit::Now(app)));
    fast.SetInterval(fast.Interval() == 100 ? 1000 : 100);
  };
  uit::AdvanceClock(app, 1300);
  EXPECT_EQ(ticks, (std::vector<std::string>{"fast@100", "fast@1100", "fast@1200"}));
}

TEST_F(TimerTest, ATickAfterTheTimerStoppedIsDropped) {
  fast.SetInterval(0);
  fast.SignalTimer();
  EXPECT_TRUE(ticks.empty());
}

TEST_F(TimerTest, TimersKeepFiringWhileAModalFormRuns) {
  // Like the shutdown countdown: the dialog's own timer ends it.
  ui::Form countdown(app, "Form10", "Windowsの終了", ui::BorderStyle::ToolWindow);
  ui::Timer deadline(countdown, "Timer1");
  deadline.SetInterval(0);
  deadline.onTimer = [&] {
    countdown.SetModalResult(ui::ModalResult::Ok);
    countdown.Close();
  };
  uit::Script script(app);
  script.ExpectModal("Form10", [&](ui::Form&) { uit::AdvanceClock(app, 5000); });
  countdown.onShow = [&] { deadline.SetInterval(5000); };
  slow.SetEnabled(false);
  fast.SetEnabled(false);

  EXPECT_EQ(countdown.ShowModal(), ui::ModalResult::Ok);
  EXPECT_EQ(uit::Now(app), 5000u);
  EXPECT_NO_THROW(script.Done());
}

}  // namespace
