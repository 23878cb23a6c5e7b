#include "core/data_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <vector>

#include "core/data_files_fixture.h"

namespace pelorin {
namespace {

using namespace test_data;

using platform::MessageStyle;
using platform::headless::FakeFileSystem;
using platform::headless::FileOperation;

const std::string kFirstRunPanels = Lines({"1", "ワークスペース", "0"}) + Repeat(Lines({"", "0"}), 9);
const std::vector<std::string> kFirstRunOptionLines = {
    "5", "3", "15", "TRUE", "0", "ＭＳ Ｐゴシック", "-2147483640", "-2147483633", "-2147483633", "-2147483642",
    "TRUE", "TRUE", "TRUE", "TRUE", "2", "FALSE", "TRUE", "TRUE", "", "", "", "", "", "",
    "89", "111", "109", "253", "FALSE", "TRUE", "140"};
const std::string kFirstRunOptions = Lines(kFirstRunOptionLines);

// The first-run options with some lines (counted from 1) changed.
std::string OptionsWith(const std::map<int, std::string>& changes) {
  auto lines = kFirstRunOptionLines;
  for (const auto& [line, text] : changes) lines.at(line - 1) = text;
  return Lines(lines);
}

TEST_F(DataFilesTest, FirstRunReadsNothingElseAndExitWritesTheDefaults) {
  PutAll("", "", "");
  std::filesystem::remove(Host("svp.pld"));
  state.ShowLine = 7;  // a prior value, which a first run keeps

  EXPECT_EQ(LoadAll(state, files, messages), LoadResult::FirstRun);
  EXPECT_TRUE(state.FirstRun);
  EXPECT_EQ(state.PanelCount, 0);
  EXPECT_EQ(state.ShowLine, 7);
  EXPECT_EQ(Reads(), std::vector<std::string>{"ReadWholeFile C:\\Pelorin\\svp.pld"});
  EXPECT_TRUE(messages.Shown().empty());

  state.ApplyFirstRunDefaults();
  ASSERT_TRUE(SaveAll(state, StartPositions(state), files, messages));
  EXPECT_EQ(Contents("svp.pld"), kFirstRunPanels);
  EXPECT_EQ(Contents("svf.itd"), "");
  EXPECT_EQ(Contents("opt.dat"), kFirstRunOptions);
  EXPECT_EQ(FolderContents(), kThreeFiles);
  EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(DataFilesTest, ValidFilesLoadIntoTheStateAndSaveBackByteForByte) {
  PutAll(kPanels, kItems, kOptions);
  ASSERT_EQ(LoadAll(state, files, messages), LoadResult::Loaded);
  EXPECT_TRUE(messages.Shown().empty());
  EXPECT_EQ(Reads(), (std::vector<std::string>{"ReadWholeFile C:\\Pelorin\\svp.pld",
                                               "ReadWholeFile C:\\Pelorin\\svf.itd",
                                               "ReadWholeFile C:\\Pelorin\\opt.dat"}));

  EXPECT_EQ(state.PanelName[2], "表示");
  EXPECT_TRUE(state.Item(0, 1).IsFolder);
  EXPECT_EQ(state.Item(0, 1).IconNumber, -3);
  EXPECT_EQ(state.Item(2, 0).FileName, "ソフト");
  EXPECT_EQ(state.Item(2, 0).FileExecuteSize, 1);
  EXPECT_EQ(state.Item(1, 0), ItemRecord{});
  EXPECT_EQ(state.CurrentPanel, 2);
  EXPECT_EQ(state.FontName, "ＭＳ ゴシック");
  EXPECT_EQ(state.HotClp, "Ctrl+Alt+K");
  EXPECT_EQ(state.ControlLeft, -2147483647 - 1);
  EXPECT_EQ(state.AlphaBar, 185);

  ASSERT_TRUE(SaveAll(state, StartPositions(state), files, messages));
  EXPECT_EQ(Contents("svp.pld"), kPanels);
  EXPECT_EQ(Contents("svf.itd"), kItems);
  EXPECT_EQ(Contents("opt.dat"), kOptions);
}

TEST_F(DataFilesTest, CountsDecideWhichRecordsAreWrittenAndWhereTheyAreRead) {
  state.PanelCount = 3;
  state.PanelItemCount = {2, 0, 3};
  const char* names[] = {"p0s0", "p0s1", "p2s0", "p2s1", "p2s2"};
  state.Item(0, 0).FileName = names[0];
  state.Item(0, 1).FileName = names[1];
  state.Item(2, 0).FileName = names[2];
  state.Item(2, 1).FileName = names[3];
  state.Item(2, 2).FileName = names[4];
  state.Item(2, 1).FileHint = "";
  state.Item(0, 2).FileName = "beyond the count";  // not written
  state.Item(1, 0).FileName = "panel without items";
  ASSERT_TRUE(SaveAll(state, {}, files, messages));

  const std::string items = Contents("svf.itd");
  EXPECT_EQ(std::count(items.begin(), items.end(), '\n'), 50);
  EXPECT_EQ(items.find("beyond"), std::string::npos);
  EXPECT_EQ(items.find("without"), std::string::npos);
  EXPECT_NE(items.find("p2s1\r\n\r\n\r\n"), std::string::npos);  // the empty hint is an empty line

  LauncherState loaded;
  ASSERT_EQ(LoadAll(loaded, files, messages), LoadResult::Loaded);
  EXPECT_EQ(loaded.Item(0, 0).FileName, "p0s0");
  EXPECT_EQ(loaded.Item(0, 1).FileName, "p0s1");
  EXPECT_EQ(loaded.Item(2, 0).FileName, "p2s0");
  EXPECT_EQ(loaded.Item(2, 1).FileName, "p2s1");
  EXPECT_EQ(loaded.Item(2, 1).FileHint, "");
  EXPECT_EQ(loaded.Item(2, 2).FileName, "p2s2");
  EXPECT_EQ(loaded.Item(0, 2), ItemRecord{});
  EXPECT_EQ(loaded.Item(1, 0), ItemRecord{});
}

TEST_F(DataFilesTest, WindowPositionsAreTakenFromTheLiveWindows) {
  state.ApplyFirstRunDefaults();
  ASSERT_TRUE(SaveAll(state, {10, -20, 300, 4000}, files, messages));
  EXPECT_EQ(Contents("opt.dat"), OptionsWith({{25, "10"}, {26, "-20"}, {27, "300"}, {28, "4000"}}));
}

TEST_F(DataFilesTest, ShiftJisFolderWhoseSecondByteIsTheSeparator) {
  files.SetExecutablePath("C:\\ツール\\表示\\Pelorin.exe");
  ASSERT_EQ(std::string("表").substr(1), "\\");  // 表 is 0x95 0x5C
  EXPECT_EQ(DataFolder(files), "C:\\ツール\\表示\\");

  files.MakeFolder("C:\\ツール\\表示");
  state.ApplyFirstRunDefaults();
  ASSERT_TRUE(SaveAll(state, StartPositions(state), files, messages));
  EXPECT_EQ(test::ReadHostFile(files.HostPath("C:\\ツール\\表示\\svp.pld")), kFirstRunPanels);

  LauncherState loaded;
  ASSERT_EQ(LoadAll(loaded, files, messages), LoadResult::Loaded);
  EXPECT_EQ(loaded.PanelName[0], "ワークスペース");
  EXPECT_EQ(Reads().back(), "ReadWholeFile C:\\ツール\\表示\\opt.dat");
}

// One item in panel 0 whose IsFolder line is isFolder.
std::string ItemWithFolderLine(const std::string& isFolder) {
  return Lines({"n", "p", "h", "f", "a", "s", "0", isFolder, "i", "7"});
}

TEST(ReadItemFileTest, BooleanSpellings) {
  const std::pair<std::string, bool> valid[] = {{"TRUE", true},   {"True", true},  {"true", true},
                                                {"1", true},      {"-2", true},    {"FALSE", false},
                                                {"false", false}, {"0", false},    {"000", false}};
  for (const auto& [text, expected] : valid) {
    SCOPED_TRACE(text);
    LauncherState state;
    state.PanelItemCount[0] = 1;
    state.Item(0, 0).IsFolder = !expected;
    EXPECT_EQ(ReadItemFile(ItemWithFolderLine(text), state), std::nullopt);
    EXPECT_EQ(state.Item(0, 0).IsFolder, expected);
    EXPECT_EQ(state.Item(0, 0).IconNumber, 7);
  }
  for (const std::string text : {"yes", "", "T", "TRUE ", " 1", "1.0", "-"}) {
    SCOPED_TRACE(text);
    LauncherState state;
    state.PanelItemCount[0] = 1;
    const auto error = ReadItemFile(ItemWithFolderLine(text), state);
    EXPECT_EQ(error, (ConversionError{ConversionError::ValueKind::Boolean, text, 8}));
    EXPECT_EQ(state.Item(0, 0).FileExecuteSize, 0);
    EXPECT_EQ(state.Item(0, 0).Sincro, "s");  // read before the failing line
    EXPECT_EQ(state.Item(0, 0).IconPath, "");  // after it: never read
  }
}

TEST(ReadPanelFileTest, IntegerLineRules) {
  struct Case {
    std::string firstLines;  // PanelCount, then the first name line follows
    int expectedCount;
    std::string expectedName;
  };
  const Case cases[] = {
      {"3\r\nA\r\n", 3, "A"},
      {"\r\n\r\n  \t\r\n 3\r\nA\r\n", 3, "A"},       // blank lines before the number are passed over
      {"4 junk after a blank\r\nA\r\n", 4, "A"},     // the rest of the line is ignored
      {"5\tx\r\nA\r\n", 5, "A"},                     // a control character ends the number
      {"+6\r\nA\r\n", 6, "A"},
      {"-0000000000000000000000000000000012\r\nA\r\n", 1, "A"},  // only 32 characters: "-000...0" is 0
      {"261\r\nA\r\n", 5, "A"},                      // an 8-bit value keeps the low byte
      {"", 1, ""},                                  // the end of the file reads as 0
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.firstLines);
    LauncherState state;
    EXPECT_EQ(ReadPanelFile(c.firstLines, state), std::nullopt);
    state.ClampPanelTables();
    EXPECT_EQ(state.PanelCount, c.expectedCount);
    EXPECT_EQ(state.PanelName[0], c.expectedName);
  }
}

TEST(ReadPanelFileTest, InvalidIntegersStopAtTheirLine) {
  const std::pair<std::string, std::string> cases[] = {
      {"12abc", "12abc"},
      {"0x10", "0x10"},
      {"1234567890123456789012345678901234567890", "12345678901234567890123456789012"},
      {"2147483648", "2147483648"},
      {"-", "-"},
  };
  for (const auto& [line, text] : cases) {
    SCOPED_TRACE(line);
    LauncherState state;
    state.PanelCount = 9;
    state.PanelName[0] = "kept";
    EXPECT_EQ(ReadPanelFile(Lines({"2", "A", line, "B", "4"}), state),
              (ConversionError{ConversionError::ValueKind::Integer, text, 3}));
    EXPECT_EQ(state.PanelCount, 2);
    EXPECT_EQ(state.PanelName[0], "A");
    EXPECT_EQ(state.PanelName[1], "");
  }
  LauncherState state;
  EXPECT_EQ(ReadPanelFile(Lines({"-2147483648"}), state), std::nullopt);
}

TEST_F(DataFilesTest, MissingOptionsFileIsReportedAfterTheItemsWereRead) {
  Put("svp.pld", kPanels);
  Put("svf.itd", kItems);

  EXPECT_EQ(LoadAll(state, files, messages), LoadResult::Failed);
  EXPECT_EQ(state.Item(2, 2).FileName, "five");
  EXPECT_FALSE(state.FirstRun);
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0],
            (test::ShownMessage{"No such file or directory\r\nC:\\Pelorin\\opt.dat", "Pelorin", MessageStyle::Error}));

