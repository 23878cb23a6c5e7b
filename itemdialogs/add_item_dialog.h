#pragma once

#include "itemdialogs/item_fields.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/form.h"

namespace pelorin {

class App;

// The Add Item dialog: registers a new item in the current panel.
class TForm2 : public ui::Form {
  App& app_;

 public:
  explicit TForm2(App& app);

  void Button1Click();
  void Button2Click();

  ItemFields Fields{*this, app_};
  ui::CheckBox ReAdd{*this, {.name = "ReAdd", .bounds = {40, 244, 80, 17}, .caption = "追加登録",
                             .hint = "ウィンドウを閉じないで、連続でアイテムを追加します"}};
  ui::Button Button1{*this, {.name = "Button1", .bounds = {136, 240, 89, 25}, .caption = "決定", .isDefault = true}};
  ui::Button Button2{*this, {.name = "Button2", .bounds = {240, 240, 89, 25}, .caption = "キャンセル", .isCancel = true}};

 private:
  // Items were added since the main window was last refreshed and the files saved by this dialog.
  bool unsaved_ = false;
};

}  // namespace pelorin
