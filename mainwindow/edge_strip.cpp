#include "mainwindow/edge_strip.h"

#include "app/app.h"
#include "control/control_window.h"
#include "mainwindow/main_window.h"
#include "platform/ui/monitors.h"

namespace pelorin {

namespace {

constexpr unsigned kKeepOnTopInterval = 10000;

}  // namespace

TForm12::TForm12(App& app)
    : ui::Form(app.Ui(), "Form12", "", ui::BorderStyle::None), Timer1(*this, "Timer1"), app_(app) {
  // Stopped until the strip first shows.
  Timer1.SetInterval(0);
  Timer1.onTimer = [this] { Timer1Timer(); };
  SetTopMost(true);
  SetAcceptFiles(true);
  onShow = [this] { FormShow(); };
  onMouseMove = [this](ui::ShiftState, ui::Point) { FormMouseMove(); };
  onDropFiles = [this](const std::vector<platform::IncomingPath>& names) { WMDropFiles(names); };
}

void TForm12::FormShow() {
  BringToFront();
  SetColor(app_.MainWindow().Color());
  // From the first show on it keeps ticking; it acts only while the strip shows.
  Timer1.SetInterval(kKeepOnTopInterval);
  StripActive = true;
}

void TForm12::Timer1Timer() {
  // Other topmost windows may have come above the strip since.
  if (StripActive) BringToFront();
}

void TForm12::FormMouseMove() {
  TForm1& main = app_.MainWindow();
  const int bar = app_.State().BarWidth;
  const ui::Rect strip = Bounds();
  const ui::Rect screen = ui::MonitorOf(app_.Ui().Monitors(), strip).bounds;
  // From a right or bottom strip the window's far side touches that edge.
  const int left = strip.left == screen.left + screen.width - bar ? strip.left + bar - main.Width() : strip.left;
  const int top = strip.top == screen.top + screen.height - bar ? strip.top + bar - main.Height() : strip.top;
  main.SetBounds({left, top, main.Width(), main.Height()});
  ReturnMainWindow();
  if (main.ControlWasShowing) app_.ControlWindow().Show();
}

void TForm12::WMDropFiles(const std::vector<platform::IncomingPath>& names) {
  ReturnMainWindow();
  app_.ControlWindow().Show();
  app_.MainWindow().WMDropFiles(names);
}

void TForm12::ReturnMainWindow() {
  StripActive = false;
  Hide();
  TForm1& main = app_.MainWindow();
  main.Show();
  main.BringToFront();
}

}  // namespace pelorin
