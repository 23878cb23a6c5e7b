// The options dialog as a user works it: its eight pages, the spin buttons
// with the maximum following, a hot key typed into its box, OK acting at
// once, and the start-up shortcut made and removed (under every code page).

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "harness/e2e.h"
#include "harness/process.h"
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

// The first page, once the dialog shows it.
std::uint32_t WaitForFirstPage(const E2eSession& s, const Window& dialog) {
  std::uint32_t page = 0;
  Await("the dialog's first page", [&] { return (page = VisiblePage(s, dialog)) != 0; });
  return page;
}

// The dialog's windowed controls of a class, in the order they were made
// (their ids grow with it), hidden ones included.
std::vector<Window> ControlsOfClass(const E2eSession& s, const Window& dialog, const std::string& className) {
  std::vector<Window> found;
  for (const Window& child : s.Children(dialog)) {
    if (child.className == className) found.push_back(child);
  }
  std::sort(found.begin(), found.end(), [](const Window& a, const Window& b) { return a.id < b.id; });
  return found;
}

// Clicks tabs of the strip's top row until every page has shown; visit
// gets each page as it first shows. The chosen tab's row always moves next
// to the pages, and the tabs fill their rows, so a click on the top row
// always chooses another tab.
void ClickThroughAllTabs(const E2eSession& s, const Window& dialog, const std::function<void(std::uint32_t)>& visit) {
  const Window tabs = ChildOfClass(s, dialog, "SysTabControl32");
  std::set<std::uint32_t> seen{WaitForFirstPage(s, dialog)};
  visit(*seen.begin());
  const std::vector<int> across = {30, 110, 190, 270, 340};
  for (std::size_t click = 0; seen.size() < 8 && click < 40; ++click) {
    const std::uint32_t before = VisiblePage(s, dialog);
    s.Click(tabs.rect.left + across[click % across.size()], tabs.rect.top + 10);
    std::uint32_t now = 0;
    Await("another tab's page", [&] {
      now = VisiblePage(s, dialog);
      return now != 0 && now != before;
    });
    if (seen.insert(now).second) visit(now);
  }
  EXPECT_EQ(seen.size(), 8u);
}

// The tab strip takes the arrow keys too: the next tab, once its page shows.
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

