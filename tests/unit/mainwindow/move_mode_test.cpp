// Move mode: picking, swapping and moving items, also across panels, and
// entering and leaving the mode.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/data_files.h"
#include "itemdialogs/data_change_dialog.h"
#include "main_window_fixture.h"
#include "platform/headless/fake_icons.h"

namespace {

namespace uit = ui::test;
using platform::headless::FakeIconDescription;
using pelorin::LauncherState;

constexpr char kIconFile[] = "C:\\Windows\\system32\\shell32.dll";

// Panel 0 holds A, B, E, D (B shows icon 3 of a file), panel 1 "サブ" holds
// X, Y; move mode is on. The helpers act as the user does.
class MoveWorld {
 public:
  explicit MoveWorld(const std::function<void(LauncherState&)>& vary = {}) {
    LauncherState state = test::DefaultState();
    state.AddPanel("サブ");
    for (const char* name : {"A", "B", "E", "D"}) state.AppendItem(0, f.Item(std::string("C:\\Items\\") + name));
    for (const char* name : {"X", "Y"}) state.AppendItem(1, f.Item(std::string("C:\\Items\\") + name));
    state.Item(0, 1).IconPath = kIconFile;
    state.Item(0, 1).IconNumber = 3;
    f.Fakes.Icons.SetIconCount(kIconFile, 10);
    if (vary) vary(state);
    f.StartWith(state);
    ToggleMoveMode();
  }

  // The names of a panel's items, blank-separated.
  std::string Order(int panel) {
    std::string order;
    for (int slot = 0; slot < State().PanelItemCount[panel]; ++slot) order += (slot ? " " : "") + State().Item(panel, slot).FileName;
    return order;
  }
  void Press(int slot) {
    uit::MoveMouse(*Main().Images[slot], {3, 3});
    uit::Click(*Main().Images[slot], ui::MouseButton::Left, {3, 3});
  }
  void ClickBackground() { uit::Click(Main(), ui::MouseButton::Left, {150, 100}); }
  // What the control window does when it switches panels.
  void SwitchTo(int panel) {
    State().CurrentPanel = static_cast<std::uint8_t>(panel);
    Main().RefreshPanel();
  }
  // The right-click menu on button `slot` (or the background, -1), answered by user.
  void Menu(const std::string& menu, uit::PopupUser user, int slot = 0) {
    uit::Script script(f.Ui);
    script.ExpectPopup(menu, std::move(user));
    if (slot >= 0) uit::MoveMouse(*Main().Images[slot], {3, 3});
    uit::Click(slot >= 0 ? static_cast<ui::Control&>(*Main().Images[slot]) : Main(), ui::MouseButton::Right, {3, 3});
    script.Done();
  }
  // In through the main menu, out through the move menu.
  void ToggleMoveMode() { Main().MoveMode ? Menu("MovePopup", uit::Pick("N10")) : Menu("PopupMenu1", uit::Pick("N4")); }
  std::string DataFiles() { return f.DataFile(pelorin::kPanelFileName) + f.DataFile(pelorin::kItemFileName); }
  std::string Saved() { return pelorin::FormatPanelFile(State()) + pelorin::FormatItemFile(State()); }
  bool Marked(int slot) {
    const auto& image = *Main().Images[slot];
    const auto& bevel = *Main().Bevels[slot];
    return image.Left() == bevel.Left() + 3 && image.Top() == bevel.Top() + 3 && bevel.Style() == ui::BevelStyle::Lowered;
  }
  // The shown panel's buttons look normal and show their items' icons.
  void ExpectButtonsShowTheirItems() {
    const int panel = State().CurrentPanel;
    for (int slot = 0; slot < State().PanelItemCount[panel]; ++slot) {
      SCOPED_TRACE("button of slot " + std::to_string(slot));
      const auto& item = State().Item(panel, slot);
      EXPECT_EQ(FakeIconDescription(Main().Images[slot]->Picture()),
                item.IconNumber == 0 ? "shell:" + item.IconPath : item.IconPath + "," + std::to_string(item.IconNumber));
      EXPECT_EQ(Main().Images[slot]->Left(), Main().Bevels[slot]->Left() + 2);
      EXPECT_EQ(Main().Bevels[slot]->Style(), ui::BevelStyle::Raised);
    }
  }

