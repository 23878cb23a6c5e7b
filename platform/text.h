#pragma once
// The program's texts are code page 932 (Shift-JIS) bytes on every system,
// whatever the system's own code page: the data files hold them, and the
// platform layer converts them to and from UTF-16 at the wide calls. The
// second byte of a double-byte character may be 0x5C, the code of the path
// separator, so paths are never split by bytes.

#include <string>
#include <string_view>

namespace platform {

// True when c starts a double-byte character of code page 932.
constexpr bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Position of the last character of path that is one of delimiters, counting
// only single-byte characters; npos when there is none.
std::string_view::size_type LastDelimiter(std::string_view delimiters, std::string_view path);

// The one conversion pair between the program's texts and the system's
// UTF-16, the same on every system.
//
// wide in code page 932. False when a character has no exact form there (it
// then reads '?'): a near look-alike ("¥" as "\\", "é" as "e") would name
// another file.
bool Cp932FromWide(std::u16string_view wide, std::string& text);
// A code page 932 text as UTF-16.
std::u16string WideFromCp932(std::string_view text);

// "C:\a\b.txt" -> "C:\a\" (up to and including the last separator or ':').
std::string ExtractFilePath(std::string_view path);
// "C:\a\b.txt" -> "b.txt".
std::string ExtractFileName(std::string_view path);
// "C:\a\b.txt" -> ".txt": from the last '.' of the name on, case kept; "" when the name has none.
std::string ExtractFileExt(std::string_view path);

}  // namespace platform
