#include <windows.h>

#include "platform/text.h"

namespace platform {

// The system's ANSI code page decides, as for every other ANSI call.
bool IsLeadByte(unsigned char c) {
  return IsDBCSLeadByte(c) != FALSE;
}

bool AnsiFromWide(std::u16string_view wide, std::string& ansi) {
  ansi.clear();
  if (wide.empty()) return true;
  const auto* text = reinterpret_cast<const wchar_t*>(wide.data());
  const int length = static_cast<int>(wide.size());
  BOOL usedDefault = FALSE;
  // No best fit: only characters that come back as themselves count.
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return false;
  ansi.resize(static_cast<std::size_t>(size));
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, length, ansi.data(), size, nullptr, &usedDefault);
  return usedDefault == FALSE;
}

std::u16string WideFromAnsi(std::string_view ansi) {
  if (ansi.empty()) return {};
  const int length = static_cast<int>(ansi.size());
  const int size = MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
  if (size <= 0) return {};
  std::u16string wide(static_cast<std::size_t>(size), u'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, reinterpret_cast<wchar_t*>(wide.data()), size);
  return wide;
}

}  // namespace platform
