#include "mainwindow/edge_strip.h"

#include "core/app.h"

namespace pelorin {

TForm12::TForm12(App& app) : ui::Form(app.Ui(), "Form12", "", ui::BorderStyle::None), Timer1(*this, "Timer1"), app_(app) {
  Timer1.SetEnabled(false);
}

}  // namespace pelorin
