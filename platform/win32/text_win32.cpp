#include <windows.h>

#include "platform/text.h"
#include "platform/win32/wide_text.h"

namespace platform {

namespace {

constexpr UINT kCodePage = 932;

// text in UTF-16, as a std::wstring or a std::u16string (the same units
// under two names).
template <typename String>
String WideOf(std::string_view text) {
  String wide;
  if (text.empty()) return wide;
  const int length = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(kCodePage, 0, text.data(), length, nullptr, 0);
  if (size <= 0) return wide;
  wide.resize(static_cast<std::size_t>(size));
  MultiByteToWideChar(kCodePage, 0, text.data(), length, reinterpret_cast<wchar_t*>(wide.data()), size);
  return wide;
}

}  // namespace

bool Cp932FromWide(std::u16string_view wide, std::string& text) {
  text.clear();
  if (wide.empty()) return true;
  const auto* units = reinterpret_cast<const wchar_t*>(wide.data());
  const int length = static_cast<int>(wide.size());
  // No best fit: only characters that come back as themselves count.
  const int size = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, units, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return false;
  text.resize(static_cast<std::size_t>(size));
  BOOL usedDefault = FALSE;
  WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, units, length, text.data(), size, nullptr, &usedDefault);
  return usedDefault == FALSE;
}

std::u16string WideFromCp932(std::string_view text) { return WideOf<std::u16string>(text); }

namespace win32 {

std::wstring Wide(std::string_view text) { return WideOf<std::wstring>(text); }

bool NarrowExact(std::wstring_view wide, std::string& text) { return Cp932FromWide(AsUtf16(wide), text); }

std::string Narrow(std::wstring_view wide) {
  std::string text;
  NarrowExact(wide, text);
  return text;
}

}  // namespace win32

}  // namespace platform
