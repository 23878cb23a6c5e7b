#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/state.h"
#include "platform/ui/bevel.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/font_color_dialogs.h"
#include "platform/ui/form.h"
#include "platform/ui/group_box.h"
#include "platform/ui/hot_key_edit.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/spin_button.h"
#include "platform/ui/tab_control.h"

namespace pelorin {

class App;

// The options dialog: eight tabs, each a panel laid over the tab strip.
// Opening loads every control from the options; OK writes them all back and
// applies them at once; キャンセル leaves the options as they were.
class TForm6 : public ui::Form {
 public:
  // A panel holds 20 item slots.
  static constexpr int kMaxItems = 20;
  // The link's colours: under the pointer, and otherwise.
  static constexpr ui::ColorValue kLinkHot = 0x00F0CAA6;
  static constexpr ui::ColorValue kLinkCold = 0x00FF0000;
  static constexpr char kReadmeName[] = "readme.txt";

  explicit TForm6(App& app);

  void FormShow();
  void TabCChange();
  void UpDown1Click();
  void UpDown2Click();
  void UpDown3Click();
  void wHideClick();
  void Button4Click();
  void Button5Click();
  void Button6Click(ui::Button& sender);
  void Button1Click();
  void Button7Click();
  void HpUrlMouseMove();
  void pBarsionMouseMove();
  void HpUrlClick();
  // The start-up shortcut: 登録 and 登録解除.
  void Button2Click();
  void Button3Click();

  ui::TabControl TabC{*this, {.name = "TabC", .bounds = {8, 8, 361, 185},
                              .items = {"コントロールウィンドウ", "ボタン", "メインウィンドウ", "ホットキー", "ホットキー２",
                                        "スタートアップ", "カラーリング", "バージョン"}}};

  // 0: the control window.
  ui::Panel pAll{*this, PageProps("pAll")};
  ui::CheckBox ClShow{pAll, {.name = "ClShow", .bounds = {8, 8, 320, 17}, .caption = "起動時にｺﾝﾄﾛｰﾙｳｨﾝﾄﾞｳを表示する"}};
  ui::CheckBox MemSysShow{pAll, {.name = "MemSysShow", .bounds = {8, 32, 320, 17}, .caption = "メモリ、システムリソース使用率を表示する"}};
  ui::CheckBox Time{pAll, {.name = "Time", .bounds = {8, 56, 320, 17}, .caption = "時計を表示する"}};

  // 1: the buttons.
  ui::Panel pButton{*this, PageProps("pButton")};
  ui::Label Label2{pButton, {.name = "Label2", .bounds = {8, 10, 160, 12}, .caption = "アイコンの列数"}};
  ui::Edit IcLine{pButton, {.name = "IcLine", .bounds = {176, 6, 33, 20}, .readOnly = true, .centred = true}};
  ui::SpinButton UpDown1{pButton, {.name = "UpDown1", .bounds = {209, 6, 15, 20}}};
  ui::Label Label1{pButton, {.name = "Label1", .bounds = {8, 34, 160, 12}, .caption = "一行に表示するアイコン数"}};
  ui::Edit ShowLine{pButton, {.name = "ShowLine", .bounds = {176, 30, 33, 20}, .readOnly = true, .centred = true}};
  ui::SpinButton UpDown2{pButton, {.name = "UpDown2", .bounds = {209, 30, 15, 20}}};
  ui::Label Label3{pButton, {.name = "Label3", .bounds = {8, 58, 160, 12}, .caption = "登録できるアイコンの最大数"}};
  ui::Edit MaxLine{pButton, {.name = "MaxLine", .bounds = {176, 54, 33, 20}, .readOnly = true, .centred = true}};
  ui::Label Label4{pButton, {.name = "Label4", .bounds = {213, 58, 20, 12}, .caption = "個"}};
  ui::CheckBox PopFolder{pButton, {.name = "PopFolder", .bounds = {8, 77, 320, 17}, .caption = "フォルダをポップアップ表示する"}};
  ui::CheckBox DDCheck{pButton, {.name = "DDCheck", .bounds = {8, 95, 320, 17}, .caption = "ドラッグ＆ドロップでの追加を確認する"}};

