// The control window's controls, menu, activation, translucency and appearance.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "control_fixture.h"

namespace {

namespace uit = ui::test;
using pelorin::TForm5;

TEST(ControlWindow, TheArrowRowAndTheListAreSetUp) {
  test::ControlFixture f(1);
  TForm5& c = f.Control();
  // TwoStep lies above the inner arrows of Up and Down (the tab order stacks them).
  const auto& order = c.TabOrder();
  const auto at = [&](ui::WinControl& control) { return std::find(order.begin(), order.end(), &control) - order.begin(); };
  EXPECT_LT(at(c.TwoStep), at(c.Up));
  EXPECT_LT(at(c.TwoStep), at(c.Down));
  EXPECT_FALSE(c.PlName.TabStop());
  EXPECT_TRUE(c.PlName.Flat());
  EXPECT_EQ(c.PlName.ItemHeight(), 12);
  EXPECT_TRUE(c.PlName.AutoDropDown());
  EXPECT_EQ(c.NowTime.Interval(), 500u);
  EXPECT_TRUE(c.NowTime.Running());
}

TEST(ControlWindow, TheMenuOpensWithTheFlagsDownExceptOverAlphaBar) {
  test::ControlFixture f(3);
  TForm5& c = f.Control();
  uit::Activate(c);
  ASSERT_TRUE(c.ControlActive);
  ASSERT_FALSE(f.State().CanHide);
  struct Case {
    const char* what;
    std::function<void()> open;
    bool activeInside;
  };
  const std::vector<Case> cases = {
      {"window", [&] { uit::Release(c, ui::MouseButton::Right, {200, 38}); }, false},
      {"Index", [&] { uit::Release(c.Index, ui::MouseButton::Right, {2, 2}); }, false},
      {"PlName", [&] { uit::RightClickForMenu(c.PlName, {5, 5}); }, false},
      {"Up", [&] { uit::RightClickForMenu(c.Up, {5, 5}); }, false},
      {"TwoStep", [&] { uit::RightClickForMenu(c.TwoStep, {5, 5}); }, false},
      {"Down", [&] { uit::RightClickForMenu(c.Down, {5, 5}); }, false},
      {"AlphaBar", [&] { uit::RightClickForMenu(c.AlphaBar, {5, 5}); }, true},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.what);
    uit::Script script(f.Ui);
    std::optional<bool> activeInside, canHideInside;
    auto popup = script.ExpectPopup("Form5.PopupMenu1", [&](const uit::PopupRecord&) {
      activeInside = c.ControlActive;
      canHideInside = f.State().CanHide;
      return std::string();
    });
    uit::Release(c, ui::MouseButton::Left, {200, 38});
    k.open();
    script.Done();
    EXPECT_EQ(activeInside, k.activeInside);
    EXPECT_EQ(canHideInside, false);
    EXPECT_EQ(popup.Shown().position, f.Ui.CursorPos());
    EXPECT_TRUE(c.ControlActive);
    EXPECT_TRUE(f.State().CanHide);
    f.App.Hiding().Clear();
  }
}

TEST(ControlWindow, TheMenuHoldsTheSystemCommandsAndTranslucency) {
  test::ControlFixture f(1);
  uit::Script script(f.Ui);
  auto popup = script.ExpectPopup("Form5.PopupMenu1", uit::Dismiss());
  uit::Release(f.Control(), ui::MouseButton::Right, {200, 38});
  script.Done();
  // Each entry as name:caption, followed by its sub-entries in brackets.
  std::function<std::string(const std::vector<uit::MenuEntryRecord>&)> tree = [&](const auto& entries) {
    std::string text;
    for (const auto& e : entries) text += " " + e.name + ":" + e.caption + (e.items.empty() ? "" : " [" + tree(e.items) + " ]");
    return text;
  };
  EXPECT_EQ(tree(popup.Shown().entries),
            " N3:コントロールパネル(&C) [ Open1:コントロールパネルを開く(&O) N1:- S1:システムのプロパティ(&S)"
            " I1:インターネットオプション(&I) N2:アプリケーションの追加と削除(&A) ]"
            " Windows1:Windowsの終了(&U) [ N4:シャットダウン(&S) N5:再起動(&R) ] F1:ファイルの検索(&F)"
            " P1:マイコンピュータ(&P) M1:マイドキュメント(&D) N7:ネットワークフォルダ(&N) N8:ごみ箱を空にする(&B) N6:-"
            " H1:半透明化設定(&H) [ N9:コントロールウィンドウ(&C) M2:メインウィンドウ(&M) ]");
}

