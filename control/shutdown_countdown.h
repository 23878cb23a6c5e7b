#pragma once

#include "platform/ui/form.h"

namespace pelorin {

class App;

// The five-second countdown before Windows shuts down or restarts.
class TForm10 : public ui::Form {
 public:
  explicit TForm10(App& app);

 private:
  App& app_;
};

}  // namespace pelorin
