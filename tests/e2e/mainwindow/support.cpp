#include "mainwindow/support.h"

#include <sstream>
#include <stdexcept>

#include "harness/process.h"

namespace e2e::mainwindow {
namespace {

std::string Bool(bool value) { return value ? "TRUE" : "FALSE"; }

std::string Lines(const std::vector<std::string>& lines) {
  std::vector<std::string> cp932;
  for (const std::string& line : lines) cp932.push_back(ToCp932(line));
  return CrLfFile(cp932);
}

}  // namespace

StagedFiles DataFiles(const std::vector<Item>& items, const Options& options) {
  return PanelFiles({{"ワークスペース", items}}, options);
}

StagedFiles PanelFiles(const std::vector<Panel>& panelList, const Options& options) {
  std::vector<std::string> panels = {std::to_string(panelList.size())};
  std::vector<std::string> records;
  for (const Panel& panel : panelList) {
    panels.insert(panels.end(), {panel.name, std::to_string(panel.items.size())});
    for (const Item& item : panel.items) {
      records.insert(records.end(), {item.name, item.path, item.hint, item.folder, item.notify, item.sincro,
                                     std::to_string(item.executeSize), Bool(item.isFolder), item.iconPath,
                                     std::to_string(item.iconNumber)});
    }
  }
  for (std::size_t unused = panelList.size(); unused < 10; ++unused) panels.insert(panels.end(), {"", "0"});

  // clang-format off
  const std::vector<std::string> opt = {
      std::to_string(options.showLine), std::to_string(options.icLine), std::to_string(options.maxLine),
      Bool(options.popFolder), "0", "ＭＳ Ｐゴシック",
      "-2147483640", "-2147483633", "-2147483633", "-2147483642",
      Bool(options.clShow), Bool(options.memSysShow), Bool(options.time), "TRUE", "2", "FALSE",
      Bool(options.taskCheck), Bool(options.ddCheck),
      options.hotKeys[0], options.hotKeys[1], options.hotKeys[2],
      options.hotKeys[3], options.hotKeys[4], options.hotKeys[5],
      // main window top, left; control window top, left
      std::to_string(options.mainTop), std::to_string(options.mainLeft),
      std::to_string(options.controlTop), std::to_string(options.controlLeft),
      "FALSE", "TRUE", "140"};
  // clang-format on
  return {{"svp.pld", Lines(panels)}, {"svf.itd", Lines(records)}, {"opt.dat", Lines(opt)}};
}

Item ItemFor(const std::string& path, const std::string& name) {
  return Item{.name = name, .path = path, .hint = "hint of " + name, .iconPath = path};
}

Item FolderItem(const std::string& path, const std::string& hint) {
  return Item{.name = "folder", .path = path, .hint = hint, .isFolder = true, .iconPath = path};
}


std::vector<std::string> PanelNames(const std::string& panelFile) {
  const std::vector<std::string> lines = CrLfLines(panelFile);
  if (lines.size() != 21) throw std::runtime_error("svp.pld holds " + std::to_string(lines.size()) + " lines");
  std::vector<std::string> names;
  for (int panel = 0; panel < std::stoi(lines[0]); ++panel) names.push_back(FromCp932(lines[1 + 2 * panel]));
  return names;
}

std::vector<std::string> ItemPaths(const std::string& itemFile) {
  const std::vector<std::string> lines = CrLfLines(itemFile);
  if (lines.size() % 10 != 0) throw std::runtime_error("svf.itd holds " + std::to_string(lines.size()) + " lines");
  std::vector<std::string> paths;
  for (std::size_t record = 0; record < lines.size(); record += 10) paths.push_back(FromCp932(lines[record + 1]));
  return paths;
}

Point Grid::Cell(int slot) const {
  return Client(kPitch * (slot % perRow_), kPitch * (slot / perRow_));
}

Point Grid::OnImage(int slot, int dx, int dy) const {
  const Point cell = Cell(slot);
  return {cell.x + 2 + dx, cell.y + 2 + dy};
}

std::ostream& operator<<(std::ostream& out, const Rgb& colour) {
  return out << "rgb(" << int{colour.r} << "," << int{colour.g} << "," << int{colour.b} << ")";
}

Pixels Pixels::Load(const E2eSession& s, const std::filesystem::path& png, Point origin) {
  RunResult result = Run({.argv = {"convert", png.string(), "-depth", "8", "ppm:-"}, .env = s.Environment().Env()}, 30s);
  if (result.status != 0) throw std::runtime_error("convert " + png.string() + " failed: " + result.err);
  // "P6 <width> <height> 255" and one white-space byte, then the pixels.
  std::istringstream header(result.out);
  std::string magic;
  int maxValue = 0;
  Pixels pixels;
  header >> magic >> pixels.width_ >> pixels.height_ >> maxValue;
  if (magic != "P6" || maxValue != 255 || !header) throw std::runtime_error("not an 8-bit PPM: " + png.string());
  const auto start = static_cast<std::size_t>(header.tellg()) + 1;
  pixels.rgb_ = result.out.substr(start);
  if (pixels.rgb_.size() != static_cast<std::size_t>(pixels.width_) * pixels.height_ * 3) {
    throw std::runtime_error("short pixel data in " + png.string());
  }
  pixels.origin_ = origin;
  return pixels;
}

Pixels Pixels::Of(const E2eSession& s, const Window& window, const std::string& name) {
  return Load(s, s.Screenshot(window, name), Point{window.rect.left, window.rect.top});
}

Rgb Pixels::At(Point screen) const {
  const int x = screen.x - origin_.x;
  const int y = screen.y - origin_.y;
  if (x < 0 || y < 0 || x >= width_ || y >= height_) {
    throw std::out_of_range("pixel " + std::to_string(screen.x) + "," + std::to_string(screen.y) +
                            " lies outside the screenshot");
  }
  const std::size_t at = (static_cast<std::size_t>(y) * width_ + x) * 3;
  return Rgb{static_cast<std::uint8_t>(rgb_[at]), static_cast<std::uint8_t>(rgb_[at + 1]),
             static_cast<std::uint8_t>(rgb_[at + 2])};
}

bool Pixels::SameIn(const Pixels& other, const Rect& screen) const {
  for (int y = screen.top; y < screen.bottom; ++y) {
    for (int x = screen.left; x < screen.right; ++x) {
      if (!(At(x, y) == other.At(x, y))) return false;
    }
  }
  return true;
}

Rect CellRect(const Grid& grid, int slot) {
  const Point cell = grid.Cell(slot);
  return Rect{cell.x, cell.y, cell.x + 36, cell.y + 36};
}

Rect ImageRect(const Grid& grid, int slot) {
  const Point cell = grid.Cell(slot);
  return Rect{cell.x + 2, cell.y + 2, cell.x + 34, cell.y + 34};
}

void ParkPointer(const E2eSession& s) { s.MoveMouse(1000, 750); }

WindowsCloser::~WindowsCloser() {
  try {
    for (const Window& window : s_.Windows(query_)) {
      s_.Close(window);
      s_.WaitUntilGone(window);
    }
  } catch (const std::exception&) {
    // The test reports what went wrong.
  }
}

Window ChildAt(const E2eSession& s, const Window& window, int x, int y) {
  for (const Window& child : s.Children(window)) {
    if (child.rect.left == window.client.left + x && child.rect.top == window.client.top + y) return child;
  }
  throw std::runtime_error("no control at " + std::to_string(x) + "," + std::to_string(y) + " of " + window.title);
}

Window ChildOfClass(const E2eSession& s, const Window& window, const std::string& className) {
  for (const Window& child : s.Children(window)) {
    if (child.className == className) return child;
  }
  throw std::runtime_error("no " + className + " in " + window.title);
}

void WaitUntilHidden(const Program& app, const std::string& title) {
  Await(title + " hidden", [&] { return app.Windows({.title = title}).empty(); });
}

void ClickUntil(const E2eSession& s, int x, int y, const std::string& what, const std::function<bool()>& effect) {
  s.Click(x, y);
  if (PollUntil(2s, effect)) return;
  s.Click(x, y);
  Await(what, effect);
}

void WaitUntilNoTipShows(const Program& app) {
  if (!PollUntil(kDefaultTimeout, [&] { return app.Windows({.className = "tooltips_class32"}).empty(); })) {
    throw std::runtime_error("a tip stays on the screen after the pointer has left its button");
  }
}

int Luma(const Rgb& colour) { return (299 * colour.r + 587 * colour.g + 114 * colour.b) / 1000; }

Rgb Background(const Pixels& pixels, const Grid& grid) { return pixels.At(grid.Client(36, 0)); }

namespace {

// The outer right edge of the bevel, half way down.
Rgb OuterRightEdge(const Pixels& pixels, const Grid& grid, int slot) {
  const Point cell = grid.Cell(slot);
  return pixels.At(cell.x + 35, cell.y + 18);
}

bool AllOf(const Pixels& pixels, const Rect& area, const Rgb& colour) {
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (!(pixels.At(x, y) == colour)) return false;
    }
  }
  return true;
}

}  // namespace

