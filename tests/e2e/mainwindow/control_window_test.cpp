// The control window and the panel manager as a user works them: the four
// arrows and the panel list switch the main window's panel (the list's
// names the same under every code page), the menu turns translucency on
// and off, the manager's buttons change the panels.

#include <string>
#include <vector>

#include "harness/e2e.h"
#include "mainwindow/support.h"

namespace e2e::mainwindow {
namespace {

// Four panels of one, three, two and four items (with fewer than four the
// "last panel" arrow cannot move).
std::vector<Panel> FourPanels(const E2eSession& s) {
  const std::string tool = s.WindowsPath(s.StageHelper("launch_recorder.exe", "items/tool.exe"));
  auto items = [&](int count) { return std::vector<Item>(static_cast<std::size_t>(count), ItemFor(tool)); };
  return {{"一番目", items(1)}, {"二番目", items(3)}, {"三番目", items(2)}, {"四番目", items(4)}};
}

const Options kBothWindows{.clShow = true, .controlLeft = 400};

// How many buttons the main window shows: the first slot, from the end, that looks raised.
int ShownItems(const Pixels& pixels, const Grid& grid) {
  for (int slot = 4; slot >= 0; --slot) {
    if (LooksRaised(pixels, grid, slot)) return slot + 1;
  }
  return 0;
}

void WaitForItems(const E2eSession& s, const Window& main, const Grid& grid, int count, const std::string& name) {
  WaitForPixels(s, main, name, [&](const Pixels& p) { return ShownItems(p, grid) == count; });
}

using ControlWindow = InEveryLocale;

TEST_P(ControlWindow, TheFourArrowsAndThePanelListSwitchPanels) {
  E2eSession s(GetParam());
  ParkPointer(s);
  Program app = s.StartPelorin(PanelFiles(FourPanels(s), kBothWindows));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  Window control = app.WaitForWindow({.title = "Control Window"});
  EXPECT_EQ(control.rect.left, 400);
  EXPECT_EQ(control.client.Width(), 226);
  EXPECT_EQ(control.client.Height(), 41);
  s.Screenshot(control, "control-window");
  Grid grid(main, 5);
  WaitForItems(s, main, grid, 1, "panel-1");

  // The row shows four arrows: back one, first, last, forward one.
  const int arrowY = control.client.top + 23 + 8;
  auto click = [&](int x) { s.Click(control.client.left + x, arrowY); };
  click(157);  // forward one (Down's right arrow)
  WaitForItems(s, main, grid, 3, "forward-to-2");
  click(130);  // last (TwoStep's right half)
  WaitForItems(s, main, grid, 4, "last-is-4");
  click(75);  // back one (Up's left arrow)
  WaitForItems(s, main, grid, 2, "back-to-3");
  click(100);  // first (TwoStep's left half)
  WaitForItems(s, main, grid, 1, "first-is-1");

  // The panel list: the arrow key chooses the next name.
  const Window list = ChildOfClass(s, control, "ComboBox");
  s.PostKeys(list, {"down"});
  WaitForItems(s, main, grid, 3, "list-chooses-2");
  EXPECT_EQ(s.GetText(list), "二番目");
  s.Screenshot(control, "control-window-on-panel-2");

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
  EXPECT_EQ(CrLfLines(s.ReadFile("opt.dat")).at(4), "1") << "CurrentPanel not saved";
}

INSTANTIATE_TEST_SUITE_P(, ControlWindow, EveryLocale(), LocaleTestName);

TEST(ControlWindowTranslucency, OnAndOffFromTheMenu) {
  E2eSession s;
  ParkPointer(s);
  Program app = s.StartPelorin(PanelFiles(FourPanels(s), kBothWindows));
  app.WaitForWindow({.title = "Pelorin"});
  Window control = app.WaitForWindow({.title = "Control Window"});
  // AlphaControl is on by default: level 140 gives the alpha 210.
  Await("the control window translucent", [&] { return s.Screen().Opacity("Control Window") == 0xD2D2D2D2u; });

  auto toggle = [&](const std::string& entry) {
    // Between the Index label and the first arrow nothing lies on the window.
    s.Click(control.client.left + 57, control.client.top + 32, 3);
    app.PickMenuItem("半透明化設定(&H)");
    app.PickMenuItem(entry);
  };
  toggle("コントロールウィンドウ(&C)");
  Await("the control window opaque", [&] {
    const auto opacity = s.Screen().Opacity("Control Window");
    return !opacity || *opacity == 0xFFFFFFFFu;
  });
  toggle("メインウィンドウ(&M)");
  Await("the main window translucent", [&] { return s.Screen().Opacity("Pelorin") == 0xC8C8C8C8u; });

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

TEST(PanelManager, ItsButtonsChangeThePanelsOkWritesThemAndCancelRestores) {
  E2eSession s;
  ParkPointer(s);
  Program app = s.StartPelorin(PanelFiles(FourPanels(s)));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  const Point background = Grid(main, 5).Client(100, 90);
  auto open = [&] {
    s.Click(background.x, background.y, 3);
    app.PickMenuItem("パネル設定(&P)");
    app.PickMenuItem("編集");
    return app.WaitForWindow({.title = "Panel Option"});
  };

  Window manager = open();
  EXPECT_EQ(manager.client.Width(), 341);
  EXPECT_EQ(manager.client.Height(), 189);
  const Window list = ChildOfClass(s, manager, "SysListView32");
  // Rows lie one under the other below the column headers.
  auto selectRow = [&](int row) { s.Click(list.client.left + 40, list.client.top + 28 + 15 * row); };
  auto prompt = [&](const std::string& button, const std::string& name) {
    s.GetProbe().PressButton(manager.hwnd, button);
    Window names = app.WaitForWindow({.title = "Name"});
    s.SetText(ChildOfClass(s, names, "Edit"), name);
    s.GetProbe().PressButton(names.hwnd, "決定");
    WaitUntilHidden(app, "Name");
  };
  prompt("追加", "五番目");
  selectRow(0);
  prompt("名前変更", "最初");
  selectRow(1);
  s.GetProbe().PressButton(manager.hwnd, "下に移動");
  s.Screenshot(manager, "panel-manager-with-five");
  s.GetProbe().PressButton(manager.hwnd, "OK");
  WaitUntilHidden(app, "Panel Option");
  const std::vector<std::string> afterOk = {"最初", "三番目", "二番目", "四番目", "五番目"};
  Await("the changed panels saved", [&] { return PanelNames(s.ReadFile("svp.pld")) == afterOk; });

  // Delete the first panel, then Cancel: nothing of it stays.
  manager = open();
  selectRow(0);
  s.GetProbe().PressButton(manager.hwnd, "削除");
  s.Screenshot(manager, "panel-manager-after-delete");
  s.GetProbe().PressButton(manager.hwnd, "キャンセル");
  WaitUntilHidden(app, "Panel Option");

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
  EXPECT_EQ(PanelNames(s.ReadFile("svp.pld")), afterOk);
}

}  // namespace
}  // namespace e2e::mainwindow
