#pragma once
// The X display as a user sees it: pointer and keys through xdotool,
// screenshots through ImageMagick. Win32 screen coordinates are X root
// coordinates.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "harness/types.h"
#include "harness/wine_environment.h"

namespace e2e {

class Desktop {
 public:
  explicit Desktop(const WineEnvironment& environment) : environment_(environment) {}

  void MoveMouse(int x, int y) const;
  // button: 1 left, 2 middle, 3 right.
  void Click(int x, int y, int button = 1) const;
  void DoubleClick(int x, int y) const;
  // Key combination in xdotool's syntax ("ctrl+alt+k", "Return"). Wine
  // sees keys only in the X window that has the focus: give it to the
  // window titled focusTitle first (Wine sets X titles as UTF-8).
  void PressKeys(const std::string& keys, const std::optional<std::string>& focusTitle = std::nullopt) const;

  // _NET_WM_WINDOW_OPACITY of the visible X window titled title (Wine sets
  // it for a layered window: 0xFFFFFFFF is opaque); nothing when unset.
  std::optional<std::uint32_t> Opacity(const std::string& title) const;
  // Whether an X window titled title is visible, of whatever Wine prefix.
  bool ShowsWindow(const std::string& title) const { return VisibleWindowId(title).has_value(); }

  // Saves the part of the screen inside rect (clipped to the screen) as PNG.
  void SaveScreenshot(const std::filesystem::path& file, const std::optional<Rect>& rect) const;

 private:
  std::optional<std::string> VisibleWindowId(const std::string& title) const;
  void Xdotool(std::vector<std::string> arguments) const;
  void Tool(const std::vector<std::string>& argv) const;

  const WineEnvironment& environment_;
};

}  // namespace e2e
