// Switching panels with the control window's arrows and name list, and the
// navigation following the number of panels.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "control_fixture.h"

namespace {

namespace uit = ui::test;
using ui::SpinArrow;
using pelorin::TForm5;

// The four arrows the row shows, left to right.
void Previous(TForm5& c) { uit::ClickArrow(c.Up, SpinArrow::Down); }
void First(TForm5& c) { uit::ClickArrow(c.TwoStep, SpinArrow::Down); }
void Last(TForm5& c) { uit::ClickArrow(c.TwoStep, SpinArrow::Up); }
void Next(TForm5& c) { uit::ClickArrow(c.Down, SpinArrow::Up); }

// The navigation shows panel k of count.
void ExpectShowing(test::ControlFixture& f, int k, int count) {
  TForm5& c = f.Control();
  EXPECT_EQ(f.State().CurrentPanel, k);
  EXPECT_EQ(c.Index.Caption(), "Index : " + std::to_string(k));
  EXPECT_EQ(c.PlName.ItemIndex(), k);
  EXPECT_EQ(c.PlName.Items().size(), static_cast<size_t>(count));
  EXPECT_EQ(c.Up.Position(), k);
  EXPECT_EQ(c.Down.Position(), k);
  EXPECT_EQ(c.Up.Max(), count - 1);
  EXPECT_EQ(c.Down.Max(), count - 1);
  EXPECT_EQ(c.TwoStep.Max(), count / 2);
  EXPECT_EQ(c.TwoStep.Position(), count > 1 ? 1 : 0);
}

TEST(Navigation, ArrowsAndNamesStayWithinThePanels) {
  struct Case {
    const char* what;
    int panels, from;
    std::function<void(TForm5&)> act;
    int to;
  };
  const std::vector<Case> cases = {
      {"one panel: next", 1, 0, Next, 0},
      {"one panel: last", 1, 0, Last, 0},
      {"one panel: first", 1, 0, First, 0},
      {"previous at panel 0", 3, 0, Previous, 0},
      {"next", 3, 0, Next, 1},
      {"previous", 3, 2, Previous, 1},
      {"next at the last panel", 3, 2, Next, 2},
      {"two panels: first", 2, 1, First, 0},
      {"two panels: last cannot move", 2, 0, Last, 0},
      {"three panels: last cannot move", 3, 1, Last, 1},
      {"four panels: last", 4, 0, Last, 3},
      {"four panels: first", 4, 3, First, 0},
      {"ten panels: last", 10, 2, Last, 9},
      {"a chosen name", 4, 0, [](TForm5& c) { uit::SelectRow(c.PlName, 2); }, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::ControlFixture f(c.panels, c.from);
    f.Main().HoverSlot(0);
    c.act(f.Control());
    ExpectShowing(f, c.to, c.panels);
    EXPECT_EQ(f.ShownItems(), c.to + 1);
    // A switch takes the hover frame out of sight; a click that moves nothing leaves it.
    EXPECT_EQ(f.Main().Bar_l.Top(), c.to != c.from ? 200 : 0);
  }
}

TEST(Navigation, FollowsPanelsAddedAndDeleted) {
  test::ControlFixture f(3, 2);
  pelorin::LauncherState& state = f.State();
  struct Step {
    const char* what;
    std::function<void()> change;
    int count, current;
  };
  const std::vector<Step> steps = {
      {"two added", [&] { state.AddPanel("P3"), state.AddPanel("P4"); }, 5, 2},
      {"the current one and those after it deleted", [&] { state.DeletePanel(4), state.DeletePanel(3), state.DeletePanel(2); }, 2, 1},
      {"down to one", [&] { state.DeletePanel(0); }, 1, 0},
      {"three added", [&] { state.AddPanel("Q1"), state.AddPanel("Q2"), state.AddPanel("Q3"); }, 4, 0},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.what);
    s.change();
    f.Control().UpdateNavigationRange();
    ExpectShowing(f, s.current, s.count);
  }
  EXPECT_EQ(f.Control().PlName.Items(), (std::vector<std::string>{"P1", "Q1", "Q2", "Q3"}));
  // Grown from a single panel, both arrows of TwoStep work again.
  Last(f.Control());
  ExpectShowing(f, 3, 4);
  First(f.Control());
  ExpectShowing(f, 0, 4);
}

TEST(Navigation, AFirstRunCoversTheDefaultPanel) {
  test::AppFixture f;
  ASSERT_TRUE(f.StartAndShow());
  TForm5& c = f.App.ControlWindow();
  EXPECT_EQ(c.PlName.Items(), std::vector<std::string>{"ワークスペース"});
  for (auto act : {Next, Last, First, Previous}) act(c);
  EXPECT_EQ(f.App.State().CurrentPanel, 0);
  EXPECT_EQ(c.PlName.ItemIndex(), 0);
  EXPECT_EQ(c.Index.Caption(), "Index : 0");
  EXPECT_EQ(c.Down.Max(), 0);
  EXPECT_EQ(c.TwoStep.Max(), 0);
}

TEST(Navigation, AFirstShowingAfterStartUpFillsItOnce) {
  pelorin::LauncherState state = test::DefaultState();
  state.ClShow = false;
  test::ControlFixture f(2, 1, state);
  TForm5& c = f.Control();
  ASSERT_FALSE(c.Visible());
  f.State().AddPanel("Late");
  uit::Activate(f.Main());
  uit::KeyPress(f.Main(), 'c');
  ExpectShowing(f, 1, 3);
  // Later showings keep what the controls hold.
  c.Hide();
  f.State().AddPanel("Later");
  c.Show();
  EXPECT_EQ(c.PlName.Items().size(), 3u);
}

}  // namespace