  // Options stay zero, except those the windows divide or index by.
  EXPECT_FALSE(state.PopFolder);
  EXPECT_EQ(state.FontName, "");
  EXPECT_EQ(state.MainColor, 0);
  EXPECT_EQ(state.ShowLine, kShowLineMin);
  EXPECT_EQ(state.IcLine, kIcLineMin);
  EXPECT_EQ(state.MaxLine, kMaxLineMin);
  EXPECT_EQ(state.BarWidth, kBarWidthMin);
  EXPECT_EQ(state.AlphaBar, 0);
  EXPECT_EQ(state.CurrentPanel, 0);
}

TEST_F(DataFilesTest, UnreadableItemsFileStopsBeforeTheOptions) {
  PutAll(kPanels, kItems, kOptions);
  files.InjectFailure(FileOperation::Read, "アクセスが拒否されました。", "C:\\Pelorin\\svf.itd");

  EXPECT_EQ(LoadAll(state, files, messages), LoadResult::Failed);
  EXPECT_EQ(state.PanelName[2], "表示");
  EXPECT_EQ(state.Item(0, 0).FileName, "");
  EXPECT_EQ(state.FontName, "");
  EXPECT_EQ(Reads().size(), 2u);
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].Text, "アクセスが拒否されました。\r\nC:\\Pelorin\\svf.itd");
}

