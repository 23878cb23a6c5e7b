// The Add Item dialog: appending items to the current panel, the panel-full
// rule, series with 追加登録, and when the main window and the files follow.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "item_dialogs_fixture.h"

namespace {

namespace uit = ui::test;
using pelorin::LauncherState;
using pelorin::TForm2;

constexpr char kEditor[] = "C:\\Tools\\Editor\\edit.exe";

class AddItem : public ::testing::Test {
 protected:
  // Picks path in the file dialog (the script step must be queued).
  void BrowseFile(const std::string& path) {
    f.MakeFile(path);
    uit::Script script(f.Ui);
    script.ExpectFileOpen(path);
    uit::ClickButton(f.Add().Fields.FileOpen);
    script.Done();
  }
  bool EverythingClear(const TForm2& dialog) {
    const pelorin::ItemFields& fields = dialog.Fields;
    for (const ui::Edit* edit :
         {&fields.FileName, &fields.FileHint, &fields.FilePath, &fields.FileFolder, &fields.Notify, &fields.Sincro}) {
      if (!edit->Text().empty()) return false;
    }
    return fields.IconPath.Caption().empty() && fields.IconNumber.Caption() == "0" && !fields.SampleIcon.Picture();
  }

  test::ItemDialogsFixture f;
};

TEST_F(AddItem, FromTheMainMenuAFileBecomesTheNextItemAndIsShownAndSaved) {
  f.StartWithItems(1);
  f.Fakes.Icons.SetIconCount(kEditor, 5);
  f.MakeFile(kEditor);
  const std::string before = f.ItemFile();
  uit::Script script(f.Ui);
  script.ExpectPopup("PopupMenu1", uit::Pick("N2"));
  script.ExpectModal("Form2", [&](ui::Form&) {
    EXPECT_FALSE(f.State().CanHide);
    TForm2& dialog = f.Add();
    uit::ClickButton(dialog.Fields.FileOpen);
    uit::Type(dialog.Fields.Notify, "-n");
    uit::Type(dialog.Fields.Sincro, "C:\\Sync\\s.exe");
    uit::Type(dialog.Fields.FileHint, "エディタ");
    uit::SelectRow(dialog.Fields.FileExecuteSize, 2);
    uit::Click(dialog.Fields.SampleIcon, ui::MouseButton::Left, {4, 4});
    uit::ClickButton(dialog.Button1);
  });
  script.ExpectFileOpen(kEditor);
  script.ExpectModal("FrmIconChenge", [&](ui::Form&) {
    uit::ClickArrow(f.Chooser().Scroll, ui::SpinArrow::Up);
    uit::ClickButton(f.Chooser().Button1);
  });
  uit::Click(f.App.MainWindow(), ui::MouseButton::Right, {150, 90});
  script.Done();

  const LauncherState& state = f.State();
  EXPECT_EQ(state.PanelItemCount[0], 2);
  EXPECT_EQ(f.ItemFile(), before + test::ItemLines({"edit.exe", kEditor, "エディタ", "C:\\Tools\\Editor\\", "-n",
                                                    "C:\\Sync\\s.exe", "2", "FALSE", kEditor, "1"}));
  EXPECT_EQ(f.DataFile(pelorin::kPanelFileName).substr(0, 22), "1\r\nワークスペース\r\n2\r\n");
  EXPECT_TRUE(f.App.MainWindow().Images[1]->Visible());
  EXPECT_EQ(test::Shows(f.App.MainWindow().Images[1]->Picture()), "C:\\Tools\\Editor\\edit.exe,1");
  EXPECT_FALSE(f.Add().Visible());
  EXPECT_TRUE(EverythingClear(f.Add()));
  // The show mode stays for the next item.
  EXPECT_EQ(f.Add().Fields.FileExecuteSize.ItemIndex(), 2);
  EXPECT_TRUE(state.CanHide);
}

TEST_F(AddItem, AFolderIsWrittenAsAFolder) {
  f.StartWithItems(0);
  f.Fakes.Files.MakeFolder("C:\\Data\\Work");
  f.Add().Show();
  uit::Script script(f.Ui);
  script.ExpectFolderBrowse("C:\\Data\\Work");
  uit::ClickButton(f.Add().Fields.FoldeOpen);
  uit::ClickButton(f.Add().Button1);
  script.Done();
  EXPECT_EQ(f.ItemFile(), test::ItemLines({"C:\\Data\\Work", "C:\\Data\\Work", "C:\\Data\\Work", "", "", "", "0",
                                           "TRUE", "C:\\Data\\Work", "0"}));
  // The flag stays with the dialog: a file browse clears it again.
  EXPECT_EQ(f.Add().Fields.FolderFlag, 1);
}

TEST_F(AddItem, AFullPanelIsRefusedWithItsNameAndTheInputStays) {
  struct Case {
    const char* what;
    int items;
    std::uint8_t maxLine;
  };
  const std::vector<Case> cases = {
      {"as many items as MaxLine", 6, 6},
      {"more items than MaxLine after it was lowered", 7, 4},
      {"all twenty slots", 20, 20},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::ItemDialogsFixture g;
    LauncherState state = test::DefaultState();
    state.MaxLine = c.maxLine;
    state.AddPanel("ツール");
    state.CurrentPanel = 1;
    for (int i = 0; i < c.items; ++i) state.Item(1, i) = g.Item("C:\\Tools\\t" + std::to_string(i) + ".exe");
    state.PanelItemCount[1] = static_cast<std::uint8_t>(c.items);
    g.WriteDataFiles(state);
    g.StartAndShow();
    const std::string before = g.ItemFile();
    g.MakeFile(kEditor);
    g.Add().Show();
    uit::Script script(g.Ui);
    script.ExpectFileOpen(kEditor);
    auto message = script.ExpectMessageBox(platform::MessageResult::Ok);
    uit::ClickButton(g.Add().Fields.FileOpen);
    uit::ClickButton(g.Add().Button1);
    script.Done();
    EXPECT_EQ(message.Text(), "これ以上ツールにアイテムを登録できません");
    EXPECT_EQ(message.Caption(), "Pelorin");
    EXPECT_EQ(message.Style(), platform::MessageStyle::Plain);
    EXPECT_EQ(g.State().PanelItemCount[1], c.items);
    EXPECT_TRUE(g.Add().Visible());
    EXPECT_EQ(g.Add().Fields.FilePath.Text(), kEditor);
    EXPECT_EQ(g.ItemFile(), before);
  }
}

TEST_F(AddItem, WithoutNameOrPathOkDoesNothingAndSaysNothing) {
  f.StartWithItems(1);
  f.Add().Show();
  const int savesBefore = f.Saves();
  uit::ClickButton(f.Add().Button1);
  BrowseFile(kEditor);
  uit::Type(f.Add().Fields.FilePath, "");
  uit::ClickButton(f.Add().Button1);
  EXPECT_EQ(f.State().PanelItemCount[0], 1);
  EXPECT_TRUE(f.Add().Visible());
  EXPECT_TRUE(uit::MessageBoxesShown(f.Ui).empty());
  EXPECT_EQ(f.Saves(), savesBefore);
}

TEST_F(AddItem, ASeriesOfThreeFillsTheNextSlotsAndShowsAndSavesThemAtCancel) {
  f.StartWithItems(2);
  const std::string before = f.ItemFile();
  const std::vector<std::string> files = {"C:\\A\\a.exe", "C:\\B\\b.exe", "C:\\C\\c.exe"};
  uit::Script script(f.Ui);
  script.ExpectModal("Form2", [&](ui::Form&) {
    TForm2& dialog = f.Add();
    uit::ToggleCheckBox(dialog.ReAdd);
    for (std::size_t k = 0; k < files.size(); ++k) {
      SCOPED_TRACE(files[k]);
      uit::ClickButton(dialog.Fields.FileOpen);
      uit::ClickButton(dialog.Button1);
      EXPECT_EQ(f.State().PanelItemCount[0], 3 + k);
      EXPECT_EQ(f.State().Item(0, 2 + static_cast<int>(k)).FilePath, files[k]);
      EXPECT_TRUE(EverythingClear(dialog));
      EXPECT_TRUE(dialog.Visible());
      // Neither shown nor saved while the series goes on.
      EXPECT_FALSE(f.App.MainWindow().Images[2 + k]->Visible());
      EXPECT_EQ(f.Saves(), 0);
    }
    f.Fakes.Log.Clear();
    uit::ClickButton(dialog.Button2);
  });
  for (const auto& file : files) {
    f.MakeFile(file);
    script.ExpectFileOpen(file);
  }
  f.Add().ShowModal();
  script.Done();

  EXPECT_FALSE(f.Add().Visible());
  EXPECT_TRUE(f.Add().ReAdd.Checked());
  for (int slot = 2; slot < 5; ++slot) EXPECT_TRUE(f.App.MainWindow().Images[slot]->Visible()) << slot;
  std::string expected = before;
  for (const auto& file : files) {
    const std::string name = platform::ExtractFileName(file);
    expected += test::ItemLines({name, file, name, platform::ExtractFilePath(file), "", "", "0", "FALSE", file, "0"});
  }
  EXPECT_EQ(f.ItemFile(), expected);
  // Refresh first (it checks the files), then the save.
  const std::vector<std::string>& calls = f.Fakes.Log.Calls();
  const auto refresh = std::find(calls.begin(), calls.end(), "Attributes C:\\C\\c.exe");
  const auto save = std::find_if(calls.begin(), calls.end(),
                                 [](const std::string& call) { return call.starts_with("WriteWholeFile"); });
  ASSERT_NE(refresh, calls.end());
  ASSERT_NE(save, calls.end());
  EXPECT_LT(refresh, save);
}

TEST_F(AddItem, UntickingBeforeCancelStillShowsAndSavesTheSeries) {
  f.StartWithItems(1);
  f.Add().Show();
  uit::ToggleCheckBox(f.Add().ReAdd);
  BrowseFile("C:\\A\\a.exe");
  uit::ClickButton(f.Add().Button1);
  BrowseFile("C:\\B\\b.exe");
  uit::ClickButton(f.Add().Button1);
  uit::ToggleCheckBox(f.Add().ReAdd);
  EXPECT_EQ(f.Saves(), 0);
  uit::ClickButton(f.Add().Button2);
  EXPECT_EQ(f.State().PanelItemCount[0], 3);
  EXPECT_TRUE(f.App.MainWindow().Images[2]->Visible());
  EXPECT_EQ(f.Saves(), 1);
  EXPECT_NE(f.ItemFile().find("C:\\B\\b.exe\r\n"), std::string::npos);
  EXPECT_FALSE(f.Add().Visible());
}

TEST_F(AddItem, CancelAloneKeepsTheInputForTheNextOpeningAndSavesNothing) {
  f.StartWithItems(1);
  f.Add().Show();
  BrowseFile(kEditor);
  uit::Type(f.Add().Fields.Notify, "-n");
  uit::ClickButton(f.Add().Button2);
  EXPECT_FALSE(f.Add().Visible());
  EXPECT_EQ(f.Saves(), 0);
  EXPECT_EQ(f.State().PanelItemCount[0], 1);
  f.Add().Show();
  EXPECT_EQ(f.Add().Fields.FileName.Text(), "edit.exe");
  EXPECT_EQ(f.Add().Fields.Notify.Text(), "-n");
}

TEST_F(AddItem, CancelWithTheBoxTickedShowsAndSavesEvenWithoutNewItems) {
  f.StartWithItems(1);
  f.Add().Show();
  uit::ToggleCheckBox(f.Add().ReAdd);
  uit::ClickButton(f.Add().Button2);
  EXPECT_EQ(f.Saves(), 1);
  EXPECT_FALSE(f.Add().Visible());
}

TEST_F(AddItem, EnterPressesOkUnlessAnotherButtonHasTheFocusAndEscCancels) {
  f.StartWithItems(0);
  f.Add().Show();
  BrowseFile(kEditor);
  f.Add().Fields.FileHint.SetFocus();
  uit::PressKey(f.Add(), uit::Key::Enter);
  EXPECT_EQ(f.State().PanelItemCount[0], 1);
  EXPECT_FALSE(f.Add().Visible());

  f.Add().Show();
  BrowseFile("C:\\A\\a.exe");
  f.Add().Button2.SetFocus();
  uit::PressKey(f.Add(), uit::Key::Enter);
  EXPECT_FALSE(f.Add().Visible());
  f.Add().Show();
  uit::PressKey(f.Add(), uit::Key::Escape);
  EXPECT_FALSE(f.Add().Visible());
  EXPECT_EQ(f.State().PanelItemCount[0], 1);
}

}  // namespace
