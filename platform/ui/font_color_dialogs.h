#pragma once
// The platform's font dialog, run modally through the application like a
// message box (so a headless test scripts it). Only the face, the height and
// the colour are chosen; it opens with what it last held.

#include <string>

#include "platform/ui/control.h"

namespace ui {

class FontDialog : public Component {
 public:
  FontDialog(Form& owner, std::string name);

  const FontSpec& Font() const { return font_; }
  void SetFont(FontSpec font) { font_ = std::move(font); }

  // True with Font set to the choice; false when cancelled (Font stays).
  bool Execute();

 private:
  FontSpec font_;
};

// The platform's colour dialog, run like the font dialog.
class ColorDialog : public Component {
 public:
  ColorDialog(Form& owner, std::string name);

  ColorValue Color() const { return color_; }
  void SetColor(ColorValue color) { color_ = color; }

  // True with Color set to the choice; false when cancelled (Color stays).
  bool Execute();

 private:
  ColorValue color_ = 0;
};

}  // namespace ui