TEST_F(DataFilesTest, BadNumberInTheItemsIsReportedWithItsLine) {
  // The second record's IconNumber (line 20) is not a number.
  std::string items = Record("one") + Record("two", "FALSE", "x1") + Record("three");
  PutAll(Lines({"1", "A", "3"}) + Repeat(Lines({"", "0"}), 9), items, kOptions);
  state.Item(0, 2).FileName = "prior";

  EXPECT_EQ(LoadAll(state, files, messages), LoadResult::Failed);
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].Text, "'x1' は有効な整数値ではありません。\r\nC:\\Pelorin\\svf.itd の 20 行目");
  EXPECT_EQ(state.Item(0, 1).IconPath, "C:\\Tools\\two.exe");
  EXPECT_EQ(state.Item(0, 2).FileName, "prior");
  EXPECT_EQ(Reads().size(), 2u);  // opt.dat is not read
}

TEST_F(DataFilesTest, FileThatEndsEarlyReadsEmptyAndZeroUntilTheNextBoolean) {
  PutAll(kPanels, kItems, "9\r\n2");  // ends in the middle of line 2
  EXPECT_EQ(LoadAll(state, files, messages), LoadResult::Failed);
  EXPECT_EQ(state.ShowLine, 9);
  EXPECT_EQ(state.IcLine, 2);
  EXPECT_EQ(state.MaxLine, kMaxLineMin);  // read as 0, then brought into range
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].Text, "'' は有効なブール値ではありません。\r\nC:\\Pelorin\\opt.dat の 4 行目");
}

