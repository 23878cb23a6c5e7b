#include "platform/text.h"

#include <gtest/gtest.h>

#include "core/cp932_cases.h"

namespace platform {
namespace {

TEST(TextTest, LeadBytesOfCodePage932) {
  for (const unsigned c : {0x81u, 0x95u, 0x9Fu, 0xE0u, 0xFCu}) EXPECT_TRUE(IsLeadByte(c)) << c;
  for (const unsigned c : {0x00u, 0x5Cu, 0x7Fu, 0x80u, 0xA0u, 0xB1u, 0xDFu, 0xFDu, 0xFFu}) {
    EXPECT_FALSE(IsLeadByte(c)) << c;
  }
}

TEST(TextTest, SplitsPathsByCharacters) {
  // 表 and ソ end in 0x5C, the separator's code.
  EXPECT_EQ(ExtractFilePath("C:\\ツール\\表示\\launch.exe"), "C:\\ツール\\表示\\");
  EXPECT_EQ(ExtractFileName("C:\\ツール\\表示\\launch.exe"), "launch.exe");
  EXPECT_EQ(ExtractFilePath("C:\\表"), "C:\\");
  EXPECT_EQ(ExtractFileName("C:\\表"), "表");
  EXPECT_EQ(ExtractFileName("C:\\ソ.txt"), "ソ.txt");
  EXPECT_EQ(ExtractFilePath("C:launch.exe"), "C:");
  EXPECT_EQ(ExtractFilePath("launch.exe"), "");
  EXPECT_EQ(ExtractFileName("C:\\Tools\\"), "");
}

TEST(TextTest, ExtensionOfTheNameOnly) {
  EXPECT_EQ(ExtractFileExt("C:\\a\\b.TXT"), ".TXT");
  EXPECT_EQ(ExtractFileExt("C:\\a\\b.tar.gz"), ".gz");
  EXPECT_EQ(ExtractFileExt("C:\\a.b\\c"), "");
  EXPECT_EQ(ExtractFileExt("C:\\表.lnk"), ".lnk");
  EXPECT_EQ(ExtractFileExt("noext"), "");
}

TEST(TextTest, LastDelimiterSkipsSecondBytes) {
  EXPECT_EQ(LastDelimiter("\\", "表"), std::string_view::npos);
  EXPECT_EQ(LastDelimiter("\\:", "a\\表"), 1u);
  EXPECT_EQ(LastDelimiter(".", "a.b.c"), 3u);
  // A lead byte cut off at the end is one character of its own.
  EXPECT_EQ(LastDelimiter("\\", "a\\\x81"), 1u);
  EXPECT_EQ(LastDelimiter("\\", ""), std::string_view::npos);
}

// The host's pair (iconv) against the table the Windows pair is checked
// against under Wine (cp932_check.exe).
TEST(TextTest, ConvertsThroughCodePage932AsWindowsDoes) {
  for (const test::Cp932Case& c : test::kCp932Cases) {
    SCOPED_TRACE(c.what);
    if (c.kind != test::Cp932Kind::ReadOnly) {
      std::string text = "stale";
      EXPECT_EQ(Cp932FromWide(c.wide, text), c.kind == test::Cp932Kind::RoundTrip);
      EXPECT_EQ(text, c.cp932);
    }
    if (c.kind != test::Cp932Kind::Refused) {
      EXPECT_EQ(WideFromCp932(c.cp932), std::u16string(c.wide));
    }
  }
}

}  // namespace
}  // namespace platform