TEST(ControlWindow, ActiveItHoldsHidingOffUntilThePointerIsOffToASide) {
  test::ControlFixture f(1);
  TForm5& c = f.Control();
  uit::Activate(c);
  EXPECT_TRUE(c.ControlActive);
  EXPECT_FALSE(f.State().CanHide);
  const int right = c.Left() + c.Width();
  struct Case {
    const char* what;
    ui::Point pointer;
    bool canHide;
  };
  for (const Case& k : std::vector<Case>{{"on the right edge", {right, c.Top() + 5}, false},
                                         {"far below, not to a side", {c.Left() + 5, 700}, false},
                                         {"left of it", {c.Left() - 1, c.Top() + 5}, true},
                                         {"right of it", {right + 1, c.Top() + 5}, true}}) {
    SCOPED_TRACE(k.what);
    f.App.Hiding().Clear();
    uit::SetCursor(f.Ui, k.pointer);
    uit::AdvanceClock(f.Ui, 500);
    EXPECT_EQ(f.State().CanHide, k.canHide);
  }
  uit::ActivateOtherProgram(f.Ui);
  EXPECT_FALSE(c.ControlActive);
  EXPECT_TRUE(f.State().CanHide);
  // Inactive, the tick leaves the flag alone.
  f.App.Hiding().Clear();
  uit::AdvanceClock(f.Ui, 500);
  EXPECT_FALSE(f.State().CanHide);
}

TEST(ControlWindow, ThePointerOverItRaisesIt) {
  test::ControlFixture f(1);
  TForm5& c = f.Control();
  for (ui::Control* over : std::vector<ui::Control*>{&c, &c.Index, &c.Up, &c.TwoStep, &c.Down}) {
    SCOPED_TRACE(over->Name());
    uit::ClearPeerUpdates(c);
    uit::MoveMouse(*over, {1, 1});
    const auto& updates = uit::PeerUpdates(c);
    EXPECT_NE(std::find(updates.begin(), updates.end(), ui::Property::ZOrder), updates.end());
  }
}

TEST(ControlWindow, TranslucencyAsTheOptionsAndTheSystemHaveIt) {
  struct Case {
    const char* what;
    bool available, alphaControl, alphaMain;
    std::optional<std::uint8_t> alpha;
    bool barEnabled;
  };
  for (const Case& k : std::vector<Case>{{"on, level 100", true, true, false, 170, true},
                                         {"off", true, false, true, 255, false},
                                         {"no layered windows", false, true, true, std::nullopt, true}}) {
    SCOPED_TRACE(k.what);
    pelorin::LauncherState state = test::DefaultState();
    state.AlphaControl = k.alphaControl, state.AlphaMain = k.alphaMain, state.AlphaBar = 100;
    test::MainWindowFixture f;
    uit::SetTranslucencyAvailable(f.Ui, k.available);
    f.StartWith(state);
    TForm5& c = f.App.ControlWindow();
    EXPECT_EQ(c.Alpha(), k.alpha);
    EXPECT_EQ(c.AlphaBar.Enabled(), k.barEnabled);
    EXPECT_EQ(c.AlphaBar.Visible(), k.available);
    EXPECT_EQ(c.SysBar.Visible(), !k.available);
    EXPECT_EQ(c.AlphaBar.Position(), k.alphaControl && k.available ? 100 : 185);
    ui::MenuItem& h1 = *c.PopupMenu1.Items().Find("H1");
    EXPECT_EQ(h1.Visible(), k.available);
    EXPECT_EQ(h1.Find("N9")->Checked(), k.available && k.alphaControl);
    EXPECT_EQ(h1.Find("M2")->Checked(), k.available && k.alphaMain);
  }
}

