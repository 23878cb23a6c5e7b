// The file and folder browses of the item dialogs, which both dialogs share,
// and the folder browser component.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "item_dialogs_fixture.h"
#include "itemdialogs/folder_dialog.h"

namespace {

namespace uit = ui::test;
using pelorin::ItemFields;

// Both dialogs, by name, with their shared fields.
struct Dialog {
  const char* name;
  std::function<ui::Form&(test::ItemDialogsFixture&)> form;
  std::function<ItemFields&(test::ItemDialogsFixture&)> fields;
};

const std::vector<Dialog>& BothDialogs() {
  static const std::vector<Dialog> dialogs = {
      {"Form2", [](auto& f) -> ui::Form& { return f.Add(); }, [](auto& f) -> ItemFields& { return f.Add().Fields; }},
      {"Form11", [](auto& f) -> ui::Form& { return f.Change(); },
       [](auto& f) -> ItemFields& { return f.Change().Fields; }},
  };
  return dialogs;
}

// Fields as an opener might have left them, so that a browse shows what it changes and what it keeps.
pelorin::ItemRecord Prefilled() {
  pelorin::ItemRecord item;
  item.FileName = "old.exe";
  item.FilePath = "C:\\Old\\old.exe";
  item.FileHint = "old hint";
  item.FileFolder = "C:\\Old\\";
  item.Notify = "-x";
  item.Sincro = "C:\\Sync\\s.exe";
  item.FileExecuteSize = 2;
  item.IsFolder = true;
  item.IconPath = "C:\\Old\\lib.dll";
  item.IconNumber = 7;
  return item;
}

// Every field in the order of the rows, then the folder flag and the icon (holders and preview).
std::vector<std::string> Read(const ItemFields& fields) {
  return {fields.FileName.Text(),
          fields.FileHint.Text(),
          fields.FilePath.Text(),
          fields.FileFolder.Text(),
          fields.Notify.Text(),
          fields.Sincro.Text(),
          std::to_string(fields.FileExecuteSize.ItemIndex()),
          std::to_string(fields.FolderFlag),
          fields.IconPath.Caption(),
          fields.IconNumber.Caption(),
          test::Shows(fields.SampleIcon.Picture())};
}

class Browse : public ::testing::Test {
 protected:
  Browse() {
    f.StartWithItems(1);
    f.Fakes.Icons.SetIconCount("C:\\Old\\lib.dll", 10);
  }
  // Shows the dialog with prefilled fields.
  ItemFields& Open(const Dialog& dialog) {
    ItemFields& fields = dialog.fields(f);
    fields.Load(Prefilled(), f.Fakes.Icons.IconInFile("C:\\Old\\lib.dll", 7));
    dialog.form(f).Show();
    return fields;
  }

  test::ItemDialogsFixture f;
};

TEST(ShiftJis, TheTestPathsHaveTrailBytesThatLookLikeBackslashes) {
  EXPECT_EQ(std::string("表"), "\x95\x5C");
  EXPECT_EQ(std::string("ソ"), "\x83\x5C");
}

TEST_F(Browse, FileBrowseTakesNameFolderAndIconOfTheFileAndKeepsArgumentsAndSincro) {
  f.Fakes.Icons.SetIconCount("C:\\Tools\\Editor\\edit.exe", 3);
  f.Fakes.Icons.SetIconCount("C:\\表計算\\ソフト\\calc.exe", 1);
  struct Case {
    std::string chosen;
    std::string name, folder, preview;
  };
  const std::vector<Case> cases = {
      {"C:\\Tools\\Editor\\edit.exe", "edit.exe", "C:\\Tools\\Editor\\", "C:\\Tools\\Editor\\edit.exe,0"},
      // No icons inside: the shell's icon, while the holders still name the file and 0.
      {"C:\\Docs\\memo.txt", "memo.txt", "C:\\Docs\\", "shell:C:\\Docs\\memo.txt"},
      // Split at real backslashes only.
      {"C:\\表計算\\ソフト\\calc.exe", "calc.exe", "C:\\表計算\\ソフト\\", "C:\\表計算\\ソフト\\calc.exe,0"},
      {"C:\\ソフト\\表", "表", "C:\\ソフト\\", "shell:C:\\ソフト\\表"},
  };
  for (const auto& dialog : BothDialogs()) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(dialog.name) + " " + c.chosen);
      ItemFields& fields = Open(dialog);
      uit::Script script(f.Ui);
      auto open = script.ExpectFileOpen(c.chosen);
      uit::ClickButton(fields.FileOpen);
      script.Done();
      EXPECT_EQ(open.Shown().owner, dialog.name);
      EXPECT_EQ(open.Shown().filter, "実行ファイル(*.exe)|*.exe;*.lnk|全てのファイル(*.*)|*");
      EXPECT_EQ(open.Shown().title, "");
      EXPECT_EQ(Read(fields), (std::vector<std::string>{c.name, c.name, c.chosen, c.folder, "-x", "C:\\Sync\\s.exe",
                                                        "0", "0", c.chosen, "0", c.preview}));
      dialog.form(f).Hide();
    }
  }
}

