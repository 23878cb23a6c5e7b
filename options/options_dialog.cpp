#include "options/options_dialog.h"

#include <algorithm>

#include "app/app.h"
#include "control/control_window.h"
#include "core/hotkey_text.h"
#include "mainwindow/main_window.h"
#include "platform/file_system.h"
#include "platform/shell.h"
#include "platform/text.h"

namespace pelorin {

namespace {

// The spin buttons' tables: position p stands for p plus this.
constexpr int kRowsBase = 1;         // IcLine 1..4
constexpr int kPerRowBase = 4;       // ShowLine 4..20
constexpr int kStripWidthBase = 1;   // BarWidth 1..8
constexpr int kLinkFontHeight = 13;
constexpr int kVersionFontHeight = 16;

}  // namespace

TForm6::TForm6(App& app) : ui::Form(app.Ui(), "Form6", "Option", ui::BorderStyle::ToolWindowNoButtons), app_(app) {
  SetClientSize({377, 199});
  CentreOnScreen();
  UpDown1.SetRange(0, 3);
  UpDown2.SetRange(0, 16);
  UpDown3.SetRange(0, 7);
  for (ui::Panel* page : Pages()) page->Hide();
  SampleFont.SetColor(ui::SystemColor(ui::syscolor::kInfoBk));

  ui::FontSpec version = Label14.Font();
  // Rarely installed; the system's stand-in must still show the whole line.
  version.name = "Calisto MT";
  version.height = kVersionFontHeight;
  Label14.SetFont(version);
  ui::FontSpec link = HpUrl.Font();
  link.height = kLinkFontHeight;
  link.underline = true;
  link.color = kLinkCold;
  HpUrl.SetFont(link);
  HpUrl.SetCursor(ui::Cursor::HandPoint);

  onShow = [this] { FormShow(); };
  TabC.onChange = [this] { TabCChange(); };
  UpDown1.onClick = [this](ui::SpinArrow) { UpDown1Click(); };
  UpDown2.onClick = [this](ui::SpinArrow) { UpDown2Click(); };
  UpDown3.onClick = [this](ui::SpinArrow) { UpDown3Click(); };
  wHide.onClick = [this] { wHideClick(); };
  Button4.onClick = [this] { Button4Click(); };
  Button5.onClick = [this] { Button5Click(); };
  Button6.onClick = [this] { Button6Click(Button6); };
  Button8.onClick = [this] { Button6Click(Button8); };
  Button1.onClick = [this] { Button1Click(); };
  Button7.onClick = [this] { Button7Click(); };
  Button2.onClick = [this] { Button2Click(); };
  Button3.onClick = [this] { Button3Click(); };
  HpUrl.onMouseMove = [this](ui::ShiftState, ui::Point) { HpUrlMouseMove(); };
  HpUrl.onClick = [this] { HpUrlClick(); };
  for (ui::Control* cold : std::initializer_list<ui::Control*>{&pBarsion, &Label14, &Label15}) {
    cold->onMouseMove = [this](ui::ShiftState, ui::Point) { pBarsionMouseMove(); };
  }
}

std::array<ui::Panel*, 8> TForm6::Pages() {
  return {&pAll, &pButton, &pWinScroll, &pHotKey, &pHotKey2, &pStertUp, &pFontColor, &pBarsion};
}

std::array<ui::HotKeyEdit*, kHotKeyCount> TForm6::HotKeyBoxes() {
  return {&HotClp, &HotMyComputer, &HotSearch, &HotTrashBox, &HotExit, &HotReBoot};
}

int TForm6::NumberIn(const ui::Edit& box) { return std::stoi(box.Text()); }

void TForm6::FormShow() {
  FitPagesUnderTabs();
  const LauncherState& state = app_.State();
  IcLine.SetText(std::to_string(state.IcLine));
  ShowLine.SetText(std::to_string(state.ShowLine));
  MaxLine.SetText(std::to_string(state.MaxLine));
  PopFolder.SetChecked(state.PopFolder);

  SampleFont.SetColor(state.ControlColor);
  ui::FontSpec sample = SampleFont.Font();
  sample.name = state.FontName;
  sample.color = state.FontColor;
  SampleFont.SetFont(sample);
  MainColor.SetColor(state.MainColor);
  ButtonShado.SetColor(state.ButtonShado);

  ClShow.SetChecked(state.ClShow);
  MemSysShow.SetChecked(state.MemSysShow);
  Time.SetChecked(state.Time);
  wHide.SetChecked(state.wHide);
  wHideClick();
  BarWidth.SetText(std::to_string(state.BarWidth));
  (state.UD ? UD : LR).SetChecked(true);

  TabC.SetTabIndex(0);
  ShowPage(0);

  TaskCheck.SetChecked(state.TaskCheck);
  DDCheck.SetChecked(state.DDCheck);
  const auto boxes = HotKeyBoxes();
  for (int id = 0; id < kHotKeyCount; ++id) {
    boxes[id]->SetCombination(HotKeyFromText(state.*kHotKeyOptions[id], app_.Services().Keys));
  }

  UpDown1.SetPosition(NumberIn(IcLine) - kRowsBase);
  UpDown2.SetPosition(NumberIn(ShowLine) - kPerRowBase);
  UpDown3.SetPosition(NumberIn(BarWidth) - kStripWidthBase);
}

void TForm6::FitPagesUnderTabs() {
  const int plannedTop = kPageBounds.top - TabC.Top();
  const int lowered = std::max(0, TabC.DisplayArea().top - plannedTop);
  const int step = lowered - pagesLowered_;
  if (step == 0) return;
  for (ui::Panel* page : Pages()) page->SetTop(page->Top() + step);
  for (ui::Button* button : {&Button1, &Button7}) button->SetTop(button->Top() + step);
  TabC.SetHeight(TabC.Height() + step);
  SetClientSize({ClientSize().width, ClientSize().height + step});
  // It grows about its middle: a dialog centred on the screen stays so.
  SetTop(Top() - step / 2);
  pagesLowered_ = lowered;
}

void TForm6::ShowPage(int index) {
  const auto pages = Pages();
  for (int page = 0; page < static_cast<int>(pages.size()); ++page) pages[page]->SetVisible(page == index);
}

void TForm6::TabCChange() { ShowPage(TabC.TabIndex()); }

void TForm6::UpDown1Click() {
  IcLine.SetText(std::to_string(UpDown1.Position() + kRowsBase));
  FitMaximum();
}

void TForm6::UpDown2Click() {
  ShowLine.SetText(std::to_string(UpDown2.Position() + kPerRowBase));
  FitMaximum();
}

void TForm6::UpDown3Click() { BarWidth.SetText(std::to_string(UpDown3.Position() + kStripWidthBase)); }

void TForm6::FitMaximum() {
  int rows = NumberIn(IcLine);
  const int perRow = NumberIn(ShowLine);
  while (rows > 1 && rows * perRow > kMaxItems) --rows;
  IcLine.SetText(std::to_string(rows));
  UpDown1.SetPosition(rows - kRowsBase);
  MaxLine.SetText(std::to_string(rows * perRow));
}

void TForm6::wHideClick() {
  const bool on = wHide.Checked();
  for (ui::Control* control : std::initializer_list<ui::Control*>{&Label13, &BarWidth, &UpDown3, &LR, &UD}) {
    control->SetEnabled(on);
  }
}

void TForm6::Button4Click() {
  if (!FontDialog.Execute()) return;
  // Only the face and the colour are taken; size and style stay the sample's.
  ui::FontSpec sample = SampleFont.Font();
  sample.name = FontDialog.Font().name;
  sample.color = FontDialog.Font().color;
  SampleFont.SetFont(sample);
}

void TForm6::Button5Click() {
  if (ColorDialog.Execute()) SampleFont.SetColor(ColorDialog.Color());
}

void TForm6::Button6Click(ui::Button& sender) {
  if (!ColorDialog.Execute()) return;
  (&sender == &Button8 ? ButtonShado : MainColor).SetColor(ColorDialog.Color());
}

void TForm6::Button1Click() {
  LauncherState& state = app_.State();
  state.IcLine = static_cast<std::uint8_t>(NumberIn(IcLine));
  state.ShowLine = static_cast<std::uint8_t>(NumberIn(ShowLine));
  state.MaxLine = static_cast<std::uint8_t>(NumberIn(MaxLine));
  state.PopFolder = PopFolder.Checked();
  state.ControlColor = SampleFont.Color();
  state.FontName = SampleFont.Font().name;
  state.FontColor = SampleFont.Font().color;
  state.MainColor = MainColor.Color();
  state.ButtonShado = ButtonShado.Color();
  state.ClShow = ClShow.Checked();
  state.MemSysShow = MemSysShow.Checked();
  state.Time = Time.Checked();
  state.wHide = wHide.Checked();
  state.BarWidth = static_cast<std::uint8_t>(NumberIn(BarWidth));
  state.UD = !LR.Checked();
  state.TaskCheck = TaskCheck.Checked();
  state.DDCheck = DDCheck.Checked();
  const auto boxes = HotKeyBoxes();
  for (int id = 0; id < kHotKeyCount; ++id) {
    state.*kHotKeyOptions[id] = HotKeyToText(boxes[id]->Combination(), app_.Services().Keys);
  }
  SetModalResult(ui::ModalResult::Ok);
  Close();
  TForm1& main = app_.MainWindow();
  main.ApplyAppearance();
  main.RefreshPanel();
}

void TForm6::Button7Click() {
  SetModalResult(ui::ModalResult::Cancel);
  Close();
}

void TForm6::HpUrlMouseMove() { SetLinkColor(kLinkHot); }

void TForm6::pBarsionMouseMove() { SetLinkColor(kLinkCold); }

void TForm6::SetLinkColor(ui::ColorValue color) {
  ui::FontSpec link = HpUrl.Font();
  link.color = color;
  HpUrl.SetFont(link);
}

void TForm6::HpUrlClick() {
  const std::string readme = platform::ExtractFilePath(app_.Services().Files.ExecutablePath()) + kReadmeName;
  // Shown normally: a hidden editor window would be no use to anyone.
  app_.Services().Shell.Execute(this, "OPEN", readme, "", std::nullopt, platform::kShowNormal);
}

}  // namespace pelorin
