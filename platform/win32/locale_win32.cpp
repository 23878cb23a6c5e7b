#include "platform/win32/locale_win32.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace platform::win32 {

namespace {

SYSTEMTIME ToSystemTime(const LocalTime& time) {
  SYSTEMTIME system = {};
  system.wYear = static_cast<WORD>(time.Year);
  system.wMonth = static_cast<WORD>(time.Month);
  system.wDay = static_cast<WORD>(time.Day);
  system.wHour = static_cast<WORD>(time.Hour);
  system.wMinute = static_cast<WORD>(time.Minute);
  system.wSecond = static_cast<WORD>(time.Second);
  system.wMilliseconds = static_cast<WORD>(time.Millisecond);
  return system;
}

// A text the system formatted; length counts its terminating zero, 0 on failure.
std::string Formatted(const wchar_t* text, int length) {
  return length > 0 ? Narrow(std::wstring_view(text, static_cast<std::size_t>(length - 1))) : std::string();
}

}  // namespace

std::string LocaleWin32::ShortDate(const LocalTime& time) {
  const SYSTEMTIME system = ToSystemTime(time);
  wchar_t text[80];
  return Formatted(text, GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &system, nullptr, text, 80));
}

std::string LocaleWin32::LongTime(const LocalTime& time) {
  const SYSTEMTIME system = ToSystemTime(time);
  wchar_t text[80];
  return Formatted(text, GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &system, nullptr, text, 80));
}

std::string LocaleWin32::ThousandsSeparator() {
  wchar_t text[8];
  const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, text, 8);
  if (length <= 0) return ",";
  std::string separator;
  // The no-break spaces of French or Russian have no code page 932 form.
  if (!NarrowExact(std::wstring_view(text, static_cast<std::size_t>(length - 1)), separator)) return " ";
  return separator;
}

}  // namespace platform::win32
