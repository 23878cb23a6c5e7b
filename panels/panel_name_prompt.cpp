#include "panels/panel_name_prompt.h"

#include "app/app.h"

namespace pelorin {

namespace {

constexpr char kNameMissing[] = "パネル名を指定してください";
constexpr char kNameEntry[] = "パネル名";

}  // namespace

TForm9::TForm9(App& app) : ui::Form(app.Ui(), "Form9", "Name", ui::BorderStyle::ToolWindowNoButtons), app_(app) {
  SetClientSize({307, 25});
  SetLeft(225);
  SetTop(166);
  onShow = [this] { FormShow(); };
  diside.onClick = [this] { disideClick(); };
}

void TForm9::FormShow() { Names.SetFocus(); }

void TForm9::disideClick() {
  if (Names.Text().empty()) {
    app_.Ui().ShowMessage(kNameMissing, kApplicationTitle, platform::MessageStyle::Plain);
    return;
  }
  if (!app_.CheckTextFits(Names, kNameEntry)) return;
  Close();
  NameAccepted = 1;
}

}  // namespace pelorin
