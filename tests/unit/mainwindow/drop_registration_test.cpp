// Files dropped on the main window become items of the current panel.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/data_files.h"
#include "itemdialogs/data_change_dialog.h"
#include "main_window_fixture.h"
#include "platform/headless/fake_icons.h"
#include "platform/text.h"

namespace {

namespace uit = ui::test;
using pelorin::ItemRecord;
using pelorin::LauncherState;

// The item a drop of path registers when nothing is edited.
ItemRecord Registered(const std::string& path, const std::string& name, const std::string& folder, bool isFolder = false) {
  ItemRecord item;
  item.FileName = item.FileHint = name;
  item.FilePath = item.IconPath = path;
  item.FileFolder = folder;
  item.IsFolder = isFolder;
  return item;
}

class DropTest : public ::testing::Test {
 protected:
  // `count` items in panel 0, the drop menu on or off.
  void Start(int count, bool menu, int maxLine = 20) {
    LauncherState state = test::DefaultState();
    state.DDCheck = menu;
    state.MaxLine = static_cast<std::uint8_t>(maxLine);
    f.StartWithItems(count, state);
  }
  const LauncherState& State() { return f.App.State(); }
  void ExpectSaved() {
    EXPECT_EQ(f.DataFile(pelorin::kItemFileName), pelorin::FormatItemFile(State()));
    EXPECT_EQ(f.DataFile(pelorin::kPanelFileName), pelorin::FormatPanelFile(State()));
  }

  test::MainWindowFixture f;
};

TEST_F(DropTest, WithoutTheMenuNamesFillTheFreeSlotsAndTheNextOneGetsTheLimitMessage) {
  Start(13, false, 15);
  const std::vector<std::string> dropped = {f.Item("C:\\In\\one.exe").FilePath, f.Item("C:\\In\\two.txt").FilePath,
                                            f.Item("C:\\In\\three.exe").FilePath};
  uit::Script script(f.Ui);
  auto full = script.ExpectMessageBox(platform::MessageResult::Ok);
  uit::DropFiles(f.Main(), dropped);
  script.Done();

  EXPECT_EQ(full.Text(), "これ以上ワークスペースにアイテムを登録できません");
  EXPECT_EQ(full.Caption(), "Pelorin");
  ASSERT_EQ(State().PanelItemCount[0], 15);
  EXPECT_EQ(State().Item(0, 13), Registered("C:\\In\\one.exe", "one.exe", "C:\\In\\"));
  EXPECT_EQ(State().Item(0, 14), Registered("C:\\In\\two.txt", "two.txt", "C:\\In\\"));
  EXPECT_EQ(platform::headless::FakeIconDescription(f.Main().Images[14]->Picture()), "shell:C:\\In\\two.txt");
  EXPECT_EQ(f.Fakes.Log.CallsStartingWith("WriteWholeFile C:\\Pelorin\\svf.itd").size(), 2u) << "one save a name";
  ExpectSaved();
  // The record's ten lines close the item file.
  const std::string record = "two.txt\r\nC:\\In\\two.txt\r\ntwo.txt\r\nC:\\In\\\r\n\r\n\r\n0\r\nFALSE\r\nC:\\In\\two.txt\r\n0\r\n";
  EXPECT_TRUE(f.DataFile(pelorin::kItemFileName).ends_with(record));
  EXPECT_TRUE(State().CanHide);
}

TEST_F(DropTest, EachNameGetsItsOwnMenuWhoseAnswerIsCarriedOutBeforeTheNextName) {
  const std::vector<std::pair<std::string, int>> answers = {{"A1", 2}, {"N16", 2}, {"", 2}, {"A1", 3}};
  Start(1, true);
  uit::SetCursor(f.Ui, {400, 300});
  uit::Script script(f.Ui);
  std::vector<std::string> dropped;
  int count = 1;
  for (const auto& [entry, countAfter] : answers) {
    dropped.push_back(f.Item("C:\\In\\" + std::to_string(dropped.size()) + ".exe").FilePath);
    script.ExpectPopup("PopUpDrop", [&, entry, countAfter](const uit::PopupRecord& menu) {
      SCOPED_TRACE("menu for " + std::to_string(countAfter));
      EXPECT_EQ(menu.position, (ui::Point{400, 300}));
      EXPECT_EQ(State().PanelItemCount[0], count) << "the name before was dealt with";
      EXPECT_FALSE(State().CanHide);
      count = countAfter;
      return entry;
    });
  }
  uit::DropFiles(f.Main(), dropped);
  auto& entries = uit::PopupsShown(f.Ui).front().entries;
  script.Done();

  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].caption + entries[1].caption + entries[3].caption, "ここに登録(&A)編集して登録(&E)キャンセル(&C)");
  EXPECT_TRUE(entries[2].separator);
  ASSERT_EQ(State().PanelItemCount[0], 3);
  EXPECT_EQ(State().Item(0, 1).FilePath, "C:\\In\\0.exe");
  EXPECT_EQ(State().Item(0, 2).FilePath, "C:\\In\\3.exe");
  EXPECT_TRUE(State().CanHide);
}

