#include "platform/win32/locale_win32.h"

#include <windows.h>

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

}  // namespace

std::string LocaleWin32::ShortDate(const LocalTime& time) {
  const SYSTEMTIME system = ToSystemTime(time);
  char text[80];
  const int length = GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &system, nullptr, text, sizeof text);
  return length > 0 ? std::string(text) : std::string();
}

std::string LocaleWin32::LongTime(const LocalTime& time) {
  const SYSTEMTIME system = ToSystemTime(time);
  char text[80];
  const int length = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &system, nullptr, text, sizeof text);
  return length > 0 ? std::string(text) : std::string();
}

std::string LocaleWin32::ThousandsSeparator() {
  char text[8];
  const int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, text, sizeof text);
  return length > 0 ? std::string(text) : std::string(",");
}

}  // namespace platform::win32
