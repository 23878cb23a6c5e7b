// Windows, controls, texts and tab order of the two item dialogs.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "item_dialogs_fixture.h"

namespace {

namespace uit = ui::test;

struct Place {
  const char* name;
  ui::Rect bounds;
  std::string text;  // caption, or the hint of an edit, list or image
};

// Everything the two dialogs share.
const std::vector<Place>& SharedPlaces() {
  static const std::vector<Place> places = {
      {"FileName", {112, 18, 161, 20}, "登録ファイル名"},
      {"FileHint", {112, 42, 161, 20}, "登録ファイルのヒント"},
      {"FilePath", {112, 66, 225, 20}, "登録ファイルのパス"},
      {"FileOpen", {152, 88, 89, 17}, "ファイル参照"},
      {"FoldeOpen", {248, 88, 89, 17}, "フォルダ参照"},
      {"FileFolder", {112, 122, 225, 20}, "登録ファイル元のフォルダ"},
      {"Notify", {112, 146, 225, 20}, "登録ファイル実行時に付く引数"},
      {"Sincro", {112, 170, 225, 20}, "登録ファイルと同時に実行するファイルのパス（引数指定可）"},
      {"FileExecuteSize", {112, 210, 225, 20}, "登録ファイル実行時のウィンドウサイズ"},
      {"SampleIcon", {296, 16, 32, 32}, "クリックでアイコン変更"},
  };
  return places;
}

std::string TextOf(ui::Control& control) {
  if (auto* button = dynamic_cast<ui::Button*>(&control)) return button->Caption();
  if (auto* box = dynamic_cast<ui::CheckBox*>(&control)) return box->Caption();
  return control.Hint();
}

std::vector<std::string> TabOrder(const ui::Form& form) {
  std::vector<std::string> names;
  for (ui::WinControl* control : form.TabOrder()) names.push_back(control->Name());
  return names;
}

void CheckPlaces(ui::Form& form, const std::vector<Place>& places) {
  for (const auto& place : places) {
    SCOPED_TRACE(place.name);
    ui::Control& control = uit::FindControl(form, place.name);
    EXPECT_EQ(control.Bounds(), place.bounds);
    EXPECT_EQ(TextOf(control), place.text);
    if (dynamic_cast<ui::Button*>(&control) == nullptr) {
      EXPECT_TRUE(control.ShowHint());
    }
  }
}

// The row labels: left column, level with their control's text, wide enough for their caption.
void CheckLabels(const pelorin::ItemFields& fields) {
  struct Row {
    const ui::Label& label;
    const ui::WinControl& row;
    std::string caption;
  };
  const std::vector<Row> rows = {
      {fields.Label1, fields.FileName, "ファイル名"},
      {fields.Label2, fields.FileHint, "ファイルヒント"},
      {fields.Label3, fields.FilePath, "ファイルパス"},
      {fields.Label4, fields.FileFolder, "作業用フォルダ"},
      {fields.Label5, fields.Notify, "実行時引数"},
      {fields.Label6, fields.Sincro, "同時実行"},
      {fields.Label7, fields.FileExecuteSize, "実行時のサイズ"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.caption);
    EXPECT_EQ(r.label.Caption(), r.caption);
    EXPECT_EQ(r.label.Left(), 8);
    EXPECT_EQ(r.label.Top(), r.row.Top() + 4);
    // About 12 pixels for each full-width (two-byte) character.
    EXPECT_GE(r.label.Width(), static_cast<int>(r.caption.size()) / 2 * 12);
    EXPECT_LE(r.label.Left() + r.label.Width(), r.row.Left());
  }
  EXPECT_EQ(fields.Bevel1.Top(), 104);
  EXPECT_EQ(fields.Bevel2.Top(), 192);
  EXPECT_EQ(fields.FileExecuteSize.Items(),
            (std::vector<std::string>{"通常サイズウィンドウ", "最小化ウィンドウ", "最大化ウィンドウ"}));
  EXPECT_TRUE(fields.FileName.ReadOnly());
}

// The icon holders are never seen: below the client area.
void CheckHiddenHolders(const ui::Form& form, const pelorin::ItemFields& fields) {
  for (const ui::Label* holder : {&fields.IconPath, &fields.IconNumber}) {
    SCOPED_TRACE(holder->Name());
    EXPECT_GE(holder->Top(), form.ClientSize().height);
  }
}

TEST(ItemDialogLayout, AddItem) {
  test::ItemDialogsFixture f;
  f.StartWithItems(0);
  pelorin::TForm2& dialog = f.Add();
  EXPECT_EQ(dialog.Caption(), "Add Item");
  EXPECT_EQ(dialog.Border(), ui::BorderStyle::ToolWindowNoButtons);
  EXPECT_EQ(dialog.ClientSize(), (ui::Size{350, 271}));
  // Centred on the 1024 × 768 screen.
  EXPECT_EQ(dialog.Left(), (1024 - dialog.Width()) / 2);
  EXPECT_EQ(dialog.Top(), (768 - dialog.Height()) / 2);
  CheckPlaces(dialog, SharedPlaces());
  CheckPlaces(dialog, {{"ReAdd", {40, 244, 80, 17}, "追加登録"},
                       {"Button1", {136, 240, 89, 25}, "決定"},
                       {"Button2", {240, 240, 89, 25}, "キャンセル"}});
  EXPECT_EQ(dialog.ReAdd.Hint(), "ウィンドウを閉じないで、連続でアイテムを追加します");
  EXPECT_FALSE(dialog.ReAdd.Checked());
  EXPECT_TRUE(dialog.Button1.IsDefault());
  EXPECT_TRUE(dialog.Button2.IsCancel());
  CheckLabels(dialog.Fields);
  CheckHiddenHolders(dialog, dialog.Fields);
  EXPECT_EQ(TabOrder(dialog),
            (std::vector<std::string>{"FileName", "FileHint", "FilePath", "FileOpen", "FoldeOpen", "FileFolder",
                                      "Notify", "Sincro", "FileExecuteSize", "ReAdd", "Button1", "Button2"}));
}

TEST(ItemDialogLayout, DataChenge) {
  test::ItemDialogsFixture f;
  f.StartWithItems(0);
  pelorin::TForm11& dialog = f.Change();
  EXPECT_EQ(dialog.Caption(), "Data Chenge");
  EXPECT_EQ(dialog.Border(), ui::BorderStyle::ToolWindowNoButtons);
  EXPECT_EQ(dialog.ClientSize(), (ui::Size{355, 270}));
  EXPECT_EQ(dialog.Left(), 293);
  EXPECT_EQ(dialog.Top(), 152);
  CheckPlaces(dialog, SharedPlaces());
  CheckPlaces(dialog, {{"Button1", {80, 240, 89, 25}, "決定"}, {"Button2", {208, 240, 89, 25}, "キャンセル"}});
  EXPECT_TRUE(dialog.Button1.IsDefault());
  EXPECT_TRUE(dialog.Button2.IsCancel());
  CheckLabels(dialog.Fields);
  CheckHiddenHolders(dialog, dialog.Fields);
  EXPECT_EQ(TabOrder(dialog),
            (std::vector<std::string>{"FileName", "FileHint", "FilePath", "FileFolder", "Notify", "Sincro",
                                      "FileExecuteSize", "Button1", "Button2", "FileOpen", "FoldeOpen"}));
}

}  // namespace