// Clicks the button, answers the message it shows, and waits until the
// dialog has the focus back on that button, so that the next click is not
// taken by its reactivation.
std::string PressAndAnswer(const E2eSession& s, const Program& app, const Window& dialog, const Window& button) {
  ClickUntil(s, button.rect.left + button.rect.Width() / 2, button.rect.top + button.rect.Height() / 2,
             "a message from " + button.title, [&] { return !app.Dialogs().empty(); });
  const DialogBox box = app.WaitForDialog();
  s.Answer(box, box.buttons.front().id);
  Await("the focus back on " + button.title, [&] {
    const std::optional<Window> focus = s.GetProbe().Focus(dialog.hwnd);
    return focus && focus->hwnd == button.hwnd;
  });
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

  const Window rowsBox = ControlsOfClass(s, dialog, "Edit").front();
  const Window maximum = ControlsOfClass(s, dialog, "Edit").at(2);
  const Window hotClp = ControlsOfClass(s, dialog, "msctls_hotkey32").front();
  int shown = 0;
  ClickThroughAllTabs(s, dialog, [&](std::uint32_t page) {
    s.Screenshot(dialog, "page-" + std::to_string(shown++));
    if (page == rowsBox.parent) {
      // Icons per row up twice: 3 x 7 = 21 does not fit, so two rows of seven.
      const Point perRowUp = OnDialog(dialog, 216, 33);
      s.Click(perRowUp.x, perRowUp.y);
      s.Click(perRowUp.x, perRowUp.y);
      Await("the maximum following", [&] { return s.GetText(maximum) == "14"; });
      EXPECT_EQ(s.GetText(rowsBox), "2");
      s.Screenshot(dialog, "buttons-seven-per-row");
    }
    if (page == hotClp.parent) {
      s.Click(hotClp.rect.left + 20, hotClp.rect.top + 8);
      s.Screen().PressKeys("ctrl+alt+k", "Option");
      s.Screenshot(dialog, "hot-key-typed");
    }
  });

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

// The Windows font of the dialog mapped to a monospaced one, wider than the
// proportional font the shared prefix maps it to, as a plain prefix (or a
// system with wider fonts) has it: the strip takes three rows of tabs.
// Every page then lies below the rows, the buttons below the pages, all
// inside the dialog; a second opening moves and grows nothing again.
TEST(OptionsDialog, PagesAndButtonsGoBelowAThirdRowOfTabs) {
  E2eSession s;
  OwnPrefix prefix(s.StageDir() / "prefix");
  const RunResult mapped = e2e::Run({.argv = {"wine", "reg", "add", R"(HKCU\Software\Wine\Fonts\Replacements)", "/v",
                                         "ＭＳ Ｐゴシック", "/d", "IPAGothic", "/f"},
                                .env = prefix.Env()},
                               60s);
  ASSERT_EQ(mapped.status, 0) << mapped.err;
  Program app = s.StartPelorin({}, prefix);
  const Probe& probe = app.GetProbe();
  const Window main = app.WaitForWindow({.title = "Pelorin"}, 30s);
  const Window dialog = OpenOptions(s, app, main);

  std::map<std::string, std::vector<Window>> children;  // by class
  for (const Window& child : probe.Children(dialog.hwnd)) {
    if (child.parent == dialog.hwnd) children[child.className].push_back(child);
  }
  const std::vector<Window>& pages = children["PelorinPanel"];
  const std::vector<Window>& buttons = children["Button"];
  ASSERT_EQ(children["SysTabControl32"].size(), 1u);
  const Window* strip = &children["SysTabControl32"].front();
  ASSERT_EQ(pages.size(), 8u);
  ASSERT_EQ(buttons.size(), 2u);
  const TabRows rows = probe.ReadTabRows(strip->hwnd);
  EXPECT_EQ(rows.rows, 3);
  EXPECT_TRUE(dialog.client.Contains(strip->rect));
  for (const Window& page : pages) {
    EXPECT_GE(page.rect.top, rows.tabs.bottom) << page;
    EXPECT_TRUE(strip->rect.Contains(page.rect)) << page;
    for (const Window& button : buttons) EXPECT_LE(page.rect.bottom, button.rect.top) << page << button;
  }
  for (const Window& button : buttons) EXPECT_TRUE(strip->rect.Contains(button.rect)) << button;

  s.Screenshot(dialog, "three-rows-first-page");

  probe.PressButton(dialog.hwnd, "キャンセル");
  WaitUntilHidden(app, "Option");
  EXPECT_EQ(OpenOptions(s, app, main).rect, dialog.rect);
  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

using StartupShortcut = InEveryLocale;

// The exe lies in a folder whose name holds the byte 0x5C in code page 932:
// the shortcut names it and its folder under every code page.
TEST_P(StartupShortcut, TheOptionsDialogMakesItForTheRunningExeAndRemovesIt) {
  E2eSession s(GetParam());
  ParkPointer(s);
  for (const fs::path& stale : StartupShortcuts("Pelorin.lnk")) fs::remove(stale);
  const fs::path folder = "ソフト/表示";
  for (const auto& [name, bytes] : DataFiles({})) s.WriteFile(folder / name, bytes);
  const fs::path exe = s.StageDir() / folder / "Pelorin.exe";
  fs::copy_file(WineEnvironment::PelorinExe(), exe);
  Program app = s.Start(exe, {}, exe.parent_path());
  app.SetMainWindow({.title = "Pelorin"});
  Window main = app.WaitForWindow({.title = "Pelorin"});
  Window dialog = OpenOptions(s, app, main);
  const Window tabs = ChildOfClass(s, dialog, "SysTabControl32");
  WaitForFirstPage(s, dialog);
  for (int tab = 0; tab < 5; ++tab) NextTab(s, dialog, tabs);

  const Window add = ChildAt(s, dialog, kPage.x + 232, kPage.y + 20);
  const Window remove = ChildAt(s, dialog, kPage.x + 232, kPage.y + 60);
  EXPECT_EQ(PressAndAnswer(s, app, dialog, add), "ショートカットを作成しました");
  const std::vector<fs::path> made = StartupShortcuts("Pelorin.lnk");
  ASSERT_EQ(made.size(), 1u);
  const LinkContents link = s.GetProbe().ReadLink(s.WindowsPath(made.front()));
  EXPECT_EQ(link.target, s.WindowsPath(exe));
  EXPECT_EQ(link.folder, s.WindowsPath(exe.parent_path()));

  EXPECT_EQ(PressAndAnswer(s, app, dialog, remove), "ショートカットを削除しました");
  EXPECT_TRUE(StartupShortcuts("Pelorin.lnk").empty());
  EXPECT_EQ(PressAndAnswer(s, app, dialog, remove), "削除するファイルがありません");

  ClickUntil(s, dialog.client.left + 232 + 48, dialog.client.top + 169 + 8, "Option closed by OK",
             [&] { return app.Windows({.title = "Option"}).empty(); });
  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(, StartupShortcut, EveryLocale(), LocaleTestName);

}  // namespace
}  // namespace e2e::mainwindow
