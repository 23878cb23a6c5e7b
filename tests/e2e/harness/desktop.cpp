#include "harness/desktop.h"

#include <algorithm>
#include <stdexcept>

#include "harness/process.h"

namespace e2e {
namespace {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr Milliseconds kToolTimeout = 30s;

}  // namespace

void Desktop::Tool(const std::vector<std::string>& argv) const {
  RunResult result = Run({.argv = argv, .env = environment_.Env()}, kToolTimeout);
  if (result.status != 0) {
    throw std::runtime_error(CommandText(argv) + " failed (status " + std::to_string(result.status) + ")\n" +
                             result.err);
  }
}

void Desktop::Xdotool(std::vector<std::string> arguments) const {
  arguments.insert(arguments.begin(), "xdotool");
  Tool(arguments);
}

void Desktop::MoveMouse(int x, int y) const { Xdotool({"mousemove", std::to_string(x), std::to_string(y)}); }

void Desktop::Click(int x, int y, int button) const {
  Xdotool({"mousemove", std::to_string(x), std::to_string(y), "click", std::to_string(button)});
}

void Desktop::DoubleClick(int x, int y) const {
  Xdotool({"mousemove", std::to_string(x), std::to_string(y), "click", "--repeat", "2", "--delay", "80", "1"});
}

void Desktop::PressKeys(const std::string& keys, const std::optional<std::string>& focusTitle) const {
  if (focusTitle) {
    // Only visible windows: the application's hidden owner window has the same title.
    Xdotool({"search", "--onlyvisible", "--limit", "1", "--name", "^" + *focusTitle + "$", "windowfocus", "--sync",
             "key", keys});
  } else {
    Xdotool({"key", keys});
  }
}

std::optional<std::string> Desktop::VisibleWindowId(const std::string& title) const {
  const std::vector<std::string> search = {"xdotool", "search", "--onlyvisible", "--limit", "1", "--name",
                                           "^" + title + "$"};
  const RunResult found = Run({.argv = search, .env = environment_.Env()}, kToolTimeout);
  if (found.status != 0 || found.out.empty()) return std::nullopt;
  return found.out.substr(0, found.out.find('\n'));
}

std::optional<std::uint32_t> Desktop::Opacity(const std::string& title) const {
  const std::optional<std::string> id = VisibleWindowId(title);
  if (!id) throw std::runtime_error("no visible X window titled " + title);
  const std::vector<std::string> xprop = {"xprop", "-id", *id, "_NET_WM_WINDOW_OPACITY"};
  const RunResult property = Run({.argv = xprop, .env = environment_.Env()}, kToolTimeout);
  // "_NET_WM_WINDOW_OPACITY(CARDINAL) = 3368601800", or "... not found."
  const std::size_t equals = property.out.find(" = ");
  if (property.status != 0 || equals == std::string::npos) return std::nullopt;
  return static_cast<std::uint32_t>(std::stoul(property.out.substr(equals + 3)));
}

void Desktop::SaveScreenshot(const std::filesystem::path& file, const std::optional<Rect>& rect) const {
  std::filesystem::create_directories(file.parent_path());
  std::vector<std::string> argv = {"import", "-display", environment_.Display(), "-window", "root"};
  if (rect) {
    Rect clipped{std::max(rect->left, 0), std::max(rect->top, 0), std::min(rect->right, kScreenWidth),
                 std::min(rect->bottom, kScreenHeight)};
    if (clipped.Width() <= 0 || clipped.Height() <= 0) {
      throw std::runtime_error("nothing of the rectangle is on the screen");
    }
    argv.insert(argv.end(), {"-crop",
                             std::to_string(clipped.Width()) + "x" + std::to_string(clipped.Height()) + "+" +
                                 std::to_string(clipped.left) + "+" + std::to_string(clipped.top),
                             "+repage"});
  }
  argv.push_back(file.string());
  Tool(argv);
}

}  // namespace e2e
