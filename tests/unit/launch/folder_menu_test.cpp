#include <gtest/gtest.h>

#include "launch/launch_popup.h"
#include "launch_fixture.h"
#include "platform/headless/fake_icons.h"

namespace pelorin {
namespace {

using platform::headless::ShellCall;

class FolderMenuTest : public ::testing::Test, public testing::LaunchFixture {
 protected:
  // The main window's set-up, listing C:\Data\.
  void SetUpAsMainWindow() {
    SetUpFolderMenu(Popup, *Images);
    Popup.SetDirectory("C:\\Data\\");
  }

  std::unique_ptr<ui::ImageList> Images = CreateFolderMenuImages(Window, "ImageList1");
};

TEST_F(FolderMenuTest, ComponentStartsListingShortcutsWithoutSubfolders) {
  EXPECT_FALSE(Popup.SearchDirectory());
  EXPECT_EQ(Popup.Mask(), "*.lnk");
  EXPECT_EQ(Popup.Images(), nullptr);

  MakeFile("C:\\Data\\b.txt");
  MakeFile("C:\\Data\\A.lnk");
  MakeFile("C:\\Data\\Tool.LNK");
  MakeFile("C:\\Data\\z\\inner.lnk");
  Popup.SetDirectory("C:\\Data\\");
  Popup.BuildMenu();
  EXPECT_EQ(testing::Tree(Popup.Items()), "A Tool");
}

TEST_F(FolderMenuTest, FoldersFirstThenFilesEachInCaseInsensitiveOrder) {
  MakeFile("C:\\Data\\b.txt");
  MakeFile("C:\\Data\\A.lnk");
  MakeFile("C:\\Data\\Z\\inner.txt");
  MakeFile("C:\\Data\\y\\x.txt");
  MakeFile("C:\\Data\\apple.txt");
  MakeFile("C:\\Data\\README");
  SetUpAsMainWindow();
  Popup.BuildMenu();

  EXPECT_EQ(testing::Tree(Popup.Items()), "y(x) Z(inner) A apple b README");
  // Folder entries keep their whole name; file tags count up in the order the entries were made.
  const ui::MenuItem& root = Popup.Items();
  EXPECT_EQ(root[0][0].Tag(), 1000);
  EXPECT_EQ(root[1][0].Tag(), 1001);
  EXPECT_EQ(root[2].Tag(), 1002);
  EXPECT_EQ(root[5].Tag(), 1005);
  EXPECT_FALSE(root[0].onClick);
  EXPECT_EQ(root[1].Caption(), "Z");
}

TEST_F(FolderMenuTest, EntriesOfTheSameNameStartTheirOwnFiles) {
  MakeFile("C:\\Data\\readme.txt");
  MakeFile("C:\\Data\\readme.doc");
  MakeFile("C:\\Data\\v1.2.notes");
  SetUpAsMainWindow();
  Popup.BuildMenu();
  ASSERT_EQ(testing::Tree(Popup.Items()), "readme readme v1.2");

  for (int i = 0; i < Popup.Items().Count(); ++i) Popup.Items()[i].SignalClick();
  const std::vector<std::string> started = {Shell.Calls().at(0).File, Shell.Calls().at(1).File,
                                            Shell.Calls().at(2).File};
  EXPECT_EQ(started, (std::vector<std::string>{"C:\\Data\\readme.doc", "C:\\Data\\readme.txt",
                                               "C:\\Data\\v1.2.notes"}));
}

TEST_F(FolderMenuTest, HiddenFilesAreLeftOutButHiddenFoldersListed) {
  MakeFile("C:\\Data\\shown.txt");
  MakeFile("C:\\Data\\secret.txt");
  MakeFile("C:\\Data\\boot.ini");
  MakeFile("C:\\Data\\Hidden\\in.txt");
  MakeFile("C:\\Data\\System\\in.txt");
  Files.SetAttributeBits("C:\\Data\\secret.txt", platform::kAttributeHidden);
  Files.SetAttributeBits("C:\\Data\\boot.ini", platform::kAttributeSystem | platform::kAttributeReadOnly);
  Files.SetAttributeBits("C:\\Data\\Hidden", platform::kAttributeHidden);
  Files.SetAttributeBits("C:\\Data\\System", platform::kAttributeSystem);
  MakeFile("C:\\Data\\locked.txt");
  Files.SetAttributeBits("C:\\Data\\locked.txt", platform::kAttributeReadOnly);
  SetUpAsMainWindow();
  Popup.BuildMenu();
  EXPECT_EQ(testing::Tree(Popup.Items()), "Hidden(in) System(in) locked shown");
}

TEST_F(FolderMenuTest, WithoutSearchDirectoryOnlyTheFolderItselfIsListed) {
  MakeFile("C:\\Data\\z\\inner.txt");
  MakeFile("C:\\Data\\top.txt");
  SetUpAsMainWindow();
  Popup.SetSearchDirectory(false);
  Popup.BuildMenu();
  EXPECT_EQ(testing::Tree(Popup.Items()), "top");
  EXPECT_EQ(Popup.Items()[0].Tag(), 1000);
}

TEST_F(FolderMenuTest, PickInAThirdLevelStartsTheFileInItsOwnFolder) {
  MakeFile("C:\\Data\\a\\b\\deep.txt");
  MakeFile("C:\\Data\\a\\b\\other.txt");
  SetUpAsMainWindow();
  Popup.BuildMenu();
  ASSERT_EQ(testing::Tree(Popup.Items()), "a(b(deep other))");

  ui::test::Script script(App);
  script.ExpectPopup("LaunchPopup", ui::test::Pick("C:\\Data\\a\\b\\other.txt"));
  Popup.Popup({40, 50});
  script.Done();
  EXPECT_EQ(Shell.Calls(), (std::vector<ShellCall>{{"", "", "C:\\Data\\a\\b\\other.txt", "",
                                                    "C:\\Data\\a\\b\\", platform::kShowNormal}}));
}

// Names outside the code page show and start by their short names, or are
// left out when they have none.
TEST_F(FolderMenuTest, DoubleByteNamesAreSplitByCharactersOthersComeByTheirShortNames) {
  // The second bytes of 表 and ソ are 0x5C, the separator's code.
  MakeFile("C:\\Data\\表\\ソフト.txt");
  MakeFile("C:\\Data\\KO~1\\HAN~1.TXT");
  MakeFile("C:\\Data\\gone.txt");
  Files.SetLongName("C:\\Data\\KO~1", u"한국");
  Files.SetLongName("C:\\Data\\KO~1\\HAN~1.TXT", u"한.txt");
  Files.SetLongName("C:\\Data\\gone.txt", u"😀.txt", false);
  SetUpAsMainWindow();
  Popup.BuildMenu();
  ASSERT_EQ(testing::Tree(Popup.Items()), "KO~1(HAN~1) 表(ソフト)");
  Popup.Items()[0][0].SignalClick();
  Popup.Items()[1][0].SignalClick();
  EXPECT_EQ(Shell.Calls(), (std::vector<ShellCall>{
                               {"", "", "C:\\Data\\KO~1\\HAN~1.TXT", "", "C:\\Data\\KO~1\\", platform::kShowNormal},
                               {"", "", "C:\\Data\\表\\ソフト.txt", "", "C:\\Data\\表\\", platform::kShowNormal}}));
}

TEST_F(FolderMenuTest, EmptySubfolderIsAPlainEntryThatDoesNothing) {
  MakeFolder("C:\\Data\\empty");
  MakeFile("C:\\Data\\f.txt");
  SetUpAsMainWindow();
  Popup.BuildMenu();
  ASSERT_EQ(testing::Tree(Popup.Items()), "empty f");
  EXPECT_EQ(Popup.Items()[0].Count(), 0);

  ui::test::Script script(App);
  script.ExpectPopup("LaunchPopup", ui::test::Pick("C:\\Data\\empty\\"));
  Popup.Popup({0, 0});
  script.Done();
  EXPECT_TRUE(Shell.Calls().empty());
}

TEST_F(FolderMenuTest, AMissingOrEmptyDirectoryKeepsTheEntriesAsTheyAre) {
  SetUpAsMainWindow();
  Popup.Items().Add("kept", "kept");
  for (const std::string directory : {"", "C:\\Nowhere\\", "C:\\Data\\file.txt\\"}) {
    SCOPED_TRACE(directory);
    MakeFile("C:\\Data\\file.txt");
    Popup.SetDirectory(directory);
    Popup.BuildMenu();
    EXPECT_EQ(testing::Tree(Popup.Items()), "kept");
  }
  EXPECT_TRUE(Log.CallsStartingWith("FindFiles").empty());
}

TEST_F(FolderMenuTest, ItemClickHandlerReplacesTheStart) {
  MakeFile("C:\\Data\\one.txt");
  MakeFile("C:\\Data\\two.txt");
  SetUpAsMainWindow();
  std::vector<std::string> picked;
  Popup.onItemClick = [&](TLaunchPopup& sender) { picked.push_back(sender.ItemPath); };
  Popup.BuildMenu();
  Popup.Items()[1].SignalClick();
  EXPECT_EQ(picked, std::vector<std::string>{"C:\\Data\\two.txt"});
  EXPECT_EQ(Popup.ItemPath, "C:\\Data\\two.txt");
  EXPECT_TRUE(Shell.Calls().empty());
}

TEST_F(FolderMenuTest, OneIconPerEntryAndTheListIsEmptiedByEveryBuild) {
  const int liveBefore = platform::headless::LiveFakeIconCount();
  MakeFile("C:\\Data\\z\\inner.txt");
  MakeFile("C:\\Data\\b.txt");
  MakeFile("C:\\Data\\noicon.txt");
  Icons.SetNoShellIcon("C:\\Data\\noicon.txt");
  SetUpAsMainWindow();
  EXPECT_EQ(Images->ImageSize(), (ui::Size{16, 16}));
  EXPECT_EQ(Images->Background(), ui::SystemColor(ui::syscolor::kWindow));

  for (int build = 0; build < 3; ++build) {
    SCOPED_TRACE(build);
    Popup.Items().Clear();
    Popup.BuildMenu();
    EXPECT_EQ(ui::test::ImageListIcons(*Images),
              (std::vector<std::string>{"shell:C:\\Data\\z", "shell:C:\\Data\\z\\inner.txt", "shell:C:\\Data\\b.txt"}));
    const ui::MenuItem& root = Popup.Items();
    EXPECT_EQ(root[0].ImageIndex(), 0);
    EXPECT_EQ(root[0][0].ImageIndex(), 1);
    EXPECT_EQ(root[1].ImageIndex(), 2);
    EXPECT_EQ(root[2].ImageIndex(), -1);
    // Only the list's own copies stay alive: every icon the shell gave was released.
    EXPECT_EQ(platform::headless::LiveFakeIconCount(), liveBefore + 3);
  }
  EXPECT_EQ(Log.CallsStartingWith("ShellIcon").size(), 12u);
}

TEST_F(FolderMenuTest, WithoutAnImageListNoIconIsAskedFor) {
  MakeFile("C:\\Data\\a.lnk");
  Popup.SetDirectory("C:\\Data\\");
  Popup.BuildMenu();
  EXPECT_EQ(Popup.Items()[0].ImageIndex(), -1);
  EXPECT_TRUE(Log.CallsStartingWith("ShellIcon").empty());
}

}  // namespace
}  // namespace pelorin
