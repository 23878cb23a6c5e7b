// Pelorin.exe started in a folder without data files: it takes the first-run
// defaults and writes all three files when it exits.

#include <string>
#include <vector>

#include "harness/e2e.h"

namespace e2e {
namespace {

std::vector<std::string> CrLfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start) + "<no CR LF>");
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

TEST(FirstRun, WritesTheDefaultDataFilesOnExit) {
  E2eSession s;
  Program app = s.StartPelorin();
  if (auto main = app.WaitForWindowOrExit({.title = "Pelorin"})) {
    s.Screenshot(*main, "first-run-main-window");
    app.Close();
  }
  EXPECT_EQ(app.WaitForExit(), 0);

  std::vector<std::string> panels = {"1", ToCp932("ワークスペース"), "0"};
  for (int unused = 1; unused < 10; ++unused) panels.insert(panels.end(), {"", "0"});
  EXPECT_EQ(CrLfLines(s.ReadFile("svp.pld")), panels);

  EXPECT_EQ(s.ReadFile("svf.itd"), "");

  // clang-format off
  const std::vector<std::string> options = {
      "5", "3", "15", "TRUE", "0", ToCp932("ＭＳ Ｐゴシック"),
      "-2147483640", "-2147483633", "-2147483633", "-2147483642",
      "TRUE", "TRUE", "TRUE", "TRUE", "2", "FALSE", "TRUE", "TRUE",
      "", "", "", "", "", "",     // the six hot keys
      "89", "111", "109", "253",  // main window top, left; control window top, left
      "FALSE", "TRUE", "140"};
  // clang-format on
  EXPECT_EQ(CrLfLines(s.ReadFile("opt.dat")), options);
}

}  // namespace
}  // namespace e2e
