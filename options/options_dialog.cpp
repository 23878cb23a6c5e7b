#include "options/options_dialog.h"

#include "core/app.h"

namespace pelorin {

TForm6::TForm6(App& app) : ui::Form(app.Ui(), "Form6", "Option", ui::BorderStyle::ToolWindowNoButtons), app_(app) {
  SetClientSize({377, 199});
  CentreOnScreen();
}

}  // namespace pelorin
