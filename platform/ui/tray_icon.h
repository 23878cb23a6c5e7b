#pragma once
// The program's icon in the notification area, owned by a (hidden) form.
// Mouse messages on the icon arrive through onMouseDown. A shown icon comes
// back by itself when the shell rebuilds the area (after a restart).

#include <memory>
#include <string>

#include "platform/ui/callback.h"
#include "platform/ui/control.h"

namespace ui {

class TrayIconPeer;

class TrayIcon : public Component {
 public:
  // Callback message number and icon id of the program's tray icon.
  static constexpr unsigned kCallbackMessage = 1124;
  static constexpr unsigned kIconId = 1;

  TrayIcon(Form& owner, std::string name);
  ~TrayIcon() override;

  // Adds the application's icon with this tip (at most 63 bytes are kept).
  void Add(const std::string& tip);
  // Removes the icon; harmless when none was added.
  void Remove();
  bool Shown() const { return shown_; }
  const std::string& Tip() const { return tip_; }

  Callback<void(MouseButton)> onMouseDown;

  void SignalMouseDown(MouseButton button);
  // The shell restarted with an empty notification area.
  void SignalNotificationAreaRebuilt();

 private:
  std::string tip_;
  bool shown_ = false;
  // Made with the first Add.
  std::unique_ptr<TrayIconPeer> peer_;
};

class TrayIconPeer {
 public:
  virtual ~TrayIconPeer() = default;
  virtual void Add() = 0;
  virtual void Remove() = 0;
};

namespace backend {
std::unique_ptr<TrayIconPeer> CreatePeer(TrayIcon& icon);
}

}  // namespace ui
