// The pointer, the keyboard and the main menu of the main window.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_window_fixture.h"

namespace {

namespace uit = ui::test;
using pelorin::LauncherState;
using platform::headless::ShellCall;

// "caption" or "caption(children)" for every entry, blank-separated.
std::string Captions(const std::vector<ui::test::MenuEntryRecord>& entries) {
  std::string text;
  for (const auto& entry : entries) {
    if (!text.empty()) text += ' ';
    text += entry.caption;
    if (!entry.items.empty()) text += "(" + Captions(entry.items) + ")";
  }
  return text;
}

TEST(Tips, FoldersShowTheirPathUrlsTheirTargetAndEverythingElseItsHint) {
  test::MainWindowFixture f;
  LauncherState state = test::DefaultState();
  pelorin::ItemRecord folder = f.Item("C:\\Data");
  f.Fakes.Files.RemoveFile("C:\\Data");
  f.Fakes.Files.MakeFolder("C:\\Data");
  pelorin::ItemRecord readOnlyFolder = f.Item("C:\\Locked");
  f.Fakes.Files.RemoveFile("C:\\Locked");
  f.Fakes.Files.MakeFolder("C:\\Locked");
  f.Fakes.Files.SetAttributeBits("C:\\Locked", 0x01);
  pelorin::ItemRecord url = f.Item("C:\\Links\\site.url");
  test::WriteHostFile(f.Fakes.Files.HostPath("C:\\Links\\site.url"),
                      "[InternetShortcut]\r\nIDList=\r\nURL=http://example.com/\r\n");
  pelorin::ItemRecord capitalUrl = f.Item("C:\\Links\\SITE.URL");
  pelorin::ItemRecord program = f.Item("C:\\Tools\\tool.exe");
  for (const auto& item : {folder, readOnlyFolder, url, capitalUrl, program}) state.AppendItem(0, item);
  f.StartWith(state);

  const std::vector<std::string> expected = {"C:\\Data", "hint of Locked", "http://example.com/", "hint of SITE.URL",
                                             "hint of tool.exe"};
  for (int slot = 0; slot < 5; ++slot) {
    SCOPED_TRACE("slot " + std::to_string(slot));
    uit::MoveMouse(*f.Main().Images[slot], {5, 5});
    EXPECT_EQ(f.Main().Images[slot]->Hint(), expected[slot]);
    EXPECT_EQ(f.Main().SelectedSlot, slot);
  }
}

TEST(Tips, TheHoverFrameOutlinesTheButtonUnderThePointerAndStaysWhenItLeaves) {
  test::MainWindowFixture f;
  f.StartWithItems(7);
  pelorin::TForm1& main = f.Main();
  uit::MoveMouse(*main.Images[6], {1, 1});
  EXPECT_EQ(main.Bar_l.Bounds(), (ui::Rect{37, 37, 2, 33}));
  EXPECT_EQ(main.Bar_r.Bounds(), (ui::Rect{70, 37, 2, 33}));
  EXPECT_EQ(main.Bar_u.Bounds(), (ui::Rect{37, 37, 33, 2}));
  EXPECT_EQ(main.Bar_d.Bounds(), (ui::Rect{37, 70, 35, 2}));
  uit::MoveMouse(main, {180, 100});
  EXPECT_EQ(main.Bar_l.Left(), 37);
  EXPECT_EQ(main.SelectedSlot, 6);
}

TEST(MainMenu, RightClickOpensTheMenuWithEveryEntryInOrder) {
  test::MainWindowFixture f;
  f.StartWithItems(3);
  uit::Script script(f.Ui);
  auto onButton = script.ExpectPopup("PopupMenu1", uit::Dismiss());
  auto onBackground = script.ExpectPopup("PopupMenu1", uit::Dismiss());
  uit::SetCursor(f.Ui, {300, 200});
  uit::Click(*f.Main().Images[1], ui::MouseButton::Right, {4, 4});
  uit::Click(f.Main(), ui::MouseButton::Right, {150, 90});
  uit::Click(f.Main(), ui::MouseButton::Left, {150, 90});
  script.Done();

  EXPECT_EQ(Captions(onButton.Shown().entries),
            "ファイルの検索(&F) コントロールパネル(&L) - アイテム設定(&I)(追加(&A) 選択アイテムを削除 - 移動・編集(&E)) "
            "パネル設定(&P)(編集) ｺﾝﾄﾛｰﾙｳｨﾝﾄﾞｳ整列(&C) - 作業用フォルダを開く(&F) 詳細設定(&O)");
  EXPECT_EQ(onButton.Shown().position, (ui::Point{111 + 3 + 39 + 4, 89 + 19 + 2 + 4}));
  EXPECT_EQ(onBackground.Shown().position, (ui::Point{111 + 3 + 150, 89 + 19 + 90}));
  EXPECT_TRUE(f.App.State().CanHide);
}

TEST(MainMenu, DeleteActsOnTheButtonThePointerLastCrossed) {
  test::MainWindowFixture f;
  f.StartWithItems(4);
  uit::Script script(f.Ui);
  script.ExpectPopup("PopupMenu1", [&](const uit::PopupRecord&) {
    // The menu is up: the window must not hide under it.
    EXPECT_FALSE(f.App.State().CanHide);
    return std::string("N11");
  });
  uit::MoveMouse(*f.Main().Images[2], {3, 3});
  uit::MoveMouse(f.Main(), {170, 100});
  uit::Click(f.Main(), ui::MouseButton::Right, {170, 100});
  script.Done();
  const LauncherState& state = f.App.State();
  ASSERT_EQ(state.PanelItemCount[0], 3);
  EXPECT_EQ(state.Item(0, 2).FilePath, "C:\\Tools\\tool3.exe");
}

TEST(MainMenu, ControlPanelAndWorkingFolder) {
  test::MainWindowFixture f;
  LauncherState state = test::DefaultState();
  pelorin::ItemRecord program = f.Item("C:\\Tools\\tool.exe");
  program.FileFolder = "C:\\Work";
  program.Notify = "-v";
  program.FileExecuteSize = 2;
  state.AppendItem(0, program);
  f.StartWith(state);
  uit::MoveMouse(*f.Main().Images[0], {3, 3});

  uit::Script script(f.Ui);
  script.ExpectPopup("PopupMenu1", uit::Pick("N14"));
  script.ExpectPopup("PopupMenu1", uit::Pick("F1"));
  uit::Click(f.Main(), ui::MouseButton::Right, {170, 100});
  uit::Click(f.Main(), ui::MouseButton::Right, {170, 100});
  script.Done();
  EXPECT_EQ(f.Fakes.Shell.Calls(),
            (std::vector<ShellCall>{{"Form1", "Open", "Control.exe", "", std::nullopt, 5},
                                    {"Form1", "Explore", "C:\\Work", "-v", std::nullopt, 3}}));
}

TEST(MainMenu, ArrangeControlWindowBesideTheMainWindow) {
  test::MainWindowFixture f;
  LauncherState state = test::DefaultState();
  state.ClShow = false;
  f.StartWithItems(0, state);
  pelorin::TForm1& main = f.Main();
  main.SetLeft(100);
  main.SetTop(50);
  main.N6Click();
  EXPECT_TRUE(f.App.ControlWindow().Visible());
  EXPECT_EQ(f.App.ControlWindow().Left(), 100 + main.Width() - 50);
  EXPECT_EQ(f.App.ControlWindow().Top(), 70);
  main.SetLeft(600);
  main.N6Click();
  EXPECT_EQ(f.App.ControlWindow().Left(), 440);
  // On a second monitor its own middle decides, not the primary screen's.
  uit::SetMonitors(f.Ui, {{{0, 0, 1024, 768}, {0, 0, 1024, 738}}, {{1024, 0, 1280, 1024}, {1024, 0, 1280, 994}}});
  main.SetLeft(1100);
  main.N6Click();
  EXPECT_EQ(f.App.ControlWindow().Left(), 1100 + main.Width() - 50);
  main.SetLeft(1700);
  main.N6Click();
  EXPECT_EQ(f.App.ControlWindow().Left(), 1540);
}

TEST(Keys, LowerCaseCShowsTheControlWindowWhereItIs) {
  test::MainWindowFixture f;
  LauncherState state = test::DefaultState();
  state.ClShow = false;
  f.StartWithItems(0, state);
  uit::Activate(f.Main());
  uit::KeyPress(f.Main(), 'C');
  EXPECT_FALSE(f.App.ControlWindow().Visible());
  uit::KeyPress(f.Main(), 'c');
  EXPECT_TRUE(f.App.ControlWindow().Visible());
  EXPECT_EQ(f.App.ControlWindow().Left(), 253);
}

TEST(Launch, ALeftPressStartsTheItemTheRightOneDoesNot) {
  test::MainWindowFixture f;
  LauncherState state = test::DefaultState();
  pelorin::ItemRecord program = f.Item("C:\\Tools\\tool.exe");
  program.FileFolder = "C:\\Work";
  program.Notify = "a b";
  program.FileExecuteSize = 1;
  program.Sincro = "C:\\Tools\\other.exe";
  state.AppendItem(0, f.Item("C:\\Tools\\first.exe"));
  state.AppendItem(0, program);
  f.StartWith(state);
  pelorin::TForm1& main = f.Main();
  f.Fakes.Shell.onExecute = [&](const ShellCall&) {
    // The button looks pressed while the shell works.
    EXPECT_EQ(main.Images[1]->Bounds(), (ui::Rect{40, 3, 32, 32}));
    EXPECT_EQ(main.Bevels[1]->Style(), ui::BevelStyle::Lowered);
  };

  uit::MoveMouse(*main.Images[1], {3, 3});
  uit::Click(*main.Images[1], ui::MouseButton::Left, {3, 3});
  uit::Script script(f.Ui);
  script.ExpectPopup("PopupMenu1", uit::Dismiss());
  uit::Click(*main.Images[1], ui::MouseButton::Right, {3, 3});
  script.Done();

  EXPECT_EQ(f.Fakes.Shell.Calls(),
            (std::vector<ShellCall>{{"Form1", "OPEN", "C:\\Tools\\tool.exe", "a b", "C:\\Work", 2}}));
  EXPECT_EQ(main.Images[1]->Bounds(), (ui::Rect{39, 2, 32, 32}));
  EXPECT_EQ(main.Bevels[1]->Style(), ui::BevelStyle::Raised);
}

TEST(Launch, AFolderItemOpensItsContentsAsAMenu) {
  test::MainWindowFixture f;
  LauncherState state = test::DefaultState();
  f.Fakes.Files.MakeFolder("C:\\Data\\sub");
  test::WriteHostFile(f.Fakes.Files.HostPath("C:\\Data\\b.txt"), "x");
  pelorin::ItemRecord folder;
  folder.FilePath = "C:\\Data";
  folder.IsFolder = true;
  state.AppendItem(0, folder);
  f.StartWith(state);

  uit::Script script(f.Ui);
  auto menu = script.ExpectPopup("LaunchPopup", uit::Pick(""));
  uit::MoveMouse(*f.Main().Images[0], {3, 3});
  uit::Press(*f.Main().Images[0], ui::MouseButton::Left, {3, 3});
  script.Done();
  EXPECT_EQ(Captions(menu.Shown().entries), "sub b");
  EXPECT_TRUE(f.Fakes.Shell.Calls().empty());
}

}  // namespace
