#pragma once
// What the main window's end-to-end tests share: data files with a panel
// of items, the grid's places on the screen, and the pixels of screenshots.

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "harness/e2e.h"

namespace e2e::mainwindow {

// One record of svf.itd; texts in UTF-8.
struct Item {
  std::string name;
  std::string path;
  std::string hint;
  std::string folder;
  std::string notify;
  std::string sincro;
  int executeSize = 0;
  bool isFolder = false;
  std::string iconPath;
  int iconNumber = 0;
};

// The options the tests vary; the rest keep their first-run values.
struct Options {
  int showLine = 5;
  int icLine = 3;
  int maxLine = 15;
  bool popFolder = true;
  // Off by default: the control window would cover the grid's right part.
  bool clShow = false;
  // Dropped files ask first (the drop menu).
  bool ddCheck = true;
  bool memSysShow = true;
  // Off by default: the control window's title then stays "Control Window".
  bool time = false;
  bool taskCheck = true;
  // HotClp, HotMyComputer, HotSearch, HotTrashBox, HotExit, HotReBoot.
  std::array<std::string, 6> hotKeys;
  // Where the two windows start (outer top left).
  int mainLeft = 111;
  int mainTop = 89;
  int controlLeft = 253;
  int controlTop = 109;
};

// One panel of the data files.
struct Panel {
  std::string name;
  std::vector<Item> items;
};

// svp.pld, svf.itd and opt.dat with items in the first panel
// ("ワークスペース").
StagedFiles DataFiles(const std::vector<Item>& items, const Options& options = {});
// The same with up to ten panels.
StagedFiles PanelFiles(const std::vector<Panel>& panels, const Options& options = {});
// The panel names of svp.pld, in UTF-8.
std::vector<std::string> PanelNames(const std::string& panelFile);
// An item that starts path (a Windows path) with the shell's icon of it.
Item ItemFor(const std::string& path, const std::string& name = "item");
// A folder item.
Item FolderItem(const std::string& path, const std::string& hint = "folder");

// The FilePath lines of svf.itd, in UTF-8.
std::vector<std::string> ItemPaths(const std::string& itemFile);

struct Point {
  int x = 0;
  int y = 0;
};

// Where the grid's slots lie on the screen.
class Grid {
 public:
  static constexpr int kPitch = 37;

  Grid(const Window& main, int perRow) : client_(main.client), perRow_(perRow) {}

  // Top left of the slot's cell (its bevel).
  Point Cell(int slot) const;
  // A point on the slot's image, offset from the image's top left.
  Point OnImage(int slot, int dx = 16, int dy = 16) const;
  // A point of the client area.
  Point Client(int x, int y) const { return {client_.left + x, client_.top + y}; }

 private:
  Rect client_;
  int perRow_;
};

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const Rgb&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Rgb& colour);

// The pixels of a screenshot, read through ImageMagick.
class Pixels {
 public:
  // origin: the screen position of the screenshot's top left pixel.
  static Pixels Load(const E2eSession& s, const std::filesystem::path& png, Point origin);
  // Takes a screenshot of window (name.png) and loads it.
  static Pixels Of(const E2eSession& s, const Window& window, const std::string& name);

  // At a screen position; throws outside the screenshot.
  Rgb At(Point screen) const;
  Rgb At(int x, int y) const { return At(Point{x, y}); }
  // Whether every pixel of the screen rectangle equals the other's.
  bool SameIn(const Pixels& other, const Rect& screen) const;

 private:
  Point origin_;
  int width_ = 0;
  int height_ = 0;
  std::string rgb_;
};

// The cell of slot (bevel and image, without the lines) on the screen.
Rect CellRect(const Grid& grid, int slot);
// The slot's image (32 x 32) on the screen, where the grid places it.
Rect ImageRect(const Grid& grid, int slot);

// Takes screenshots of window until check holds for one of them; answers
// that one. Throws after timeout with the last screenshot's name.
template <class Check>
Pixels WaitForPixels(const E2eSession& s, const Window& window, const std::string& name, Check check,
                     Milliseconds timeout = 5s) {
  std::optional<Pixels> last;
  if (PollUntil(timeout, [&] {
        last = Pixels::Of(s, window, name);
        return check(*last);
      })) {
    return *last;
  }
  throw std::runtime_error("the screen never showed what was awaited; last screenshot: " + name + ".png");
}

// Moves the pointer out of the way of the windows, so that no tip and no
// hover frame shows.
void ParkPointer(const E2eSession& s);

// Closes, when it goes out of scope, every window that query finds: the
// prefix is shared with later tests, so nothing the launcher opened may
// stay, whatever happens to the test.
class WindowsCloser {
 public:
  WindowsCloser(const E2eSession& s, WindowQuery query) : s_(s), query_(std::move(query)) {}
  ~WindowsCloser();
  WindowsCloser(const WindowsCloser&) = delete;
  WindowsCloser& operator=(const WindowsCloser&) = delete;

 private:
  const E2eSession& s_;
  WindowQuery query_;
};

// The child window whose top left lies at (x, y) of the window's client
// area; the first child of that class. Both throw when there is none.
Window ChildAt(const E2eSession& s, const Window& window, int x, int y);
Window ChildOfClass(const E2eSession& s, const Window& window, const std::string& className);

// Waits until the program shows no window of that title (the launcher's
// dialogs are hidden when they close, not destroyed).
void WaitUntilHidden(const Program& app, const std::string& title);
// Clicks at x, y until effect holds: once more when it does not within two
// seconds, since under Wine the first click after a window closed is
// sometimes lost; throws, naming what, when it never holds.
void ClickUntil(const E2eSession& s, int x, int y, const std::string& what, const std::function<bool()>& effect);

// Waits until no tip of the program is on the screen; throws when one stays.
void WaitUntilNoTipShows(const Program& app);

// Brightness, to tell a raised from a lowered bevel in any colour scheme.
int Luma(const Rgb& colour);

// The window's background colour: above the first column line, where
// nothing is drawn whatever the panel holds.
Rgb Background(const Pixels& pixels, const Grid& grid);

// A raised bevel is dark on its outer right edge, a lowered one light; the
// hover frame never covers that edge.
bool LooksRaised(const Pixels& pixels, const Grid& grid, int slot);
bool LooksLowered(const Pixels& pixels, const Grid& grid, int slot);

// Whether the hover frame (2 pixels wide, in one colour) outlines the slot's
// bevel; colour gets that colour.
bool HoverFrameAt(const Pixels& pixels, const Grid& grid, int slot, Rgb* colour = nullptr);

// Some pixel of the slot's image differs from the background.
bool ShowsIcon(const Pixels& pixels, const Grid& grid, int slot);

}  // namespace e2e::mainwindow
