#pragma once

#include <cstdint>
#include <string>

#include "platform/ui/combo_box.h"
#include "platform/ui/form.h"
#include "platform/ui/gauge.h"
#include "platform/ui/label.h"
#include "platform/ui/popup_menu.h"
#include "platform/ui/spin_button.h"
#include "platform/ui/timer.h"

namespace pelorin {

class App;

// The control window: switches panels, offers the system commands, shows the
// gauges and the clock, and holds the translucency settings.
class TForm5 : public ui::Form {
 public:
  static constexpr int kNarrowWidth = 178;
  // The opacity of this window is AlphaBar's level plus this (70..255).
  static constexpr int kAlphaBase = 70;
  static constexpr std::uint8_t kOpaque = 255;
  // The main window's one translucent opacity.
  static constexpr std::uint8_t kMainWindowAlpha = 200;

  explicit TForm5(App& app);

  // After the number of panels changed: the ranges of Up, Down and TwoStep
  // from PanelCount, PlName refilled with the panel names, and PlName, Index,
  // Up and Down showing CurrentPanel.
  void UpdateNavigationRange();
  // This window's colour, and the font and colours of PlName and Index, from
  // the options; the width is cut to kNarrowWidth without the gauges.
  void ApplyAppearance();

  // Panel switching.
  void UpClick();
  void DownClick();
  void TwoStepClick();
  void PlNameChange();
  // Translucency: the level, and the two entries under "半透明化設定(&H)".
  void AlphaBarClick();
  void N9Click();
  void M2Click();
  // Pointer, menu and activation.
  void FormMouseMove();
  void FormMouseUp(ui::MouseButton button);
  void PlNameContextPopup();
  void FormActivate();
  void FormDeactivate();
  // The pointer test, the clock, and the gauges with their hints.
  void NowTimeTimer();

  // The system commands of PopupMenu1, also run by the tray menu and the hot keys.
  void Open1Click();
  void S1Click();
  void I1Click();
  void N2Click();
  void P1Click();
  void M1Click();
  void N7Click();
  void N8Click();
  void F1Click();
  // Shutdown and restart after the countdown; the data files are written first.
  void N4Click();
  void N5Click();

  ui::ComboBox PlName{*this, {.name = "PlName", .bounds = {3, 2, 166, 20}, .tabStop = false}};
  // Wider than the 43 pixels the text needs in ＭＳ Ｐゴシック, so that a
  // stand-in font (or a two-digit index) is not cut off before the arrows.
  ui::Label Index{*this, {.name = "Index", .bounds = {8, 26, 55, 12}, .caption = "Index : 0"}};
  ui::SpinButton Up{*this, {.name = "Up", .bounds = {64, 23, 49, 17}, .hint = "一つ戻る", .horizontal = true}};
  ui::SpinButton TwoStep{*this, {.name = "TwoStep", .bounds = {88, 23, 57, 17}, .hint = "最小・最大化", .horizontal = true}};
  ui::SpinButton Down{*this, {.name = "Down", .bounds = {120, 23, 49, 17}, .hint = "一つ進む", .horizontal = true}};
  ui::Gauge SysBar{*this, {.name = "SysBar", .bounds = {176, 5, 49, 12}, .hint = "システムリソース使用率"}};
  ui::Gauge MemBar{*this, {.name = "MemBar", .bounds = {176, 24, 49, 12}, .hint = "メモリ使用率"}};
  // Shares SysBar's place, which it takes where translucency is available.
  ui::SpinButton AlphaBar{*this, {.name = "AlphaBar", .bounds = {176, 5, 49, 12}, .hint = "半透明化の透過度指定", .horizontal = true}};
  ui::PopupMenu PopupMenu1{*this, "PopupMenu1"};
  ui::Timer NowTime{*this, "NowTime"};

  // Set while this window is the active one, cleared around its popup menu.
  bool ControlActive = false;

 private:
  // TwoStep waits in the middle of its range, so that both arrows can move it.
  static constexpr int kTwoStepRest = 1;

  enum class SessionEnd { Shutdown, Restart };

  void FormCreate();
  void FormShow();
  void BuildPopupMenu1();
  ui::MenuItem& MenuEntry(const std::string& name);
  // PlName, Index, Up and Down show panel.
  void ShowPanel(int panel);
  // Makes panel the current one and redraws the main window.
  void SwitchPanel(int panel);
  // The popup menu at the pointer, with ControlActive off while it is open.
  void ControlMenu();
  // AlphaBar's own right-click menu, which leaves ControlActive alone.
  void AlphaBarMenu();
  void PointerTest();
  void ShowMemory();
  void ShowSystemResources();
  // Control.exe with an applet (or none).
  void ControlPanel(const std::string& applet);
  // Explorer on a shell folder.
  void ExplorerOn(const std::string& folder);
  void EndSessionAfterCountdown(SessionEnd end);

  App& app_;
  // The navigation is filled at the first showing.
  bool navigationFilled_ = false;
  // AlphaBar's position before the user's last click: a click at the end of
  // its range does not move it, and then does nothing.
  int alphaLevel_ = 0;
  // The width with the gauges, as created.
  int fullWidth_ = 0;
  // Set once the free-resources query failed: its error is reported once, not at every tick.
  bool systemResourcesFailed_ = false;
};

}  // namespace pelorin