  LauncherState& State() { return f.App.State(); }
  pelorin::TForm1& Main() { return f.Main(); }

  test::MainWindowFixture f;
};

TEST(MoveMode, EnteringAndLeavingSaveAndShowTheModeInTheTitleAndTheMenu) {
  MoveWorld w;
  EXPECT_EQ(w.Main().Caption(), "Pelorin -Move Mode-");
  EXPECT_TRUE(w.Main().PopupMenu1.Items().Find("N4")->Checked());
  EXPECT_FALSE(w.State().CanHide);
  std::vector<std::string> captions;
  w.Menu("MovePopup", [&](const uit::PopupRecord& menu) {
    for (const auto& entry : menu.entries) captions.push_back(entry.caption);
    return std::string();
  });
  EXPECT_EQ(captions, (std::vector<std::string>{"選択中のアイテムを編集(&E)", "-", "コントロールウィンドウを表示(&C)",
                                                "移動・編集を終了する(&U)"}));
  w.Press(0);
  w.Press(2);
  ASSERT_NE(w.DataFiles(), w.Saved());

  w.ToggleMoveMode();
  EXPECT_EQ(w.Main().Caption(), "Pelorin");
  EXPECT_FALSE(w.Main().PopupMenu1.Items().Find("N4")->Checked());
  EXPECT_TRUE(w.State().CanHide);
  EXPECT_EQ(w.DataFiles(), w.Saved());
  // Entering saves as well: a change still in memory reaches the files.
  w.State().PanelItemCount[1] = 1;
  w.ToggleMoveMode();
  EXPECT_EQ(w.DataFiles(), w.Saved());
}

TEST(MoveMode, PicksSwapAndMoveWithinAndAcrossPanelsAndSaveOnlyWhenLeaving) {
  enum Kind { Press, Background, Switch };
  struct Case {
    std::string name;
    std::vector<std::pair<Kind, int>> steps;
    std::string panel0, panel1;
  };
  const std::pair<Kind, int> background{Background, 0};
  const std::vector<Case> cases = {
      {"swap in the panel", {{Press, 1}, {Press, 3}}, "A D E B", "X Y"},
      {"to the end of the panel", {{Press, 1}, background}, "A E D B", "X Y"},
      {"the last one to the end", {{Press, 3}, background}, "A B E D", "X Y"},
      {"to the end of another panel", {{Press, 1}, {Switch, 1}, background}, "A E D", "X Y B"},
      {"swap across panels", {{Press, 1}, {Switch, 1}, {Press, 1}}, "A Y E D", "X B"},
      {"swap into the picked panel", {{Switch, 1}, {Press, 0}, {Switch, 0}, {Press, 2}}, "A B X D", "E Y"},
      {"pressed twice", {{Press, 1}, {Press, 1}}, "A B E D", "X Y"},
      {"a refresh keeps the pick", {{Press, 0}, {Switch, 1}, {Switch, 0}, {Press, 2}}, "E B A D", "X Y"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MoveWorld w;
    const std::string entered = w.DataFiles();
    for (const auto& [kind, arg] : c.steps) {
      if (kind == Press) w.Press(arg);
      if (kind == Background) w.ClickBackground();
      if (kind == Switch) w.SwitchTo(arg);
    }
    EXPECT_EQ(w.Order(0) + " | " + w.Order(1), c.panel0 + " | " + c.panel1);
    EXPECT_FALSE(w.Main().PickPending);
    w.ExpectButtonsShowTheirItems();
    EXPECT_EQ(w.DataFiles(), entered) << "nothing is saved in move mode";
    EXPECT_TRUE(w.f.Fakes.Shell.Calls().empty()) << "nothing is launched in move mode";
    w.ToggleMoveMode();
    EXPECT_EQ(w.DataFiles(), w.Saved());
  }
}

TEST(MoveMode, ThePickMarkIsThePressedLookAndShowsOnThePickedPanelOnly) {
  MoveWorld w;
  w.Press(1);
  EXPECT_EQ(w.Main().Images[1]->Bounds(), (ui::Rect{37 + 3, 3, 32, 32}));
  EXPECT_TRUE(w.Marked(1));
  EXPECT_FALSE(w.Marked(0) || w.Marked(2) || w.Marked(3));
  w.SwitchTo(1);
  EXPECT_EQ(w.Main().Bevels[1]->Style(), ui::BevelStyle::Raised);
  w.SwitchTo(0);
  EXPECT_TRUE(w.Marked(1));
  w.Press(1);
  EXPECT_FALSE(w.Marked(1));
}

TEST(MoveMode, AFullPanelRefusesTheMoveAndTheMenuOnItsBackground) {
  MoveWorld w([](LauncherState& state) { state.MaxLine = 4; });
  w.SwitchTo(1);
  w.Press(0);
  w.SwitchTo(0);
  {
    uit::Script script(w.f.Ui);
    auto refused = script.ExpectMessageBox(platform::MessageResult::Ok);
    auto menuRefused = script.ExpectMessageBox(platform::MessageResult::Ok);
    w.ClickBackground();
    // The pick has ended: a second click moves nothing and says nothing.
    w.ClickBackground();
    uit::Click(w.Main(), ui::MouseButton::Right, {150, 100});
    script.Done();
    EXPECT_EQ(refused.Text(), "これ以上ワークスペースにアイテムを登録できません");
    EXPECT_EQ(menuRefused.Text(), refused.Text());
  }
  EXPECT_EQ(w.Order(0) + " | " + w.Order(1), "A B E D | X Y");
  w.Menu("MovePopup", uit::Dismiss(), 2);
  EXPECT_FALSE(w.State().CanHide);
}

TEST(MoveMode, APickWhoseItemHasGoneOrAPressBeyondTheItemsMovesNothing) {
  const auto deleted = [](MoveWorld& w) {
    w.Press(3);
    w.f.Fakes.Files.RemoveFile("C:\\Items\\D");
    uit::Script script(w.f.Ui);
    script.ExpectMessageBox(platform::MessageResult::Ok);
    w.SwitchTo(0);
    script.Done();
  };
  const auto panelRemoved = [](MoveWorld& w) {
    w.SwitchTo(1);
    w.Press(1);
    w.SwitchTo(0);
    w.State().DeletePanel(1);
  };
  const auto press = [](MoveWorld& w) { w.Press(0); };
  const auto background = [](MoveWorld& w) { w.ClickBackground(); };
  struct Case {
    std::string name;
    std::function<void(MoveWorld&)> pickAndLose, end;
  };
  const std::vector<Case> cases = {
      {"deleted by a refresh, then a press", deleted, press},
      {"deleted by a refresh, then a background click", deleted, background},
      {"its panel removed, then a press", panelRemoved, press},
      {"its panel removed, then a background click", panelRemoved, background},
      // The pointer has not crossed a button of the new panel: slot 3 is still selected.
      {"a press on a slot beyond the shown items", [](MoveWorld& w) { w.Press(3); w.SwitchTo(1); },
       [](MoveWorld& w) { uit::Click(*w.Main().Images[0], ui::MouseButton::Left, {3, 3}); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MoveWorld w;
    c.pickAndLose(w);
    const std::string before = w.Order(0) + " | " + w.Order(1);
    c.end(w);
    EXPECT_EQ(w.Order(0) + " | " + w.Order(1), before);
    EXPECT_FALSE(w.Main().PickPending);
    w.ExpectButtonsShowTheirItems();
  }
}

TEST(MoveMode, EditTheSelectedItemInTheDataChangeDialog) {
  MoveWorld w;
  pelorin::TForm11& dialog = w.f.App.DataChangeDialog();
  const auto edit = [&](std::function<void(ui::Form&)> user) {
    uit::Script script(w.f.Ui);
    script.ExpectPopup("MovePopup", uit::Pick("E1"));
    script.ExpectModal("Form11", std::move(user));
    uit::MoveMouse(*w.Main().Images[1], {3, 3});
    uit::Click(*w.Main().Images[1], ui::MouseButton::Right, {3, 3});
    script.Done();
  };
  const std::string before = w.DataFiles();
  edit([&](ui::Form&) {
    EXPECT_EQ(dialog.Fields.FileHint.Text(), "hint of B");
    EXPECT_TRUE(dialog.Button2.Enabled());
    // The preview is a copy of the button's icon, not the button's own.
    EXPECT_EQ(FakeIconDescription(dialog.Fields.SampleIcon.Picture()), std::string(kIconFile) + ",3");
    EXPECT_NE(dialog.Fields.SampleIcon.Picture().Get(), w.Main().Images[1]->Picture().Get());
    uit::Type(dialog.Fields.FileHint, "renamed");
    uit::ClickButton(dialog.Button2);
  });
  EXPECT_EQ(w.DataFiles(), before) << "cancel writes nothing";
  edit([&](ui::Form&) {
    uit::Type(dialog.Fields.FileHint, "renamed");
    uit::ClickButton(dialog.Button1);
  });
  EXPECT_EQ(w.State().Item(0, 1).FileHint, "renamed");
  EXPECT_EQ(w.DataFiles(), w.Saved());
  EXPECT_EQ(FakeIconDescription(w.Main().Images[1]->Picture()), std::string(kIconFile) + ",3");
  // A slot remembered from a panel with more items holds nothing to edit here.
  uit::MoveMouse(*w.Main().Images[3], {3, 3});
  w.SwitchTo(1);
  w.Menu("MovePopup", uit::Pick("E1"), -1);
}

TEST(MoveMode, LeavingEndsThePickAndAPressLaunchesAgain) {
  MoveWorld w;
  w.Press(1);
  w.ToggleMoveMode();
  EXPECT_FALSE(w.Main().PickPending);
  EXPECT_FALSE(w.Marked(1));
  w.ClickBackground();
  EXPECT_EQ(w.Order(0), "A B E D");
  EXPECT_EQ(w.DataFiles(), w.Saved());
  w.Press(1);
  EXPECT_EQ(w.f.Fakes.Shell.Calls().size(), 1u);
}

TEST(MoveMode, EdgeHidingStaysOffForTheWholeOfMoveMode) {
  MoveWorld w([](LauncherState& state) { state.ClShow = false; });
  const std::vector<std::pair<std::string, std::function<void()>>> interruptions = {
      {"a dismissed menu", [&] { w.Menu("MovePopup", uit::Dismiss()); }},
      {"a refresh", [&] { w.SwitchTo(1); }},
      {"a move and its refresh", [&] { w.Press(0); w.ClickBackground(); }},
      {"the window shown again", [&] { w.Main().Hide(); w.Main().Show(); }},
      {"the control window from the menu", [&] { w.Menu("MovePopup", uit::Pick("C1")); }},
  };
  for (const auto& [name, interruption] : interruptions) {
    SCOPED_TRACE(name);
    interruption();
    EXPECT_FALSE(w.State().CanHide);
  }
  EXPECT_TRUE(w.f.App.ControlWindow().Visible());
  w.ToggleMoveMode();
  EXPECT_TRUE(w.State().CanHide);
}

}  // namespace
