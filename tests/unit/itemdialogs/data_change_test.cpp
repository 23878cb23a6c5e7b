// The Data Chenge dialog: rewriting the selected slot, loading an item or a
// dropped path, and the dialog opened for a drop with its Cancel disabled.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "item_dialogs_fixture.h"

namespace {

namespace uit = ui::test;
using pelorin::ItemRecord;
using pelorin::LauncherState;
using pelorin::TForm11;

class DataChange : public ::testing::Test {
 protected:
  // Three items in panel 0; the middle one has every field set.
  void Start() {
    LauncherState state = test::DefaultState();
    state.AppendItem(0, f.Item("C:\\Tools\\tool0.exe"));
    state.AppendItem(0, Rich());
    state.AppendItem(0, f.Item("C:\\Tools\\tool2.exe"));
    f.WriteDataFiles(state);
    f.StartAndShow();
  }
  ItemRecord Rich() {
    f.Fakes.Files.MakeFolder("C:\\Data\\Work");
    f.Fakes.Icons.SetIconCount("C:\\Windows\\icons.dll", 10);
    ItemRecord item;
    item.FileName = "C:\\Data\\Work";
    item.FilePath = "C:\\Data\\Work";
    item.FileHint = "作業";
    item.FileFolder = "C:\\Data\\";
    item.Notify = "/e";
    item.Sincro = "C:\\Sync\\s.exe";
    item.FileExecuteSize = 1;
    item.IsFolder = true;
    item.IconPath = "C:\\Windows\\icons.dll";
    item.IconNumber = 4;
    return item;
  }
  // As the editing opener does: the selected slot's item and its button's picture.
  void LoadSlot(int slot) {
    f.App.MainWindow().SelectedSlot = static_cast<std::int8_t>(slot);
    f.Change().LoadItem(f.State().Item(0, slot), f.Fakes.Icons.CopyOf(f.App.MainWindow().Images[slot]->Picture()));
  }

