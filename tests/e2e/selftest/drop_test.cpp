// Files dropped from outside arrive as the shell delivers them.

#include "harness/e2e.h"

namespace e2e {
namespace {

TEST(Drop, DeliversNamesAndPointByteForByte) {
  E2eSession s;
  auto target = s.StageHelper("drop_target.exe");
  Program program = s.Start(target);
  Window window = program.WaitForWindow({.title = "drop_target"});

  const std::vector<std::string> files = {"C:\\a.txt", s.WindowsPath(s.StageDir() / "表示 フォルダ" / "メモ.lnk")};
  s.DropFiles(window, files, 12, 34);
  EXPECT_EQ(program.WaitForExit(), 2);

  auto drops = s.WaitForLogRecords(s.StageDir() / "drop_target.log", 1);
  ASSERT_EQ(drops.size(), 1u);
  EXPECT_EQ(drops[0].Int("count"), 2);
  EXPECT_EQ(drops[0].Int("x"), 12);
  EXPECT_EQ(drops[0].Int("y"), 34);
  EXPECT_EQ(drops[0].All("file"), files);
}

}  // namespace
}  // namespace e2e
