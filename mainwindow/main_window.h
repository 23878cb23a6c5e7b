#pragma once

#include <cstdint>
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

  // Redraws the current panel and offers items whose file has gone for deletion.
  void RefreshPanel();
  // Places the slots, sizes the lines and the window.
  void LayoutGrid();
  // Colours and fonts of both windows from the options.
  void ApplyAppearance();
  // Puts the shell's icon for path into Images[slot].
  void LoadShellIcon(const std::string& path, int slot);
  // Deletes the item in SelectedSlot of the current panel.
  void N11Click();
  // Sets the tip and the hover frame for the button of slot.
  void HoverSlot(int slot);

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
  // Folder items open as this cascading menu of their contents.
  std::unique_ptr<ui::ImageList> ImageList1;
  TLaunchPopup LaunchPopup;

  // The slot the pointer last moved over; the commands act on it.
  std::int8_t SelectedSlot = 0;
  bool FirstShowDone = false;

 private:
  void CreateSlotControls();
  // Outlines the bevel whose top left is topLeft.
  void PlaceHoverFrame(ui::Point topLeft);
  void BuildPopupMenu1();
  void FormShow();
  void FormClose();
  void ContextMenu();
  void ShowDialogModally(ui::Form& dialog);
  std::string TipFor(const ItemRecord& item);

  App& app_;
};

}  // namespace pelorin
