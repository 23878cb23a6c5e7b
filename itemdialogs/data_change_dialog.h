#pragma once

#include "platform/ui/form.h"

namespace pelorin {

class App;

// The Data Chenge dialog: edits the selected item.
class TForm11 : public ui::Form {
 public:
  explicit TForm11(App& app);

 private:
  App& app_;
};

}  // namespace pelorin
