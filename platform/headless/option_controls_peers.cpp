// The headless tab strips, radio buttons, group boxes and hot-key boxes (the
// widgets hold their state; the peers record), and the scripted font and
// colour dialogs.

#include "platform/headless/ui_backend.h"
#include "platform/ui/font_color_dialogs.h"
#include "platform/ui/group_box.h"
#include "platform/ui/hot_key_edit.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/tab_control.h"

namespace ui::headless {

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

std::unique_ptr<Peer> CreatePeer(TabControl&) { return std::make_unique<headless::RecordingPeer>(); }

std::unique_ptr<Peer> CreatePeer(RadioButton&) { return std::make_unique<headless::RecordingPeer>(); }

std::unique_ptr<Peer> CreatePeer(GroupBox&) { return std::make_unique<headless::RecordingPeer>(); }

std::unique_ptr<Peer> CreatePeer(HotKeyEdit&) { return std::make_unique<headless::RecordingPeer>(); }

}  // namespace ui::backend
