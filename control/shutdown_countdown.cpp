#include "control/shutdown_countdown.h"

#include "core/app.h"

namespace pelorin {

TForm10::TForm10(App& app) : ui::Form(app.Ui(), "Form10", "Windowsの終了", ui::BorderStyle::DialogNoButtons), app_(app) {
  SetVisible(false);
  SetClientSize({219, 54});
  const ui::Size screen = app.Ui().ScreenSize();
  SetLeft((screen.width - Width()) / 2);
  SetTop((screen.height - Height()) / 2);
}

}  // namespace pelorin
