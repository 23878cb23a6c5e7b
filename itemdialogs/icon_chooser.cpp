#include "itemdialogs/icon_chooser.h"

#include "core/app.h"

namespace pelorin {

TFrmIconChenge::TFrmIconChenge(App& app) : ui::Form(app.Ui(), "FrmIconChenge", "Icon Chenge", ui::BorderStyle::ToolWindowNoButtons), app_(app) {
  SetClientSize({355, 69});
  SetLeft(221);
  SetTop(136);
}

}  // namespace pelorin
