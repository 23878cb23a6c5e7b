#pragma once
// The program's texts (code page 932) at the wide Win32 calls. Every text
// that goes to Windows or comes back passes here, so the system's own code
// page (CP_ACP) plays no part: English, Korean, Chinese and UTF-8 Windows
// show and store what Japanese Windows does.

#include <string>
#include <string_view>

namespace platform::win32 {

// A program text as the wide calls take it.
std::wstring Wide(std::string_view text);

// A text Windows gave back, in code page 932; a character without an exact
// form there reads '?'. For texts to show, never for paths to keep: those
// follow the incoming-path rule (platform/incoming_path.h).
std::string Narrow(std::wstring_view wide);
// The same, false when some character had no exact form.
bool NarrowExact(std::wstring_view wide, std::string& text);

// A text that a wide call writes into a buffer it sizes first: fill(nullptr, 0)
// gives the size the text needs with its terminating zero, fill(buffer, size)
// the length written. Empty when either call fails.
template <typename Fill>
std::u16string SizedText(Fill fill) {
  const auto size = fill(nullptr, 0);
  if (size == 0) return {};
  std::u16string text(size, u'\0');
  const auto length = fill(reinterpret_cast<wchar_t*>(text.data()), size);
  if (length == 0 || length >= size) return {};
  text.resize(length);
  return text;
}

// The same UTF-16 text, as the platform's common code holds it.
inline std::u16string_view AsUtf16(std::wstring_view wide) {
  return {reinterpret_cast<const char16_t*>(wide.data()), wide.size()};
}
inline const wchar_t* AsWide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

}  // namespace platform::win32
