#pragma once

#include <optional>
#include <string>

#include "platform/icon.h"
#include "platform/ui/bevel.h"
#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/file_open_dialog.h"
#include "platform/ui/form.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/spin_button.h"

namespace pelorin {

class App;

// What the user chose in the icon chooser: an icon file, an index in it and
// the preview that goes with them.
struct IconChoice {
  std::string Path;
  int Index = 0;
  platform::Icon Preview;
};

// The icon chooser: picks an icon of a file by its index.
class TFrmIconChenge : public ui::Form {
 public:
  explicit TFrmIconChenge(App& app);

  // Readies the chooser for an item dialog before it is shown: the icon file
  // is the item's filePath, the preview the item's current icon. The spinner
  // starts at the item's icon number when filePath is the item's icon path
  // and the number is in range, else at 0. A file without icons is reported.
  void Prepare(const std::string& filePath, const std::string& itemIconPath, int itemIconNumber,
               platform::Icon preview);
  // After the chooser closed: nothing when the user neither clicked the
  // spinner, nor browsed, nor edited the path (the item keeps the icon the
  // preview showed); otherwise the path text, the selected index and a copy
  // of the preview.
  std::optional<IconChoice> Choice() const;

  void ChengeClick();
  void ScrollClick();
  void Button1Click();

  // In tab order; Label1, Label2 and the preview in its frame are drawn by the form.
  ui::Edit IconPath{*this, {.name = "IconPath", .bounds = {2, 48, 289, 20}}};
  ui::Button Chenge{*this, {.name = "Chenge", .bounds = {296, 48, 57, 17}, .caption = "参照"}};
  ui::SpinButton Scroll{*this, {.name = "Scroll", .bounds = {200, 24, 49, 17}, .horizontal = true}};
  ui::Button Button1{*this, {.name = "Button1", .bounds = {296, 24, 57, 17}, .caption = "決定", .isDefault = true}};
  ui::Label Label1{*this, {.name = "Label1", .bounds = {192, 8, 60, 12}, .caption = "Index ： 0"}};
  ui::Label Label2{*this, {.name = "Label2", .bounds = {8, 21, 190, 12}, .caption = "変更するアイコンを選択してください"}};
  ui::Bevel Bevel1{*this, {.name = "Bevel1", .bounds = {256, 8, 35, 35}, .lowered = true}};
  ui::Image Sample{*this, {.name = "Sample", .bounds = {257, 9, 32, 32}}};
  ui::FileOpenDialog ComIconOpen{*this, "ComIconOpen"};

 private:
  // The icon file whose icons the spinner walks: its count sets the range.
  void SetIconFile(const std::string& path);
  // The spinner, Label1 and the selected index at position.
  void ShowIndex(int position);

  App& app_;
  int selectedIndex_ = 0;
  // Whether the user changed anything since Prepare.
  bool changed_ = false;
};

}  // namespace pelorin
