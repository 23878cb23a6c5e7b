#pragma once

#include "platform/ui/form.h"
#include "platform/ui/tray_icon.h"

namespace pelorin {

class App;

// The hidden window that owns the tray icon and the global hot keys.
class TForm7 : public ui::Form {
 public:
  explicit TForm7(App& app);

  // Removes the tray icon; harmless when none was added.
  void DeleteTryIcon();

  ui::TrayIcon TryIcon;

 private:
  App& app_;
};

inline constexpr char kTrayTip[] = "Pelorin 起動中";

}  // namespace pelorin
