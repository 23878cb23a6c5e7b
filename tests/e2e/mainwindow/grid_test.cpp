// The grid as a user sees it: buttons with their icons, the lines between
// them and the hover frame, for panels of 0, 7 and 20 items.

#include <sstream>
#include <string>
#include <vector>

#include "harness/e2e.h"
#include "mainwindow/support.h"

namespace e2e::mainwindow {
namespace {

// The shell's icons of programs, a folder and a document of the prefix,
// and icons by index from shell32.dll.
std::vector<Item> PrefixItems(int count) {
  const std::vector<std::string> shellIcons = {"C:\\windows\\notepad.exe", "C:\\windows",
                                               "C:\\windows\\win.ini", "C:\\windows\\system32\\winemine.exe"};
  const std::vector<int> shell32Indices = {5, 11, 17, 23, 29, 35, 41, 47, 59, 3};
  std::vector<Item> items;
  for (int i = 0; i < count; ++i) {
    Item item = ItemFor(shellIcons[(i / 2) % shellIcons.size()], "item" + std::to_string(i));
    if (i % 2 == 1) {
      item.iconPath = "C:\\windows\\system32\\shell32.dll";
      item.iconNumber = shell32Indices[static_cast<std::size_t>(i / 2)];
    }
    items.push_back(item);
  }
  return items;
}

struct Layout {
  int perRow;
  int rows;
  int count;
  std::vector<int> columnLineHeights;  // of the lines right of columns 0..perRow-1
  std::vector<int> rowLineWidths;      // of the lines under rows 0..3
};

// Every pixel of the client area outside the items' cells: the line colour
// where a line lies, the background elsewhere (empty cells included).
void ExpectLinesAndEmptyCells(const Pixels& pixels, const Grid& grid, const Window& main, const Layout& layout) {
  const int width = Grid::kPitch * layout.perRow + 1;
  const int height = Grid::kPitch * layout.rows + 1;
  ASSERT_EQ(main.client.Width(), width);
  ASSERT_EQ(main.client.Height(), height);
  auto inLine = [&](int x, int y) {
    for (int k = 0; k < layout.perRow; ++k) {
      if (x == Grid::kPitch * k + 36 && y >= 1 && y < 1 + layout.columnLineHeights[k]) return true;
    }
    for (int r = 0; r < 4; ++r) {
      if (y == Grid::kPitch * r + 36 && x < layout.rowLineWidths[r]) return true;
    }
    return false;
  };
  auto inItemCell = [&](int x, int y) {
    const int slot = (y / Grid::kPitch) * layout.perRow + x / Grid::kPitch;
    return x % Grid::kPitch < 36 && y % Grid::kPitch < 36 && slot < layout.count;
  };
  const Rgb background = Background(pixels, grid);
  std::optional<Rgb> line;
  int wrong = 0;
  std::ostringstream first;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (inItemCell(x, y)) continue;
      const Rgb seen = pixels.At(grid.Client(x, y));
      if (inLine(x, y) && !line) line = seen;
      const Rgb expected = inLine(x, y) ? *line : background;
      if (!(seen == expected) && wrong++ == 0) {
        first << "client " << x << "," << y << ": " << seen << " instead of " << expected;
      }
    }
  }
  EXPECT_EQ(wrong, 0) << "pixels that break the grid's lines; the first: " << first.str();
  if (line) {
    EXPECT_NE(*line, background) << "lines in the background colour";
  }
}

// Buttons of the items: a raised bevel like the first one's, with an icon.
void ExpectButtons(const Pixels& pixels, const Grid& grid, int count) {
  for (int slot = 0; slot < count; ++slot) {
    SCOPED_TRACE("slot " + std::to_string(slot));
    EXPECT_TRUE(LooksRaised(pixels, grid, slot));
    EXPECT_TRUE(ShowsIcon(pixels, grid, slot));
    const Point cell = grid.Cell(slot);
    const Point first = grid.Cell(0);
    for (int d = 0; d < 36; ++d) {
      // The two edge pixels on each side of the bevel.
      for (int edge : {0, 1, 34, 35}) {
        ASSERT_EQ(pixels.At(cell.x + edge, cell.y + d), pixels.At(first.x + edge, first.y + d)) << edge << "," << d;
        ASSERT_EQ(pixels.At(cell.x + d, cell.y + edge), pixels.At(first.x + d, first.y + edge)) << d << "," << edge;
      }
    }
  }
}

