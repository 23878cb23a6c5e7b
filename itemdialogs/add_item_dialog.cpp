#include "itemdialogs/add_item_dialog.h"

#include "app/app.h"
#include "mainwindow/main_window.h"

namespace pelorin {

TForm2::TForm2(App& app)
    : ui::Form(app.Ui(), "Form2", "Add Item", ui::BorderStyle::ToolWindowNoButtons), app_(app) {
  SetClientSize({350, 271});
  CentreOnScreen();
  SetTabOrder({&Fields.FileName, &Fields.FileHint, &Fields.FilePath, &Fields.FileOpen, &Fields.FoldeOpen,
               &Fields.FileFolder, &Fields.Notify, &Fields.Sincro, &Fields.FileExecuteSize, &ReAdd, &Button1,
               &Button2});
  Button1.onClick = [this] { Button1Click(); };
  Button2.onClick = [this] { Button2Click(); };
}

void TForm2::Button1Click() {
  LauncherState& state = app_.State();
  const int panel = state.CurrentPanel;
  if (state.IsPanelFull(panel)) {
    app_.Ui().ShowMessage(PanelFullMessage(state.PanelName[panel]), kApplicationTitle, platform::MessageStyle::Plain);
    return;
  }
  if (!Fields.Complete() || !Fields.TextsFit()) return;
  state.AppendItem(panel, Fields.Record());
  Fields.Clear();
  if (ReAdd.Checked()) {
    unsaved_ = true;
    return;
  }
  unsaved_ = false;
  app_.MainWindow().RefreshPanel();
  app_.SaveAll();
  Close();
}

void TForm2::Button2Click() {
  // Unticking ReAdd before Cancel must not leave the series unshown and unsaved.
  if (ReAdd.Checked() || unsaved_) {
    unsaved_ = false;
    app_.MainWindow().RefreshPanel();
    app_.SaveAll();
  }
  Close();
}

}  // namespace pelorin
