#include "tray/tray_window.h"

#include <array>

#include "app/app.h"
#include "control/control_window.h"
#include "core/hotkey_text.h"
#include "mainwindow/main_window.h"

namespace pelorin {

namespace {

// The control window's command of each hot-key id (see kHotKeyOptions).
constexpr std::array<void (TForm5::*)(), kHotKeyCount> kHotKeyCommands = {
    &TForm5::Open1Click, &TForm5::P1Click, &TForm5::F1Click, &TForm5::N8Click, &TForm5::N4Click, &TForm5::N5Click};

}  // namespace

TForm7::TForm7(App& app) : ui::Form(app.Ui(), "Form7", "TaskTryIcon", ui::BorderStyle::ToolWindow), app_(app) {
  BuildTaskMemu();
  TryIcon.onMouseDown = [this](ui::MouseButton button) { WndProc(button); };
  HotKeys.onHotKey = [this](int id) { WMHotKey(id); };
  FormCreate();
}

void TForm7::BuildTaskMemu() {
  ui::MenuItem& root = TaskMemu.Items();
  root.Add("Windows1", "Windowsシャットダウン", [this] { Windows1Click(); });
  root.Add("Windows2", "Windowsリブート", [this] { Windows2Click(); });
  root.Add("N3", "-");
  root.Add("PelorinC1", "Pelorinを終了する", [this] { PelorinC1Click(); });
  // キャンセル only closes the menu.
  root.Add("C1", "キャンセル");
}

void TForm7::FormCreate() {
  const LauncherState& state = app_.State();
  // The state as loaded: on a first run TaskCheck is still FALSE here, so the
  // icon appears from the second start on.
  if (state.TaskCheck) TryIcon.Add(kTrayTip);
  for (int id = 0; id < kHotKeyCount; ++id) SetHotKey(state.*kHotKeyOptions[id], id);
}

void TForm7::DeleteTryIcon() { TryIcon.Remove(); }

void TForm7::SetHotKey(const std::string& text, int id) {
  const HotKeyRegistration registration = RegistrationOf(text, app_.Services().Keys);
  HotKeys.Unregister(id);
  HotKeys.Register(id, registration.Modifiers, registration.Key);
}

void TForm7::WMHotKey(int id) {
  if (id < 0 || id >= kHotKeyCount) return;
  const EdgeHiding::Pause pause(app_.Hiding());
  (app_.ControlWindow().*kHotKeyCommands[id])();
}

void TForm7::WndProc(ui::MouseButton button) {
  if (button == ui::MouseButton::Left) {
    // A main window hidden at a screen edge stays hidden.
    app_.MainWindow().BringToForeground();
  } else if (button == ui::MouseButton::Right) {
    TaskMemu.Popup(app_.Ui().CursorPos());
  }
}

void TForm7::Windows1Click() { app_.ControlWindow().N4Click(); }

void TForm7::Windows2Click() { app_.ControlWindow().N5Click(); }

void TForm7::PelorinC1Click() {
  DeleteTryIcon();
  app_.SaveAll();
  app_.MainWindow().Close();
}

}  // namespace pelorin
