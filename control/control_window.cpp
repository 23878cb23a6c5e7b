#include "control/control_window.h"

#include "core/app.h"

namespace pelorin {

TForm5::TForm5(App& app) : ui::Form(app.Ui(), "Form5", "Control Window", ui::BorderStyle::ToolWindow), app_(app) {
  SetClientSize({226, 41});
}

}  // namespace pelorin
