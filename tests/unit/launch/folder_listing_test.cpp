// The host stand-ins for the platform's folder listing and name order.

#include <gtest/gtest.h>

#include "platform/collation.h"
#include "platform/headless/fake_file_system.h"
#include "support/temp_folder.h"

namespace platform::headless {
namespace {

class FolderListingTest : public ::testing::Test {
 protected:
  void MakeFile(const std::string& windowsPath) { test::WriteHostFile(files.HostPath(windowsPath), "x"); }

  std::vector<std::string> Names(const std::string& pattern) {
    std::vector<std::string> names;
    for (const auto& found : files.FindFiles(pattern)) names.push_back(found.Name);
    return names;
  }

  test::TempFolder temp;
  CallLog log;
  FakeFileSystem files{temp.Path(), "C:\\p.exe", &log};
};

TEST_F(FolderListingTest, WildcardsIgnoreLetterCaseAndDotStarTakesNamesWithoutDot) {
  files.MakeFolder("C:\\d\\sub");
  for (const char* name : {"a.lnk", "B.LNK", "c.lnkx", "README", "ab.txt", "x.y.lnk"}) {
    MakeFile("C:\\d\\" + std::string(name));
  }
  EXPECT_EQ(Names("C:\\d\\*.lnk"), (std::vector<std::string>{"x.y.lnk", "a.lnk", "B.LNK"}));
  EXPECT_EQ(Names("C:\\d\\*.*"),
            (std::vector<std::string>{"x.y.lnk", "sub", "c.lnkx", "ab.txt", "a.lnk", "README", "B.LNK", "..", "."}));
  EXPECT_EQ(Names("C:\\d\\?.lnk"), (std::vector<std::string>{"a.lnk", "B.LNK"}));
  EXPECT_EQ(Names("C:\\d\\readme.*"), std::vector<std::string>{"README"});
}

TEST_F(FolderListingTest, DoubleByteSecondBytesAreNotLetters) {
  files.MakeFolder("C:\\d");
  // ア is 0x83 0x41: its second byte is the code of 'A'.
  MakeFile("C:\\d\\ア.txt");
  MakeFile("C:\\d\\bar.txt");
  EXPECT_EQ(Names("C:\\d\\*a*"), std::vector<std::string>{"bar.txt"});
  EXPECT_EQ(Names("C:\\d\\?.txt"), std::vector<std::string>{"ア.txt"});
}

TEST_F(FolderListingTest, AttributesOfFilesFoldersAndMissingPaths) {
  files.MakeFolder("C:\\d\\sub");
  MakeFile("C:\\d\\h.txt");
  files.SetAttributeBits("C:\\d\\h.txt", kAttributeHidden);
  files.SetAttributeBits("C:\\d\\sub", kAttributeReadOnly);
  EXPECT_EQ(files.Attributes("C:\\d\\h.txt"), kAttributeArchive | kAttributeHidden);
  EXPECT_EQ(files.Attributes("C:\\d\\sub\\"), kAttributeDirectory | kAttributeReadOnly);
  EXPECT_EQ(files.Attributes("C:\\d"), kAttributeDirectory);
  EXPECT_EQ(files.Attributes("C:\\d\\none"), std::nullopt);
  EXPECT_EQ(files.Attributes(""), std::nullopt);
  EXPECT_TRUE(files.Exists("C:\\d\\h.txt"));
  EXPECT_FALSE(files.Exists("C:\\d\\none"));
  EXPECT_EQ(files.FindFiles("C:\\d\\*.*"),
            (std::vector<FoundFile>{{"sub", kAttributeDirectory | kAttributeReadOnly},
                                    {"h.txt", kAttributeArchive | kAttributeHidden},
                                    {"..", kAttributeDirectory},
                                    {".", kAttributeDirectory}}));
}

TEST_F(FolderListingTest, DriveRootHasNoDotEntriesAndMissingFolderNothing) {
  files.MakeFolder("C:\\d");
  EXPECT_EQ(Names("C:\\*.*"), std::vector<std::string>{"d"});
  EXPECT_TRUE(Names("C:\\none\\*.*").empty());
  EXPECT_EQ(log.CallsStartingWith("FindFiles"),
            (std::vector<std::string>{"FindFiles C:\\*.*", "FindFiles C:\\none\\*.*"}));
}

TEST(CollationTest, LettersFoldedOutsideDoubleByteCharacters) {
  EXPECT_LT(CompareTextIgnoreCase("apple", "Banana"), 0);
  EXPECT_EQ(CompareTextIgnoreCase("ReadMe.TXT", "readme.txt"), 0);
  EXPECT_LT(CompareTextIgnoreCase("0zeta", "1alpha"), 0);
  EXPECT_LT(CompareTextIgnoreCase("ab", "abc"), 0);
  // ア (0x83 0x41) and ヂ (0x83 0x61): second bytes 'A' and 'a' are not folded.
  EXPECT_NE(CompareTextIgnoreCase("ア", "ヂ"), 0);
  // Double-byte characters come after ASCII.
  EXPECT_GT(CompareTextIgnoreCase("表", "z"), 0);
}

}  // namespace
}  // namespace platform::headless
