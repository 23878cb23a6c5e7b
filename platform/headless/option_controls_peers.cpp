// The headless tab strips, radio buttons, group boxes and hot-key boxes (the
// widgets hold their state; the peers record), and the scripted font and
// colour dialogs.

#include <algorithm>
#include <cstdlib>

#include "platform/headless/ui_backend.h"
#include "platform/ui/font_color_dialogs.h"
#include "platform/ui/group_box.h"
#include "platform/ui/hot_key_edit.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/tab_control.h"

namespace ui::headless {

namespace {

// Lays a strip's tabs out in rows as the platform does, roughly: a tab is its
// caption (half the font's height a byte, as a Japanese system font's cells
// are) and a margin; the rows fill in order. So a larger font takes more rows.
class TabControlPeer final : public RecordingPeer {
 public:
  explicit TabControlPeer(TabControl& tabs) : tabs_(tabs) { Layout(); }

 private:
  static constexpr int kTabMargin = 6;
  static constexpr int kFrame = 4;

  void Apply(Property property) override {
    if (property == Property::Bounds || property == Property::Font) Layout();
  }

  void Layout() {
    const int cell = std::abs(tabs_.Font().height);
    const int usable = tabs_.Width() - 2 * kFrame;
    int rows = 1;
    int filled = 0;
    for (const std::string& caption : tabs_.Tabs()) {
      const int width = static_cast<int>(caption.size()) * cell / 2 + kTabMargin;
      if (filled > 0 && filled + width > usable) {
        ++rows;
        filled = 0;
      }
      filled += width;
    }
    const int top = rows * (cell + kTabMargin) + kFrame;
    tabs_.SignalDisplayArea(
        Rect{kFrame, top, std::max(usable, 0), std::max(tabs_.Height() - top - kFrame, 0)});
  }

  TabControl& tabs_;
};

}  // namespace

std::optional<FontSpec> ApplicationPeer::RunFontDialog(FontDialog& dialog) {
  auto step = NextOfKind(Expectation::Kind::Font, Concat("font dialog of \"", dialog.Owner().Name(), "\""));
  step->initialFont = dialog.Font();
  return step->chosenFont;
}

std::optional<ColorValue> ApplicationPeer::RunColorDialog(ColorDialog& dialog) {
  auto step = NextOfKind(Expectation::Kind::Color, Concat("colour dialog of \"", dialog.Owner().Name(), "\""));
  step->initialColor = dialog.Color();
  return step->chosenColor;
}

}  // namespace ui::headless

namespace ui::backend {

std::unique_ptr<Peer> CreatePeer(TabControl& tabs) { return std::make_unique<headless::TabControlPeer>(tabs); }

std::unique_ptr<Peer> CreatePeer(RadioButton&) { return std::make_unique<headless::RecordingPeer>(); }

std::unique_ptr<Peer> CreatePeer(GroupBox&) { return std::make_unique<headless::RecordingPeer>(); }

std::unique_ptr<Peer> CreatePeer(HotKeyEdit&) { return std::make_unique<headless::RecordingPeer>(); }

}  // namespace ui::backend
