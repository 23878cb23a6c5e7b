#include "panels/panel_name_prompt.h"

#include "core/app.h"

namespace pelorin {

TForm9::TForm9(App& app) : ui::Form(app.Ui(), "Form9", "Name", ui::BorderStyle::ToolWindowNoButtons), app_(app) {
  SetClientSize({307, 25});
  SetLeft(225);
  SetTop(166);
}

}  // namespace pelorin
