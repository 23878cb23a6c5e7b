#pragma once
// Character-aware handling of ANSI (Shift-JIS) byte strings. The second byte
// of a double-byte character may be 0x5C, the code of the path separator, so
// paths are never split by bytes.

#include <string>
#include <string_view>

namespace platform {

// True when c starts a double-byte character in the ANSI code page (the
// system's code page on Windows; the CP932 rule on the host).
bool IsLeadByte(unsigned char c);

// Position of the last character of path that is one of delimiters, counting
// only single-byte characters; npos when there is none.
std::string_view::size_type LastDelimiter(std::string_view delimiters, std::string_view path);

// wide (UTF-16) in the ANSI code page. False when a character has no exact
// form there (it then reads '?'): a near look-alike ("¥" as "\\", "é" as
// "e") would name another file.
bool AnsiFromWide(std::u16string_view wide, std::string& ansi);
// ANSI text as UTF-16.
std::u16string WideFromAnsi(std::string_view ansi);

// "C:\a\b.txt" -> "C:\a\" (up to and including the last separator or ':').
std::string ExtractFilePath(std::string_view path);
// "C:\a\b.txt" -> "b.txt".
std::string ExtractFileName(std::string_view path);
// "C:\a\b.txt" -> ".txt": from the last '.' of the name on, case kept; "" when the name has none.
std::string ExtractFileExt(std::string_view path);

}  // namespace platform
