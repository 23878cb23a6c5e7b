#include "launch/shortcut_readers.h"

#include <gtest/gtest.h>

#include "platform/headless/fake_file_system.h"
#include "platform/headless/fake_shell_links.h"
#include "support/temp_folder.h"

namespace pelorin {
namespace {

using platform::ShellLinkData;

const ShortcutInfo kUntouched{"old target", "old args", "old folder", "old text", "old.ico", 9, 2};

TEST(ResolveShortcutTest, CopiesEveryFieldOfTheLink) {
  platform::headless::FakeShellLinks links;
  links.SetLink("C:\\Desk\\ツール.lnk", {"C:\\表\\tool.exe", "-a", "C:\\表", "説明", "C:\\icons.dll", 4, 3});
  ShortcutInfo info = kUntouched;
  ASSERT_TRUE(ResolveShortcut(links, "C:\\Desk\\ツール.lnk", info));
  EXPECT_EQ(info, (ShortcutInfo{"C:\\表\\tool.exe", "-a", "C:\\表", "説明", "C:\\icons.dll", 4, 2}));
}

TEST(ResolveShortcutTest, BlankFieldsComeBackEmpty) {
  platform::headless::FakeShellLinks links;
  links.SetLink("C:\\a.lnk", {"C:\\a.exe", "", "", "", "", 0, 1});
  ShortcutInfo info = kUntouched;
  ASSERT_TRUE(ResolveShortcut(links, "C:\\a.lnk", info));
  EXPECT_EQ(info, (ShortcutInfo{"C:\\a.exe", "", "", "", "", 0, 0}));
}

TEST(ResolveShortcutTest, ShowCommandsMapToShowSizes) {
  const struct {
    int showCommand;
    std::uint8_t showSize;
  } cases[] = {{0, 0}, {1, 0}, {2, 1}, {3, 2}, {4, 0}, {6, 0}, {7, 1}, {10, 0}};
  platform::headless::FakeShellLinks links;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.showCommand);
    links.SetLink("C:\\a.lnk", {"C:\\a.exe", "", "", "", "", 0, c.showCommand});
    ShortcutInfo info;
    ASSERT_TRUE(ResolveShortcut(links, "C:\\a.lnk", info));
    EXPECT_EQ(info.ShowSize, c.showSize);
  }
}

TEST(ResolveShortcutTest, TargetOutsideTheCodePageComesByItsShortFormOrNotAtAll) {
  platform::headless::FakeShellLinks links;
  links.SetLink("C:\\a.lnk", {"", "-a", "C:\\Work", "", "", 0, 1});
  links.SetTargetName("C:\\a.lnk", {u"C:\\도구\\tool.exe", u"C:\\5B8F~1\\tool.exe"});
  ShortcutInfo info = kUntouched;
  ASSERT_TRUE(ResolveShortcut(links, "C:\\a.lnk", info));
  EXPECT_EQ(info, (ShortcutInfo{"C:\\5B8F~1\\tool.exe", "-a", "C:\\Work", "", "", 0, 0}));

  // Empty, as for a link without a file-system target: the caller keeps the link itself.
  links.SetTargetName("C:\\a.lnk", {u"C:\\도구\\tool.exe", u""});
  info = kUntouched;
  ASSERT_TRUE(ResolveShortcut(links, "C:\\a.lnk", info));
  EXPECT_EQ(info.TargetPath, "");
}

TEST(ResolveShortcutTest, UnreadableLinkLeavesInfoAsItWas) {
  platform::headless::FakeShellLinks links;
  ShortcutInfo info = kUntouched;
  EXPECT_FALSE(ResolveShortcut(links, "C:\\missing.lnk", info));
  EXPECT_EQ(info, kUntouched);
  EXPECT_EQ(links.Log().Calls(), std::vector<std::string>{"LoadShellLink C:\\missing.lnk"});
}

class InternetShortcutTest : public ::testing::Test {
 protected:
  // Writes the file C:\Links\<name> and reads it into a url that starts as "untouched".
  std::string Read(const std::string& name, const std::string& contents) {
    files.MakeFolder("C:\\Links");
    test::WriteHostFile(files.HostPath("C:\\Links\\" + name), contents);
    std::string url = "untouched";
    ReadInternetShortcut(files, "C:\\Links\\" + name, url);
    return url;
  }

  test::TempFolder temp;
  platform::headless::FakeFileSystem files{temp.Path()};
};

TEST_F(InternetShortcutTest, FindsTheUrlKeyWhereverItIsInTheSection) {
  const struct {
    const char* what;
    std::string contents;
    std::string url;
  } cases[] = {
      {"URL first", "[InternetShortcut]\r\nURL=http://example.com/\r\n", "http://example.com/"},
      {"written by Windows: IDList first",
       "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,11\r\n[InternetShortcut]\r\nIDList=\r\n"
       "URL=https://example.org/a?b=c\r\nIconIndex=0\r\n",
       "https://example.org/a?b=c"},
      {"Modified first", "[InternetShortcut]\r\nModified=C0A1B2C3D4E5F601\r\nURL=http://m/\r\n", "http://m/"},
      {"DEFAULT section before", "[DEFAULT]\r\nBASEURL=http://base/\r\n[InternetShortcut]\r\nURL=http://t/\r\n",
       "http://t/"},
      {"lower-case key", "[InternetShortcut]\nurl=http://lower/\n", "http://lower/"},
      {"blanks around key and value", "[InternetShortcut]\r\n  Url = http://b/ \r\n", "http://b/"},
      {"no line break at the end", "[InternetShortcut]\r\nURL=file:///C:/表/ソ.txt", "file:///C:/表/ソ.txt"},
      {"empty value", "[InternetShortcut]\r\nURL=\r\n", ""},
      {"URL of another section first", "[Other]\r\nURL=http://wrong/\r\n[InternetShortcut]\r\nURL=http://right/\r\n",
       "http://right/"},
      {"a key that only starts with URL", "[InternetShortcut]\r\nURLS=http://no/\r\nURL=http://yes/\r\n",
       "http://yes/"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Read("a.url", c.contents), c.url);
  }
}

TEST_F(InternetShortcutTest, MissingFileSectionOrKeyLeavesTheUrl) {
  const struct {
    const char* what;
    std::string contents;
  } cases[] = {
      {"no section", "[DEFAULT]\r\nURL=http://default/\r\n"},
      {"section line in other letter case", "[internetshortcut]\r\nURL=http://x/\r\n"},
      {"no key in the section", "[InternetShortcut]\r\nIDList=\r\nModified=00\r\n"},
      {"key only in the next section", "[InternetShortcut]\r\nIDList=\r\n[Next]\r\nURL=http://next/\r\n"},
      {"empty file", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Read("a.url", c.contents), "untouched");
  }
  std::string url = "untouched";
  ReadInternetShortcut(files, "C:\\Links\\missing.url", url);
  EXPECT_EQ(url, "untouched");
}

}  // namespace
}  // namespace pelorin
