#pragma once

#include <string>

#include "platform/ui/form.h"
#include "platform/ui/hot_keys.h"
#include "platform/ui/popup_menu.h"
#include "platform/ui/tray_icon.h"

namespace pelorin {

class App;

// The hidden window that owns the tray icon, its menu and the six global hot
// keys. Both are set up once, from the options as loaded.
class TForm7 : public ui::Form {
 public:
  explicit TForm7(App& app);

  // Removes the tray icon; harmless when none was added.
  void DeleteTryIcon();
  // (Re)registers hot key id from an option text; a combination taken by
  // another program, or an empty text, silently gives none.
  void SetHotKey(const std::string& text, int id);
  // A hot key was pressed anywhere.
  void WMHotKey(int id);
  // The tray icon's mouse messages.
  void WndProc(ui::MouseButton button);

  void Windows1Click();
  void Windows2Click();
  // Ends the program: the icon goes, the data files are written, the main window closes.
  void PelorinC1Click();

  ui::TrayIcon TryIcon{*this, "TryIcon"};
  ui::PopupMenu TaskMemu{*this, "TaskMemu"};
  ui::HotKeys HotKeys{*this, "HotKeys"};

 private:
  void FormCreate();
  void BuildTaskMemu();

  App& app_;
};

inline constexpr char kTrayTip[] = "Pelorin 起動中";

}  // namespace pelorin
