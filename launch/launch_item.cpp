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
      : button_(button), place_{button.Image.Left(), button.Image.Top()} {
    ShowPressedLook(button_, place_, true);
    app.ProcessMessages();
  }
  PressedLook(const PressedLook&) = delete;
  PressedLook& operator=(const PressedLook&) = delete;
  ~PressedLook() { ShowPressedLook(button_, place_, false); }

 private:
  LaunchButton button_;
  ui::Point place_;
};

void OpenFolderMenu(const ItemRecord& item, const LaunchSite& site) {
  const EdgeHiding::Pause pause(site.Hiding);
  TLaunchPopup& popup = site.Popup;
  popup.Items().Clear();
  // Added even after a trailing separator: names are appended to it directly.
  popup.SetDirectory(item.FilePath + "\\");
  popup.BuildMenu();
  popup.Popup(site.Window.Program().CursorPos());
}

}  // namespace

void ShowPressedLook(LaunchButton button, ui::Point place, bool pressed) {
  const int shift = pressed ? 1 : 0;
  button.Image.SetBounds({place.x + shift, place.y + shift, button.Image.Width(), button.Image.Height()});
  button.Frame.SetStyle(pressed ? ui::BevelStyle::Lowered : ui::BevelStyle::Raised);
}

void LaunchItem(LauncherState& state, int slot, LaunchButton button, const LaunchSite& site) {
  const PressedLook pressed(button, site.Window.Program());
  const ItemRecord& item = state.Item(state.CurrentPanel, slot);
  if (!item.IsFolder) {
    site.Shell.Execute(&site.Window, "OPEN", item.FilePath, item.Notify, item.FileFolder, ShowCommandOf(item));
  } else if (state.PopFolder) {
    OpenFolderMenu(item, site);
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
