#include "tray/tray_window.h"

#include "core/app.h"

namespace pelorin {

TForm7::TForm7(App& app)
    : ui::Form(app.Ui(), "Form7", "TaskTryIcon", ui::BorderStyle::ToolWindow), TryIcon(*this, "TryIcon"), app_(app) {
  // The state as loaded: on a first run TaskCheck is still FALSE here, so the
  // icon appears from the second start on.
  if (app_.State().TaskCheck) TryIcon.Add(kTrayTip);
}

void TForm7::DeleteTryIcon() { TryIcon.Remove(); }

}  // namespace pelorin
