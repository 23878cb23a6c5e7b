#include "itemdialogs/data_change_dialog.h"

#include <utility>

#include "app/app.h"
#include "mainwindow/main_window.h"
#include "platform/icons.h"
#include "platform/text.h"

namespace pelorin {

TForm11::TForm11(App& app)
    : ui::Form(app.Ui(), "Form11", "Data Chenge", ui::BorderStyle::ToolWindowNoButtons), app_(app) {
  SetClientSize({355, 270});
  SetLeft(293);
  SetTop(152);
  SetTabOrder({&Fields.FileName, &Fields.FileHint, &Fields.FilePath, &Fields.FileFolder, &Fields.Notify,
               &Fields.Sincro, &Fields.FileExecuteSize, &Button1, &Button2, &Fields.FileOpen, &Fields.FoldeOpen});
  Button1.onClick = [this] { Button1Click(); };
  Button2.onClick = [this] { Button2Click(); };
}

void TForm11::LoadItem(const ItemRecord& item, platform::Icon preview) { Fields.Load(item, std::move(preview)); }

void TForm11::LoadDroppedPath(const std::string& path) {
  // Split as a direct registration of the drop does, so both ways give the same item.
  ItemRecord item;
  item.FileName = platform::ExtractFileName(path);
  item.FilePath = path;
  item.FileHint = item.FileName;
  item.FileFolder = platform::ExtractFilePath(path);
  item.IconPath = path;
  Fields.Load(item, app_.Services().Icons.ShellIcon(path));
}

void TForm11::Button1Click() {
  if (!Fields.Complete() || !Fields.TextsFit()) return;
  LauncherState& state = app_.State();
  state.Item(state.CurrentPanel, app_.MainWindow().SelectedSlot) = Fields.Record();
  app_.SaveAll();
  app_.MainWindow().RefreshPanel();
  Close();
}

void TForm11::Button2Click() { Close(); }

}  // namespace pelorin
