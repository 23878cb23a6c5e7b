#include "harness/locale.h"

#include <string_view>

namespace e2e {

std::string LocaleTestName(const ::testing::TestParamInfo<Locale>& info) {
  const std::string_view lang = info.param.lang;
  return std::string(lang.substr(0, lang.find('.')));
}

void PrintTo(const Locale& locale, std::ostream* out) { *out << locale.lang; }

}  // namespace e2e