TEST_F(DataFilesTest, LinesPastTheLastValueAreNeverRead) {
  PutAll(kPanels + "junk\r\n", kItems + Lines({"not", "a", "record", "x", "x", "x", "x", "maybe"}),
         kOptions + Lines({"no", "more"}));
  EXPECT_EQ(LoadAll(state, files, messages), LoadResult::Loaded);
  EXPECT_TRUE(messages.Shown().empty());
  EXPECT_EQ(state.AlphaBar, 185);
}

TEST_F(DataFilesTest, OutOfRangeValuesAreBroughtIntoRange) {
  // PanelCount 12, CurrentPanel 11, panel 0 claims 25 items: only 20 are read,
  // so the broken 21st record is never reached.
  const std::string panels = Lines({"12", "A", "25"}) + Repeat(Lines({"", "0"}), 9);
  const std::string items = Repeat(Record("r"), 20) + Lines({"bad", "", "", "", "", "", "x"});
  PutAll(panels, items, OptionsWith({{1, "3"}, {2, "5"}, {3, "21"}, {5, "11"}, {15, "9"}, {31, "-5"}}));

  ASSERT_EQ(LoadAll(state, files, messages), LoadResult::Loaded);
  EXPECT_EQ(state.PanelCount, 10);
  EXPECT_EQ(state.PanelItemCount[0], 20);
  EXPECT_EQ(state.Item(0, 19).FileName, "r");
  EXPECT_EQ(state.Item(1, 0).FileName, "");
  EXPECT_EQ(state.CurrentPanel, 0);  // 11 is beyond the ten panels
  EXPECT_EQ(state.ShowLine, 4);
  EXPECT_EQ(state.IcLine, 4);
  EXPECT_EQ(state.MaxLine, 20);
  EXPECT_EQ(state.BarWidth, 8);
  EXPECT_EQ(state.AlphaBar, 0);

  PutAll(Lines({"0"}) + Repeat(Lines({"", "0"}), 10), "",
         OptionsWith({{1, "255"}, {2, "0"}, {3, "2"}, {5, "1"}, {15, "0"}, {31, "186"}}));
  ASSERT_EQ(LoadAll(state, files, messages), LoadResult::Loaded);
  EXPECT_EQ(state.PanelCount, 1);
  EXPECT_EQ(state.CurrentPanel, 0);  // 1 is beyond the only panel
  EXPECT_EQ(state.ShowLine, 20);
  EXPECT_EQ(state.IcLine, 1);
  EXPECT_EQ(state.MaxLine, 4);
  EXPECT_EQ(state.BarWidth, 1);
  EXPECT_EQ(state.AlphaBar, 185);
}

