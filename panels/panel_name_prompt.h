#pragma once

#include <cstdint>

#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"

namespace pelorin {

class App;

// The prompt for a panel name. The caller fills Names, shows it modally and
// reads Names and NameAccepted afterwards; it closes only with a name.
class TForm9 : public ui::Form {
 public:
  explicit TForm9(App& app);

  void FormShow();
  void disideClick();

  ui::Edit Names{*this, {.name = "Names", .bounds = {0, 4, 249, 20}}};
  ui::Button diside{*this, {.name = "diside", .bounds = {256, 5, 49, 17}, .caption = "決定", .isDefault = true}};

  // 1 once 決定 closed the prompt with a name, until the caller takes it back to 0.
  std::uint8_t NameAccepted = 0;

 private:
  App& app_;
};

}  // namespace pelorin