TEST_F(DropTest, EditAndRegisterOpensTheDialogWithoutCancelAndRegistersWhatOkWrote) {
  Start(2, true);
  f.Fakes.Files.MakeFolder("C:\\Data");
  f.Item("C:\\In\\typed.exe");
  pelorin::TForm11& dialog = f.App.DataChangeDialog();
  uit::Script script(f.Ui);
  script.ExpectPopup("PopUpDrop", uit::Pick("N3"));
  script.ExpectModal("Form11", [&](ui::Form&) {
    EXPECT_FALSE(dialog.Button2.Enabled());
    EXPECT_FALSE(State().CanHide);
    EXPECT_EQ(f.Main().SelectedSlot, 2);
    EXPECT_EQ(dialog.Fields.FileFolder.Text(), "C:\\");
    EXPECT_EQ(platform::headless::FakeIconDescription(dialog.Fields.SampleIcon.Picture()), "shell:C:\\Data");
    uit::PressKey(dialog, uit::Key::Escape);
    EXPECT_TRUE(dialog.Visible()) << "the cancel key cannot end it either";
    uit::Type(dialog.Fields.FileHint, "edited");
    uit::Type(dialog.Fields.FilePath, "C:\\In\\typed.exe");
    uit::ClickButton(dialog.Button1);
  });
  uit::DropFiles(f.Main(), {"C:\\Data"});
  script.Done();

  ASSERT_EQ(State().PanelItemCount[0], 3);
  ItemRecord expected = Registered("C:\\In\\typed.exe", "Data", "C:\\", true);
  expected.FileHint = "edited";
  expected.IconPath = "C:\\Data";
  EXPECT_EQ(State().Item(0, 2), expected) << "IsFolder comes from the dropped path, not the typed one";
  EXPECT_TRUE(dialog.Button2.Enabled());
  EXPECT_TRUE(State().CanHide);
  ExpectSaved();
}

TEST_F(DropTest, NamesAreSplitWholeAndOnlyABareDirectoryIsAFolder) {
  struct Case {
    std::string path;
    std::uint32_t extraBits;
    ItemRecord expected;
  };
  const std::vector<Case> cases = {
      {"C:\\Data", 0, Registered("C:\\Data", "Data", "C:\\", true)},
      {"C:\\Locked", platform::kAttributeReadOnly, Registered("C:\\Locked", "Locked", "C:\\")},
      {"C:\\Secret", platform::kAttributeHidden, Registered("C:\\Secret", "Secret", "C:\\")},
      {"D:\\", platform::kAttributeHidden, Registered("D:\\", "", "D:\\")},
  };
  Start(0, false);
  std::vector<std::string> dropped;
  for (const auto& c : cases) {
    f.Fakes.Files.MakeFolder(c.path);
    if (c.extraBits != 0) f.Fakes.Files.SetAttributeBits(c.path, c.extraBits);
    dropped.push_back(c.path);
  }
  uit::DropFiles(f.Main(), dropped);

  ASSERT_EQ(State().PanelItemCount[0], static_cast<int>(cases.size()));
  for (size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(cases[i].path);
    EXPECT_EQ(State().Item(0, static_cast<int>(i)), cases[i].expected);
  }
}

