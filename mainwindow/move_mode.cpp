// Move mode of the main window: a press picks an item and a second press
// swaps it with the one pressed, also across panels; a click on the
// background moves the picked item to the end of the panel shown. Nothing is
// saved until move mode is left.

#include "app/app.h"
#include "itemdialogs/data_change_dialog.h"
#include "launch/launch_item.h"
#include "mainwindow/main_window.h"
#include "platform/icons.h"

namespace pelorin {

namespace {

constexpr char kMoveModeTitle[] = "Pelorin -Move Mode-";

int IndexOf(int panel, int slot) { return panel * kSlotsPerPanel + slot; }

}  // namespace

void TForm1::BuildMovePopup() {
  ui::MenuItem& root = MovePopup.Items();
  root.Add("E1", "選択中のアイテムを編集(&E)", [this] { E1Click(); });
  root.Add("N15", "-");
  root.Add("C1", "コントロールウィンドウを表示(&C)", [this] { N6Click(); });
  root.Add("N10", "移動・編集を終了する(&U)", [this] { N4Click(); });
}

void TForm1::N4Click() {
  app_.SaveAll();
  ui::MenuItem& entry = *PopupMenu1.Items().Find("N4");
  const bool on = !entry.Checked();
  entry.SetChecked(on);
  MoveMode = on;
  SetCaption(on ? kMoveModeTitle : kApplicationTitle);
  // A pick left behind would move an item at the next background click.
  if (!on) EndPick();
  app_.Hiding().SetMoveMode(on);
}

ui::Point TForm1::ImagePlace(int slot) const { return {Bevels[slot]->Left() + 2, Bevels[slot]->Top() + 2}; }

void TForm1::ShowPickMark(bool shown) {
  ShowPressedLook({*Images[PickedSlot], *Bevels[PickedSlot]}, ImagePlace(PickedSlot), shown);
}

void TForm1::EndPick() {
  if (!PickPending) return;
  PickPending = false;
  ShowPickMark(false);
}

bool TForm1::PickStillThere() const {
  const LauncherState& state = app_.State();
  return PickedPanel >= 0 && PickedPanel < state.PanelCount && PickedSlot >= 0 &&
         PickedSlot < state.PanelItemCount[PickedPanel];
}

void TForm1::MoveModeClick() {
  LauncherState& state = app_.State();
  const int shown = state.CurrentPanel;
  const int slot = SelectedSlot;
  if (!PickPending) {
    PickPending = true;
    PickedSlot = static_cast<std::int8_t>(slot);
    PickedPanel = static_cast<std::int8_t>(shown);
    ShowPickMark(true);
    return;
  }
  EndPick();
  // A destination beyond the panel's items (a slot remembered from another
  // panel) would carry the picked item out of sight.
  if (!PickStillThere() || slot >= state.PanelItemCount[shown]) return;
  state.SwapItems(IndexOf(shown, slot), IndexOf(PickedPanel, PickedSlot));
  ShowItemIcon(slot);
  if (PickedPanel == shown) ShowItemIcon(PickedSlot);
}

void TForm1::FormClick() {
  if (!PickPending) return;
  EndPick();
  if (!PickStillThere()) return;
  LauncherState& state = app_.State();
  const int shown = state.CurrentPanel;
  const int picked = PickedPanel;
  if (picked == shown) {
    // The picked item travels to the last occupied slot; the ones after it move up.
    for (int s = PickedSlot; s + 1 < state.PanelItemCount[shown]; ++s) {
      state.SwapItems(IndexOf(shown, s), IndexOf(shown, s + 1));
    }
  } else {
    const ItemRecord item = state.Item(picked, PickedSlot);
    if (!state.AppendItem(shown, item)) {
      ShowPanelFull(shown);
      return;
    }
    state.DeleteItem(picked, PickedSlot);
  }
  RefreshPanel();
}

void TForm1::E1Click() {
  const LauncherState& state = app_.State();
  const int slot = SelectedSlot;
  // As with deleting: a slot remembered from another panel holds no item to edit.
  if (slot >= state.PanelItemCount[state.CurrentPanel]) return;
  TForm11& dialog = app_.DataChangeDialog();
  dialog.LoadItem(state.Item(state.CurrentPanel, slot), app_.Services().Icons.CopyOf(Images[slot]->Picture()));
  ShowDialogModally(dialog);
}

}  // namespace pelorin
