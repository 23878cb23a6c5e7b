#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/state.h"
#include "launch/launch_popup.h"
#include "platform/ui/bevel.h"
#include "platform/ui/form.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/popup_menu.h"
#include "platform/ui/timer.h"

namespace pelorin {

class App;
struct EdgeScreen;

// The main window: the current panel's items as a grid of icon buttons.
// Creating it loads the data files; closing it saves them and ends the program.
class TForm1 : public ui::Form {
 public:
  static constexpr int kSlots = 20;
  static constexpr int kRowLines = 4;
  // A 36-pixel bevel plus a 1-pixel line.
  static constexpr int kCellPitch = 37;

  explicit TForm1(App& app);
  ~TForm1() override;

  // The first show places and fills both windows before the main window's
  // own is made, so that it is made once, at its place and size.
  void SetVisible(bool visible) override;

  // Redraws the current panel and offers items whose file has gone for deletion.
  void RefreshPanel();
  // Places the slots, sizes the lines and the window.
  void LayoutGrid();
  // Colours and fonts of both windows from the options.
  void ApplyAppearance();
  // Puts the shell's icon for path into Images[slot].
  void LoadShellIcon(const std::string& path, int slot);
  // Images[slot] shows the icon of the current panel's item in slot: the
  // shell's icon of IconPath for IconNumber 0, else that icon of IconPath.
  void ShowItemIcon(int slot);
  // Deletes the item in SelectedSlot of the current panel.
  void N11Click();
  // Sets the tip and the hover frame for the button of slot.
  void HoverSlot(int slot);
  // Moves the hover frame out of sight, below the largest grid (a panel
  // switch, hiding at the screen edge).
  void HideHoverFrame();

  // Pointer, keys and menu commands.
  void Image1MouseDown(ui::MouseButton button);
  void Image1MouseUp(ui::MouseButton button);
  void FormMouseUp(ui::MouseButton button);
  void FormKeyPress(char key);
  void N13Click();
  void N14Click();
  void N2Click();
  void Edit1Click();
  void N6Click();
  void F1Click();
  void N8Click();

  // Registration by drop (drop_registration.cpp). WMDropFiles takes the
  // names dropped on this window or on the edge strip, one after another.
  void WMDropFiles(const std::vector<platform::IncomingPath>& names);
  void A1Click();
  void N3Click();

  // Move mode (move_mode.cpp).
  void N4Click();
  void MoveModeClick();
  void FormClick();
  void E1Click();

  // Hiding at the screen edge (edge_hiding.cpp). TipTimerTimer watches the
  // pointer; the two edge steps hide the window at an edge it is near.
  void TipTimerTimer();
  void TryHideTopBottom(const EdgeScreen& screen);
  void TryHideLeftRight(const EdgeScreen& screen);
  // Hides both windows and shows the edge strip at strip.
  void HideToStrip(const ui::Rect& strip);

  // Slot controls, in slot order.
  std::vector<std::unique_ptr<ui::Bevel>> Bevels;
  std::vector<std::unique_ptr<ui::Image>> Images;
  std::vector<std::unique_ptr<ui::Label>> ColumnLines;
  std::vector<std::unique_ptr<ui::Label>> RowLines;
  // The hover frame around the selected button.
  ui::Label Bar_l;
  ui::Label Bar_r;
  ui::Label Bar_u;
  ui::Label Bar_d;

  ui::Timer TipTimer;
  ui::PopupMenu PopupMenu1;
  ui::PopupMenu MovePopup;
  ui::PopupMenu PopUpDrop;
  // Folder items open as this cascading menu of their contents.
  std::unique_ptr<ui::ImageList> ImageList1;
  TLaunchPopup LaunchPopup;

  // The slot the pointer last moved over; the commands act on it.
  std::int8_t SelectedSlot = 0;
  bool FirstShowDone = false;
  // The control window was showing when this window hid at the edge.
  bool ControlWasShowing = false;
  // Move mode, and the item picked there that waits for its destination.
  bool MoveMode = false;
  bool PickPending = false;
  std::int8_t PickedSlot = 0;
  std::int8_t PickedPanel = 0;
  // The dropped name being registered, a shortcut already replaced by its target.
  std::string DroppedFile;

 private:
  void CreateSlotControls();
  // Outlines the bevel whose top left is topLeft.
  void PlaceHoverFrame(ui::Point topLeft);
  void BuildPopupMenu1();
  void BuildMovePopup();
  void BuildPopUpDrop();
  void PrepareFirstShow();
  void FormShow();
  void FormClose();
  // A form that its saved position put wholly off the screen moves into the
  // work area (edge_hiding.cpp).
  void BringWithinReach(ui::Form& form);
  // The right-click menus; in move mode a full panel refuses the one on the background.
  void ContextMenu(bool onBackground);
  void ShowDialogModally(ui::Form& dialog);
  std::string TipFor(const ItemRecord& item);
  // True when the platform reports exactly the directory attribute: a folder
  // with any further attribute bit counts as no folder.
  bool IsBareFolder(const std::string& path);
  // The limit message for a panel that takes no more items.
  void ShowPanelFull(int panel);

  // A dropped name as it is registered: a shortcut becomes its target.
  std::string DroppedTarget(const std::string& name);
  ItemRecord DroppedItem(const std::string& path);

  // Where the image of slot sits in the grid, without the pressed look.
  ui::Point ImagePlace(int slot) const;
  void ShowPickMark(bool shown);
  // Clears the pick and its mark.
  void EndPick();
  // The picked slot still holds an item of a panel in use.
  bool PickStillThere() const;

  App& app_;
};

}  // namespace pelorin
