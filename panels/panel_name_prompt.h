#pragma once

#include "platform/ui/form.h"

namespace pelorin {

class App;

// The prompt for a panel name.
class TForm9 : public ui::Form {
 public:
  explicit TForm9(App& app);

 private:
  App& app_;
};

}  // namespace pelorin