TEST_F(DataFilesTest, SaveCommitsAllThreeFilesBeforeReplacingAnything) {
  state.ApplyFirstRunDefaults();
  ASSERT_TRUE(SaveAll(state, StartPositions(state), files, messages));
  std::vector<std::string> changes;
  for (const auto& call : files.Log().Calls()) {
    if (call.rfind("Write", 0) == 0 || call.rfind("Move", 0) == 0 || call.rfind("Remove", 0) == 0) {
      changes.push_back(call);
    }
  }
  EXPECT_EQ(changes, (std::vector<std::string>{
                         // Leftovers of a stopped save, if any, go first.
                         "RemoveFile C:\\Pelorin\\svf.itd.tmp",
                         "RemoveFile C:\\Pelorin\\svp.pld.tmp",
                         "RemoveFile C:\\Pelorin\\opt.dat.tmp",
                         "WriteWholeFile C:\\Pelorin\\svf.itd.tmp",
                         "WriteWholeFile C:\\Pelorin\\svp.pld.tmp",
                         "WriteWholeFile C:\\Pelorin\\opt.dat.tmp",
                         "WriteWholeFile C:\\Pelorin\\save.commit",
                         "MoveOver C:\\Pelorin\\svf.itd.tmp -> C:\\Pelorin\\svf.itd",
                         "MoveOver C:\\Pelorin\\svp.pld.tmp -> C:\\Pelorin\\svp.pld",
                         "MoveOver C:\\Pelorin\\opt.dat.tmp -> C:\\Pelorin\\opt.dat",
                         "RemoveFile C:\\Pelorin\\save.commit",
                     }));
  EXPECT_EQ(FolderContents(), kThreeFiles);
}

TEST_F(DataFilesTest, FailedWriteLeavesTheOldFilesAndNoTemporaryFile) {
  for (const std::string name : {"svf.itd", "svp.pld", "opt.dat"}) {
    SCOPED_TRACE(name);
    PutAll(kPanels, kItems, kOptions);
    FakeFileSystem failing(temp.Path(), "C:\\Pelorin\\Pelorin.exe");
    test::RecordingMessageBoxes failingMessages;
    failing.InjectFailure(FileOperation::Write, "ディスクに空き領域がありません。", folder + name + ".tmp");
    state.ApplyFirstRunDefaults();

    EXPECT_FALSE(SaveAll(state, StartPositions(state), failing, failingMessages));
    EXPECT_EQ(Contents("svp.pld"), kPanels);
    EXPECT_EQ(Contents("svf.itd"), kItems);
    EXPECT_EQ(Contents("opt.dat"), kOptions);
    EXPECT_EQ(FolderContents(), kThreeFiles);
    EXPECT_TRUE(failing.Log().CallsStartingWith("MoveOver").empty());
    ASSERT_EQ(failingMessages.Shown().size(), 1u);
    EXPECT_EQ(failingMessages.Shown()[0],
              (test::ShownMessage{"ディスクに空き領域がありません。\r\nC:\\Pelorin\\" + name + ".tmp", "Pelorin",
                                  MessageStyle::Error}));
  }
}

}  // namespace
}  // namespace pelorin
