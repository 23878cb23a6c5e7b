#pragma once

#include "platform/ui/form.h"

namespace pelorin {

class App;

// The Add Item dialog: registers a new item in the current panel.
class TForm2 : public ui::Form {
 public:
  explicit TForm2(App& app);

 private:
  App& app_;
};

}  // namespace pelorin
