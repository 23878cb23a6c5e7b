#pragma once
// The locales a test session runs Wine under. Wine gives each process the
// ANSI code page (and its own language: message box buttons, its dialogs)
// of the LANG it starts with, so every Wine command of a session gets the
// session's LANG and no LC_ALL or LC_CTYPE. One wineserver and prefix serve
// them all; tools/wine-prefix.sh keeps the Japanese font links for the
// code page in use.
//
// A test that shows texts or paths runs once in each:
//
//   using MainWindowTips = InEveryLocale;
//   TEST_P(MainWindowTips, ShowTheirTexts) { E2eSession s(GetParam()); ... }
//   INSTANTIATE_TEST_SUITE_P(, MainWindowTips, EveryLocale(), LocaleTestName);
//
// and is named MainWindowTips.ShowTheirTexts/ja_JP, .../en_US, .../ko_KR.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace e2e {

struct Locale {
  const char* lang;
  unsigned codePage;  // the ANSI code page Wine gives programs under lang
};

inline constexpr Locale kJapanese{"ja_JP.UTF-8", 932};
inline constexpr Locale kEnglish{"en_US.UTF-8", 1252};
inline constexpr Locale kKorean{"ko_KR.UTF-8", 949};
inline constexpr Locale kLocales[] = {kJapanese, kEnglish, kKorean};

class InEveryLocale : public ::testing::TestWithParam<Locale> {};

inline auto EveryLocale() { return ::testing::ValuesIn(kLocales); }
// "ja_JP": the language and country of the test's locale.
std::string LocaleTestName(const ::testing::TestParamInfo<Locale>& info);
void PrintTo(const Locale& locale, std::ostream* out);

}  // namespace e2e
