#include "launch/launch_item.h"

#include <gtest/gtest.h>

#include "launch_fixture.h"
#include "platform/ui/bevel.h"
#include "platform/ui/image.h"

namespace pelorin {
namespace {

using platform::headless::ShellCall;

constexpr int kPanel = 1;
constexpr int kSlot = 3;

class LaunchItemTest : public ::testing::Test, public testing::LaunchFixture {
 protected:
  LaunchItemTest() {
    Frame.SetBounds({111, 37, 36, 36});
    Image.SetBounds({113, 39, 32, 32});
    State.CurrentPanel = kPanel;
    State.PanelItemCount[kPanel] = 5;
    State.PopFolder = true;
    State.CanHide = true;
    SetUpFolderMenu(Popup, *Images);
  }

  ItemRecord& Item() { return State.Item(kPanel, kSlot); }
  void Launch() { LaunchItem(State, kSlot, {Image, Frame}, {Window, Popup, Shell, Hiding}); }

  pelorin::EdgeHiding Hiding{State};

  // Records, at the moment of each shell call, whether the button looked pressed.
  void WatchPressedLook() {
    Shell.onExecute = [this](const ShellCall&) {
      looks.push_back(Image.Left() == 114 && Image.Top() == 40 && Frame.Style() == ui::BevelStyle::Lowered);
    };
  }
  void ExpectRaised() {
    EXPECT_EQ(Image.Bounds(), (ui::Rect{113, 39, 32, 32}));
    EXPECT_EQ(Frame.Style(), ui::BevelStyle::Raised);
  }

  ui::Bevel Frame{Window, "Bevel4"};
  ui::Image Image{Window, "Image4"};
  std::unique_ptr<ui::ImageList> Images = CreateFolderMenuImages(Window, "ImageList1");
  LauncherState State;
  std::vector<bool> looks;
};

TEST_F(LaunchItemTest, ProgramStartsWithItsArgumentsFolderAndShowCommand) {
  const struct {
    std::uint8_t size;
    int show;
  } cases[] = {{0, platform::kShowNormal}, {1, platform::kShowMinimized}, {2, platform::kShowMaximized}};
  Item() = {"Tool", "C:\\Tools\\tool.exe", "hint", "C:\\Work", "-x \"a b\"", "C:\\Other\\second.exe", 0, false,
            "C:\\Tools\\tool.exe", 0};
  WatchPressedLook();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size);
    Shell.ClearCalls();
    Item().FileExecuteSize = c.size;
    Launch();
    // The second program of the item is never started.
    EXPECT_EQ(Shell.Calls(), (std::vector<ShellCall>{{"Form1", "OPEN", "C:\\Tools\\tool.exe", "-x \"a b\"",
                                                      "C:\\Work", c.show}}));
    ExpectRaised();
  }
  EXPECT_EQ(looks, (std::vector<bool>{true, true, true}));
}

TEST_F(LaunchItemTest, EmptyArgumentsAndFolderArePassedAsEmptyTexts) {
  Item().FilePath = "C:\\doc.txt";
  Launch();
  ASSERT_EQ(Shell.Calls().size(), 1u);
  EXPECT_EQ(Shell.Calls()[0].Parameters, "");
  EXPECT_EQ(Shell.Calls()[0].Folder, std::optional<std::string>(""));
}

TEST_F(LaunchItemTest, PressedLookIsPaintedBeforeTheShellIsCalled) {
  Item().FilePath = "C:\\a.exe";
  std::vector<std::string> order;
  ui::test::SetPendingMessages(App, [&] {
    order.push_back(Frame.Style() == ui::BevelStyle::Lowered ? "paint pressed" : "paint raised");
  });
  Shell.onExecute = [&](const ShellCall&) { order.push_back("shell"); };
  Launch();
  EXPECT_EQ(order, (std::vector<std::string>{"paint pressed", "shell"}));
}

TEST_F(LaunchItemTest, RefusedStartStillRestoresTheButton) {
  Item().FilePath = "C:\\gone.exe";
  Shell.SetRefusal([](const ShellCall&) { return true; });
  Launch();
  EXPECT_EQ(Shell.Calls().size(), 1u);
  ExpectRaised();
}

