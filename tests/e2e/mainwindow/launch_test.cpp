// A press on a button starts its item: a program with its arguments,
// working folder and show command (the same under every code page), or a
// folder as a cascading menu of its contents whose entries start what they
// name.

#include <string>
#include <vector>

#include "harness/e2e.h"
#include "mainwindow/support.h"

namespace e2e::mainwindow {
namespace {

using ItemLaunch = InEveryLocale;

TEST_P(ItemLaunch, PressStartsTheItemWithItsArgumentsFolderAndShowCommand) {
  E2eSession s(GetParam());
  ParkPointer(s);
  // 表 and ソ end in the byte of a backslash: the paths must still arrive whole.
  const auto tool = s.StageHelper("launch_recorder.exe", "ツール/表示/tool.exe");
  const auto work = s.WriteFile("作業/ソフト/keep.txt", "").parent_path();

  std::vector<Item> items(3, ItemFor(s.WindowsPath(tool), "tool"));
  items[0].notify = "-x \"two words\" 表示";
  items[0].folder = s.WindowsPath(work);
  items[0].executeSize = 1;
  // Launching never runs it: a start of it would come between the records.
  items[0].sincro = s.WindowsPath(tool) + " /never";
  items[1].notify = "/max";
  items[1].folder = s.WindowsPath(tool.parent_path());
  items[1].executeSize = 2;
  Program app = s.StartPelorin(DataFiles(items));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  Grid grid(main, 5);

  struct Expected {
    std::string commandLine;
    std::string folder;
    int showCommand;
  };
  const std::vector<Expected> expected = {
      {"\"" + s.WindowsPath(tool) + "\" -x \"two words\" 表示", s.WindowsPath(work), 2},
      {"\"" + s.WindowsPath(tool) + "\" /max", s.WindowsPath(tool.parent_path()), 3},
      // No folder: the shell starts it in the launcher's own.
      {"\"" + s.WindowsPath(tool) + "\"", s.WindowsPath(s.StageDir()), 1},
  };
  for (int slot = 0; slot < 3; ++slot) {
    SCOPED_TRACE("button " + std::to_string(slot + 1));
    const std::string name = "button-" + std::to_string(slot + 1);
    // The pointer low on the image: its tip shows below the cell.
    const Point at = grid.OnImage(slot, 16, 24);
    s.MoveMouse(at.x, at.y);
    Pixels before = WaitForPixels(s, main, name + "-before-press",
                                  [&](const Pixels& p) { return HoverFrameAt(p, grid, slot); });
    EXPECT_TRUE(LooksRaised(before, grid, slot));

    s.Click(at.x, at.y);
    auto launches = s.WaitForLaunches(tool, slot + 1);
    ASSERT_EQ(launches.size(), static_cast<std::size_t>(slot + 1)) << "one start per press";
    const LaunchRecord& launch = launches.back();
    EXPECT_EQ(launch.exe, s.WindowsPath(tool));
    EXPECT_EQ(launch.commandLine, expected[slot].commandLine);
    EXPECT_EQ(launch.folder, expected[slot].folder);
    EXPECT_TRUE(launch.usesShowWindow);
    EXPECT_EQ(launch.showCommand, expected[slot].showCommand);

    // Back to the raised look, pixel for pixel.
    WaitForPixels(s, main, name + "-after-press",
                  [&](const Pixels& p) { return p.SameIn(before, CellRect(grid, slot)); });
  }

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(, ItemLaunch, EveryLocale(), LocaleTestName);

// menu/ holds two sub-folders with contents, an empty one, two files and a
// hidden file.
struct FolderTree {
  std::filesystem::path root;
  std::filesystem::path inner;  // a launch recorder in menu/Alpha/
};

FolderTree StageFolderTree(const E2eSession& s) {
  FolderTree tree;
  tree.inner = s.StageHelper("launch_recorder.exe", "menu/Alpha/inner.exe");
  tree.root = tree.inner.parent_path().parent_path();
  s.WriteFile("menu/Alpha/note.txt", "x");
  s.WriteFile("menu/zeta/deeper/last.txt", "x");
  std::filesystem::create_directories(tree.root / "empty");
  s.WriteFile("menu/Beta.txt", "x");
  s.WriteFile("menu/apple.tar.gz", "x");
  // Wine reports a Unix dot file as hidden.
  s.WriteFile("menu/.secret.txt", "x");
  return tree;
}

TEST(MainWindowLaunch, FolderItemOpensACascadingMenuWhoseEntryStarts) {
  E2eSession s;
  ParkPointer(s);
  const FolderTree tree = StageFolderTree(s);
  Program app = s.StartPelorin(DataFiles({FolderItem(s.WindowsPath(tree.root))}));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  Grid grid(main, 5);

  // The menu opens at the pointer: low right on the image, it leaves most
  // of the button in sight.
  const Point at = grid.OnImage(0, 26, 26);
  s.MoveMouse(at.x, at.y);
  Pixels before = WaitForPixels(s, main, "before-press", [&](const Pixels& p) { return HoverFrameAt(p, grid, 0); });
  s.Click(at.x, at.y);

  auto menus = app.WaitForPopupMenus();
  ASSERT_EQ(menus.size(), 1u);
  const PopupMenu& root = menus[0];
  // Sub-folders first, then files without their extension; no hidden file.
  EXPECT_EQ(root.Texts(), (std::vector<std::string>{"Alpha", "empty", "zeta", "apple.tar", "Beta"}));
  EXPECT_TRUE(root.Item("Alpha").popup);
  EXPECT_TRUE(root.Item("zeta").popup);
  EXPECT_FALSE(root.Item("empty").popup) << "a folder with nothing to list opens no submenu";
  EXPECT_FALSE(root.Item("Beta").popup);
  EXPECT_EQ(root.window.rect.left, at.x);
  EXPECT_EQ(root.window.rect.top, at.y);

  // While the menu is open the button looks pressed: lowered, the image one
  // pixel right and down.
  Pixels pressed = Pixels::Of(s, main, "pressed-with-menu");
  s.ScreenshotScreen("folder-menu");
  EXPECT_TRUE(LooksLowered(pressed, grid, 0));
  const Rect image = ImageRect(grid, 0);
  for (int y = image.top; y < at.y - 2; ++y) {
    for (int x = image.left; x < at.x - 2; ++x) {
      ASSERT_EQ(pressed.At(x + 1, y + 1), before.At(x, y)) << "image pixel " << x - image.left << "," << y - image.top;
    }
  }

  app.PickMenuItem("zeta");
  menus = app.WaitForPopupMenus();
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_EQ(menus[1].Texts(), std::vector<std::string>{"deeper"});
  EXPECT_TRUE(menus[1].Item("deeper").popup);
  app.CancelMenu();

  app.PickMenuItem("Alpha");
  menus = app.WaitForPopupMenus();
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_EQ(menus[1].Texts(), (std::vector<std::string>{"inner", "note"}));
  s.ScreenshotScreen("folder-submenu");
  app.PickMenuItem("inner");

  auto launches = s.WaitForLaunches(tree.inner, 1);
  ASSERT_EQ(launches.size(), 1u);
  EXPECT_EQ(launches[0].exe, s.WindowsPath(tree.inner));
  // Its own folder as working folder, a normal window.
  EXPECT_EQ(launches[0].folder, s.WindowsPath(tree.inner.parent_path()));
  EXPECT_TRUE(launches[0].usesShowWindow);
  EXPECT_EQ(launches[0].showCommand, 1);

  WaitForPixels(s, main, "after-menu", [&](const Pixels& p) { return p.SameIn(before, CellRect(grid, 0)); });
  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

TEST(MainWindowLaunch, FolderItemOpensExplorerWhenNotShownAsMenu) {
  E2eSession s;
  ParkPointer(s);
  const FolderTree tree = StageFolderTree(s);
  Program app = s.StartPelorin(DataFiles({FolderItem(s.WindowsPath(tree.root))}, {.popFolder = false}));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  Grid grid(main, 5);
  const WindowQuery explorer{.title = "menu", .className = "ExplorerWClass"};
  const WindowsCloser closer(s, explorer);

  const Point at = grid.OnImage(0, 16, 24);
  s.MoveMouse(at.x, at.y);
  Pixels before = WaitForPixels(s, main, "before-press", [&](const Pixels& p) { return HoverFrameAt(p, grid, 0); });
  s.Click(at.x, at.y);
  Window folder = s.WaitForWindow(explorer);
  s.Screenshot(folder, "explorer");
  EXPECT_TRUE(app.Windows({.className = "#32768"}).empty()) << "a menu opened as well";
  // Explorer opens over the launcher.
  s.Close(folder);
  s.WaitUntilGone(folder);
  WaitForPixels(s, main, "after-press", [&](const Pixels& p) { return p.SameIn(before, CellRect(grid, 0)); });

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

}  // namespace
}  // namespace e2e::mainwindow
