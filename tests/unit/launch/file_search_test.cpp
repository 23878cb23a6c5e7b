#include "launch/file_search.h"

#include <gtest/gtest.h>

#include "platform/headless/call_log.h"
#include "platform/headless/fake_dde.h"
#include "platform/headless/fake_shell.h"

namespace pelorin {
namespace {

using platform::DdeOutcome;

TEST(FormatWithTextTest, PutsTheTextInPlaceOfTheDirective) {
  EXPECT_EQ(FormatWithText("[FindFolder(\"%S\")]", "C:\\"), "[FindFolder(\"C:\\\")]");
  EXPECT_EQ(FormatWithText("%s and %S", "x"), "x and x");
  EXPECT_EQ(FormatWithText("100%% %d%", "x"), "100% %d%");
}

class FileSearchTest : public ::testing::Test {
 protected:
  // Runs the search and returns every call, in order.
  std::vector<std::string> Search(DdeOutcome outcome, bool findRefused) {
    dde.SetOutcome(outcome);
    shell.SetRefusal([findRefused](const platform::headless::ShellCall& call) {
      return findRefused && call.Verb == "find";
    });
    OpenFileSearch(dde, shell, nullptr);
    return log.Calls();
  }

  platform::headless::CallLog log;
  platform::headless::FakeDde dde{&log};
  platform::headless::FakeShell shell{&log};
};

const std::string kDdeCall = "DdeExecute Folders AppProperties [FindFolder(\"C:\\\")]";
const std::string kFindCall = "Execute owner= verb=find file=C:\\ parameters= folder=(none) show=1";
const std::string kExplorerCall = "Execute owner= verb=open file=explorer.exe parameters=C:\\ folder=(none) show=1";

TEST_F(FileSearchTest, TheShellsDdeServiceOpensTheSearch) {
  EXPECT_EQ(Search(DdeOutcome::Sent, false), std::vector<std::string>{kDdeCall});
}

TEST_F(FileSearchTest, AServerThatRefusesTheCommandIsLeftAtThat) {
  EXPECT_EQ(Search(DdeOutcome::Refused, false), std::vector<std::string>{kDdeCall});
}

TEST_F(FileSearchTest, WithoutTheDdeServiceTheFindVerbOfDriveCIsUsed) {
  EXPECT_EQ(Search(DdeOutcome::NoConversation, false), (std::vector<std::string>{kDdeCall, kFindCall}));
}

TEST_F(FileSearchTest, WithoutTheFindVerbExplorerOpensDriveC) {
  EXPECT_EQ(Search(DdeOutcome::NoConversation, true), (std::vector<std::string>{kDdeCall, kFindCall, kExplorerCall}));
}

}  // namespace
}  // namespace pelorin
