#pragma once

#include <string>

#include "core/state.h"
#include "platform/ui/button.h"
#include "platform/ui/form.h"
#include "platform/ui/list_view.h"

namespace pelorin {

class App;

// The panel manager: adds, renames, deletes and reorders panels. Changes
// apply to the state at once; OK shows and saves them, Cancel takes them back.
class TForm8 : public ui::Form {
 public:
  explicit TForm8(App& app);

  void FormShow();
  void Button2Click();
  void Button7Click();
  void Button1Click();
  void Button5Click();
  void Button6Click();
  void Button3Click();
  void Button4Click();

  // Row i shows panel i: its name and its number of items.
  ui::ListView PanelList{*this, {.name = "PanelList", .bounds = {5, 5, 257, 180}},
                         {{"パネル名", 170}, {"アイテム数", 83}}};
  ui::Button Button2{*this, {.name = "Button2", .bounds = {264, 8, 73, 23}, .caption = "名前変更"}};
  ui::Button Button7{*this, {.name = "Button7", .bounds = {264, 32, 73, 23}, .caption = "追加"}};
  ui::Button Button1{*this, {.name = "Button1", .bounds = {264, 56, 73, 23}, .caption = "削除"}};
  ui::Button Button5{*this, {.name = "Button5", .bounds = {264, 88, 73, 20}, .caption = "上に移動"}};
  ui::Button Button6{*this, {.name = "Button6", .bounds = {264, 110, 73, 20}, .caption = "下に移動"}};
  ui::Button Button3{*this, {.name = "Button3", .bounds = {264, 136, 73, 23}, .caption = "OK", .isDefault = true}};
  ui::Button Button4{*this, {.name = "Button4", .bounds = {264, 160, 73, 23}, .caption = "キャンセル", .isCancel = true}};

 private:
  void RebuildList();
  // Shows the name prompt with text; true when it closed with a name (in its Names).
  bool AskName(const std::string& text);
  // Exchanges the selected panel with the one step places away, when both are in use.
  void MoveSelected(int step);
  void Tell(const char* message);

  App& app_;
  // The state as it was when the manager came up, for Cancel.
  LauncherState opening_;
};

}  // namespace pelorin