TEST_F(DropTest, NamesTheAnsiCallsCannotReachComeByTheirShortPathOrGetAMessage) {
  std::string longFolder = "C:";
  while (longFolder.size() < 280) longFolder += "\\folder" + std::to_string(longFolder.size());
  const std::string longPath = longFolder + "\\" + std::string(300 - longFolder.size() - 1, 'n');
  // 310 bytes; the message keeps 40 bytes of the start and 50 of the end, less
  // the double-byte characters that would be cut.
  std::string japanese = "C:\\";
  for (int i = 0; i < 150; ++i) japanese += "表";
  japanese += "\\xy.txt";
  Start(0, false);
  f.Item("C:\\In\\KO~1.TXT");
  f.Item("C:\\In\\LONG~1.TXT");
  f.Item("C:\\In\\plain.txt");
  const std::vector<platform::SystemName> dropped = {
      {u"C:\\In\\한국어.txt", u"C:\\In\\KO~1.TXT"},
      {u"C:\\In\\😀.txt", u""},
      {platform::WideFromCp932(longPath), u"C:\\In\\LONG~1.TXT"},
      {platform::WideFromCp932(japanese), u""},
      {u"C:\\In\\plain.txt", u"C:\\In\\PLAIN~1.TXT"},
  };
  uit::Script script(f.Ui);
  auto emoji = script.ExpectMessageBox(platform::MessageResult::Ok);
  auto tooLong = script.ExpectMessageBox(platform::MessageResult::Ok);
  uit::DropWideFiles(f.Main(), dropped);
  script.Done();

  EXPECT_EQ(emoji.Text(), "C:\\In\\??.txt\n\nこのファイルは登録できません。\n名前に使えない文字があるか、パスが長すぎます。");
  EXPECT_EQ(emoji.Caption(), "Pelorin");
  EXPECT_EQ(emoji.Style(), platform::MessageStyle::Error);
  EXPECT_EQ(tooLong.Text().substr(0, tooLong.Text().find('\n')), japanese.substr(0, 39) + "..." + japanese.substr(261));
  ASSERT_EQ(State().PanelItemCount[0], 3);
  EXPECT_EQ(State().Item(0, 0), Registered("C:\\In\\KO~1.TXT", "KO~1.TXT", "C:\\In\\"));
  EXPECT_EQ(State().Item(0, 1), Registered("C:\\In\\LONG~1.TXT", "LONG~1.TXT", "C:\\In\\"));
  EXPECT_EQ(State().Item(0, 2), Registered("C:\\In\\plain.txt", "plain.txt", "C:\\In\\"));
  EXPECT_TRUE(State().CanHide);
  ExpectSaved();
}

TEST_F(DropTest, ShortcutsInLowerOrUpperCaseBecomeTheirTargetOthersStayThemselves) {
  const ItemRecord target = Registered("D:\\Bin\\b.exe", "b.exe", "D:\\Bin\\");
  const auto itself = [](const std::string& name) { return Registered("C:\\Tools\\" + name, name, "C:\\Tools\\"); };
  struct Case {
    std::string name;
    std::optional<std::string> target;  // what the link holds; nothing: it cannot be read
    ItemRecord expected;
  };
  const std::vector<Case> cases = {
      {"a.lnk", "D:\\Bin\\b.exe", target},
      {"A.LNK", "D:\\Bin\\b.exe", target},
      {"c.Lnk", "D:\\Bin\\b.exe", itself("c.Lnk")},
      // No file-system target (a Control Panel item), and a link that cannot be read.
      {"panel.lnk", "", itself("panel.lnk")},
      {"broken.lnk", std::nullopt, itself("broken.lnk")},
  };
  Start(0, false);
  f.Item("D:\\Bin\\b.exe");
  std::vector<std::string> dropped;
  for (const auto& c : cases) {
    dropped.push_back(f.Item("C:\\Tools\\" + c.name).FilePath);
    if (!c.target) continue;
    platform::ShellLinkData link;
    link.TargetPath = *c.target;
    link.Arguments = "-x";
    link.WorkingDirectory = "C:\\Work";
    f.Fakes.Links.SetLink(dropped.back(), link);
  }
  uit::DropFiles(f.Main(), dropped);

  ASSERT_EQ(State().PanelItemCount[0], static_cast<int>(cases.size()));
  for (size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(cases[i].name);
    EXPECT_EQ(State().Item(0, static_cast<int>(i)), cases[i].expected);
  }
  EXPECT_EQ(f.Fakes.Log.CallsStartingWith("LoadShellLink").size(), 4u) << "mixed case is not even read";
}

}  // namespace
