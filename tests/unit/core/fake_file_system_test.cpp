#include "platform/headless/fake_file_system.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace platform::headless {
namespace {

TEST(FakeFileSystemTest, MapsWindowsPathsByCharacters) {
  test::TempFolder temp;
  FakeFileSystem files(temp.Path());
  EXPECT_EQ(files.HostPath("C:\\ツール\\表示\\a.txt"), temp.Path() / "C" / "ツール" / "表示" / "a.txt");
  EXPECT_EQ(files.HostPath("d:/x\\y\\"), temp.Path() / "d" / "x" / "y");
}

TEST(FakeFileSystemTest, InjectedFailuresByPathAndOccurrence) {
  test::TempFolder temp;
  FakeFileSystem files(temp.Path());
  files.MakeFolder("C:\\d");
  files.InjectFailure(FileOperation::Write, "full", "C:\\d\\b");
  files.InjectFailure(FileOperation::MoveOver, "busy", {}, 2);

  EXPECT_TRUE(files.WriteWholeFile("C:\\d\\a", "x"));
  const FileResult failed = files.WriteWholeFile("C:\\d\\b", "x");
  EXPECT_FALSE(failed);
  EXPECT_EQ(failed.message, "full");
  EXPECT_FALSE(std::filesystem::exists(files.HostPath("C:\\d\\b")));

  EXPECT_TRUE(files.MoveOver("C:\\d\\a", "C:\\d\\c"));
  EXPECT_EQ(files.MoveOver("C:\\d\\c", "C:\\d\\a").message, "busy");
  EXPECT_TRUE(files.MoveOver("C:\\d\\c", "C:\\d\\a"));
}

}  // namespace
}  // namespace platform::headless
