#include "mainwindow/main_window.h"

#include <algorithm>
#include <string>

#include "app/app.h"
#include "control/control_window.h"
#include "itemdialogs/add_item_dialog.h"
#include "launch/file_search.h"
#include "launch/launch_item.h"
#include "launch/shortcut_readers.h"
#include "options/options_dialog.h"
#include "panels/panel_manager.h"
#include "platform/file_system.h"
#include "platform/icons.h"
#include "platform/shell.h"
#include "platform/startup_trace.h"
#include "platform/text.h"
#include "platform/ui/monitors.h"
#include "tray/tray_window.h"

namespace pelorin {

namespace {

constexpr char kDeleteCaption[] = "アイテム削除確認";
constexpr char kDeleteQuestion[] = "は存在しない可能性があります。削除しますか？";

// Where the hover frame waits before the pointer first reaches a button.
constexpr ui::Point kHoverFrameStart{360, 111};
constexpr int kHoverFrameReach = 33;
// Below the largest grid (four rows of 37 pixels).
constexpr int kHoverFrameHiddenTop = 200;

std::string Numbered(const char* prefix, int index) { return prefix + std::to_string(index + 1); }

}  // namespace

TForm1::TForm1(App& app)
    : ui::Form(app.Ui(), "Form1", kApplicationTitle, ui::BorderStyle::ToolWindow),
      Bar_l(*this, "Bar_l"),
      Bar_r(*this, "Bar_r"),
      Bar_u(*this, "Bar_u"),
      Bar_d(*this, "Bar_d"),
      TipTimer(*this, "TipTimer"),
      PopupMenu1(*this, "PopupMenu1"),
      MovePopup(*this, "MovePopup"),
      PopUpDrop(*this, "PopUpDrop"),
      ImageList1(CreateFolderMenuImages(*this, "ImageList1")),
      LaunchPopup(*this, "LaunchPopup", app.Services().Files, app.Services().Icons, app.Services().Shell),
      app_(app) {
  CreateSlotControls();
  BuildPopupMenu1();
  BuildMovePopup();
  BuildPopUpDrop();
  SetUpFolderMenu(LaunchPopup, *ImageList1);
  // Stopped until the first show.
  TipTimer.SetInterval(0);
  TipTimer.onTimer = [this] { TipTimerTimer(); };
  onShow = [this] { FormShow(); };
  onClose = [this] { FormClose(); };
  onMouseUp = [this](ui::MouseButton button, ui::ShiftState, ui::Point) { FormMouseUp(button); };
  onClick = [this] { FormClick(); };
  onDropFiles = [this](const std::vector<platform::IncomingPath>& names) { WMDropFiles(names); };
  onKeyPress = [this](char key) { FormKeyPress(key); };

  app_.Services().Trace.Mark("main window's controls");
  const LoadResult loaded = app_.LoadAll();
  app_.Services().Trace.Mark("data files");
  if (loaded == LoadResult::Failed) return;
  SetAcceptFiles(true);
  if (app_.State().AlphaMain) SetAlpha(200);
}

TForm1::~TForm1() = default;

void TForm1::CreateSlotControls() {
  // Each image lies above its bevel; the hover frame above everything.
  for (int i = 0; i < kSlots; ++i) {
    auto& bevel = *Bevels.emplace_back(std::make_unique<ui::Bevel>(*this, Numbered("Bevel", i)));
    bevel.SetBounds({0, 0, 36, 36});
    auto& image = *Images.emplace_back(std::make_unique<ui::Image>(*this, Numbered("Image", i)));
    image.SetBounds({2, 2, 32, 32});
    image.SetShowHint(true);
    image.onMouseMove = [this, i](ui::ShiftState, ui::Point) { HoverSlot(i); };
    image.onMouseDown = [this](ui::MouseButton button, ui::ShiftState, ui::Point) { Image1MouseDown(button); };
    image.onMouseUp = [this](ui::MouseButton button, ui::ShiftState, ui::Point) { Image1MouseUp(button); };
  }
  for (int i = 0; i < kSlots; ++i) {
    auto& line = *ColumnLines.emplace_back(std::make_unique<ui::Label>(*this, Numbered("Line", i)));
    line.SetBounds({0, 1, 1, 0});
  }
  for (int r = 0; r < kRowLines; ++r) {
    auto& line = *RowLines.emplace_back(std::make_unique<ui::Label>(*this, Numbered("cLine", r)));
    line.SetBounds({0, kCellPitch * r + 36, 0, 1});
  }
  Bar_l.SetBounds({0, 0, 2, 33});
  Bar_r.SetBounds({0, 0, 2, 33});
  Bar_u.SetBounds({0, 0, 33, 2});
  Bar_d.SetBounds({0, 0, 35, 2});
  for (ui::Label* bar : {&Bar_l, &Bar_r, &Bar_u, &Bar_d}) {
    bar->SetColor(ui::SystemColor(ui::syscolor::kBtnShadow));
    bar->BringToFront();
  }
  PlaceHoverFrame(kHoverFrameStart);
}

void TForm1::PlaceHoverFrame(ui::Point topLeft) {
  Bar_l.SetLeft(topLeft.x);
  Bar_l.SetTop(topLeft.y);
  Bar_r.SetLeft(topLeft.x + kHoverFrameReach);
  Bar_r.SetTop(topLeft.y);
  Bar_u.SetLeft(topLeft.x);
  Bar_u.SetTop(topLeft.y);
  Bar_d.SetLeft(topLeft.x);
  Bar_d.SetTop(topLeft.y + kHoverFrameReach);
}

void TForm1::HideHoverFrame() {
  for (ui::Label* bar : {&Bar_l, &Bar_r, &Bar_u, &Bar_d}) bar->SetTop(kHoverFrameHiddenTop);
}

void TForm1::BuildPopupMenu1() {
  ui::MenuItem& root = PopupMenu1.Items();
  root.Add("N13", "ファイルの検索(&F)", [this] { N13Click(); });
  root.Add("N14", "コントロールパネル(&L)", [this] { N14Click(); });
  root.Add("N12", "-");
  ui::MenuItem& items = root.Add("N1", "アイテム設定(&I)");
  items.Add("N2", "追加(&A)", [this] { N2Click(); });
  items.Add("N11", "選択アイテムを削除", [this] { N11Click(); });
  items.Add("N5", "-");
  items.Add("N4", "移動・編集(&E)", [this] { N4Click(); });
  ui::MenuItem& panels = root.Add("N9", "パネル設定(&P)");
  panels.Add("Edit1", "編集", [this] { Edit1Click(); });
  root.Add("N6", "ｺﾝﾄﾛｰﾙｳｨﾝﾄﾞｳ整列(&C)", [this] { N6Click(); });
  root.Add("N7", "-");
  root.Add("F1", "作業用フォルダを開く(&F)", [this] { F1Click(); });
  root.Add("N8", "詳細設定(&O)", [this] { N8Click(); });
}

void TForm1::ShowDialogModally(ui::Form& dialog) {
  const EdgeHiding::Pause pause(app_.Hiding());
  dialog.ShowModal();
}

void TForm1::N2Click() { ShowDialogModally(app_.AddItemDialog()); }

void TForm1::Edit1Click() {
  // The panel manager's Cancel reloads the files, so they must hold what is on screen.
  const EdgeHiding::Pause pause(app_.Hiding());
  app_.SaveAll();
  app_.PanelManager().ShowModal();
}

void TForm1::N8Click() { ShowDialogModally(app_.OptionsDialog()); }

void TForm1::SetVisible(bool visible) {
  if (visible && !FirstShowDone) PrepareFirstShow();
  ui::Form::SetVisible(visible);
}

void TForm1::PrepareFirstShow() {
  FirstShowDone = true;
  LauncherState& state = app_.State();
  if (state.FirstRun) state.ApplyFirstRunDefaults();
  SetBounds({state.MainLeft, state.MainTop, Width(), Height()});
  TForm5& control = app_.ControlWindow();
  control.SetBounds({state.ControlLeft, state.ControlTop, control.Width(), control.Height()});
  ApplyAppearance();
  RefreshPanel();
  // Only now do both windows have their sizes.
  BringWithinReach(*this);
  BringWithinReach(control);
  if (state.ClShow) control.Show();
}

void TForm1::FormShow() {
  app_.Hiding().Allow();
  TipTimer.SetInterval(100);
}

void TForm1::FormClose() {
  app_.TrayWindow().DeleteTryIcon();
  app_.SaveAll();
}

void TForm1::ApplyAppearance() {
  const LauncherState& state = app_.State();
  SetColor(state.MainColor);
  app_.ControlWindow().ApplyAppearance();
  for (auto& line : ColumnLines) line->SetColor(state.ButtonShado);
  for (auto& line : RowLines) line->SetColor(state.ButtonShado);
}

void TForm1::RefreshPanel() {
  LauncherState& state = app_.State();
  platform::StartupTrace& trace = app_.Services().Trace;
  // Start-up's refresh is part of the first show; a later one is timed alone.
  const char* const rest = trace.Finished() ? "messages and layout" : "first show";
  trace.BeginRefresh();
  const EdgeHiding::Pause pause(app_.Hiding());
  app_.Ui().ProcessMessages();
  // Each icon file is opened once for the whole panel.
  const platform::Icons::Reading reading(app_.Services().Icons);

  const int panel = state.CurrentPanel;
  const int count = state.PanelItemCount[panel];
  for (int i = 0; i < count; ++i) {
    const ItemRecord& item = state.Item(panel, i);
    trace.Mark(rest);
    const bool exists = app_.Services().Files.Exists(item.FilePath);
    trace.Mark("existence checks");
    if (!exists) {
      const std::string question = "\"" + item.FilePath + "\"" + kDeleteQuestion;
      if (app_.Ui().ShowMessage(question, kDeleteCaption, platform::MessageStyle::Confirm) ==
          platform::MessageResult::Ok) {
        // The deletion refreshes again and finishes the job.
        SelectedSlot = static_cast<std::int8_t>(i);
        N11Click();
        return;
      }
    }
    ShowItemIcon(i);
    trace.Mark(state.Item(panel, i).IconNumber == 0 ? "shell icons of the current panel" : "icons from files");
  }
  LayoutGrid();
  trace.EndRefresh(rest);
}

void TForm1::LoadShellIcon(const std::string& path, int slot) {
  Images[slot]->SetPicture(app_.Services().Icons.ShellIcon(path));
}

void TForm1::ShowItemIcon(int slot) {
  const LauncherState& state = app_.State();
  const ItemRecord& item = state.Item(state.CurrentPanel, slot);
  if (item.IconNumber == 0) {
    LoadShellIcon(item.IconPath, slot);
  } else {
    Images[slot]->SetPicture(app_.Services().Icons.IconInFile(item.IconPath, item.IconNumber));
  }
}

void TForm1::LayoutGrid() {
  const LauncherState& state = app_.State();
  const int perRow = state.ShowLine;
  const int rows = state.IcLine;
  const int count = state.PanelItemCount[state.CurrentPanel];
  const int fullRows = count / perRow;
  const int inLastRow = count % perRow;

  // Every control gets its final place and visibility once: each change
  // repaints and moves a tip.
  for (int i = 0; i < kSlots; ++i) {
    const ui::Point cell{kCellPitch * (i % perRow), kCellPitch * (i / perRow)};
    const bool used = i < count;
    Bevels[i]->SetBounds({cell.x, cell.y, Bevels[i]->Width(), Bevels[i]->Height()});
    Bevels[i]->SetVisible(used);
    Images[i]->SetBounds({cell.x + 2, cell.y + 2, Images[i]->Width(), Images[i]->Height()});
    Images[i]->SetVisible(used);
    // A column line runs down the full rows, and one cell further where the last row reaches.
    const int lineHeight = kCellPitch * fullRows - 2 + (i < inLastRow ? kCellPitch : 0);
    ColumnLines[i]->SetBounds({kCellPitch * i + 36, ColumnLines[i]->Top(), ColumnLines[i]->Width(), lineHeight});
    ColumnLines[i]->SetVisible(lineHeight >= 1);
  }
  // A row line runs under the row's items; a fifth row (4 per row, more than
  // 16 items) has none.
  for (int r = 0; r < kRowLines; ++r) {
    const int inRow = std::clamp(count - r * perRow, 0, perRow);
    RowLines[r]->SetWidth(inRow == 0 ? 0 : kCellPitch * (inRow - 1) + 36);
  }
  // The client area holds perRow columns and rows rows of cells, whatever the frame.
  SetClientSize({kCellPitch * perRow + 1, kCellPitch * rows + 1});
  // The images are back at their places: the pick mark shows again, and
  // only while the picked item's panel is the one shown.
  if (PickPending) ShowPickMark(PickedPanel == state.CurrentPanel);
}

void TForm1::N11Click() {
  LauncherState& state = app_.State();
  if (!state.DeleteItem(state.CurrentPanel, SelectedSlot)) return;
  RefreshPanel();
}

bool TForm1::IsBareFolder(const std::string& path) {
  return app_.Services().Files.Attributes(path) == platform::kAttributeDirectory;
}

void TForm1::ShowPanelFull(int panel) {
  const EdgeHiding::Pause pause(app_.Hiding());
  app_.Ui().ShowMessage(PanelFullMessage(app_.State().PanelName[panel]), app_.Ui().Title(),
                        platform::MessageStyle::Plain);
}

std::string TForm1::TipFor(const ItemRecord& item) {
  if (IsBareFolder(item.FilePath)) return item.FilePath;
  if (platform::ExtractFileExt(item.FilePath) == ".url") {
    std::string url;
    ReadInternetShortcut(app_.Services().Files, item.FilePath, url);
    return url;
  }
  return item.FileHint;
}

void TForm1::HoverSlot(int slot) {
  const LauncherState& state = app_.State();
  Images[slot]->SetHint(TipFor(state.Item(state.CurrentPanel, slot)));
  SelectedSlot = static_cast<std::int8_t>(slot);
  PlaceHoverFrame({Bevels[slot]->Left(), Bevels[slot]->Top()});
}

void TForm1::Image1MouseDown(ui::MouseButton button) {
  if (button != ui::MouseButton::Left) return;
  if (MoveMode) {
    MoveModeClick();
    return;
  }
  const int slot = SelectedSlot;
  LaunchItem(app_.State(), slot, {*Images[slot], *Bevels[slot]}, {*this, LaunchPopup, app_.Services().Shell, app_.Hiding()});
}

void TForm1::F1Click() { OpenWorkFolder(app_.State(), SelectedSlot, *this, app_.Services().Shell); }

void TForm1::N13Click() { OpenFileSearch(app_.Services().Dde, app_.Services().Shell, this); }

void TForm1::Image1MouseUp(ui::MouseButton button) {
  if (button == ui::MouseButton::Right) ContextMenu(false);
}

void TForm1::FormMouseUp(ui::MouseButton button) {
  if (button == ui::MouseButton::Right) ContextMenu(true);
}

void TForm1::ContextMenu(bool onBackground) {
  const EdgeHiding::Pause pause(app_.Hiding());
  if (!MoveMode) {
    PopupMenu1.Popup(app_.Ui().CursorPos());
    return;
  }
  const LauncherState& state = app_.State();
  if (onBackground && state.IsPanelFull(state.CurrentPanel)) {
    ShowPanelFull(state.CurrentPanel);
    return;
  }
  // Move mode has its own menu only; the main menu does not follow it.
  MovePopup.Popup(app_.Ui().CursorPos());
}

void TForm1::N6Click() {
  TForm5& control = app_.ControlWindow();
  // The side of the main window that has room: the middle of its own monitor's work area decides.
  const ui::Rect area = ui::MonitorOf(app_.Ui().Monitors(), Bounds()).workArea;
  const int half = area.left + area.width / 2;
  if (Left() < half) {
    control.SetLeft(Left() + Width() - 50);
  } else {
    control.SetLeft(Left() - 160);
  }
  control.SetTop(Top() + 20);
  control.Show();
}

void TForm1::N14Click() {
  app_.Services().Shell.Execute(this, "Open", "Control.exe", "", std::nullopt, platform::kShow);
}

void TForm1::FormKeyPress(char key) {
  if (key == 'c') app_.ControlWindow().Show();
}

}  // namespace pelorin