TEST(MainWindowGrid, EmptyPanelShowsNoButtonsAndNoLines) {
  E2eSession s;
  ParkPointer(s);
  Program app = s.StartPelorin(DataFiles({}));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  EXPECT_EQ(main.rect, (Rect{111, 89, 303, 223}));
  Grid grid(main, 5);
  Pixels pixels = Pixels::Of(s, main, "empty-panel");
  ExpectLinesAndEmptyCells(pixels, grid, main, {5, 3, 0, {0, 0, 0, 0, 0}, {0, 0, 0, 0}});
  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

TEST(MainWindowGrid, SevenItemsInRowsOfFiveWithHoverFrame) {
  E2eSession s;
  ParkPointer(s);
  Program app = s.StartPelorin(DataFiles(PrefixItems(7)));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  EXPECT_EQ(main.rect, (Rect{111, 89, 303, 223}));
  Grid grid(main, 5);
  // Column lines 0 and 1 reach one cell further, where the second row has items.
  const Layout layout{5, 3, 7, {72, 72, 35, 35, 35}, {184, 73, 0, 0}};
  Pixels pixels = WaitForPixels(s, main, "seven-items", [&](const Pixels& p) { return ShowsIcon(p, grid, 6); });
  ExpectButtons(pixels, grid, 7);
  ExpectLinesAndEmptyCells(pixels, grid, main, layout);

  // The frame follows the pointer from button to button and stays when it
  // leaves the grid. Its tip shows below the pointer, away from the cells
  // looked at here.
  const Point first = grid.OnImage(1, 16, 24);
  s.MoveMouse(first.x, first.y);
  Rgb frame;
  Pixels hover1 = WaitForPixels(s, main, "hover-on-2", [&](const Pixels& p) { return HoverFrameAt(p, grid, 1); });
  HoverFrameAt(hover1, grid, 1, &frame);
  // The system's button-shadow colour, the inner right edge of a raised bevel.
  EXPECT_EQ(frame, hover1.At(grid.Cell(0).x + 34, grid.Cell(0).y + 18));
  EXPECT_FALSE(HoverFrameAt(hover1, grid, 0));

  const Point second = grid.OnImage(6, 16, 24);
  s.MoveMouse(second.x, second.y);
  Pixels hover2 = WaitForPixels(s, main, "hover-on-7", [&](const Pixels& p) {
    return HoverFrameAt(p, grid, 6) && !HoverFrameAt(p, grid, 1);
  });
  EXPECT_TRUE(hover2.SameIn(pixels, CellRect(grid, 1))) << "button 2 does not look as before the pointer came";

  // Its tip goes once the pointer has left the button.
  ParkPointer(s);
  WaitUntilNoTipShows(app);
  Pixels left = WaitForPixels(s, main, "pointer-gone", [&](const Pixels& p) { return HoverFrameAt(p, grid, 6); });
  ExpectLinesAndEmptyCells(left, grid, main, layout);

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

TEST(MainWindowGrid, TwentyItemsInFourRowsOfFive) {
  E2eSession s;
  ParkPointer(s);
  Program app = s.StartPelorin(DataFiles(PrefixItems(20), {.showLine = 5, .icLine = 4, .maxLine = 20}));
  Window main = app.WaitForWindow({.title = "Pelorin"});
  // 37 x 5 + 7 wide, 37 x 4 + 23 high.
  EXPECT_EQ(main.rect, (Rect{111, 89, 303, 260}));
  Grid grid(main, 5);
  Pixels pixels = WaitForPixels(s, main, "twenty-items", [&](const Pixels& p) { return ShowsIcon(p, grid, 19); });
  ExpectButtons(pixels, grid, 20);
  ExpectLinesAndEmptyCells(pixels, grid, main, {5, 4, 20, {146, 146, 146, 146, 146}, {184, 184, 184, 184}});

  const Point last = grid.OnImage(19, 16, 8);
  s.MoveMouse(last.x, last.y);
  WaitForPixels(s, main, "hover-on-20", [&](const Pixels& p) { return HoverFrameAt(p, grid, 19); });
  s.ScreenshotScreen("hover-on-20-with-tip");

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

}  // namespace
}  // namespace e2e::mainwindow
