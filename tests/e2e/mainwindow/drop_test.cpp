// Files, folders and shortcuts dropped from the shell onto the main window:
// registered at once (as code page 932 bytes under every system code page,
// or by their short paths), or through the drop menu and the Data Chenge
// dialog.

#include <filesystem>
#include <string>
#include <vector>

#include "harness/e2e.h"
#include "mainwindow/support.h"

namespace e2e::mainwindow {
namespace {

constexpr char kLimitMessage[] = "これ以上ワークスペースにアイテムを登録できません";

// count items that all start one staged program.
std::vector<Item> Items(const E2eSession& s, int count) {
  const std::string tool = s.WindowsPath(s.StageHelper("launch_recorder.exe", "items/tool.exe"));
  std::vector<Item> items;
  for (int i = 0; i < count; ++i) items.push_back(ItemFor(tool, "item" + std::to_string(i)));
  return items;
}

// A file whose whole Windows path is length characters long.
std::string FileWithPathLength(const E2eSession& s, std::size_t length) {
  const std::string folder = s.WindowsPath(s.StageDir()) + "\\";
  std::string name = "long";
  name.append(length - folder.size() - name.size() - 4, 'x');
  name += ".txt";
  return s.WindowsPath(s.WriteFile(name, "text"));
}

std::vector<std::string> SavedPaths(const E2eSession& s) { return ItemPaths(s.ReadFile("svf.itd")); }

using DropRegistration = InEveryLocale;

TEST_P(DropRegistration, FilesAFolderAndAShortcutAreRegisteredUntilThePanelIsFull) {
  E2eSession s(GetParam());
  ParkPointer(s);
  std::vector<Item> items = Items(s, 11);
  Program app = s.StartPelorin(DataFiles(items, {.ddCheck = false}));
  Window main = app.WaitForWindow({.title = "Pelorin"});

  // 予 and ソ end in the byte of a backslash.
  const std::string document = s.WindowsPath(s.WriteFile("docs/予定ソメモ.txt", "memo"));
  const std::string folder = s.WindowsPath(s.WriteFile("フォルダ/keep.txt", "").parent_path());
  const std::string target = s.WindowsPath(s.StageHelper("launch_recorder.exe", "ツール/表示/target.exe"));
  const std::string link = s.WindowsPath(s.StageDir()) + "\\ツール.lnk";
  s.GetProbe().MakeLink(link, target);
  const std::string longPath = FileWithPathLength(s, 258);
  const std::string tooMany = s.WindowsPath(s.WriteFile("extra.txt", ""));

  // MaxLine 15 with 11 items: four are taken, the fifth meets a full panel.
  s.DropFiles(main, {document, folder, link, longPath, tooMany}, 20, 20);
  DialogBox limit = app.WaitForDialog();
  EXPECT_EQ(limit.text, kLimitMessage);
  s.Answer(limit, 1);

  const std::vector<std::string> paths = SavedPaths(s);
  ASSERT_EQ(paths.size(), 15u);
  EXPECT_EQ(std::vector<std::string>(paths.begin() + 11, paths.end()),
            (std::vector<std::string>{document, folder, target, longPath}));
  EXPECT_EQ(CrLfLines(s.ReadFile("svf.itd")).at(11 * 10 + 1), ToCp932(document)) << "not code page 932 bytes";
  EXPECT_EQ(paths[14].size(), 258u) << "the long name was cut";
  EXPECT_TRUE(app.Dialogs().empty()) << "the limit message came more than once";
  s.Screenshot(main, "after-drop");

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(, DropRegistration, EveryLocale(), LocaleTestName);

TEST(DropRegistrationByShortPath, NamesOutsideTheCodePageAndPathsPastMaxPath) {
  E2eSession s;
  ParkPointer(s);
  const auto hangul = s.StageHelper("launch_recorder.exe", "items/도구.exe");
  // A folder of 300 characters: Wine cannot start a program whose real path
  // is that long, whatever path it is given, but the folder menu opens it.
  std::filesystem::path deep = "items";
  while (s.WindowsPath(s.StageDir() / deep).size() < 300) deep /= "a long folder name";
  const std::string longFolder = s.WindowsPath(s.StageDir() / deep);
  // An item stored whole by an earlier version: it exists.
  const std::string storedLong = s.WindowsPath(s.WriteFile(deep / "kept.txt", "kept"));

  Program app = s.StartPelorin(DataFiles({ItemFor(storedLong, "kept")}, {.ddCheck = false}));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  EXPECT_TRUE(app.Dialogs().empty()) << "an existing item was offered for deletion";
  s.DropFiles(main, {s.WindowsPath(hangul), longFolder}, 20, 20);
  Await("two registrations saved", [&] { return SavedPaths(s).size() == 3; });
  const std::vector<std::string> paths = SavedPaths(s);
  EXPECT_EQ(paths[0], storedLong);
  for (const std::string& path : {paths[1], paths[2]}) {
    EXPECT_LT(path.size(), 260u) << path;
    EXPECT_NE(path.find('~'), std::string::npos) << path;
    EXPECT_EQ(path.find('?'), std::string::npos) << path;
  }

  Grid grid(main, 5);
  const auto press = [&](int slot) {
    const Point at = grid.OnImage(slot, 16, 24);
    s.MoveMouse(at.x, at.y);
    WaitForPixels(s, main, "over-" + std::to_string(slot + 1),
                  [&](const Pixels& p) { return HoverFrameAt(p, grid, slot); });
    s.Click(at.x, at.y);
  };
  press(1);
  // Started by the short path (Wine's process then carries the long one).
  EXPECT_NE(s.WaitForLaunches(hangul, 1).at(0).commandLine.find(paths[1]), std::string::npos);
  press(2);
  const std::vector<PopupMenu> menus = app.WaitForPopupMenus();
  ASSERT_EQ(menus.size(), 1u);
  EXPECT_EQ(menus[0].Texts(), std::vector<std::string>{"kept"});
  app.CancelMenu();
  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

TEST(DropMenu, EachDroppedNameGetsTheMenuAnsweredByKeys) {
  E2eSession s;
  ParkPointer(s);
  Program app = s.StartPelorin(DataFiles(Items(s, 1)));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  const std::string cancelled = s.WindowsPath(s.WriteFile("cancelled.txt", ""));
  const std::string direct = s.WindowsPath(s.WriteFile("direct.txt", ""));
  const std::string edited = s.WindowsPath(s.WriteFile("edited.txt", ""));

  // The menu opens where the pointer is: at the drop.
  s.MoveMouse(main.client.left + 150, main.client.top + 90);
  s.DropFiles(main, {cancelled, direct}, 150, 90);
  std::vector<PopupMenu> menus = app.WaitForPopupMenus();
  ASSERT_EQ(menus.size(), 1u);
  EXPECT_EQ(menus[0].Texts(),
            (std::vector<std::string>{"ここに登録(&A)", "編集して登録(&E)", "-", "キャンセル(&C)"}));
  s.ScreenshotScreen("drop-menu");
  app.PickMenuItem("キャンセル(&C)");
  // The second name gets a menu of its own.
  app.WaitForPopupMenus();
  app.PickMenuItem("ここに登録(&A)");
  Await("the direct registration saved", [&] { return SavedPaths(s).size() == 2; });
  EXPECT_EQ(SavedPaths(s).back(), direct);

  s.DropFiles(main, {edited}, 20, 20);
  app.WaitForPopupMenus();
  app.PickMenuItem("編集して登録(&E)");
  Window dialog = app.WaitForWindow({.title = "Data Chenge"});
  bool cancelEnabled = true;
  for (const Window& child : s.Children(dialog)) {
    if (child.title == "キャンセル") cancelEnabled = child.enabled;
  }
  EXPECT_FALSE(cancelEnabled) << "Cancel can be pressed while a dropped name is registered";
  s.Screenshot(dialog, "data-chenge-for-a-drop");
  s.GetProbe().PressButton(dialog.hwnd, "決定");
  WaitUntilHidden(app, "Data Chenge");
  Await("the edited registration saved", [&] { return SavedPaths(s).size() == 3; });
  EXPECT_EQ(SavedPaths(s).back(), edited);

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

}  // namespace
}  // namespace e2e::mainwindow