TEST(ControlWindow, AlphaBarSetsTheLevelAndShowsItOnTheMemoryGauge) {
  struct Case {
    const char* what;
    int from;
    ui::SpinArrow arrow;
    int level, gauge;
  };
  for (const Case& k : std::vector<Case>{{"down to 0", 1, ui::SpinArrow::Down, 0, 0},
                                         {"up to 185", 184, ui::SpinArrow::Up, 185, 100},
                                         {"beyond 0", 0, ui::SpinArrow::Down, 0, 7},
                                         {"beyond 185", 185, ui::SpinArrow::Up, 185, 7}}) {
    SCOPED_TRACE(k.what);
    pelorin::LauncherState state = test::DefaultState();
    state.AlphaBar = k.from;
    test::ControlFixture f(1, 0, state);
    TForm5& c = f.Control();
    // The end of the range moves nothing, so the gauge keeps its figure.
    c.MemBar.SetProgress(7);
    uit::ClickArrow(c.AlphaBar, k.arrow);
    EXPECT_EQ(c.MemBar.Progress(), k.gauge);
    EXPECT_EQ(c.Alpha(), std::optional<std::uint8_t>(k.level + 70));
    EXPECT_EQ(f.State().AlphaBar, k.level);
    EXPECT_TRUE(c.NowTime.Running());
  }
}

TEST(ControlWindow, TheTranslucencyEntriesSwitchAtOnce) {
  pelorin::LauncherState state = test::DefaultState();
  state.AlphaBar = 100;
  test::ControlFixture f(1, 0, state);
  TForm5& c = f.Control();
  const auto pick = [&](const char* entry) {
    uit::Script script(f.Ui);
    script.ExpectPopup("Form5.PopupMenu1", uit::Pick(entry));
    uit::Release(c, ui::MouseButton::Right, {200, 38});
    script.Done();
  };
  pick("N9");
  EXPECT_EQ(c.Alpha(), std::optional<std::uint8_t>(255));
  EXPECT_FALSE(c.AlphaBar.Enabled());
  EXPECT_FALSE(f.State().AlphaControl);
  pick("N9");
  EXPECT_EQ(c.Alpha(), std::optional<std::uint8_t>(255));
  EXPECT_TRUE(f.State().AlphaControl);
  uit::ClickArrow(c.AlphaBar, ui::SpinArrow::Down);
  EXPECT_EQ(c.Alpha(), std::optional<std::uint8_t>(169));

  EXPECT_EQ(f.Main().Alpha(), std::nullopt);
  pick("M2");
  EXPECT_EQ(f.Main().Alpha(), std::optional<std::uint8_t>(200));
  EXPECT_TRUE(f.State().AlphaMain);
  pick("M2");
  EXPECT_EQ(f.Main().Alpha(), std::optional<std::uint8_t>(255));
  EXPECT_FALSE(f.State().AlphaMain);
}

TEST(ControlWindow, AppearanceColoursTheWindowTheListAndTheLabel) {
  pelorin::LauncherState state = test::DefaultState();
  state.ControlColor = 0x0000FF00;
  state.FontName = "ＭＳ ゴシック";
  state.FontColor = 0x00123456;
  state.MemSysShow = false;
  test::ControlFixture f(1, 0, state);
  TForm5& c = f.Control();
  EXPECT_EQ(c.Color(), 0x0000FF00);
  EXPECT_EQ(c.PlName.Color(), 0x0000FF00);
  for (ui::Control* text : std::vector<ui::Control*>{&c.PlName, &c.Index}) {
    SCOPED_TRACE(text->Name());
    EXPECT_EQ(text->Font().name, "ＭＳ ゴシック");
    EXPECT_EQ(text->Font().color, 0x00123456);
    EXPECT_EQ(text->Font().height, 12);
  }
  EXPECT_EQ(c.Width(), TForm5::kNarrowWidth);
  // Switched on again, the gauges are seen at once.
  f.State().MemSysShow = true;
  f.Main().ApplyAppearance();
  EXPECT_EQ(c.ClientSize().width, 226);
}

}  // namespace
