#pragma once

#include "platform/ui/form.h"

namespace pelorin {

class App;

// The icon chooser: picks an icon of a file by its index.
class TFrmIconChenge : public ui::Form {
 public:
  explicit TFrmIconChenge(App& app);

 private:
  App& app_;
};

}  // namespace pelorin
