// The grid of the main window: layout, icons, and the check for items whose
// file has gone.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_window_fixture.h"
#include "platform/headless/fake_icons.h"

namespace {

namespace uit = ui::test;
using pelorin::LauncherState;

struct LineState {
  int height;
  bool visible;
  bool operator==(const LineState&) const = default;
};

std::vector<LineState> ColumnLines(pelorin::TForm1& main, int count) {
  std::vector<LineState> lines;
  for (int i = 0; i < count; ++i) lines.push_back({main.ColumnLines[i]->Height(), main.ColumnLines[i]->Visible()});
  return lines;
}

std::vector<int> RowLineWidths(pelorin::TForm1& main) {
  std::vector<int> widths;
  for (auto& line : main.RowLines) widths.push_back(line->Width());
  return widths;
}

TEST(Grid, SevenItemsInRowsOfFive) {
  test::MainWindowFixture f;
  f.StartWithItems(7);
  pelorin::TForm1& main = f.Main();
  // Slots 5 and 6 start the second row.
  EXPECT_EQ(main.Bevels[4]->Bounds(), (ui::Rect{148, 0, 36, 36}));
  EXPECT_EQ(main.Bevels[5]->Bounds(), (ui::Rect{0, 37, 36, 36}));
  EXPECT_EQ(main.Images[6]->Bounds(), (ui::Rect{39, 39, 32, 32}));
  EXPECT_TRUE(main.Images[6]->Visible());
  EXPECT_FALSE(main.Images[7]->Visible());
  EXPECT_FALSE(main.Bevels[7]->Visible());
  EXPECT_EQ(ColumnLines(main, 5), (std::vector<LineState>{{72, true}, {72, true}, {35, true}, {35, true}, {35, true}}));
  EXPECT_EQ(main.ColumnLines[1]->Left(), 73);
  EXPECT_EQ(RowLineWidths(main), (std::vector<int>{184, 73, 0, 0}));
  EXPECT_EQ(main.Width(), 192);
  EXPECT_EQ(main.Height(), 134);
}

TEST(Grid, OneFullRow) {
  test::MainWindowFixture f;
  f.StartWithItems(5);
  EXPECT_EQ(ColumnLines(f.Main(), 5), std::vector<LineState>(5, {35, true}));
  EXPECT_EQ(RowLineWidths(f.Main()), (std::vector<int>{184, 0, 0, 0}));
}

TEST(Grid, PartialFirstRowHasLinesUnderItsItemsOnly) {
  for (int count = 0; count <= 4; ++count) {
    SCOPED_TRACE("items: " + std::to_string(count));
    test::MainWindowFixture f;
    f.StartWithItems(count);
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(f.Main().ColumnLines[i]->Visible(), i < count) << "line " << i;
      if (i < count) {
        EXPECT_EQ(f.Main().ColumnLines[i]->Height(), 35) << "line " << i;
      }
      EXPECT_EQ(f.Main().Bevels[i]->Visible(), i < count) << "bevel " << i;
    }
    // The window keeps the size of its layout options, empty or not.
    EXPECT_EQ(f.Main().ClientSize(), (ui::Size{186, 112}));
  }
}

TEST(Grid, FourPerRowPutsItemsSeventeenToTwentyInAFifthRowWithoutRowLine) {
  test::MainWindowFixture f;
  LauncherState state = test::DefaultState();
  state.ShowLine = 4;
  state.IcLine = 4;
  state.MaxLine = 20;
  f.StartWithItems(20, state);
  pelorin::TForm1& main = f.Main();
  EXPECT_EQ(main.Bevels[16]->Bounds(), (ui::Rect{0, 148, 36, 36}));
  EXPECT_EQ(main.Bevels[19]->Bounds(), (ui::Rect{111, 148, 36, 36}));
  EXPECT_EQ(RowLineWidths(main), (std::vector<int>{147, 147, 147, 147}));
  EXPECT_EQ(main.ColumnLines[0]->Height(), 37 * 5 - 2);
  EXPECT_EQ(main.ClientSize(), (ui::Size{4 * 37 + 1, 4 * 37 + 1}));
}

TEST(Grid, IconsComeFromTheShellOrFromTheNumberedIconOfTheFileAllInOneReading) {
  test::MainWindowFixture f;
  LauncherState state = test::DefaultState();
  pelorin::ItemRecord document = f.Item("C:\\Docs\\memo.txt");
  pelorin::ItemRecord numbered = f.Item("C:\\Tools\\tool.exe");
  numbered.IconPath = "C:\\Windows\\system32\\shell32.dll";
  numbered.IconNumber = 3;
  pelorin::ItemRecord noIcon = f.Item("C:\\Tools\\plain.exe");
  noIcon.IconPath = "C:\\Windows\\system32\\shell32.dll";
  noIcon.IconNumber = 500;
  state.AppendItem(0, document);
  state.AppendItem(0, numbered);
  state.AppendItem(0, noIcon);
  f.Fakes.Icons.SetIconCount("C:\\Windows\\system32\\shell32.dll", 184);
  f.StartWith(state);

  using platform::headless::FakeIconDescription;
  EXPECT_EQ(FakeIconDescription(f.Main().Images[0]->Picture()), "shell:C:\\Docs\\memo.txt");
  EXPECT_EQ(FakeIconDescription(f.Main().Images[1]->Picture()), "C:\\Windows\\system32\\shell32.dll,3");
  EXPECT_FALSE(f.Main().Images[2]->Picture());

  // One reading for the panel, so that shell32.dll is opened once.
  f.Fakes.Log.Clear();
  f.Main().RefreshPanel();
  std::vector<std::string> calls;
  for (const std::string& call : f.Fakes.Log.Calls()) {
    if (call.find("Icon") != std::string::npos || call.find("Reading") != std::string::npos) calls.push_back(call);
  }
  ASSERT_EQ(calls.size(), 5u);
  EXPECT_EQ(calls.front(), "BeginReading");
  EXPECT_EQ(calls.back(), "EndReading");
}

