// Files, folders and shortcuts dropped from the shell onto the main window:
// registered at once, or through the drop menu and the Data Chenge dialog.

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

TEST(DropRegistration, FilesAFolderAndAShortcutAreRegisteredUntilThePanelIsFull) {
  E2eSession s;
  ParkPointer(s);
  std::vector<Item> items = Items(s, 11);
  Program app = s.StartPelorin(DataFiles(items, {.ddCheck = false}));
  Window main = app.WaitForWindow({.title = "Pelorin"});

  const std::string document = s.WindowsPath(s.WriteFile("docs/メモ.txt", "memo"));
  const std::string folder = s.WindowsPath(s.WriteFile("フォルダ/keep.txt", "").parent_path());
  const std::string target = s.WindowsPath(s.StageHelper("launch_recorder.exe", "bin/target.exe"));
  const std::string link = s.WindowsPath(s.StageDir()) + "\\target.lnk";
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
  EXPECT_EQ(paths[14].size(), 258u) << "the long name was cut";
  EXPECT_TRUE(app.Dialogs().empty()) << "the limit message came more than once";
  s.Screenshot(main, "after-drop");

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

// A staged launch_recorder copy reached through the short path the launcher
// registered: its log is named after the file name it was started by.
std::filesystem::path LogOfStart(const std::filesystem::path& copy, const std::string& registered) {
  std::string name = registered.substr(registered.rfind('\\') + 1);
  return copy.parent_path() / (name.substr(0, name.rfind('.')) + ".log");
}

TEST(DropRegistration, NamesOutsideTheCodePageAndPathsPastMaxPathRegisterByTheirShortPathsAndStart) {
  E2eSession s;
  ParkPointer(s);
  const auto hangul = s.StageHelper("launch_recorder.exe", "items/도구.exe");
  std::filesystem::path deep = "items";
  while (s.WindowsPath(s.StageDir() / deep).size() < 290) deep /= "a long folder name";
  const auto longTool = s.StageHelper("launch_recorder.exe", deep / "tool.exe");
  // Too deep for MAX_PATH even in its 8.3 form.
  std::filesystem::path deeper = "items";
  for (int i = 0; i < 30; ++i) deeper /= "dddddddd";
  const auto unreachable = s.WriteFile(deeper / "x.txt", "");
  ASSERT_GE(s.WindowsPath(longTool).size(), 300u);
  Program app = s.StartPelorin(DataFiles({}, {.ddCheck = false}));
  Window main = app.WaitForWindow({.title = "Pelorin"});

  s.DropFiles(main, {s.WindowsPath(hangul), s.WindowsPath(longTool), s.WindowsPath(unreachable)}, 20, 20, true);
  DialogBox refused = app.WaitForDialog();
  s.ScreenshotScreen("cannot-register");
  EXPECT_EQ(refused.window.title, "Pelorin");
  EXPECT_EQ(refused.text, s.WindowsPath(unreachable) +
                              "\n\nこのファイルは登録できません。\n名前に使えない文字があるか、パスが長すぎます。");
  s.Answer(refused, 1);
  Await("two registrations saved", [&] { return SavedPaths(s).size() == 2; });
  const std::vector<std::string> paths = SavedPaths(s);
  for (const std::string& path : paths) {
    EXPECT_LT(path.size(), 260u) << path;
    EXPECT_NE(path.find('~'), std::string::npos) << path;
    EXPECT_EQ(path.find('?'), std::string::npos) << path;
  }

  Grid grid(main, 5);
  const std::filesystem::path copies[] = {hangul, longTool};
  for (int slot = 0; slot < 2; ++slot) {
    const Point at = grid.OnImage(slot, 16, 24);
    s.Click(at.x, at.y);
    const auto starts = s.WaitForLogRecords(LogOfStart(copies[slot], paths[slot]), 1);
    EXPECT_EQ(starts.at(0).Text("exe"), paths[slot]);
  }
  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);

  // The next start finds both: no question about deleting either.
  Program again = s.StartPelorin();
  Window shown = again.WaitForWindow({.title = "Pelorin"});
  WaitForPixels(s, shown, "next-start", [&](const Pixels& p) { return ShowsIcon(p, grid, 0) && ShowsIcon(p, grid, 1); });
  EXPECT_TRUE(again.Dialogs().empty()) << again.Dialogs().front().text;
  again.Close();
  EXPECT_EQ(again.WaitForExit(), 0);
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
