// The headless notification area: the application peer knows which tray
// icons are in it, and a test can rebuild it as a restarted shell does.

#include <algorithm>
#include <vector>

#include "platform/headless/ui_backend.h"
#include "platform/ui/form.h"
#include "platform/ui/tray_icon.h"

namespace ui::headless {

namespace {

class TrayIconPeer : public ui::TrayIconPeer {
 public:
  explicit TrayIconPeer(TrayIcon& icon) : icon_(icon), app_(PeerOf(icon.Owner().Program())) { app_.AddTrayIcon(icon_); }
  ~TrayIconPeer() override { app_.RemoveTrayIcon(icon_); }
  TrayIconPeer(const TrayIconPeer&) = delete;
  TrayIconPeer& operator=(const TrayIconPeer&) = delete;

  void Add() override { app_.SetInNotificationArea(icon_, true); }
  void Remove() override { app_.SetInNotificationArea(icon_, false); }

 private:
  TrayIcon& icon_;
  ApplicationPeer& app_;
};

}  // namespace

void ApplicationPeer::RemoveTrayIcon(TrayIcon& icon) {
  std::erase(trayIcons_, &icon);
  SetInNotificationArea(icon, false);
}

void ApplicationPeer::SetInNotificationArea(const TrayIcon& icon, bool in) {
  std::erase(inNotificationArea_, &icon);
  if (in) inNotificationArea_.push_back(&icon);
}

bool ApplicationPeer::InNotificationArea(const TrayIcon& icon) const {
  return std::ranges::find(inNotificationArea_, &icon) != inNotificationArea_.end();
}

void ApplicationPeer::RebuildNotificationArea() {
  inNotificationArea_.clear();
  for (TrayIcon* icon : std::vector<TrayIcon*>(trayIcons_)) icon->SignalNotificationAreaRebuilt();
}

}  // namespace ui::headless

namespace ui::backend {

std::unique_ptr<TrayIconPeer> CreatePeer(TrayIcon& icon) { return std::make_unique<headless::TrayIconPeer>(icon); }

}  // namespace ui::backend