TEST(Grid, RefreshingNeverLeaksIcons) {
  test::MainWindowFixture f;
  f.StartWithItems(20 - 5);
  const int live = platform::headless::LiveFakeIconCount();
  for (int i = 0; i < 100; ++i) f.Main().RefreshPanel();
  EXPECT_EQ(platform::headless::LiveFakeIconCount(), live);
}

TEST(Grid, TwoMissingItemsAreOfferedForDeletionOneAfterTheOther) {
  test::MainWindowFixture f;
  LauncherState state = test::DefaultState();
  state.AppendItem(0, f.Item("C:\\Tools\\a.exe"));
  state.AppendItem(0, f.Item("C:\\Gone\\b.exe", true));
  state.AppendItem(0, f.Item("C:\\Gone\\c.exe", true));
  state.AppendItem(0, f.Item("C:\\Tools\\d.exe"));
  f.WriteDataFiles(state);

  uit::Script script(f.Ui);
  auto first = script.ExpectMessageBox(platform::MessageResult::Ok);
  auto second = script.ExpectMessageBox(platform::MessageResult::Ok);
  ASSERT_TRUE(f.StartAndShow());
  script.Done();

  EXPECT_EQ(first.Text(), "\"C:\\Gone\\b.exe\"は存在しない可能性があります。削除しますか？");
  EXPECT_EQ(first.Caption(), "アイテム削除確認");
  EXPECT_EQ(first.Style(), platform::MessageStyle::Confirm);
  EXPECT_EQ(second.Text(), "\"C:\\Gone\\c.exe\"は存在しない可能性があります。削除しますか？");
  const LauncherState& now = f.App.State();
  ASSERT_EQ(now.PanelItemCount[0], 2);
  EXPECT_EQ(now.Item(0, 0).FilePath, "C:\\Tools\\a.exe");
  EXPECT_EQ(now.Item(0, 1).FilePath, "C:\\Tools\\d.exe");
  EXPECT_TRUE(f.Main().Bevels[1]->Visible());
  EXPECT_FALSE(f.Main().Bevels[2]->Visible());
  EXPECT_TRUE(now.CanHide);
}

TEST(Grid, CancelKeepsAMissingItemAndAsksAgainNextTime) {
  test::MainWindowFixture f;
  LauncherState state = test::DefaultState();
  state.AppendItem(0, f.Item("C:\\Gone\\b.exe", true));
  f.WriteDataFiles(state);
  uit::Script script(f.Ui);
  script.ExpectMessageBox(platform::MessageResult::Cancel);
  script.ExpectMessageBox(platform::MessageResult::Cancel);
  ASSERT_TRUE(f.StartAndShow());
  EXPECT_TRUE(f.Main().Bevels[0]->Visible());
  f.Main().RefreshPanel();
  script.Done();
  EXPECT_EQ(f.App.State().PanelItemCount[0], 1);
}

TEST(Grid, DeletingASlotBeyondThePanelChangesNothing) {
  test::MainWindowFixture f;
  f.StartWithItems(3);
  f.Main().SelectedSlot = 3;
  f.Main().N11Click();
  EXPECT_EQ(f.App.State().PanelItemCount[0], 3);
  f.Main().SelectedSlot = 2;
  f.Main().N11Click();
  EXPECT_EQ(f.App.State().PanelItemCount[0], 2);
  EXPECT_FALSE(f.Main().Bevels[2]->Visible());
}

TEST(Grid, AppearanceColoursTheWindowAndTheLines) {
  test::MainWindowFixture f;
  LauncherState state = test::DefaultState();
  state.ButtonShado = 0x000000FF;
  state.ControlColor = 0x00FF0000;
  f.StartWithItems(2, state);
  EXPECT_EQ(f.Main().ColumnLines[0]->Color(), 0x000000FF);
  EXPECT_EQ(f.Main().RowLines[3]->Color(), 0x000000FF);
  EXPECT_EQ(f.App.ControlWindow().Color(), 0x00FF0000);
  // The default main colour stays a system colour, resolved when drawn.
  EXPECT_EQ(f.Main().Color(), ui::SystemColor(ui::syscolor::kBtnFace));
}

}  // namespace
