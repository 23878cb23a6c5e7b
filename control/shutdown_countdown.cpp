#include "control/shutdown_countdown.h"

#include "core/app.h"

namespace pelorin {

TForm10::TForm10(App& app) : ui::Form(app.Ui(), "Form10", "Windowsの終了", ui::BorderStyle::DialogNoButtons), app_(app) {
  SetClientSize({219, 54});
  CentreOnScreen();
}

}  // namespace pelorin
