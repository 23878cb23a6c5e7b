#pragma once

#include "platform/ui/form.h"

namespace pelorin {

class App;

// The options dialog with its eight tabs.
class TForm6 : public ui::Form {
 public:
  explicit TForm6(App& app);

 private:
  App& app_;
};

}  // namespace pelorin