  // 2: the main window.
  ui::Panel pWinScroll{*this, PageProps("pWinScroll")};
  ui::CheckBox wHide{pWinScroll, {.name = "wHide", .bounds = {8, 8, 200, 17}, .caption = "画面端で隠す"}};
  ui::Label Label13{pWinScroll, {.name = "Label13", .bounds = {24, 34, 176, 12}, .caption = "隠れているときに表示される幅"}};
  ui::Edit BarWidth{pWinScroll, {.name = "BarWidth", .bounds = {208, 30, 33, 20}, .readOnly = true, .centred = true}};
  ui::SpinButton UpDown3{pWinScroll, {.name = "UpDown3", .bounds = {241, 30, 15, 20}}};
  ui::RadioButton LR{pWinScroll, {.name = "LR", .bounds = {24, 58, 120, 17}, .caption = "左右を優先"}};
  ui::RadioButton UD{pWinScroll, {.name = "UD", .bounds = {152, 58, 120, 17}, .caption = "上下を優先"}};
  ui::CheckBox TaskCheck{pWinScroll, {.name = "TaskCheck", .bounds = {8, 86, 240, 17}, .caption = "タスクトレイに常駐する", .hint = "次回起動時から"}};

  // 3 and 4: the hot keys.
  ui::Panel pHotKey{*this, PageProps("pHotKey")};
  ui::Label Label17{pHotKey, {.name = "Label17", .bounds = {8, 8, 320, 12}, .caption = kHotKeyNote}};
  ui::Label Label5{pHotKey, {.name = "Label5", .bounds = {8, 36, 128, 12}, .caption = "コントロールパネル"}};
  ui::HotKeyEdit HotClp{pHotKey, {.name = "HotClp", .bounds = {144, 32, 184, 20}}};
  ui::Label Label6{pHotKey, {.name = "Label6", .bounds = {8, 62, 128, 12}, .caption = "マイコンピュータ"}};
  ui::HotKeyEdit HotMyComputer{pHotKey, {.name = "HotMyComputer", .bounds = {144, 58, 184, 20}}};
  ui::Label Label7{pHotKey, {.name = "Label7", .bounds = {8, 88, 128, 12}, .caption = "ファイルの検索"}};
  ui::HotKeyEdit HotSearch{pHotKey, {.name = "HotSearch", .bounds = {144, 84, 184, 20}}};

  ui::Panel pHotKey2{*this, PageProps("pHotKey2")};
  ui::Label Label19{pHotKey2, {.name = "Label19", .bounds = {8, 8, 320, 12}, .caption = kHotKeyNote}};
  ui::Label Label8{pHotKey2, {.name = "Label8", .bounds = {8, 36, 128, 12}, .caption = "ごみ箱を空にする"}};
  ui::HotKeyEdit HotTrashBox{pHotKey2, {.name = "HotTrashBox", .bounds = {144, 32, 184, 20}}};
  ui::Label Label9{pHotKey2, {.name = "Label9", .bounds = {8, 62, 128, 12}, .caption = "Windowsの終了"}};
  ui::HotKeyEdit HotExit{pHotKey2, {.name = "HotExit", .bounds = {144, 58, 184, 20}}};
  ui::Label Label10{pHotKey2, {.name = "Label10", .bounds = {8, 88, 128, 12}, .caption = "Windowsの再起動"}};
  ui::HotKeyEdit HotReBoot{pHotKey2, {.name = "HotReBoot", .bounds = {144, 84, 184, 20}}};

  // 5: the start-up shortcut.
  ui::Panel pStertUp{*this, PageProps("pStertUp")};
  ui::Label Label11{pStertUp, {.name = "Label11", .bounds = {8, 24, 200, 12}, .caption = "スタートアップへ登録する"}};
  ui::Button Button2{pStertUp, {.name = "Button2", .bounds = {232, 20, 89, 20}, .caption = "登録"}};
  ui::Label Label12{pStertUp, {.name = "Label12", .bounds = {8, 64, 200, 12}, .caption = "スタートアップの登録を解除する"}};
  ui::Button Button3{pStertUp, {.name = "Button3", .bounds = {232, 60, 89, 20}, .caption = "登録解除"}};

