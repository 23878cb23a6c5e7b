#pragma once
// The controls that the Add Item and Data Chenge dialogs share, with the
// browses and the icon hand-over that work on them.

#include <cstdint>
#include <string>

#include "core/state.h"
#include "itemdialogs/folder_dialog.h"
#include "platform/icon.h"
#include "platform/ui/bevel.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/file_open_dialog.h"
#include "platform/ui/form.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"

namespace pelorin {

class App;

// The eleven fields of an item dialog, placed on the dialog's form.
class ItemFields {
  // First, so that the controls below can be placed on the form.
  ui::Form& form_;
  App& app_;

 public:
  ItemFields(ui::Form& form, App& app);

  // Every field from item; the preview shows preview; the folder flag := item.IsFolder.
  void Load(const ItemRecord& item, platform::Icon preview);
  // The ten fields of an item as OK writes them.
  ItemRecord Record() const;
  // OK writes only an item that has a name and a path.
  bool Complete() const;
  // OK writes only texts the data files can hold; else it says which entry
  // holds a character they cannot.
  bool TextsFit();
  // Empty fields, icon index 0 and no preview; the row and the folder flag stay.
  void Clear();

  void FileOpenClick();
  void FoldeOpenClick();
  void SampleIconClick();

  // Windowed controls, in the order of the rows.
  ui::Edit FileName{form_, {.name = "FileName", .bounds = {112, 18, 161, 20}, .hint = "登録ファイル名", .readOnly = true}};
  ui::Edit FileHint{form_, {.name = "FileHint", .bounds = {112, 42, 161, 20}, .hint = "登録ファイルのヒント"}};
  ui::Edit FilePath{form_, {.name = "FilePath", .bounds = {112, 66, 225, 20}, .hint = "登録ファイルのパス"}};
  ui::Button FileOpen{form_, {.name = "FileOpen", .bounds = {152, 88, 89, 17}, .caption = "ファイル参照"}};
  ui::Button FoldeOpen{form_, {.name = "FoldeOpen", .bounds = {248, 88, 89, 17}, .caption = "フォルダ参照"}};
  ui::Edit FileFolder{form_, {.name = "FileFolder", .bounds = {112, 122, 225, 20}, .hint = "登録ファイル元のフォルダ"}};
  ui::Edit Notify{form_, {.name = "Notify", .bounds = {112, 146, 225, 20}, .hint = "登録ファイル実行時に付く引数"}};
  ui::Edit Sincro{form_, {.name = "Sincro", .bounds = {112, 170, 225, 20},
                          .hint = "登録ファイルと同時に実行するファイルのパス（引数指定可）"}};
  ui::ComboBox FileExecuteSize{form_, {.name = "FileExecuteSize", .bounds = {112, 210, 225, 20},
                                       .hint = "登録ファイル実行時のウィンドウサイズ",
                                       .items = {"通常サイズウィンドウ", "最小化ウィンドウ", "最大化ウィンドウ"}}};

  // Drawn by the form: the labels of the rows (left column, level with the
  // text of their row, room for eight full-width characters), the two
  // separator lines, the preview, and the two hidden holders of the icon
  // source, which lie below the client area.
  ui::Label Label1{form_, {.name = "Label1", .bounds = {8, 22, 96, 12}, .caption = "ファイル名"}};
  ui::Label Label2{form_, {.name = "Label2", .bounds = {8, 46, 96, 12}, .caption = "ファイルヒント"}};
  ui::Label Label3{form_, {.name = "Label3", .bounds = {8, 70, 96, 12}, .caption = "ファイルパス"}};
  ui::Label Label4{form_, {.name = "Label4", .bounds = {8, 126, 96, 12}, .caption = "作業用フォルダ"}};
  ui::Label Label5{form_, {.name = "Label5", .bounds = {8, 150, 96, 12}, .caption = "実行時引数"}};
  ui::Label Label6{form_, {.name = "Label6", .bounds = {8, 174, 96, 12}, .caption = "同時実行"}};
  ui::Label Label7{form_, {.name = "Label7", .bounds = {8, 214, 96, 12}, .caption = "実行時のサイズ"}};
  ui::Bevel Bevel1{form_, {.name = "Bevel1", .bounds = {8, 104, 334, 2}, .lowered = true}};
  ui::Bevel Bevel2{form_, {.name = "Bevel2", .bounds = {8, 192, 334, 2}, .lowered = true}};
  ui::Image SampleIcon{form_, {.name = "SampleIcon", .bounds = {296, 16, 32, 32}, .hint = "クリックでアイコン変更"}};
  ui::Label IconPath{form_, {.name = "IconPath", .bounds = {8, 288, 329, 12}}};
  ui::Label IconNumber{form_, {.name = "IconNumber", .bounds = {8, 304, 96, 12}, .caption = "0"}};

  ui::FileOpenDialog ComFileOpen{form_, "ComFileOpen"};
  TFolderDlg ComFolderOpen{form_, "ComFolderOpen"};

  // 1 after a folder browse, 0 after a file browse; what OK writes as IsFolder.
  std::uint8_t FolderFlag = 0;

 private:
  // The message for a browsed file or folder that cannot be kept (none when shownName is empty).
  void ReportRefused(const std::string& shownName);
  // The preview and the icon source together.
  void SetIcon(platform::Icon preview, const std::string& path, int index);
  int IconNumberValue() const;
};

}  // namespace pelorin
