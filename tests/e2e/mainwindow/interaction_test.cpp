// The pointer and the keyboard on the main window: the right-click menu
// and its commands, the key that shows the control window, the tips. The
// menu's and the tips' texts are the same under every code page.

#include <string>
#include <vector>

#include "harness/e2e.h"
#include "mainwindow/support.h"

namespace e2e::mainwindow {
namespace {

std::vector<Item> ThreeTools(const E2eSession& s) {
  std::vector<Item> items;
  for (const char* name : {"one", "two", "three"}) {
    items.push_back(ItemFor(s.WindowsPath(s.StageHelper("launch_recorder.exe", std::string("items/") + name + ".exe")),
                            name));
  }
  return items;
}

// Where no button lies: the third row of a panel of three items.
Point OnBackground(const Grid& grid) { return grid.Client(100, 90); }

using ContextMenu = InEveryLocale;

TEST_P(ContextMenu, ShowsItsEntriesAndDeletesTheItemLastPointedAt) {
  E2eSession s(GetParam());
  ParkPointer(s);
  const std::vector<Item> items = ThreeTools(s);
  Program app = s.StartPelorin(DataFiles(items));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  Grid grid(main, 5);

  // The pointer passes over button 2 on its way to the background.
  const Point onTwo = grid.OnImage(1);
  s.MoveMouse(onTwo.x, onTwo.y);
  WaitForPixels(s, main, "pointer-on-2", [&](const Pixels& p) { return HoverFrameAt(p, grid, 1); });
  const Point background = OnBackground(grid);
  s.Click(background.x, background.y, 3);

  auto menus = app.WaitForPopupMenus();
  ASSERT_EQ(menus.size(), 1u);
  const PopupMenu& menu = menus[0];
  EXPECT_EQ(menu.Texts(), (std::vector<std::string>{"ファイルの検索(&F)", "コントロールパネル(&L)", "-",
                                                    "アイテム設定(&I)", "パネル設定(&P)", "ｺﾝﾄﾛｰﾙｳｨﾝﾄﾞｳ整列(&C)", "-",
                                                    "作業用フォルダを開く(&F)", "詳細設定(&O)"}));
  EXPECT_TRUE(menu.Item("アイテム設定(&I)").popup);
  EXPECT_TRUE(menu.Item("パネル設定(&P)").popup);
  for (const MenuItem& item : menu.items) EXPECT_FALSE(item.grayed) << item.text;
  EXPECT_EQ(menu.window.rect.left, background.x);
  EXPECT_EQ(menu.window.rect.top, background.y);
  s.ScreenshotScreen("context-menu");

  app.PickMenuItem("パネル設定(&P)");
  EXPECT_EQ(app.WaitForPopupMenus().back().Texts(), std::vector<std::string>{"編集"});
  app.CancelMenu();
  app.PickMenuItem("アイテム設定(&I)");
  menus = app.WaitForPopupMenus();
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_EQ(menus[1].Texts(), (std::vector<std::string>{"追加(&A)", "選択アイテムを削除", "-", "移動・編集(&E)"}));
  s.ScreenshotScreen("item-submenu");
  app.PickMenuItem("選択アイテムを削除");

  // Button 3's item moves up into slot 2; no third button is left.
  Pixels after = WaitForPixels(s, main, "after-delete", [&](const Pixels& p) { return !LooksRaised(p, grid, 2); });
  EXPECT_TRUE(LooksRaised(after, grid, 1));
  EXPECT_TRUE(ShowsIcon(after, grid, 1));
  EXPECT_TRUE(app.Dialogs().empty());

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
  EXPECT_EQ(ItemPaths(s.ReadFile("svf.itd")), (std::vector<std::string>{items[0].path, items[2].path}));
}

INSTANTIATE_TEST_SUITE_P(, ContextMenu, EveryLocale(), LocaleTestName);

TEST(MainWindowMenu, OpensTheControlPanel) {
  E2eSession s;
  const WindowQuery panelWindow{.title = "Wine コントロール パネル"};
  const WindowsCloser closer(s, panelWindow);
  ParkPointer(s);
  Program app = s.StartPelorin(DataFiles(ThreeTools(s)));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  Grid grid(main, 5);
  // On a button, too, a right click opens the menu and starts nothing.
  const Point onOne = grid.OnImage(0);
  s.Click(onOne.x, onOne.y, 3);
  app.PickMenuItem("コントロールパネル(&L)");

  Window panel = s.WaitForWindow(panelWindow);
  s.Screenshot(panel, "control-panel");
  s.Close(panel);
  s.WaitUntilGone(panel);
  EXPECT_FALSE(s.FileExists("items/one.log")) << "the right click launched the item";

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

TEST(MainWindowMenu, ExploresTheWorkingFolderOfTheItemLastPointedAt) {
  E2eSession s;
  ParkPointer(s);
  const auto work = s.WriteFile("作業場/keep.txt", "").parent_path();
  std::vector<Item> items = ThreeTools(s);
  items[1].folder = s.WindowsPath(work);
  Program app = s.StartPelorin(DataFiles(items));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  Grid grid(main, 5);
  const WindowQuery explorer{.title = "作業場", .className = "ExplorerWClass"};
  const WindowsCloser closer(s, explorer);

  const Point onTwo = grid.OnImage(1);
  s.MoveMouse(onTwo.x, onTwo.y);
  WaitForPixels(s, main, "pointer-on-2", [&](const Pixels& p) { return HoverFrameAt(p, grid, 1); });
  const Point background = OnBackground(grid);
  s.Click(background.x, background.y, 3);
  app.PickMenuItem("作業用フォルダを開く(&F)");

  Window folder = s.WaitForWindow(explorer);
  s.Screenshot(folder, "explorer");
  EXPECT_FALSE(s.FileExists("items/two.log")) << "the item itself was started";

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

TEST(MainWindowKeys, LowerCaseCShowsTheControlWindow) {
  E2eSession s;
  ParkPointer(s);
  Program app = s.StartPelorin(DataFiles(ThreeTools(s)));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  Grid grid(main, 5);
  const WindowQuery control{.title = "Control Window", .className = "PelorinForm"};
  // Not shown at start-up, so not even made: the window comes with its first show.
  EXPECT_TRUE(app.Windows({.title = "Control Window", .className = "PelorinForm", .includeHidden = true}).empty())
      << "made at start-up although ClShow is off";

  // Keys go through X to the window with the focus, which a click on the
  // background gives it. A right click after "C" proves that the key has
  // been handled once the menu is up.
  const Point background = OnBackground(grid);
  s.Click(background.x, background.y);
  s.Screen().PressKeys("shift+c");
  s.Click(background.x, background.y, 3);
  app.WaitForPopupMenus();
  EXPECT_TRUE(app.Windows(control).empty()) << "upper-case C showed the control window";
  app.CancelMenu();

  s.Click(background.x, background.y);
  s.Screen().PressKeys("c");
  Window shown = app.WaitForWindow(control);
  EXPECT_EQ(shown.rect.left, 253) << "not at its place";
  EXPECT_EQ(shown.rect.top, 109);
  s.ScreenshotScreen("control-window-shown");

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

using MainWindowTips = InEveryLocale;

// The tooltip windows come with the first pointing at their forms.
TEST_P(MainWindowTips, FolderShowsItsPathAProgramItsHintAndASpinButtonItsOwn) {
  E2eSession s(GetParam());
  ParkPointer(s);
  const auto folder = s.WriteFile("フォルダ/表示/keep.txt", "").parent_path();
  Item program = ItemFor(s.WindowsPath(s.StageHelper("launch_recorder.exe", "items/tool.exe")), "tool");
  program.hint = "ツールの説明";
  Program app =
      s.StartPelorin(DataFiles({FolderItem(s.WindowsPath(folder), "フォルダのヒント"), program}, {.clShow = true}));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  const Window control = app.WaitForWindow({.title = "Control Window"});
  Grid grid(main, 5);
  EXPECT_TRUE(app.Windows({.className = "tooltips_class32", .includeHidden = true}).empty());

  auto tipText = [&](const std::string& expected) {
    std::string seen;
    PollUntil(kDefaultTimeout, [&] {
      for (const Window& tip : app.Windows({.className = "tooltips_class32"})) {
        seen = tip.title;
        if (seen == expected) return true;
      }
      return false;
    });
    return seen;
  };
  const Point onFolder = grid.OnImage(0);
  s.MoveMouse(onFolder.x, onFolder.y);
  EXPECT_EQ(tipText(s.WindowsPath(folder)), s.WindowsPath(folder));
  s.ScreenshotScreen("tip-of-folder");

  const Point onProgram = grid.OnImage(1);
  s.MoveMouse(onProgram.x, onProgram.y);
  EXPECT_EQ(tipText("ツールの説明"), "ツールの説明");
  s.ScreenshotScreen("tip-of-program");

  // A windowed control's tip: the wider spin button of the control window.
  Window twoStep;
  for (const Window& child : s.Children(control)) {
    if (child.className == "msctls_updown32" && child.rect.Width() == 57) twoStep = child;
  }
  ASSERT_NE(twoStep.hwnd, 0u);
  s.MoveMouse((twoStep.rect.left + twoStep.rect.right) / 2, (twoStep.rect.top + twoStep.rect.bottom) / 2);
  EXPECT_EQ(tipText("最小・最大化"), "最小・最大化");

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(, MainWindowTips, EveryLocale(), LocaleTestName);

}  // namespace
}  // namespace e2e::mainwindow
