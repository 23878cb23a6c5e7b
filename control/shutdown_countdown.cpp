#include "control/shutdown_countdown.h"

#include <array>

#include "app/app.h"

namespace pelorin {

namespace {

constexpr std::array<const char*, TForm10::kSeconds + 1> kFullWidthDigits = {"０", "１", "２", "３", "４", "５"};

}  // namespace

TForm10::TForm10(App& app) : ui::Form(app.Ui(), "Form10", "Windowsの終了", ui::BorderStyle::DialogNoButtons) {
  SetClientSize({219, 54});
  CentreOnScreen();
  // Both run only while the dialog is up.
  Timer1.SetInterval(0);
  Timer2.SetInterval(0);
  onShow = [this] { FormShow(); };
  onHide = [this] {
    Timer1.SetInterval(0);
    Timer2.SetInterval(0);
  };
  Timer1.onTimer = [this] { Timer1Timer(); };
  Timer2.onTimer = [this] { Timer2Timer(); };
  Button1.onClick = [this] { Button1Click(); };
}

void TForm10::FormShow() {
  SetTopMost(true);
  count_ = kSeconds;
  ShowCount();
  Timer1.SetInterval(kDeadlineMs);
  Timer2.SetInterval(kStepMs);
}

void TForm10::Timer2Timer() {
  if (count_ == 0) return;
  --count_;
  ShowCount();
}

void TForm10::Timer1Timer() {
  confirmed_ = true;
  Close();
}

void TForm10::Button1Click() {
  confirmed_ = false;
  Close();
}

void TForm10::ShowCount() { Label2.SetCaption(kFullWidthDigits[count_]); }

}  // namespace pelorin
