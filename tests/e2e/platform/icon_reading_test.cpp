// The icons the product reads straight from their files are the ones the
// system's ExtractIconEx gives, pixel for pixel: groups counted in resource
// order, negative indices as resource identifiers, the image picked for the
// large-icon size (a PNG-compressed 256-pixel one scaled), a program's first
// icon, and the shell's generic icon for a program without one.

#include <filesystem>

#include "harness/e2e.h"
#include "harness/process.h"

namespace e2e {
namespace {

TEST(IconReading, GivesTheSystemsIconsPixelForPixel) {
  E2eSession s;
  const std::string shell32 = "C:\\windows\\system32\\shell32.dll";
  const std::string png256 =
      WineEnvironment::WindowsPath(std::filesystem::path(PELORIN_SOURCE_DIR) / "tests/e2e/data/png256.ico");
  const std::string noIcon = WineEnvironment::WindowsPath(WineEnvironment::HelperFile("launch_recorder.exe"));
  const std::vector<std::string> cases = {shell32 + "|0",   shell32 + "|3",  shell32 + "|15", shell32 + "|40",
                                          shell32 + "|-16", shell32 + "|9999", png256 + "|0",  png256 + "|1",
                                          "C:\\windows\\notepad.exe", noIcon, noIcon};
  std::vector<std::string> argv = {"wine", WineEnvironment::HelperFile("icon_check.exe").string()};
  argv.insert(argv.end(), cases.begin(), cases.end());
  const RunResult run = e2e::Run({.argv = argv, .env = s.Env()}, 60s);
  const std::vector<Record> records = ParseRecords(run.out);
  ASSERT_EQ(records.size(), cases.size()) << run.err;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(records[i].Text("what"), cases[i]);
    EXPECT_TRUE(records[i].Bool("same")) << records[i].ToString();
  }
  // The cases hold icons where they should, so "same" is not two empties.
  EXPECT_TRUE(records[0].Bool("system"));
  EXPECT_TRUE(records[4].Bool("system"));
  EXPECT_TRUE(records[6].Bool("system"));
  EXPECT_FALSE(records[5].Bool("system"));
  EXPECT_TRUE(records[9].Bool("system"));
  EXPECT_EQ(run.status, 0);
}

}  // namespace
}  // namespace e2e
