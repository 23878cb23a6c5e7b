// Files dropped from outside arrive as the shell delivers them.

#include "harness/e2e.h"

namespace e2e {
namespace {

// drop_target.exe's record of its one drop; its exit status is the count.
Record DropOnTarget(E2eSession& s, const std::vector<std::string>& files, bool wide) {
  auto target = s.StageHelper("drop_target.exe");
  Program program = s.Start(target);
  Window window = program.WaitForWindow({.title = "drop_target"});
  s.DropFiles(window, files, 12, 34, wide);
  EXPECT_EQ(program.WaitForExit(), static_cast<int>(files.size()));
  auto drops = s.WaitForLogRecords(s.StageDir() / "drop_target.log", 1);
  EXPECT_EQ(drops.size(), 1u);
  return drops.at(0);
}

// Names outside code page 932 arrive whole.
TEST(Drop, DeliversWideNamesAndPoint) {
  E2eSession s;
  const std::vector<std::string> files = {"C:\\a.txt", s.WindowsPath(s.StageDir() / "表示 フォルダ" / "メモ.lnk"),
                                          "C:\\도구\\é.txt"};
  Record drop = DropOnTarget(s, files, true);
  EXPECT_EQ(drop.Int("count"), 3);
  EXPECT_EQ(drop.Int("x"), 12);
  EXPECT_EQ(drop.Int("y"), 34);
  EXPECT_EQ(drop.All("file"), files);
}

TEST(AnsiDrop, DeliversNamesInTheSystemCodePage) {
  E2eSession s;
  const std::vector<std::string> files = {"C:\\a.txt", s.WindowsPath(s.StageDir() / "表示 フォルダ" / "メモ.lnk")};
  EXPECT_EQ(DropOnTarget(s, files, false).All("file"), files);
}

}  // namespace
}  // namespace e2e
