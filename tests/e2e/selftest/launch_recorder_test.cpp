// launch_recorder.exe records how it was started, as ShellExecuteW passes
// parameters, working folder and show command; the probe starts it that way.

#include "harness/e2e.h"

namespace e2e {
namespace {

TEST(LaunchRecorder, RecordsParametersFolderAndShowCommand) {
  E2eSession s;
  auto recorder = s.StageHelper("launch_recorder.exe", "ツール/表示/tool.exe");
  auto folder = s.WriteFile("作業 フォルダ/keep.txt", "").parent_path();

  int result = s.GetProbe().ShellExecute({.file = s.WindowsPath(recorder),
                                          .parameters = "-x \"two words\" 表示",
                                          .folder = s.WindowsPath(folder),
                                          .showCommand = 2});
  EXPECT_GT(result, 32);

  auto launches = s.WaitForLaunches(recorder, 1);
  ASSERT_EQ(launches.size(), 1u);
  EXPECT_EQ(launches[0].exe, s.WindowsPath(recorder));
  EXPECT_EQ(launches[0].commandLine, "\"" + s.WindowsPath(recorder) + "\" -x \"two words\" 表示");
  EXPECT_EQ(launches[0].folder, s.WindowsPath(folder));
  EXPECT_TRUE(launches[0].usesShowWindow);
  EXPECT_EQ(launches[0].showCommand, 2);
}

TEST(LaunchRecorder, AppendsOneRecordPerStart) {
  E2eSession s;
  auto recorder = s.StageHelper("launch_recorder.exe");
  for (int show : {3, 1}) {
    EXPECT_GT(s.GetProbe().ShellExecute({.file = s.WindowsPath(recorder), .showCommand = show}), 32);
    s.WaitForLaunches(recorder, show == 3 ? 1 : 2);
  }
  auto launches = s.WaitForLaunches(recorder, 2);
  ASSERT_EQ(launches.size(), 2u);
  EXPECT_EQ(launches[0].showCommand, 3);
  EXPECT_EQ(launches[1].showCommand, 1);
}

}  // namespace
}  // namespace e2e
