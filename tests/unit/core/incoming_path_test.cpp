// The rule that turns a name the system hands over into the ANSI path the
// launcher keeps: itself, its short form, or nothing.

#include "platform/incoming_path.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text.h"

namespace platform {
namespace {

TEST(IncomingPathTest, KeepsTheNameItsShortFormOrNothing) {
  // A whole path of n bytes (and characters) in C:\.
  const auto pathOf = [](std::size_t n) { return "C:\\" + std::string(n - 7, 'x') + ".txt"; };
  const auto widePathOf = [&](std::size_t n) { return WideFromCp932(pathOf(n)); };
  struct Case {
    const char* what;
    SystemName name;
    std::string path;   // kept; empty: none
    std::string shown;  // the name in the code page
  };
  const Case cases[] = {
      // Best fit would turn ¥ into the separator and 〜 into ～: other files.
      {"look-alikes", {u"C:\\a¥b〜.txt", u"C:\\AB~1.TXT"}, "C:\\AB~1.TXT", "C:\\a?b?.txt"},
      // 8.3 names switched off: the "short" path keeps the long component.
      {"short form not in the code page", {u"C:\\한.txt", u"C:\\한.txt"}, "", "C:\\?.txt"},
      {"259 bytes", {widePathOf(259), u"C:\\XXXXXX~1.TXT"}, pathOf(259), pathOf(259)},
      {"260 bytes", {widePathOf(260), u"C:\\XXXXXX~1.TXT"}, "C:\\XXXXXX~1.TXT", pathOf(260)},
      {"short form too long", {widePathOf(300), widePathOf(260)}, "", pathOf(300)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const IncomingPath incoming = Incoming(c.name);
    EXPECT_EQ(incoming.Path, c.path);
    EXPECT_EQ(incoming.Kept(), !c.path.empty());
    EXPECT_EQ(incoming.Shown, c.shown);
  }
  // A listed name counts its folder.
  const std::string deepFolder = "C:\\" + std::string(240, 'f') + "\\";
  EXPECT_EQ(KeepName({u"long name of a file.txt", u"ALONGN~1.TXT"}, deepFolder), "ALONGN~1.TXT");
}

}  // namespace
}  // namespace platform
