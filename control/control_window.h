#pragma once

#include "platform/ui/form.h"

namespace pelorin {

class App;

// The control window: switches panels, offers the system commands, shows the
// gauges and the clock, and holds the translucency settings.
class TForm5 : public ui::Form {
 public:
  explicit TForm5(App& app);

  static constexpr int kNarrowWidth = 178;

 private:
  App& app_;
};

}  // namespace pelorin
