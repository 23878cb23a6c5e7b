// Move mode as a user works it: entered from the menu, items swapped by two
// presses and moved to the end by a click on the background, left through
// the move menu, which writes the new order.

#include <string>
#include <vector>

#include "harness/e2e.h"
#include "mainwindow/support.h"

namespace e2e::mainwindow {
namespace {

TEST(MoveMode, SwapsAndMovesItemsAndWritesTheOrderWhenLeft) {
  E2eSession s;
  ParkPointer(s);
  std::vector<Item> items;
  for (const char* name : {"a", "b", "c", "d"}) {
    items.push_back(ItemFor(s.WindowsPath(s.StageHelper("launch_recorder.exe", std::string("items/") + name + ".exe")),
                            name));
  }
  auto pathOf = [&](int index) { return items[static_cast<std::size_t>(index)].path; };
  Program app = s.StartPelorin(DataFiles(items));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  Grid grid(main, 5);
  const Point background = grid.Client(100, 90);

  s.Click(background.x, background.y, 3);
  app.PickMenuItem("アイテム設定(&I)");
  app.PickMenuItem("移動・編集(&E)");
  main = app.WaitForWindow({.title = "Pelorin -Move Mode-"});

  // Pick b (the mark is the pressed look), then press d: they swap.
  const Point onB = grid.OnImage(1);
  s.Click(onB.x, onB.y);
  WaitForPixels(s, main, "b-picked", [&](const Pixels& p) { return LooksLowered(p, grid, 1); });
  const Point onD = grid.OnImage(3);
  s.Click(onD.x, onD.y);
  WaitForPixels(s, main, "b-and-d-swapped", [&](const Pixels& p) { return LooksRaised(p, grid, 1); });
  // Pick a, click the background: a goes to the end.
  const Point onA = grid.OnImage(0);
  s.Click(onA.x, onA.y);
  WaitForPixels(s, main, "a-picked", [&](const Pixels& p) { return LooksLowered(p, grid, 0); });
  s.Click(background.x, background.y);
  WaitForPixels(s, main, "a-moved", [&](const Pixels& p) { return LooksRaised(p, grid, 0); });
  // Nothing is saved before move mode is left.
  EXPECT_EQ(ItemPaths(s.ReadFile("svf.itd")), (std::vector<std::string>{pathOf(0), pathOf(1), pathOf(2), pathOf(3)}));

  s.Click(background.x, background.y, 3);
  std::vector<PopupMenu> menus = app.WaitForPopupMenus();
  ASSERT_EQ(menus.size(), 1u);
  EXPECT_EQ(menus[0].Texts(), (std::vector<std::string>{"選択中のアイテムを編集(&E)", "-",
                                                        "コントロールウィンドウを表示(&C)", "移動・編集を終了する(&U)"}));
  s.ScreenshotScreen("move-menu");
  app.PickMenuItem("移動・編集を終了する(&U)");
  app.WaitForWindow({.title = "Pelorin"});
  Await("the new order saved", [&] {
    return ItemPaths(s.ReadFile("svf.itd")) == std::vector<std::string>{pathOf(3), pathOf(2), pathOf(1), pathOf(0)};
  });
  // The presses in move mode started nothing.
  for (const char* name : {"a", "b", "c", "d"}) EXPECT_FALSE(s.FileExists(std::string("items/") + name + ".log"));

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

}  // namespace
}  // namespace e2e::mainwindow
