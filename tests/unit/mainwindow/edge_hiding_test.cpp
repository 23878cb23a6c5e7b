// Hiding at the screen edge behind the strip, and the way back.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "mainwindow/edge_strip.h"

namespace {

namespace uit = ui::test;

// Away from both windows; the screen is 1024 x 768, the main window 192 x 134.
constexpr ui::Point kAway{512, 400};
constexpr int kBar = 3;

struct Options {
  bool ud = false, controlShown = true, wHide = true;
  std::vector<ui::Monitor> monitors = {};  // empty: one 1024 x 768 screen
};

// The primary 1024 x 768 monitor with a second one beside, left of or above it.
const ui::Monitor kPrimary{{0, 0, 1024, 768}, {0, 0, 1024, 738}};
const std::vector<ui::Monitor> kSecondRight{kPrimary, {{1024, 0, 1280, 1024}, {1024, 0, 1280, 994}}};
const std::vector<ui::Monitor> kSecondLeft{kPrimary, {{-1280, 0, 1280, 1024}, {-1280, 0, 1280, 1024}}};
const std::vector<ui::Monitor> kSecondAbove{kPrimary, {{0, -768, 1024, 768}, {0, -768, 1024, 768}}};

// Started with the main window at left, top; the control window out of the way.
struct Edge : test::MainWindowFixture {
  Edge(int left, int top, Options o = {}) {
    pelorin::LauncherState state = test::DefaultState();
    state.MainLeft = left, state.MainTop = top, state.ControlLeft = 600, state.ControlTop = 450;
    state.UD = o.ud, state.ClShow = o.controlShown, state.wHide = o.wHide, state.BarWidth = kBar;
    state.DDCheck = false, state.MainColor = 0x00336699;
    if (!o.monitors.empty()) uit::SetMonitors(Ui, o.monitors);
    StartWithItems(2, state);
    uit::SetCursor(Ui, kAway);
  }
  pelorin::TForm12& Strip() { return App.EdgeStrip(); }
  bool ControlShown() { return App.ControlWindow().Visible(); }
};

int Raises(const ui::Control& form) {
  const auto& updates = uit::PeerUpdates(form);
  return static_cast<int>(std::count(updates.begin(), updates.end(), ui::Property::ZOrder));
}

// The first tick finds the pointer gone, then the second of waiting passes.
void AwayForASecond(Edge& f) { uit::AdvanceClock(f.Ui, 1100); }
// The control window's place counts, shown or hidden.
void OnTheControlWindow(Edge& f) {
  uit::SetCursor(f.Ui, {610, 460});
  AwayForASecond(f);
}
void OnTheHiddenControlWindow(Edge& f) {
  f.App.ControlWindow().Hide();
  OnTheControlWindow(f);
}
// A click made the control window active: it holds hiding off until the
// pointer is off to its side (above or below it does not count).
void ControlActivePointerAbove(Edge& f) {
  uit::Activate(f.App.ControlWindow());
  uit::SetCursor(f.Ui, {610, 100});
  uit::AdvanceClock(f.Ui, 3000);
  EXPECT_TRUE(f.App.ControlWindow().ControlActive);
}
void ControlActivePointerBeside(Edge& f) {
  uit::Activate(f.App.ControlWindow());
  EXPECT_TRUE(f.App.ControlWindow().ControlActive);
  uit::AdvanceClock(f.Ui, 2000);
}
void UnderTheMainMenu(Edge& f) {
  uit::Script script(f.Ui);
  script.ExpectPopup("PopupMenu1", [&](const uit::PopupRecord&) {
    AwayForASecond(f);
    return std::string();
  });
  f.Main().FormMouseUp(ui::MouseButton::Right);
  script.Done();
}
void UnderADialog(Edge& f) {
  uit::Script script(f.Ui);
  script.ExpectModal("Form2", [&](ui::Form& dialog) {
    AwayForASecond(f);
    dialog.SetModalResult(ui::ModalResult::Cancel);
  });
  f.Main().N2Click();
  script.Done();
}

TEST(EdgeHiding, ANearEdgeHidesTheWindowsBehindAStripThatBringsThemBackFlush) {
  const struct {
    const char* name;
    ui::Point saved;
    Options options;
    void (*wait)(Edge&);
    ui::Rect strip;  // empty: the window stays
    ui::Point back;
  } cases[] = {
      {"left", {10, 200}, {}, AwayForASecond, {0, 200, kBar, 134}, {0, 200}},
      {"left, control hidden", {10, 200}, {.controlShown = false}, AwayForASecond, {0, 200, kBar, 134}, {0, 200}},
      {"right", {822, 300}, {}, AwayForASecond, {1024 - kBar, 300, kBar, 134}, {832, 300}},
      {"top", {400, 5}, {}, AwayForASecond, {400, 0, 192, kBar}, {400, 0}},
      {"bottom", {400, 624}, {}, AwayForASecond, {400, 768 - kBar, 192, kBar}, {400, 634}},
      {"top left, UD off", {5, 5}, {}, AwayForASecond, {0, 5, kBar, 134}, {0, 5}},
      {"top left, UD on", {5, 5}, {.ud = true}, AwayForASecond, {5, 0, 192, kBar}, {5, 0}},
      {"bottom right, UD on", {822, 624}, {.ud = true}, AwayForASecond, {822, 768 - kBar, 192, kBar}, {822, 634}},
      {"top 30", {400, 30}, {}, AwayForASecond, {}, {}},
      {"left 30", {30, 300}, {}, AwayForASecond, {}, {}},
      {"right side 30 from the edge", {802, 300}, {}, AwayForASecond, {}, {}},
      {"bottom 30 from the edge", {400, 604}, {}, AwayForASecond, {}, {}},
      {"wHide off", {10, 200}, {.wHide = false}, AwayForASecond, {}, {}},
      {"pointer on the control window", {10, 200}, {}, OnTheControlWindow, {}, {}},
      {"pointer where the hidden control window stands", {10, 200}, {}, OnTheHiddenControlWindow, {}, {}},
      {"control active, pointer above it", {10, 200}, {}, ControlActivePointerAbove, {}, {}},
      {"control active, pointer beside it", {10, 200}, {}, ControlActivePointerBeside, {0, 200, kBar, 134}, {0, 200}},
      {"under the main menu", {10, 200}, {}, UnderTheMainMenu, {}, {}},
      {"under a dialog", {10, 200}, {}, UnderADialog, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Edge f(c.saved.x, c.saved.y, c.options);
    c.wait(f);
    const bool hides = c.strip.width > 0;
    ASSERT_EQ(f.Strip().Visible(), hides);
    EXPECT_EQ(f.Main().Visible(), !hides);
    if (!hides) continue;
    EXPECT_EQ(f.Strip().Bounds(), c.strip);
    EXPECT_EQ(f.Strip().Color(), 0x00336699);
    EXPECT_FALSE(f.ControlShown());
    EXPECT_EQ(f.Main().Bar_l.Top(), 200) << "hover frame out of sight";
    // Something allows hiding meanwhile (a refresh from the tray's dialogs):
    // the window still waits for the strip, which stays on top.
    f.Main().RefreshPanel();
    uit::ClearPeerUpdates(f.Strip());
    uit::AdvanceClock(f.Ui, 10000);
    EXPECT_EQ(Raises(f.Strip()), 1);

    uit::ClearPeerUpdates(f.Main());
    uit::MoveMouse(f.Strip(), {0, 0});
    EXPECT_FALSE(f.Strip().Visible() || f.Strip().StripActive);
    ASSERT_TRUE(f.Main().Visible());
    EXPECT_EQ(Raises(f.Main()), 1);
    EXPECT_EQ(f.Main().Bounds(), (ui::Rect{c.back.x, c.back.y, 192, 134}));
    EXPECT_EQ(f.ControlShown(), c.options.controlShown);
    uit::ClearPeerUpdates(f.Strip());
    uit::AdvanceClock(f.Ui, 10000);
    EXPECT_TRUE(f.Main().Visible() && Raises(f.Strip()) == 0);
  }
}

TEST(EdgeHiding, OnSeveralMonitorsOnlyTheDesktopsOuterEdgesOfTheWindowsMonitorCount) {
  const struct {
    const char* name;
    const std::vector<ui::Monitor>& monitors;
    ui::Point saved;
    ui::Rect strip;  // empty: the window stays
    ui::Point back;
  } cases[] = {
      {"right edge of the right monitor", kSecondRight, {2102, 300}, {2304 - kBar, 300, kBar, 134}, {2112, 300}},
      {"primary's right edge, continued", kSecondRight, {822, 300}, {}, {}},
      {"right monitor's left edge below the primary", kSecondRight, {1030, 850}, {1024, 850, kBar, 134}, {1024, 850}},
      {"mostly on the right monitor, near the primary's right edge", kSecondRight, {950, 300}, {}, {}},
      {"left edge of the left monitor", kSecondLeft, {-1270, 300}, {-1280, 300, kBar, 134}, {-1280, 300}},
      {"top of the upper monitor", kSecondAbove, {400, -763}, {400, -768, 192, kBar}, {400, -768}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Edge f(c.saved.x, c.saved.y, {.monitors = c.monitors});
    ASSERT_EQ(f.Main().Bounds(), (ui::Rect{c.saved.x, c.saved.y, 192, 134}));
    AwayForASecond(f);
    const bool hides = c.strip.width > 0;
    ASSERT_EQ(f.Strip().Visible(), hides);
    if (!hides) continue;
    EXPECT_EQ(f.Strip().Bounds(), c.strip);
    uit::MoveMouse(f.Strip(), {0, 0});
    EXPECT_EQ(f.Main().Bounds(), (ui::Rect{c.back.x, c.back.y, 192, 134}));
  }
}

TEST(EdgeHiding, ThePointerMustStayAwayForAWholeSecond) {
  Edge f(10, 200);
  uit::AdvanceClock(f.Ui, 1000);
  // Back within the second: the wait starts over once it leaves again.
  uit::MoveMouse(*f.Main().Images[0], {5, 5});
  uit::AdvanceClock(f.Ui, 200);
  uit::SetCursor(f.Ui, kAway);
  uit::AdvanceClock(f.Ui, 1099);
  EXPECT_TRUE(f.Main().Visible());
  uit::AdvanceClock(f.Ui, 1);
  EXPECT_FALSE(f.Main().Visible());
}

TEST(EdgeHiding, ADropOnTheStripBringsBothWindowsBackWhereTheyWereAndRegistersIt) {
  Edge f(10, 200, {.controlShown = false});
  const std::string dropped = f.Item("C:\\In\\new.exe").FilePath;
  EXPECT_TRUE(f.Strip().TopMost() && !f.Strip().Timer1.Running());
  AwayForASecond(f);
  uit::DropFiles(f.Strip(), {dropped});
  EXPECT_FALSE(f.Strip().Visible() || f.Strip().StripActive);
  EXPECT_EQ(f.Main().Bounds(), (ui::Rect{10, 200, 192, 134}));
  EXPECT_TRUE(f.Main().Visible() && f.ControlShown());
  ASSERT_EQ(f.App.State().PanelItemCount[0], 3);
  EXPECT_EQ(f.App.State().Item(0, 2).FilePath, dropped);
  EXPECT_EQ(f.DataFile(pelorin::kItemFileName), pelorin::FormatItemFile(f.App.State()));
}

TEST(FirstShow, AWindowOnAnyMonitorKeepsItsPlaceOneOnNoneGoesIntoTheNearestWorkArea) {
  // One screen whose taskbars take 60 pixels on the left and 30 at the bottom.
  const std::vector<ui::Monitor> oneScreen{{{0, 0, 1024, 768}, {60, 0, 964, 738}}};
  const struct {
    const char* name;
    const std::vector<ui::Monitor>& monitors;
    ui::Point main, control, mainShown, controlShown;
  } cases[] = {
      {"at the edges, partly under the bars", oneScreen, {0, 634}, {792, 0}, {0, 634}, {792, 0}},
      {"one pixel on the screen", oneScreen, {-191, 767}, {1023, -62}, {-191, 767}, {1023, -62}},
      {"just beyond the right and bottom", oneScreen, {1024, 200}, {300, 768}, {832, 200}, {300, 675}},
      {"just beyond the left and top", oneScreen, {-192, 300}, {500, -63}, {60, 300}, {500, 0}},
      {"far beyond", oneScreen, {3000, 2000}, {-900, -500}, {832, 604}, {60, 0}},
      {"on the right monitor; off beyond it and off to the top left", kSecondRight, {1500, 900}, {2400, 300},
       {1500, 900}, {2304 - 232, 300}},
      {"under the primary, left of the right monitor's lower part", kSecondRight, {-500, 900}, {400, 900},
       {0, 738 - 134}, {400, 738 - 63}},
      {"on the upper monitor; far above it", kSecondAbove, {400, -500}, {400, -2000}, {400, -500}, {400, -768}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::MainWindowFixture f;
    uit::SetMonitors(f.Ui, c.monitors);
    pelorin::LauncherState state = test::DefaultState();
    state.MainLeft = c.main.x, state.MainTop = c.main.y;
    state.ControlLeft = c.control.x, state.ControlTop = c.control.y;
    f.StartWith(state);
    EXPECT_EQ(f.Main().Bounds(), (ui::Rect{c.mainShown.x, c.mainShown.y, 192, 134}));
    EXPECT_EQ(f.App.ControlWindow().Bounds(), (ui::Rect{c.controlShown.x, c.controlShown.y, 232, 63}));
  }
}

}  // namespace
