#include "platform/ui/font_color_dialogs.h"

#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace ui {

FontDialog::FontDialog(Form& owner, std::string name) : Component(owner, std::move(name)) {}

bool FontDialog::Execute() {
  auto chosen = Owner().Program().Peer().RunFontDialog(*this);
  if (!chosen) return false;
  font_ = std::move(*chosen);
  return true;
}

ColorDialog::ColorDialog(Form& owner, std::string name) : Component(owner, std::move(name)) {}

bool ColorDialog::Execute() {
  auto chosen = Owner().Program().Peer().RunColorDialog(*this);
  if (!chosen) return false;
  color_ = *chosen;
  return true;
}

}  // namespace ui
