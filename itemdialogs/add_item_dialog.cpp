#include "itemdialogs/add_item_dialog.h"

#include "core/app.h"

namespace pelorin {

TForm2::TForm2(App& app) : ui::Form(app.Ui(), "Form2", "Add Item", ui::BorderStyle::ToolWindowNoButtons), app_(app) {
  SetVisible(false);
  SetClientSize({350, 271});
  const ui::Size screen = app.Ui().ScreenSize();
  SetLeft((screen.width - Width()) / 2);
  SetTop((screen.height - Height()) / 2);
}

}  // namespace pelorin
