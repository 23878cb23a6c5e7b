// cp932_check.exe: the product's conversion pair (platform/text.h, its
// Windows build) against the table of cases the host's unit test checks,
// under whatever system code page Wine gives this process. Prints a record
// with that code page, then one per case: what, ok, and what the pair gave
// (the bytes, the UTF-16 units, in hexadecimal). Exit status 0 when every
// case holds.

#include <windows.h>

#include <cstdio>
#include <string>

#include "common/record.h"
#include "platform/text.h"
#include "tests/unit/core/cp932_cases.h"

namespace {

template <class Units>
std::string Hex(const Units& units) {
  std::string text;
  for (const auto unit : units) {
    char code[8];
    std::snprintf(code, sizeof code, sizeof unit == 1 ? "%02X " : "%04X ",
                  static_cast<unsigned>(static_cast<std::make_unsigned_t<std::remove_cv_t<decltype(unit)>>>(unit)));
    text += code;
  }
  return text;
}

}  // namespace

int main() {
  e2e::Record().Int("code_page", GetACP()).WriteTo(stdout);
  int failed = 0;
  for (const test::Cp932Case& c : test::kCp932Cases) {
    bool ok = true;
    std::string text;
    if (c.kind != test::Cp932Kind::ReadOnly) {
      const bool exact = platform::Cp932FromWide(c.wide, text);
      ok = exact == (c.kind == test::Cp932Kind::RoundTrip) && text == c.cp932;
    }
    std::u16string wide;
    if (c.kind != test::Cp932Kind::Refused) {
      wide = platform::WideFromCp932(c.cp932);
      ok = ok && wide == c.wide;
    }
    if (!ok) ++failed;
    e2e::Record().Text("what", c.what).Bool("ok", ok).Text("bytes", Hex(text)).Text("wide", Hex(wide)).WriteTo(stdout);
  }
  return failed == 0 ? 0 : 1;
}
