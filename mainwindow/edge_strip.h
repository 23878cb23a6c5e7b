#pragma once

#include "platform/ui/form.h"
#include "platform/ui/timer.h"

namespace pelorin {

class App;

// The thin strip left at a screen edge while the main window is hidden there.
class TForm12 : public ui::Form {
 public:
  explicit TForm12(App& app);

  // Keeps the strip above all other windows while it shows.
  ui::Timer Timer1;

 private:
  App& app_;
};

}  // namespace pelorin
