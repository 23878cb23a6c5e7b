// The dialogs are made with their first show: none exists before, and one
// opened for the first time after the panels and the items changed shows
// what that state gives. Under the English code page too: a name typed into
// a dialog or a dropped path that went through that page would come back
// with '?'. (The other end-to-end tests open every dialog for the first
// time too.)

#include <algorithm>
#include <string>
#include <vector>

#include "harness/e2e.h"
#include "mainwindow/support.h"

namespace e2e::mainwindow {
namespace {

// The texts of the window's children of a class, in the order they were made.
std::vector<std::string> TextsOf(const E2eSession& s, const Window& window, const std::string& className) {
  std::vector<Window> found;
  for (const Window& child : s.Children(window)) {
    if (child.className == className) found.push_back(child);
  }
  std::sort(found.begin(), found.end(), [](const Window& a, const Window& b) { return a.id < b.id; });
  std::vector<std::string> texts;
  for (const Window& child : found) texts.push_back(s.GetText(child));
  return texts;
}

using FirstUse = InEveryLocale;

TEST_P(FirstUse, EachDialogOpenedFirstAfterTheStateChangedShowsIt) {
  E2eSession s(GetParam());
  ParkPointer(s);
  const std::string tool = s.WindowsPath(s.StageHelper("launch_recorder.exe", "items/tool.exe"));
  // 表 ends in the byte of a backslash.
  const std::string dropped = s.WindowsPath(s.StageHelper("launch_recorder.exe", "ツール/表示/dropped.exe"));
  Program app = s.StartPelorin(PanelFiles({{"一番目", {ItemFor(tool, "ツール")}}, {"二番目", {}}}));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  for (const char* title : {"Add Item", "Data Chenge", "Icon Chenge", "Option", "Panel Option", "Name", "Windowsの終了"}) {
    EXPECT_TRUE(app.Windows({.title = title, .includeHidden = true}).empty()) << title << " made before its first use";
  }
  const Point background = Grid(main, 5).Client(100, 90);

  // The panel manager and the name prompt: the second panel renamed, a third added.
  s.Click(background.x, background.y, 3);
  app.PickMenuItem("パネル設定(&P)");
  app.PickMenuItem("編集");
  const Window manager = app.WaitForWindow({.title = "Panel Option"});
  const Window list = ChildOfClass(s, manager, "SysListView32");
  s.Click(list.client.left + 40, list.client.top + 28 + 15);
  auto prompt = [&](const std::string& button, const std::string& shown, const std::string& name) {
    s.GetProbe().PressButton(manager.hwnd, button);
    const Window names = app.WaitForWindow({.title = "Name"});
    const Window box = ChildOfClass(s, names, "Edit");
    EXPECT_EQ(s.GetText(box), shown) << "the name prompt for " << button;
    s.SetText(box, name);
    s.GetProbe().PressButton(names.hwnd, "決定");
    WaitUntilHidden(app, "Name");
  };
  prompt("名前変更", "二番目", "第二");
  prompt("追加", "", "三番目");
  s.GetProbe().PressButton(manager.hwnd, "OK");
  WaitUntilHidden(app, "Panel Option");
  Await("the changed panels saved",
        [&] { return PanelNames(s.ReadFile("svp.pld")) == std::vector<std::string>{"一番目", "第二", "三番目"}; });

  // The options dialog: the grid's and the strip's figures of the options.
  s.Click(background.x, background.y, 3);
  app.PickMenuItem("詳細設定(&O)");
  const Window options = app.WaitForWindow({.title = "Option"});
  EXPECT_EQ(TextsOf(s, options, "Edit"), (std::vector<std::string>{"3", "5", "15", "2"}));
  s.Screenshot(options, "options");
  s.GetProbe().PressButton(options.hwnd, "キャンセル");
  WaitUntilHidden(app, "Option");

  // Data Chenge for a dropped file.
  s.DropFiles(main, {dropped}, 150, 90);
  app.WaitForPopupMenus();
  app.PickMenuItem("編集して登録(&E)");
  const Window change = app.WaitForWindow({.title = "Data Chenge"});
  const std::vector<std::string> fields = TextsOf(s, change, "Edit");
  const std::string folder = dropped.substr(0, dropped.rfind('\\') + 1);
  EXPECT_EQ(fields, (std::vector<std::string>{"dropped.exe", "dropped.exe", dropped, folder, "", ""}));
  s.Screenshot(change, "data-chenge");
  s.GetProbe().PressButton(change.hwnd, "決定");
  WaitUntilHidden(app, "Data Chenge");

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(, FirstUse, ::testing::Values(kJapanese, kEnglish), LocaleTestName);

}  // namespace
}  // namespace e2e::mainwindow
