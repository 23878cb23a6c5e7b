// The product's text conversion pair as built for Windows, checked by
// cp932_check.exe against the table the host's unit test checks, under the
// English code page: a conversion through the system's code page (1252)
// fails nearly every case there, while under 932 it would pass unseen.

#include <iterator>

#include "harness/e2e.h"
#include "harness/process.h"
#include "tests/unit/core/cp932_cases.h"

namespace e2e {
namespace {

TEST(Cp932Rule, HoldsForEveryCaseUnderTheEnglishCodePage) {
  E2eSession s(kEnglish);
  const RunResult run =
      e2e::Run({.argv = {"wine", WineEnvironment::HelperFile("cp932_check.exe").string()}, .env = s.Env()}, 60s);
  const std::vector<Record> records = ParseRecords(run.out);
  ASSERT_EQ(records.size(), std::size(test::kCp932Cases) + 1) << run.err;
  EXPECT_EQ(records[0].Int("code_page"), kEnglish.codePage) << "Wine did not take the session's locale";
  for (std::size_t i = 1; i < records.size(); ++i) {
    EXPECT_EQ(records[i].Text("what"), test::kCp932Cases[i - 1].what);
    EXPECT_TRUE(records[i].Bool("ok")) << records[i].ToString();
  }
  EXPECT_EQ(run.status, 0);
}

}  // namespace
}  // namespace e2e