TEST_F(Browse, FileBrowseOfAPathWithoutBackslashLeavesNameHintAndFolder) {
  ItemFields& fields = Open(BothDialogs()[0]);
  uit::Script script(f.Ui);
  script.ExpectFileOpen("memo.txt");
  uit::ClickButton(fields.FileOpen);
  script.Done();
  EXPECT_EQ(Read(fields), (std::vector<std::string>{"old.exe", "old hint", "memo.txt", "C:\\Old\\", "-x",
                                                    "C:\\Sync\\s.exe", "0", "0", "memo.txt", "0", "shell:memo.txt"}));
}

TEST_F(Browse, FolderBrowseNamesTheFolderByItsWholePathAndKeepsTheWorkingFolder) {
  const std::vector<std::string> folders = {"C:\\Data\\Work", "D:\\", "C:\\表計算\\ソフト"};
  for (const auto& dialog : BothDialogs()) {
    for (const auto& folder : folders) {
      SCOPED_TRACE(std::string(dialog.name) + " " + folder);
      ItemFields& fields = Open(dialog);
      uit::Script script(f.Ui);
      auto browse = script.ExpectFolderBrowse(folder);
      uit::ClickButton(fields.FoldeOpen);
      script.Done();
      // Opens at the desktop, without a title.
      EXPECT_EQ(browse.Shown().owner, dialog.name);
      EXPECT_EQ(browse.Shown().title, "");
      EXPECT_EQ(browse.Shown().fileName, "");
      EXPECT_EQ(Read(fields), (std::vector<std::string>{folder, folder, folder, "C:\\Old\\", "-x", "C:\\Sync\\s.exe",
                                                        "0", "1", folder, "0", "shell:" + folder}));
      EXPECT_EQ(fields.ComFolderOpen.FolderName, folder);
      dialog.form(f).Hide();
    }
  }
}

TEST_F(Browse, CancelledBrowsesChangeNothing) {
  for (const auto& dialog : BothDialogs()) {
    SCOPED_TRACE(dialog.name);
    ItemFields& fields = Open(dialog);
    {
      uit::Script script(f.Ui);
      script.ExpectFolderBrowse("C:\\Data");
      uit::ClickButton(fields.FoldeOpen);
      script.Done();
    }
    fields.Load(Prefilled(), f.Fakes.Icons.IconInFile("C:\\Old\\lib.dll", 7));
    const auto before = Read(fields);
    uit::Script script(f.Ui);
    script.ExpectFileOpen(std::nullopt);
    script.ExpectFolderBrowse(std::nullopt);
    uit::ClickButton(fields.FileOpen);
    uit::ClickButton(fields.FoldeOpen);
    script.Done();
    EXPECT_EQ(Read(fields), before);
    EXPECT_EQ(fields.ComFolderOpen.FolderName, "");
    dialog.form(f).Hide();
  }
}

TEST_F(Browse, ANameTheAnsiCallsCannotReachGetsAMessageAndChangesNothing) {
  constexpr char kMessage[] = "\n\nこのファイルは登録できません。\n名前に使えない文字があるか、パスが長すぎます。";
  for (const auto& dialog : BothDialogs()) {
    SCOPED_TRACE(dialog.name);
    ItemFields& fields = Open(dialog);
    const auto before = Read(fields);
    uit::Script script(f.Ui);
    script.ExpectFileOpen(platform::SystemName{u"C:\\Docs\\café.txt", u""});
    auto fileMessage = script.ExpectMessageBox(platform::MessageResult::Ok);
    script.ExpectFolderBrowse(platform::SystemName{u"C:\\한국", u""});
    script.ExpectMessageBox(platform::MessageResult::Ok);
    uit::ClickButton(fields.FileOpen);
    uit::ClickButton(fields.FoldeOpen);
    script.Done();
    EXPECT_EQ(Read(fields), before);
    EXPECT_EQ(fileMessage.Text(), std::string("C:\\Docs\\caf?.txt") + kMessage);
    dialog.form(f).Hide();
  }
}

TEST(FolderDialog, PassesTitleAndRootAndEmptiesTheResultWhenCancelled) {
  ui::Application app;
  ui::Form form{app, "Owner", "Owner", ui::BorderStyle::ToolWindow};
  pelorin::TFolderDlg dialog{form, "ComFolderOpen"};
  EXPECT_EQ(dialog.Title, "");
  EXPECT_EQ(dialog.Root, "");
  EXPECT_EQ(dialog.FolderName, "");
  dialog.Title = "フォルダを選んでください";
  dialog.Root = "C:\\Data";
  uit::Script script(app);
  auto chosen = script.ExpectFolderBrowse("C:\\Data\\Work");
  auto cancelled = script.ExpectFolderBrowse(std::nullopt);
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FolderName, "C:\\Data\\Work");
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.FolderName, "");
  script.Done();
  EXPECT_EQ(chosen.Shown().owner, "Owner");
  EXPECT_EQ(chosen.Shown().title, "フォルダを選んでください");
  EXPECT_EQ(chosen.Shown().fileName, "C:\\Data");
  EXPECT_EQ(cancelled.Shown().fileName, "C:\\Data");
}

}  // namespace
