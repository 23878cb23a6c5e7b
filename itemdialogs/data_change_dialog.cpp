#include "itemdialogs/data_change_dialog.h"

#include "core/app.h"

namespace pelorin {

TForm11::TForm11(App& app) : ui::Form(app.Ui(), "Form11", "Data Chenge", ui::BorderStyle::ToolWindowNoButtons), app_(app) {
  SetClientSize({355, 270});
  SetLeft(293);
  SetTop(152);
}

}  // namespace pelorin