TEST_F(LaunchItemTest, FolderWithPopFolderOpensItsMenuAtThePointer) {
  MakeFile("C:\\Data\\sub\\in.txt");
  MakeFile("C:\\Data\\top.txt");
  Item().FilePath = "C:\\Data";
  Item().IsFolder = true;
  Popup.Items().Add("stale", "stale");
  ui::test::SetCursor(App, {300, 200});
  WatchPressedLook();

  ui::test::Script script(App);
  auto shown = script.ExpectPopup("LaunchPopup", [&](const ui::test::PopupRecord&) {
    EXPECT_FALSE(State.CanHide);
    EXPECT_EQ(Frame.Style(), ui::BevelStyle::Lowered);
    return std::string("C:\\Data\\top.txt");
  });
  Launch();
  script.Done();

  EXPECT_EQ(Popup.Directory(), "C:\\Data\\");
  EXPECT_EQ(shown.Shown().position, (ui::Point{300, 200}));
  ASSERT_EQ(shown.Shown().entries.size(), 2u);
  EXPECT_EQ(shown.Shown().entries[0].caption, "sub");
  EXPECT_EQ(shown.Shown().entries[1].caption, "top");
  // The picked file starts from the menu, owned by the application's window.
  EXPECT_EQ(Shell.Calls(), (std::vector<ShellCall>{{"", "", "C:\\Data\\top.txt", "", "C:\\Data\\",
                                                    platform::kShowNormal}}));
  EXPECT_EQ(looks, std::vector<bool>{true});
  EXPECT_TRUE(State.CanHide);
  ExpectRaised();
}

TEST_F(LaunchItemTest, FolderPathEndingInASeparatorGetsAnotherOne) {
  MakeFile("C:\\Data\\top.txt");
  Item().FilePath = "C:\\Data\\";
  Item().IsFolder = true;
  ui::test::Script script(App);
  script.ExpectPopup("LaunchPopup", ui::test::Dismiss());
  Launch();
  script.Done();
  EXPECT_EQ(Popup.Directory(), "C:\\Data\\\\");
  EXPECT_TRUE(Shell.Calls().empty());
}

TEST_F(LaunchItemTest, MissingFolderWithPopFolderShowsNothing) {
  Item().FilePath = "C:\\Gone";
  Item().IsFolder = true;
  Popup.Items().Add("stale", "stale");
  Launch();
  EXPECT_EQ(Popup.Items().Count(), 0);
  EXPECT_TRUE(ui::test::PopupsShown(App).empty());
  EXPECT_TRUE(State.CanHide);
  ExpectRaised();
}

TEST_F(LaunchItemTest, FolderWithoutPopFolderOpensExplorer) {
  Item().FilePath = "C:\\Data";
  Item().FileFolder = "C:\\Ignored";
  Item().IsFolder = true;
  Item().FileExecuteSize = 2;
  State.PopFolder = false;
  WatchPressedLook();
  Launch();
  EXPECT_EQ(Shell.Calls(), (std::vector<ShellCall>{{"Form1", "OPEN", "Explorer", "C:\\Data", std::nullopt,
                                                    platform::kShowMaximized}}));
  EXPECT_EQ(looks, std::vector<bool>{true});
  EXPECT_TRUE(ui::test::PopupsShown(App).empty());
}

TEST_F(LaunchItemTest, WorkFolderOfAProgramIsItsFolderAndOfAFolderItself) {
  Item() = {"Tool", "C:\\Tools\\tool.exe", "", "C:\\Work", "-v", "", 1, false, "", 0};
  WatchPressedLook();
  OpenWorkFolder(State, kSlot, Window, Shell);
  Item().IsFolder = true;
  Item().FileExecuteSize = 0;
  OpenWorkFolder(State, kSlot, Window, Shell);
  EXPECT_EQ(Shell.Calls(),
            (std::vector<ShellCall>{
                {"Form1", "Explore", "C:\\Work", "-v", std::nullopt, platform::kShowMinimized},
                {"Form1", "Explore", "C:\\Tools\\tool.exe", "-v", std::nullopt, platform::kShowNormal}}));
  // No pressed look on this path.
  EXPECT_EQ(looks, (std::vector<bool>{false, false}));
}

TEST_F(LaunchItemTest, ActsOnTheSlotOfTheCurrentPanel) {
  State.Item(0, kSlot).FilePath = "C:\\panel0.exe";
  Item().FilePath = "C:\\panel1.exe";
  Launch();
  State.CurrentPanel = 0;
  Launch();
  ASSERT_EQ(Shell.Calls().size(), 2u);
  EXPECT_EQ(Shell.Calls()[0].File, "C:\\panel1.exe");
  EXPECT_EQ(Shell.Calls()[1].File, "C:\\panel0.exe");
}

}  // namespace
}  // namespace pelorin
