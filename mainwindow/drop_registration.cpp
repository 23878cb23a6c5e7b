// Registration of files dropped on the main window (or on the edge strip):
// each name goes into the next free slot of the current panel, at once or
// after the drop menu, and is saved before the next name is taken.

#include "app/app.h"
#include "itemdialogs/data_change_dialog.h"
#include "launch/shortcut_readers.h"
#include "mainwindow/main_window.h"
#include "platform/text.h"

namespace pelorin {

namespace {

// The dialog's cancel button stays disabled while this lives, and comes back
// on every way out.
class CancelDisabled {
 public:
  explicit CancelDisabled(ui::Button& button) : button_(button) { button_.SetEnabled(false); }
  CancelDisabled(const CancelDisabled&) = delete;
  CancelDisabled& operator=(const CancelDisabled&) = delete;
  ~CancelDisabled() { button_.SetEnabled(true); }

 private:
  ui::Button& button_;
};

}  // namespace

void TForm1::BuildPopUpDrop() {
  ui::MenuItem& root = PopUpDrop.Items();
  root.Add("A1", "ここに登録(&A)", [this] { A1Click(); });
  root.Add("N3", "編集して登録(&E)", [this] { N3Click(); });
  root.Add("N17", "-");
  root.Add("N16", "キャンセル(&C)");
}

void TForm1::WMDropFiles(const std::vector<platform::IncomingPath>& names) {
  for (const platform::IncomingPath& name : names) {
    // A path that names nothing would only fail to start and be offered for deletion.
    if (!name.Kept()) {
      app_.ReportCannotRegister(name.Shown);
      continue;
    }
    DroppedFile = DroppedTarget(name.Path);
    if (app_.State().DDCheck) {
      // The picked command runs before Popup returns, so before the next name.
      const EdgeHiding::Pause pause(app_.Hiding());
      PopUpDrop.Popup(app_.Ui().CursorPos());
    } else {
      A1Click();
    }
  }
}

std::string TForm1::DroppedTarget(const std::string& name) {
  // Only these two spellings are resolved; any other one registers the link file.
  const std::string extension = platform::ExtractFileExt(name);
  if (extension != ".lnk" && extension != ".LNK") return name;
  ShortcutInfo link;
  // A shortcut that cannot be read, one to something outside the file system
  // (a Control Panel item) or one whose target has no path the program can
  // keep stays itself rather than an empty item: the shell still starts it.
  if (!ResolveShortcut(app_.Services().Links, name, link) || link.TargetPath.empty()) return name;
  return link.TargetPath;
}

ItemRecord TForm1::DroppedItem(const std::string& path) {
  ItemRecord item;
  item.FileName = platform::ExtractFileName(path);
  item.FileHint = item.FileName;
  item.FilePath = path;
  item.FileFolder = platform::ExtractFilePath(path);
  item.IsFolder = IsBareFolder(path);
  item.FileExecuteSize = 0;
  item.IconPath = path;
  item.IconNumber = 0;
  return item;
}

void TForm1::A1Click() {
  const EdgeHiding::Pause pause(app_.Hiding());
  LauncherState& state = app_.State();
  const int panel = state.CurrentPanel;
  if (!state.AppendItem(panel, DroppedItem(DroppedFile))) {
    ShowPanelFull(panel);
    return;
  }
  RefreshPanel();
  app_.SaveAll();
}

void TForm1::N3Click() {
  LauncherState& state = app_.State();
  const int panel = state.CurrentPanel;
  if (state.IsPanelFull(panel)) {
    ShowPanelFull(panel);
    return;
  }
  // Kept apart: another drop may arrive while the dialog is up.
  const std::string dropped = DroppedFile;
  const int slot = state.PanelItemCount[panel];
  // The dialog's OK writes the slot SelectedSlot names.
  SelectedSlot = static_cast<std::int8_t>(slot);
  TForm11& dialog = app_.DataChangeDialog();
  dialog.LoadDroppedPath(dropped);
  {
    const EdgeHiding::Pause pause(app_.Hiding());
    // Only OK ends the dialog, so the slot is always filled.
    const CancelDisabled noCancel(dialog.Button2);
    dialog.ShowModal();
  }
  // From the dropped path, whatever path was typed in the dialog.
  state.Item(panel, slot).IsFolder = IsBareFolder(dropped);
  ++state.PanelItemCount[panel];
  RefreshPanel();
  app_.SaveAll();
}

}  // namespace pelorin
