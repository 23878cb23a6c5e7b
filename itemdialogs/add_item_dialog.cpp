#include "itemdialogs/add_item_dialog.h"

#include "core/app.h"

namespace pelorin {

TForm2::TForm2(App& app) : ui::Form(app.Ui(), "Form2", "Add Item", ui::BorderStyle::ToolWindowNoButtons), app_(app) {
  SetClientSize({350, 271});
  CentreOnScreen();
}

}  // namespace pelorin
