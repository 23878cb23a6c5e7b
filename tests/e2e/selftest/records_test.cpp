// The host's reading of helper output, without Wine.

#include "harness/e2e.h"

namespace e2e {
namespace {

TEST(Records, UnescapesBackslashCrAndLf) {
  std::string raw = "text=表\\\\ソ\\n1\\\\2\\r\r\nkey=v\r\n\r\n";
  auto records = ParseRecords(raw);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].Text("text"), "表\\ソ\n1\\2\r");
  EXPECT_EQ(records[0].Text("key"), "v");
}

TEST(Records, LeavesOutAnUnfinishedRecord) {
  auto records = ParseRecords("a=1\n\nb=2\n\nc=3\n");
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[1].Int("b"), 2);
  EXPECT_EQ(records[0].All("b"), std::vector<std::string>{});
}

TEST(Records, RepeatedKeysAndRectangles) {
  auto records = ParseRecords("button=1:OK\nbutton=2:キャンセル\nrect=-3,4,100,200\nhwnd=0x0001004C\n\n");
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].All("button"), (std::vector<std::string>{"1:OK", "2:キャンセル"}));
  EXPECT_EQ(records[0].Rectangle("rect"), (Rect{-3, 4, 100, 200}));
  EXPECT_EQ(records[0].Hex("hwnd"), 0x1004Cu);
  EXPECT_THROW(records[0].Text("missing"), std::runtime_error);
}

TEST(Text, Cp932RoundTrip) {
  EXPECT_EQ(ToCp932("ワークスペース"), "\x83\x8F\x81\x5B\x83\x4E\x83\x58\x83\x79\x81\x5B\x83\x58");
  EXPECT_EQ(FromCp932(ToCp932("表示 ＭＳ Ｐゴシック")), "表示 ＭＳ Ｐゴシック");
  EXPECT_EQ(FromCp932("\x81"), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace e2e
