// Hiding at the screen edge as a user meets it: the main window near an
// edge hides a second after the pointer left it, a strip stays at the
// edge, touching the strip brings the window back flush with the edge, a
// file dropped on the strip brings it back and is registered; no hiding
// while a menu is open.

#include <optional>
#include <string>
#include <vector>

#include "harness/e2e.h"
#include "mainwindow/support.h"

namespace e2e::mainwindow {
namespace {

constexpr int kScreenWidth = 1024;
// BarWidth's first-run value.
constexpr int kStripWidth = 2;

// The strip: Pelorin's visible form without a caption.
std::optional<Window> Strip(const Program& app) {
  for (const Window& window : app.Windows({.className = "PelorinForm"})) {
    if (window.title.empty()) return window;
  }
  return std::nullopt;
}

Window WaitForStrip(const Program& app) {
  std::optional<Window> strip;
  Await("the strip at the edge", [&] { return (strip = Strip(app)).has_value(); });
  return *strip;
}

std::vector<Item> OneItem(const E2eSession& s) {
  return {ItemFor(s.WindowsPath(s.StageHelper("launch_recorder.exe", "items/tool.exe")))};
}

TEST(EdgeHiding, NearTheRightEdgeHidesAndComesBackFlushWhenTheStripIsTouched) {
  E2eSession s;
  ParkPointer(s);
  Program app = s.StartPelorin(DataFiles(OneItem(s), {.mainLeft = kScreenWidth - 200, .mainTop = 300}));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  const Rect before = main.rect;

  // The pointer is away: a second later the window hides.
  WaitUntilHidden(app, "Pelorin");
  Window strip = WaitForStrip(app);
  EXPECT_EQ(strip.rect, (Rect{kScreenWidth - kStripWidth, before.top, kScreenWidth, before.bottom}));
  s.ScreenshotScreen("strip-at-the-right-edge");

  s.MoveMouse(kScreenWidth - 1, before.top + 20);
  main = app.WaitForWindow({.title = "Pelorin"});
  EXPECT_EQ(main.rect.right, kScreenWidth) << "not flush with the edge";
  EXPECT_EQ(main.rect.top, before.top);
  EXPECT_FALSE(Strip(app).has_value());

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

TEST(EdgeHiding, AFileDroppedOnTheStripBringsTheWindowBackAndIsRegistered) {
  E2eSession s;
  ParkPointer(s);
  Program app = s.StartPelorin(DataFiles(OneItem(s), {.ddCheck = false, .mainLeft = 10, .mainTop = 300}));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  const Rect before = main.rect;

  WaitUntilHidden(app, "Pelorin");
  Window strip = WaitForStrip(app);
  EXPECT_EQ(strip.rect, (Rect{0, before.top, kStripWidth, before.bottom}));

  const std::string dropped = s.WindowsPath(s.WriteFile("dropped.txt", "text"));
  s.DropFiles(strip, {dropped}, 0, 10);
  main = app.WaitForWindow({.title = "Pelorin"});
  EXPECT_EQ(main.rect, before) << "not back at its old place";
  Await("the dropped file saved", [&] { return ItemPaths(s.ReadFile("svf.itd")).size() == 2; });
  EXPECT_EQ(ItemPaths(s.ReadFile("svf.itd")).back(), dropped);

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

TEST(EdgeHiding, NoHidingWhileAMenuIsOpen) {
  E2eSession s;
  ParkPointer(s);
  Program app = s.StartPelorin(DataFiles(OneItem(s), {.mainLeft = 10, .mainTop = 300}));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  const Point background = Grid(main, 5).Client(100, 90);
  s.Click(background.x, background.y, 3);
  std::vector<PopupMenu> menus = app.WaitForPopupMenus();
  // The pointer leaves the window while the menu stays open.
  ParkPointer(s);
  EXPECT_FALSE(PollUntil(3s, [&] { return app.Windows({.title = "Pelorin"}).empty(); }))
      << "the window hid under its open menu";
  app.CancelMenu();
  // Once the menu is gone, the window hides; touching the strip brings it back.
  WaitUntilHidden(app, "Pelorin");
  s.MoveMouse(0, main.rect.top + 20);
  app.WaitForWindow({.title = "Pelorin"});

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

}  // namespace
}  // namespace e2e::mainwindow
