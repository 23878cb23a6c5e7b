#pragma once

#include "platform/ui/form.h"

namespace pelorin {

class App;

// The panel manager: adds, renames, deletes and reorders panels.
class TForm8 : public ui::Form {
 public:
  explicit TForm8(App& app);

 private:
  App& app_;
};

}  // namespace pelorin
