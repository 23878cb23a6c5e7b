// An item whose file has gone is offered for deletion when the panel is
// drawn: OK deletes it, Cancel keeps it. Items in folders whose names hold
// the byte 0x5C in code page 932 (表, ソ) are found under every code page.

#include <string>
#include <vector>

#include "harness/e2e.h"
#include "mainwindow/support.h"

namespace e2e::mainwindow {
namespace {

struct MissingSetUp {
  std::string first;
  std::string missing;
  std::string last;
};

MissingSetUp StageTwoToolsAroundAMissingOne(const E2eSession& s) {
  return {s.WindowsPath(s.StageHelper("launch_recorder.exe", "ツール/表示/first.exe")),
          s.WindowsPath(s.StageDir() / "ソフト" / "missing.exe"),
          s.WindowsPath(s.StageHelper("launch_recorder.exe", "ツール/表示/last.exe"))};
}

DialogBox ExpectDeletionQuestion(const Program& app, const std::string& path) {
  DialogBox box = app.WaitForDialog();
  EXPECT_EQ(box.window.title, "アイテム削除確認");
  EXPECT_EQ(box.text, "\"" + path + "\"は存在しない可能性があります。削除しますか？");
  std::vector<int> ids;
  for (const DialogButton& button : box.buttons) ids.push_back(button.id);
  EXPECT_EQ(ids, (std::vector<int>{1, 2})) << "OK and Cancel";
  return box;
}

using MainWindowMissingItem = InEveryLocale;

TEST_P(MainWindowMissingItem, OkDeletesIt) {
  E2eSession s(GetParam());
  ParkPointer(s);
  const MissingSetUp items = StageTwoToolsAroundAMissingOne(s);
  Program app = s.StartPelorin(
      DataFiles({ItemFor(items.first, "first"), ItemFor(items.missing, "missing"), ItemFor(items.last, "last")}));
  DialogBox box = ExpectDeletionQuestion(app, items.missing);
  s.ScreenshotScreen("question");
  s.Answer(box, 1);

  Window main = app.WaitForWindow({.title = "Pelorin"});
  Grid grid(main, 5);
  Pixels pixels = WaitForPixels(s, main, "after-ok", [&](const Pixels& p) { return ShowsIcon(p, grid, 1); });
  EXPECT_TRUE(LooksRaised(pixels, grid, 0));
  EXPECT_TRUE(LooksRaised(pixels, grid, 1));
  EXPECT_FALSE(LooksRaised(pixels, grid, 2)) << "the third button is still there";
  EXPECT_FALSE(ShowsIcon(pixels, grid, 2));
  EXPECT_TRUE(app.Dialogs().empty()) << "asked more than once";

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
  EXPECT_EQ(ItemPaths(s.ReadFile("svf.itd")), (std::vector<std::string>{items.first, items.last}));
  EXPECT_EQ(CrLfLines(s.ReadFile("svp.pld")).at(2), "2");
}

INSTANTIATE_TEST_SUITE_P(, MainWindowMissingItem, EveryLocale(), LocaleTestName);

TEST(MainWindowMissingItemCancel, KeepsIt) {
  E2eSession s;
  ParkPointer(s);
  const MissingSetUp items = StageTwoToolsAroundAMissingOne(s);
  Program app = s.StartPelorin(
      DataFiles({ItemFor(items.first, "first"), ItemFor(items.missing, "missing"), ItemFor(items.last, "last")}));
  s.Answer(ExpectDeletionQuestion(app, items.missing), 2);

  Window main = app.WaitForWindow({.title = "Pelorin"});
  Grid grid(main, 5);
  Pixels pixels = WaitForPixels(s, main, "after-cancel", [&](const Pixels& p) { return ShowsIcon(p, grid, 2); });
  for (int slot = 0; slot < 3; ++slot) EXPECT_TRUE(LooksRaised(pixels, grid, slot)) << "button " << slot + 1;
  EXPECT_FALSE(ShowsIcon(pixels, grid, 1)) << "the shell has no icon for a file that is not there";
  EXPECT_FALSE(LooksRaised(pixels, grid, 3));
  EXPECT_TRUE(app.Dialogs().empty());

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
  EXPECT_EQ(ItemPaths(s.ReadFile("svf.itd")), (std::vector<std::string>{items.first, items.missing, items.last}));
}

}  // namespace
}  // namespace e2e::mainwindow
