#include "launch/launch_item.h"

#include "platform/ui/application.h"

namespace pelorin {

namespace {

int ShowCommandOf(const ItemRecord& item) { return item.FileExecuteSize + 1; }

// The pressed look of a button, on screen before the shell is called, and
// taken back on every way out.
class PressedLook {
 public:
  PressedLook(LaunchButton button, ui::Application& app)
      : button_(button), left_(button.Image.Left()), top_(button.Image.Top()) {
    button_.Image.SetBounds({left_ + 1, top_ + 1, button_.Image.Width(), button_.Image.Height()});
    button_.Frame.SetStyle(ui::BevelStyle::Lowered);
    app.ProcessMessages();
  }
  PressedLook(const PressedLook&) = delete;
  PressedLook& operator=(const PressedLook&) = delete;
  ~PressedLook() {
    button_.Image.SetBounds({left_, top_, button_.Image.Width(), button_.Image.Height()});
    button_.Frame.SetStyle(ui::BevelStyle::Raised);
  }

 private:
  LaunchButton button_;
  int left_;
  int top_;
};

void OpenFolderMenu(LauncherState& state, const ItemRecord& item, const LaunchSite& site) {
  state.CanHide = false;
  TLaunchPopup& popup = site.Popup;
  popup.Items().Clear();
  // Added even after a trailing separator: names are appended to it directly.
  popup.SetDirectory(item.FilePath + "\\");
  popup.BuildMenu();
  popup.Popup(site.Window.Program().CursorPos());
  state.CanHide = true;
}

}  // namespace

void LaunchItem(LauncherState& state, int slot, LaunchButton button, const LaunchSite& site) {
  const PressedLook pressed(button, site.Window.Program());
  const ItemRecord& item = state.Item(state.CurrentPanel, slot);
  if (!item.IsFolder) {
    site.Shell.Execute(&site.Window, "OPEN", item.FilePath, item.Notify, item.FileFolder, ShowCommandOf(item));
  } else if (state.PopFolder) {
    OpenFolderMenu(state, item, site);
  } else {
    site.Shell.Execute(&site.Window, "OPEN", "Explorer", item.FilePath, std::nullopt, ShowCommandOf(item));
  }
}

void OpenWorkFolder(const LauncherState& state, int slot, ui::Form& window, platform::Shell& shell) {
  const ItemRecord& item = state.Item(state.CurrentPanel, slot);
  shell.Execute(&window, "Explore", item.IsFolder ? item.FilePath : item.FileFolder, item.Notify, std::nullopt,
                ShowCommandOf(item));
}

}  // namespace pelorin
