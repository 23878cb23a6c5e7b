#pragma once

#include <string>

#include "core/state.h"
#include "itemdialogs/item_fields.h"
#include "platform/icon.h"
#include "platform/ui/button.h"
#include "platform/ui/form.h"

namespace pelorin {

class App;

// The Data Chenge dialog: edits the selected item.
class TForm11 : public ui::Form {
  App& app_;

 public:
  explicit TForm11(App& app);

  // Fills every field from an item; the preview shows the given icon; the folder flag := item.IsFolder.
  void LoadItem(const ItemRecord& item, platform::Icon preview);
  // Fills every field from a dropped path (name part, folder part, the path, IconPath = path, IconNumber "0", show size row 0, Notify and Sincro empty, the shell's icon as preview).
  void LoadDroppedPath(const std::string& path);

  void Button1Click();
  void Button2Click();

  ItemFields Fields{*this, app_};
  ui::Button Button1{*this, {.name = "Button1", .bounds = {80, 240, 89, 25}, .caption = "決定", .isDefault = true}};
  // Disabled by the drop opener while the dialog is shown.
  ui::Button Button2{*this, {.name = "Button2", .bounds = {208, 240, 89, 25}, .caption = "キャンセル", .isCancel = true}};
};

}  // namespace pelorin