  // 6: the colours. The group boxes are frames drawn under their controls.
  ui::Panel pFontColor{*this, PageProps("pFontColor")};
  ui::GroupBox GroupBox1{pFontColor, {.name = "GroupBox1", .bounds = {4, 2, 160, 108}, .caption = "ｺﾝﾄﾛｰﾙｳｨﾝﾄﾞｳ"}};
  ui::Label SampleFont{pFontColor, {.name = "SampleFont", .bounds = {14, 22, 140, 42}, .caption = "Aa あぁ 国士無双", .centred = true}};
  ui::Button Button4{pFontColor, {.name = "Button4", .bounds = {14, 76, 66, 22}, .caption = "ﾌｫﾝﾄ"}};
  ui::Button Button5{pFontColor, {.name = "Button5", .bounds = {88, 76, 66, 22}, .caption = "ｶﾗｰ"}};
  ui::GroupBox GroupBox2{pFontColor, {.name = "GroupBox2", .bounds = {172, 2, 160, 52}, .caption = "メインウィンドウ"}};
  ui::Label MainColor{pFontColor, {.name = "MainColor", .bounds = {182, 22, 60, 22}}};
  // Framed, so that a swatch of the dialog's own colour is still seen.
  ui::Bevel MainColorFrame{pFontColor, {.name = "MainColorFrame", .bounds = {182, 22, 60, 22}, .lowered = true}};
  ui::Button Button6{pFontColor, {.name = "Button6", .bounds = {256, 22, 66, 22}, .caption = "カラー"}};
  ui::GroupBox GroupBox3{pFontColor, {.name = "GroupBox3", .bounds = {172, 58, 160, 52}, .caption = "ボタンの枠"}};
  ui::Label ButtonShado{pFontColor, {.name = "ButtonShado", .bounds = {182, 78, 60, 22}}};
  ui::Bevel ButtonShadoFrame{pFontColor, {.name = "ButtonShadoFrame", .bounds = {182, 78, 60, 22}, .lowered = true}};
  ui::Button Button8{pFontColor, {.name = "Button8", .bounds = {256, 78, 66, 22}, .caption = "カラー"}};

  // 7: the version.
  ui::Panel pBarsion{*this, PageProps("pBarsion")};
  ui::Label Label14{pBarsion, {.name = "Label14", .bounds = {8, 8, 320, 24}, .caption = "Pelorin Ver 1.52"}};
  ui::Label Label15{pBarsion, {.name = "Label15", .bounds = {8, 42, 320, 12}, .caption = "アプリケーションランチャー"}};
  ui::Label HpUrl{pBarsion, {.name = "HpUrl", .bounds = {8, 72, 120, 16}, .caption = kReadmeName, .hint = "サポートホームページ"}};

  ui::Button Button1{*this, {.name = "Button1", .bounds = {112, 169, 97, 17}, .caption = "OK", .isDefault = true}};
  ui::Button Button7{*this, {.name = "Button7", .bounds = {232, 169, 97, 17}, .caption = "キャンセル", .isCancel = true}};

  ui::FontDialog FontDialog{*this, "FontDialog"};
  ui::ColorDialog ColorDialog{*this, "ColorDialog"};

 private:
  static constexpr char kHotKeyNote[] = "ホットキーは次回起動時から有効になります";

  // Every page lies over the tab strip in the same place, hidden until chosen:
  // under two rows of tabs, as planned.
  static constexpr ui::Rect kPageBounds{20, 53, 337, 113};
  static ui::ControlProps PageProps(const char* name) { return {.name = name, .bounds = kPageBounds, .tabStop = false}; }

  // When the strip takes more rows than planned (a wider font), the pages and
  // the buttons below them move down by the difference and the dialog grows by
  // it; with the planned rows nothing moves. Keeps what it moved, so a second
  // showing does not move them again.
  void FitPagesUnderTabs();
  void SetLinkColor(ui::ColorValue color);
  // The page of each tab, in tab order.
  std::array<ui::Panel*, 8> Pages();
  void ShowPage(int index);
  // After a change of rows or icons per row: the maximum follows, and the
  // rows come down until it fits a panel.
  void FitMaximum();
  // The six hot-key boxes by hot-key id, as kHotKeyOptions orders their options.
  std::array<ui::HotKeyEdit*, kHotKeyCount> HotKeyBoxes();
  // The edit box holds a number set from a table, so it always reads back.
  static int NumberIn(const ui::Edit& box);

  App& app_;
  int pagesLowered_ = 0;
};

}  // namespace pelorin
