// The options dialog as a user works it: its eight pages, the spin buttons
// with the maximum following, a hot key typed into its box, OK acting at
// once, and the start-up shortcut made and removed.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "harness/e2e.h"
#include "mainwindow/support.h"

namespace e2e::mainwindow {
namespace {

namespace fs = std::filesystem;

// Where the pages lie on the dialog's client area, and the controls on them.
constexpr Point kPage{20, 53};
Point OnDialog(const Window& dialog, int x, int y) { return {dialog.client.left + kPage.x + x, dialog.client.top + kPage.y + y}; }

Window OpenOptions(const E2eSession& s, const Program& app, const Window& main) {
  const Point background = Grid(main, 5).Client(100, 90);
  s.Click(background.x, background.y, 3);
  app.PickMenuItem("詳細設定(&O)");
  return app.WaitForWindow({.title = "Option"});
}

// The page that shows now: the visible one of the eight panels over the strip.
std::uint32_t VisiblePage(const E2eSession& s, const Window& dialog) {
  for (const Window& child : s.Children(dialog)) {
    if (child.visible && child.rect.left == dialog.client.left + kPage.x && child.rect.top == dialog.client.top + kPage.y) {
      return child.hwnd;
    }
  }
  return 0;
}

// The tab strip takes the arrow keys as a user's choice of the next tab;
// waits until that tab's page shows.
void NextTab(const E2eSession& s, const Window& dialog, const Window& tabs) {
  const std::uint32_t before = VisiblePage(s, dialog);
  s.PostKeys(tabs, {"right"});
  Await("the next tab's page", [&] {
    const std::uint32_t now = VisiblePage(s, dialog);
    return now != 0 && now != before;
  });
}

std::vector<fs::path> StartupShortcuts(const std::string& name) {
  std::vector<fs::path> found;
  for (const auto& user : fs::directory_iterator(WineEnvironment::Prefix() / "drive_c" / "users")) {
    const fs::path link = user.path() / "AppData/Roaming/Microsoft/Windows/Start Menu/Programs/StartUp" / name;
    if (fs::exists(link)) found.push_back(link);
  }
  return found;
}

std::string AnswerMessage(const E2eSession& s, const Program& app) {
  const DialogBox box = app.WaitForDialog();
  s.Answer(box, box.buttons.front().id);
  return box.text;
}

TEST(OptionsDialog, PagesSpinsAHotKeyAndOkActingAtOnce) {
  E2eSession s;
  ParkPointer(s);
  const std::string tool = s.WindowsPath(s.StageHelper("launch_recorder.exe", "items/tool.exe"));
  Program app = s.StartPelorin(DataFiles({ItemFor(tool)}));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  const int mainWidth = main.client.Width();
  Window dialog = OpenOptions(s, app, main);
  EXPECT_EQ(dialog.client.Width(), 377);
  EXPECT_EQ(dialog.client.Height(), 199);

  const Window tabs = ChildOfClass(s, dialog, "SysTabControl32");
  for (int tab = 0; tab < 8; ++tab) {
    if (tab > 0) NextTab(s, dialog, tabs);
    s.Screenshot(dialog, "tab-" + std::to_string(tab));
    if (tab == 1) {
      // Icons per row up twice: 3 x 7 = 21 does not fit, so two rows of seven.
      const Point perRowUp = OnDialog(dialog, 216, 33);
      s.Click(perRowUp.x, perRowUp.y);
      s.Click(perRowUp.x, perRowUp.y);
      const Window maximum = ChildAt(s, dialog, kPage.x + 176, kPage.y + 54);
      Await("the maximum following", [&] { return s.GetText(maximum) == "14"; });
      s.Screenshot(dialog, "tab-1-seven-per-row");
    }
    if (tab == 3) {
      const Window box = ChildOfClass(s, dialog, "msctls_hotkey32");
      s.Click(box.rect.left + 20, box.rect.top + 8);
      s.Screen().PressKeys("ctrl+alt+k", "Option");
      s.Screenshot(dialog, "tab-3-hot-key");
    }
  }

  const Point ok{dialog.client.left + 112 + 48, dialog.client.top + 169 + 8};
  s.Click(ok.x, ok.y);
  WaitUntilHidden(app, "Option");
  // Seven icons to a row: the main window is wider at once.
  Await("the wider main window", [&] {
    return app.WaitForWindow({.title = "Pelorin"}).client.Width() == mainWidth + 2 * Grid::kPitch;
  });

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
  const std::vector<std::string> options = CrLfLines(s.ReadFile("opt.dat"));
  EXPECT_EQ(options[0], "7");   // ShowLine
  EXPECT_EQ(options[1], "2");   // IcLine
  EXPECT_EQ(options[2], "14");  // MaxLine
  EXPECT_EQ(options[18], "Ctrl+Alt+K");
}

TEST(OptionsDialog, RegistersAndRemovesTheStartupShortcut) {
  E2eSession s;
  ParkPointer(s);
  for (const fs::path& stale : StartupShortcuts("Pelorin.lnk")) fs::remove(stale);
  Program app = s.StartPelorin(DataFiles({}));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  Window dialog = OpenOptions(s, app, main);
  const Window tabs = ChildOfClass(s, dialog, "SysTabControl32");
  for (int tab = 0; tab < 5; ++tab) NextTab(s, dialog, tabs);

  const Point add = OnDialog(dialog, 232 + 44, 20 + 10);
  const Point remove = OnDialog(dialog, 232 + 44, 60 + 10);
  s.Click(add.x, add.y);
  EXPECT_EQ(AnswerMessage(s, app), "ショートカットを作成しました");
  const std::vector<fs::path> made = StartupShortcuts("Pelorin.lnk");
  ASSERT_EQ(made.size(), 1u);
  // The link names the exe it was made for.
  const std::string bytes = [&] {
    std::ifstream in(made.front(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }();
  EXPECT_NE(bytes.find("Pelorin.exe"), std::string::npos);

  s.Click(remove.x, remove.y);
  EXPECT_EQ(AnswerMessage(s, app), "ショートカットを削除しました");
  EXPECT_TRUE(StartupShortcuts("Pelorin.lnk").empty());
  s.Click(remove.x, remove.y);
  EXPECT_EQ(AnswerMessage(s, app), "削除するファイルがありません");

  s.Click(dialog.client.left + 232 + 48, dialog.client.top + 169 + 8);
  WaitUntilHidden(app, "Option");
  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

}  // namespace
}  // namespace e2e::mainwindow
