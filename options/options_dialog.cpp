#include "options/options_dialog.h"

#include "core/app.h"

namespace pelorin {

TForm6::TForm6(App& app) : ui::Form(app.Ui(), "Form6", "Option", ui::BorderStyle::ToolWindowNoButtons), app_(app) {
  SetVisible(false);
  SetClientSize({377, 199});
  const ui::Size screen = app.Ui().ScreenSize();
  SetLeft((screen.width - Width()) / 2);
  SetTop((screen.height - Height()) / 2);
}

}  // namespace pelorin
