#pragma once
// Small value types shared by every widget.

#include <cstdint>
#include <string>

#include "platform/key_combination.h"

namespace ui {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Rect&) const = default;
  bool Contains(Point p) const { return p.x >= left && p.y >= top && p.x < left + width && p.y < top + height; }
};

// A display: all of it, and the part that taskbars and docked bars leave free.
struct Monitor {
  Rect bounds;
  Rect workArea;
  bool operator==(const Monitor&) const = default;
};

// A colour as the options store it: 0x00BBGGRR, or 0x80000000 + n for system
// colour n, which the backend resolves each time it draws.
using ColorValue = std::int32_t;

constexpr ColorValue SystemColor(int index) { return static_cast<ColorValue>(0x80000000u + static_cast<std::uint32_t>(index)); }
constexpr bool IsSystemColor(ColorValue c) { return c < 0; }
constexpr int SystemColorIndex(ColorValue c) { return static_cast<int>(static_cast<std::uint32_t>(c) & 0xFFu); }

// System colour indices the windows use (the Win32 COLOR_* values).
namespace syscolor {
constexpr int kWindowFrame = 6;
constexpr int kWindow = 5;
constexpr int kWindowText = 8;
constexpr int kInactiveBorder = 11;
constexpr int kBtnFace = 15;
constexpr int kBtnShadow = 16;
constexpr int kInfoBk = 24;
}  // namespace syscolor

struct FontSpec {
  std::string name = "ＭＳ Ｐゴシック";
  int height = 12;  // pixels
  ColorValue color = SystemColor(syscolor::kWindowText);
  bool bold = false;
  bool underline = false;
  bool operator==(const FontSpec&) const = default;
};

enum class MouseButton { Left, Right, Middle };

enum class Cursor { Default, HandPoint };

using KeyCombination = platform::KeyCombination;

struct ShiftState {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool left = false;
  bool right = false;
  bool middle = false;
  bool doubleClick = false;
  bool operator==(const ShiftState&) const = default;
};

// The keys that a dialog handles itself (Tab is the platform's or the test's).
enum class DialogKey { Enter, Escape };

// The arrow of a spin button: Up increases the position (the right-hand
// arrow of a horizontal one), Down decreases it.
enum class SpinArrow { Up, Down };

// How a modal form ended; None while it is still up.
enum class ModalResult { None, Ok, Cancel };

}  // namespace ui
