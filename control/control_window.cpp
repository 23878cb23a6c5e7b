#include "control/control_window.h"

#include <algorithm>
#include <vector>

#include "app/app.h"
#include "control/free_res.h"
#include "control/resource_figures.h"
#include "mainwindow/main_window.h"
#include "platform/error.h"
#include "platform/ui/callback.h"

namespace pelorin {

namespace {

constexpr ui::ColorValue kBlue = 0x00FF0000;
constexpr ui::ColorValue kRed = 0x000000FF;
constexpr unsigned kNowTimeInterval = 500;
constexpr int kListItemHeight = 12;
constexpr char kPlainCaption[] = "Control Window";

// The entry toggles its own check mark before the handler runs.
template <class Handler>
void BindSelfChecking(ui::MenuItem& item, Handler handler) {
  item.onClick = [handler](ui::MenuItem& entry) {
    entry.SetChecked(!entry.Checked());
    handler();
  };
}

}  // namespace

TForm5::TForm5(App& app) : ui::Form(app.Ui(), "Form5", kPlainCaption, ui::BorderStyle::ToolWindow), app_(app) {
  SetClientSize({226, 41});
  fullWidth_ = Width();
  PlName.SetColor(ui::SystemColor(ui::syscolor::kBtnFace));
  PlName.SetFlat(true);
  PlName.SetItemHeight(kListItemHeight);
  PlName.SetAutoDropDown(true);
  // The label takes the window's colour, whatever ApplyAppearance makes it.
  Index.SetTransparent(true);
  MemBar.SetForeColor(kBlue);
  SysBar.SetForeColor(kRed);
  AlphaBar.SetRange(kAlphaBarMin, kAlphaBarMax);
  AlphaBar.SetPosition(kAlphaBarMax);
  // Windowed controls stack in tab order, the first on top: TwoStep covers
  // the inner arrows of Up and Down, so that the row shows four arrows.
  SetTabOrder({&PlName, &TwoStep, &Up, &Down, &AlphaBar});
  BuildPopupMenu1();
  NowTime.SetInterval(kNowTimeInterval);

  onShow = [this] { FormShow(); };
  onActivate = [this] { FormActivate(); };
  onDeactivate = [this] { FormDeactivate(); };
  const auto mouseMove = [this](ui::ShiftState, ui::Point) { FormMouseMove(); };
  const auto mouseUp = [this](ui::MouseButton button, ui::ShiftState, ui::Point) { FormMouseUp(button); };
  for (ui::Control* control : std::vector<ui::Control*>{this, &Index, &Up, &Down, &TwoStep}) {
    control->onMouseMove = mouseMove;
  }
  onMouseUp = mouseUp;
  Index.onMouseUp = mouseUp;
  // The spin buttons' right clicks reach the window as requests for a context menu.
  for (ui::SpinButton* spin : {&Up, &Down, &TwoStep}) spin->onContextPopup = [this] { FormMouseUp(ui::MouseButton::Right); };
  Up.onClick = [this](ui::SpinArrow) { UpClick(); };
  Down.onClick = [this](ui::SpinArrow) { DownClick(); };
  TwoStep.onClick = [this](ui::SpinArrow) { TwoStepClick(); };
  PlName.onChange = [this] { PlNameChange(); };
  PlName.onContextPopup = [this] { PlNameContextPopup(); };
  AlphaBar.onClick = [this](ui::SpinArrow) { AlphaBarClick(); };
  AlphaBar.onContextPopup = [this] { AlphaBarMenu(); };
  NowTime.onTimer = [this] { NowTimeTimer(); };

  FormCreate();
}

void TForm5::BuildPopupMenu1() {
  ui::MenuItem& root = PopupMenu1.Items();
  ui::MenuItem& panel = root.Add("N3", "コントロールパネル(&C)");
  panel.Add("Open1", "コントロールパネルを開く(&O)", [this] { Open1Click(); });
  panel.Add("N1", "-");
  panel.Add("S1", "システムのプロパティ(&S)", [this] { S1Click(); });
  panel.Add("I1", "インターネットオプション(&I)", [this] { I1Click(); });
  panel.Add("N2", "アプリケーションの追加と削除(&A)", [this] { N2Click(); });
  ui::MenuItem& windows = root.Add("Windows1", "Windowsの終了(&U)");
  windows.Add("N4", "シャットダウン(&S)", [this] { N4Click(); });
  windows.Add("N5", "再起動(&R)", [this] { N5Click(); });
  root.Add("F1", "ファイルの検索(&F)", [this] { F1Click(); });
  root.Add("P1", "マイコンピュータ(&P)", [this] { P1Click(); });
  root.Add("M1", "マイドキュメント(&D)", [this] { M1Click(); });
  root.Add("N7", "ネットワークフォルダ(&N)", [this] { N7Click(); });
  root.Add("N8", "ごみ箱を空にする(&B)", [this] { N8Click(); });
  root.Add("N6", "-");
  ui::MenuItem& translucency = root.Add("H1", "半透明化設定(&H)");
  BindSelfChecking(translucency.Add("N9", "コントロールウィンドウ(&C)"), [this] { N9Click(); });
  BindSelfChecking(translucency.Add("M2", "メインウィンドウ(&M)"), [this] { M2Click(); });
}

ui::MenuItem& TForm5::MenuEntry(const std::string& name) { return *PopupMenu1.Items().Find(name); }

void TForm5::FormCreate() {
  const LauncherState& state = app_.State();
  if (app_.Ui().TranslucencyAvailable()) {
    SysBar.Hide();
    if (state.AlphaControl) {
      MenuEntry("N9").SetChecked(true);
      AlphaBar.SetPosition(state.AlphaBar);
    } else {
      AlphaBar.SetEnabled(false);
    }
    MenuEntry("M2").SetChecked(state.AlphaMain);
    SetAlpha(state.AlphaControl ? static_cast<std::uint8_t>(AlphaBar.Position() + kAlphaBase) : kOpaque);
  } else {
    MenuEntry("H1").SetVisible(false);
    AlphaBar.Hide();
  }
  alphaLevel_ = AlphaBar.Position();
  UpdateNavigationRange();
}

void TForm5::FormShow() {
  // The first showing fills the navigation from the state as it is by then:
  // after the first run's defaults, and after any change while it was hidden.
  if (navigationFilled_) return;
  navigationFilled_ = true;
  UpdateNavigationRange();
}

void TForm5::UpdateNavigationRange() {
  const LauncherState& state = app_.State();
  const int count = state.PanelCount;
  // Before the first run's defaults there is no panel yet: the ranges then hold panel 0 only.
  const int last = std::max(count - 1, 0);
  Up.SetRange(0, last);
  Down.SetRange(0, last);
  TwoStep.SetRange(0, count / 2);
  TwoStep.SetPosition(kTwoStepRest);
  PlName.SetItems({state.PanelName.begin(), state.PanelName.begin() + count});
  ShowPanel(state.CurrentPanel);
}

void TForm5::ShowPanel(int panel) {
  Up.SetPosition(panel);
  Down.SetPosition(panel);
  Index.SetCaption("Index : " + std::to_string(panel));
  PlName.SetItemIndex(panel);
}

void TForm5::SwitchPanel(int panel) {
  TForm1& main = app_.MainWindow();
  main.HideHoverFrame();
  ShowPanel(panel);
  app_.State().CurrentPanel = static_cast<std::uint8_t>(panel);
  main.RefreshPanel();
}

// Up and Down always stand at the current panel: a click that leaves the
// position there met the end of the range.
void TForm5::UpClick() {
  if (Up.Position() != app_.State().CurrentPanel) SwitchPanel(Up.Position());
}

void TForm5::DownClick() {
  if (Down.Position() != app_.State().CurrentPanel) SwitchPanel(Down.Position());
}

void TForm5::TwoStepClick() {
  // With a single panel the range 0..0 keeps TwoStep at 0.
  const int rest = std::min(kTwoStepRest, TwoStep.Max());
  const int step = TwoStep.Position() - rest;
  if (step == 0) return;
  TwoStep.SetPosition(kTwoStepRest);
  SwitchPanel(step < 0 ? 0 : app_.State().PanelCount - 1);
}

void TForm5::PlNameChange() {
  if (PlName.ItemIndex() >= 0) SwitchPanel(PlName.ItemIndex());
}

void TForm5::AlphaBarClick() {
  const int level = AlphaBar.Position();
  if (level == alphaLevel_) return;
  alphaLevel_ = level;
  if (!MenuEntry("N9").Checked()) return;
  // The level shows on MemBar until the clock's next tick, a whole interval from now.
  NowTime.SetEnabled(false);
  MemBar.SetProgress(level * ui::Gauge::kMaxProgress / AlphaBar.Max());
  SetAlpha(static_cast<std::uint8_t>(level + kAlphaBase));
  app_.State().AlphaBar = level;
  NowTime.SetEnabled(true);
}

void TForm5::N9Click() {
  const bool on = MenuEntry("N9").Checked();
  AlphaBar.SetEnabled(on);
  app_.State().AlphaControl = on;
  // Turned on, the window keeps its opacity until AlphaBar is moved.
  if (!on) SetAlpha(kOpaque);
}

void TForm5::M2Click() {
  const bool on = MenuEntry("M2").Checked();
  app_.State().AlphaMain = on;
  app_.MainWindow().SetAlpha(on ? kMainWindowAlpha : kOpaque);
}

void TForm5::FormMouseMove() {
  // Showing a window that is up only raises it.
  BringToFront();
}

void TForm5::FormMouseUp(ui::MouseButton button) {
  if (button == ui::MouseButton::Right) ControlMenu();
}

void TForm5::PlNameContextPopup() { ControlMenu(); }

void TForm5::ControlMenu() {
  ControlActive = false;
  {
    const EdgeHiding::Pause pause(app_.Hiding());
    PopupMenu1.Popup(app_.Ui().CursorPos());
  }
  ControlActive = true;
}

void TForm5::AlphaBarMenu() {
  const EdgeHiding::Pause pause(app_.Hiding());
  PopupMenu1.Popup(app_.Ui().CursorPos());
}

void TForm5::FormActivate() {
  app_.Hiding().Clear();
  ControlActive = true;
}

void TForm5::FormDeactivate() {
  app_.Hiding().Allow();
  ControlActive = false;
}

void TForm5::NowTimeTimer() {
  PointerTest();
  const LauncherState& state = app_.State();
  platform::Services& services = app_.Services();
  SetCaption(state.Time ? ClockText(services.Locale, services.System.Now()) : kPlainCaption);
  // Lets waiting messages (the main window's timers too) run in the middle of the tick.
  app_.Ui().ProcessMessages();
  if (!state.MemSysShow) return;
  ShowMemory();
  if (!services.System.IsNtFamily()) ShowSystemResources();
}

void TForm5::PointerTest() {
  // Off to either side, the pointer lets the main window hide although this
  // window is still active; its height is not looked at.
  if (!ControlActive) return;
  const int x = app_.Ui().CursorPos().x;
  if (x < Left() || x > Left() + Width()) app_.Hiding().Allow();
}

void TForm5::ShowMemory() {
  platform::Services& services = app_.Services();
  const platform::MemoryStatus memory = services.System.Memory();
  MemBar.SetProgress(MemoryInUsePercent(memory));
  MemBar.SetHint(MemoryHint(memory, services.Locale.ThousandsSeparator()));
}

void TForm5::ShowSystemResources() {
  if (systemResourcesFailed_) return;
  int inUse = 0;
  try {
    inUse = 100 - FreeSystemResources(app_.Services().Kernel16, kSystemResources);
  } catch (const platform::Error& error) {
    // Marked first: ticks keep coming while the message is up.
    systemResourcesFailed_ = true;
    app_.ReportError(error.what());
    return;
  }
  SysBar.SetProgress(inUse);
  SysBar.SetHint("システムリソース使用率 : " + std::to_string(inUse) + "%");
}

void TForm5::ApplyAppearance() {
  const LauncherState& state = app_.State();
  SetColor(state.ControlColor);
  PlName.SetColor(state.ControlColor);
  for (ui::Control* text : std::vector<ui::Control*>{&PlName, &Index}) {
    ui::FontSpec font = text->Font();
    font.name = state.FontName;
    font.color = state.FontColor;
    text->SetFont(font);
  }
  // Widened again too, so that gauges switched on are seen at once.
  SetWidth(state.MemSysShow ? fullWidth_ : kNarrowWidth);
}

}  // namespace pelorin
