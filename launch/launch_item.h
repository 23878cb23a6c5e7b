#pragma once
// Launching the item of a main-window button: the shell starts programs,
// documents and shortcuts; a folder opens as the folder menu or in Explorer.

#include "core/edge_hiding.h"
#include "core/state.h"
#include "launch/launch_popup.h"
#include "platform/shell.h"
#include "platform/ui/bevel.h"
#include "platform/ui/form.h"
#include "platform/ui/image.h"

namespace pelorin {

// The button being pressed: its icon and its frame.
struct LaunchButton {
  ui::Image& Image;
  ui::Bevel& Frame;
};

// What a launch needs of the main window and the platform.
struct LaunchSite {
  // The main window: owner of the shell calls; its application paints and
  // knows where the pointer is.
  ui::Form& Window;
  TLaunchPopup& Popup;
  platform::Shell& Shell;
  // Paused while the folder menu is open.
  EdgeHiding& Hiding;
};

// The pressed look (image one pixel right of and below place, its normal
// top left; frame lowered) or the normal look. Launching and the move-mode
// pick mark share it.
void ShowPressedLook(LaunchButton button, ui::Point place, bool pressed);

// Launches item(CurrentPanel, slot) with the button pressed for the whole
// time, folder menu included. Move mode is the caller's business.
void LaunchItem(LauncherState& state, int slot, LaunchButton button, const LaunchSite& site);

// Opens the working folder of item(CurrentPanel, slot) in Explorer; the
// folder itself for a folder item.
void OpenWorkFolder(const LauncherState& state, int slot, ui::Form& window, platform::Shell& shell);

}  // namespace pelorin
