#include "panels/panel_manager.h"

#include "core/app.h"

namespace pelorin {

TForm8::TForm8(App& app) : ui::Form(app.Ui(), "Form8", "Panel Option", ui::BorderStyle::ToolWindowNoButtons), app_(app) {
  SetClientSize({341, 189});
  SetLeft(250);
  SetTop(135);
}

}  // namespace pelorin