bool LooksRaised(const Pixels& pixels, const Grid& grid, int slot) {
  return Luma(OuterRightEdge(pixels, grid, slot)) < Luma(Background(pixels, grid));
}

bool LooksLowered(const Pixels& pixels, const Grid& grid, int slot) {
  return Luma(OuterRightEdge(pixels, grid, slot)) > Luma(Background(pixels, grid));
}

bool HoverFrameAt(const Pixels& pixels, const Grid& grid, int slot, Rgb* colour) {
  const Point c = grid.Cell(slot);
  const Rgb frame = pixels.At(c);
  if (frame == Background(pixels, grid)) return false;
  // Bar_l, Bar_r, Bar_u and Bar_d at the places and sizes the window gives them.
  const bool framed = AllOf(pixels, {c.x, c.y, c.x + 2, c.y + 33}, frame) &&
                      AllOf(pixels, {c.x + 33, c.y, c.x + 35, c.y + 33}, frame) &&
                      AllOf(pixels, {c.x, c.y, c.x + 33, c.y + 2}, frame) &&
                      AllOf(pixels, {c.x, c.y + 33, c.x + 35, c.y + 35}, frame);
  if (framed && colour != nullptr) *colour = frame;
  return framed;
}

bool ShowsIcon(const Pixels& pixels, const Grid& grid, int slot) {
  return !AllOf(pixels, ImageRect(grid, slot), Background(pixels, grid));
}

}  // namespace e2e::mainwindow