  test::ItemDialogsFixture f;
};

TEST_F(DataChange, OkWithoutChangesRewritesTheItemWithItsOwnValuesThenRefreshes) {
  Start();
  const std::string before = f.ItemFile();
  const ItemRecord original = f.State().Item(0, 1);
  LoadSlot(1);
  f.Fakes.Log.Clear();
  uit::Script script(f.Ui);
  script.ExpectModal("Form11", [&](ui::Form&) { uit::ClickButton(f.Change().Button1); });
  f.Change().ShowModal();
  script.Done();
  // Every field went through the dialog and came back, the folder flag and the icon number included.
  EXPECT_EQ(f.State().Item(0, 1), original);
  EXPECT_EQ(f.State().PanelItemCount[0], 3);
  EXPECT_EQ(f.Saves(), 1);
  EXPECT_EQ(f.ItemFile(), before);
  // Saved first, then refreshed.
  const std::vector<std::string>& calls = f.Fakes.Log.Calls();
  const auto save = std::find(calls.begin(), calls.end(), "WriteWholeFile C:\\Pelorin\\save.commit");
  const auto refresh = std::find(calls.begin(), calls.end(), "Attributes C:\\Tools\\tool2.exe");
  ASSERT_NE(refresh, calls.end());
  EXPECT_LT(save, refresh);
  // The fields stay as they were.
  EXPECT_EQ(f.Change().Fields.FileHint.Text(), "作業");
}

TEST_F(DataChange, OkWritesTheEditedFieldsIntoTheSelectedSlotOnly) {
  Start();
  LoadSlot(1);
  f.MakeFile("C:\\Bin\\new.exe");
  uit::Script script(f.Ui);
  script.ExpectModal("Form11", [&](ui::Form&) {
    TForm11& dialog = f.Change();
    uit::Type(dialog.Fields.FileHint, "新しいヒント");
    uit::ClickButton(dialog.Fields.FileOpen);
    uit::ClickButton(dialog.Button1);
  });
  script.ExpectFileOpen("C:\\Bin\\new.exe");
  f.Change().ShowModal();
  script.Done();
  const std::string tool0 = test::ItemLines({"tool0.exe", "C:\\Tools\\tool0.exe", "hint of tool0.exe", "C:\\Tools\\",
                                             "", "", "0", "FALSE", "C:\\Tools\\tool0.exe", "0"});
  const std::string tool2 = test::ItemLines({"tool2.exe", "C:\\Tools\\tool2.exe", "hint of tool2.exe", "C:\\Tools\\",
                                             "", "", "0", "FALSE", "C:\\Tools\\tool2.exe", "0"});
  // The browse renamed the item and reset its icon, show mode and folder flag; arguments stay.
  EXPECT_EQ(f.ItemFile(), tool0 +
                              test::ItemLines({"new.exe", "C:\\Bin\\new.exe", "new.exe", "C:\\Bin\\", "/e",
                                               "C:\\Sync\\s.exe", "0", "FALSE", "C:\\Bin\\new.exe", "0"}) +
                              tool2);
  EXPECT_EQ(test::Shows(f.App.MainWindow().Images[1]->Picture()), "shell:C:\\Bin\\new.exe");
}

TEST_F(DataChange, ATypedCharacterWithoutACodePage932FormIsNamedAndNotSaved) {
  Start();
  LoadSlot(1);
  uit::Script script(f.Ui);
  script.ExpectModal("Form11", [&](ui::Form& dialog) {
    TForm11& change = f.Change();
    uit::Type(change.Fields.Notify, u"--caf\u00E9");
    auto message = script.ExpectMessageBox(platform::MessageResult::Ok);
    uit::ClickButton(change.Button1);
    EXPECT_EQ(message.Text(), "「実行時引数」に保存できない文字が含まれています");
    EXPECT_EQ(message.Style(), platform::MessageStyle::Error);
    EXPECT_TRUE(dialog.Visible());
    EXPECT_EQ(dialog.ActiveControl(), &change.Fields.Notify);
    EXPECT_EQ(f.Saves(), 0);
    uit::Type(change.Fields.Notify, "--cafe");
    uit::ClickButton(change.Button1);
  });
  f.Change().ShowModal();
  script.Done();
  EXPECT_EQ(f.State().Item(0, 1).Notify, "--cafe");
  EXPECT_EQ(f.Saves(), 1);
}

TEST_F(DataChange, CancelWritesNothing) {
  Start();
  LoadSlot(1);
  uit::Script script(f.Ui);
  script.ExpectModal("Form11", [&](ui::Form&) {
    uit::Type(f.Change().Fields.FileHint, "x");
    uit::ClickButton(f.Change().Button2);
  });
  f.Change().ShowModal();
  script.Done();
  EXPECT_EQ(f.State().Item(0, 1).FileHint, "作業");
  EXPECT_EQ(f.Saves(), 0);
}

TEST_F(DataChange, ADroppedPathFillsTheFieldsAsTheDropNamesIt) {
  Start();
  struct Case {
    std::string path, name, folder;
  };
  const std::vector<Case> cases = {
      {"C:\\Tools\\Editor\\edit.exe", "edit.exe", "C:\\Tools\\Editor\\"},
      {"C:\\表計算\\ソフト", "ソフト", "C:\\表計算\\"},
      {"D:\\", "", "D:\\"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    LoadSlot(1);
    f.Change().LoadDroppedPath(c.path);
    const pelorin::ItemFields& fields = f.Change().Fields;
    EXPECT_EQ(fields.FileName.Text(), c.name);
    EXPECT_EQ(fields.FileHint.Text(), c.name);
    EXPECT_EQ(fields.FilePath.Text(), c.path);
    EXPECT_EQ(fields.FileFolder.Text(), c.folder);
    EXPECT_EQ(fields.Notify.Text(), "");
    EXPECT_EQ(fields.Sincro.Text(), "");
    EXPECT_EQ(fields.FileExecuteSize.ItemIndex(), 0);
    EXPECT_EQ(fields.IconPath.Caption(), c.path);
    EXPECT_EQ(fields.IconNumber.Caption(), "0");
    EXPECT_EQ(test::Shows(fields.SampleIcon.Picture()), "shell:" + c.path);
  }
}

TEST_F(DataChange, ForADroppedDriveRootOkWaitsForABrowseAndCancelCannotBePressed) {
  Start();
  f.Fakes.Files.MakeFolder("D:\\");
  // As the drop opener does: the next free slot, the path, Cancel disabled.
  f.App.MainWindow().SelectedSlot = 3;
  TForm11& dialog = f.Change();
  dialog.LoadDroppedPath("D:\\");
  dialog.Button2.SetEnabled(false);
  uit::Script script(f.Ui);
  script.ExpectModal("Form11", [&](ui::Form&) {
    uit::ClickButton(dialog.Button1);
    uit::PressKey(dialog, uit::Key::Escape);
    EXPECT_TRUE(dialog.Visible());
    EXPECT_THROW(uit::ClickButton(dialog.Button2), std::logic_error);
    EXPECT_EQ(f.State().Item(0, 3), ItemRecord{});
    EXPECT_EQ(f.Saves(), 0);
    uit::ClickButton(dialog.Fields.FoldeOpen);
    uit::PressKey(dialog, uit::Key::Enter);
  });
  script.ExpectFolderBrowse("D:\\");
  dialog.ShowModal();
  script.Done();
  dialog.Button2.SetEnabled(true);
  EXPECT_EQ(f.State().Item(0, 3).FileName, "D:\\");
  EXPECT_TRUE(f.State().Item(0, 3).IsFolder);
  // The opener counts the new item.
  EXPECT_EQ(f.State().PanelItemCount[0], 3);
  EXPECT_EQ(f.Saves(), 1);
}

}  // namespace
