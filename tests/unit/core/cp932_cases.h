#pragma once
// One table of texts in UTF-16 and in code page 932, for the conversion pair
// of platform/text.h: checked by the host's unit test and, under Wine with
// the English system code page, by the end-to-end helper cp932_check.exe
// (which links the Windows pair). The UTF-16 side is written as u""
// literals and the 932 side as byte escapes, so the table means the same
// whatever character set a build gives narrow literals.

#include <string_view>

namespace test {

enum class Cp932Kind {
  // UTF-16 to exactly these bytes, and back.
  RoundTrip,
  // Some character has no exact 932 form: refused, '?' in place of each of
  // its UTF-16 units, as Windows writes it.
  Refused,
  // These bytes read as this text, which goes back to another code of the
  // same character.
  ReadOnly,
};

struct Cp932Case {
  const char* what;  // ASCII, for failure messages
  Cp932Kind kind;
  std::u16string_view wide;
  std::string_view cp932;
};

// clang-format off
inline constexpr Cp932Case kCp932Cases[] = {
    {"the program's own text", Cp932Kind::RoundTrip, u"ワークスペース",
     "\x83\x8F\x81\x5B\x83\x4E\x83\x58\x83\x79\x81\x5B\x83\x58"},
    {"a menu entry with its mnemonic", Cp932Kind::RoundTrip, u"ファイルの検索(&F)",
     "\x83\x74\x83\x40\x83\x43\x83\x8B\x82\xCC\x8C\x9F\x8D\xF5(&F)"},
    {"second bytes 0x5C between separators", Cp932Kind::RoundTrip, u"C:\\ツール\\表示\\ソフト.txt",
     "C:\\\x83\x63\x81\x5B\x83\x8B\\\x95\x5C\x8E\xA6\\\x83\x5C\x83\x74\x83\x67.txt"},
    {"half-width katakana", Cp932Kind::RoundTrip, u"ｺﾝﾄﾛｰﾙｳｨﾝﾄﾞｳ整列(&C)",
     "\xBA\xDD\xC4\xDB\xB0\xD9\xB3\xA8\xDD\xC4\xDE\xB3\x90\xAE\x97\xF1(&C)"},
    {"NEC special characters", Cp932Kind::RoundTrip, u"①㈱", "\x87\x40\x87\x8A"},
    // 髙 has two codes; from UTF-16 Windows writes the IBM extension's.
    {"an IBM extension kanji", Cp932Kind::RoundTrip, u"髙", "\xFB\xFC"},
    {"the same kanji by its NEC-selected code", Cp932Kind::ReadOnly, u"髙", "\xEE\xE0"},
    // Where 932 and JIS differ, the 932 character (～, not 〜).
    {"full-width tilde, minus, parallel, not sign", Cp932Kind::RoundTrip, u"～－∥￢",
     "\x81\x60\x81\x7C\x81\x61\x81\xCA"},
    {"JIS wave dash (932 has it only as a best fit)", Cp932Kind::Refused, u"1〜2", "1?2"},
    {"yen sign (a best fit would make it the separator)", Cp932Kind::Refused, u"C:\\¥", "C:\\?"},
    {"e with acute", Cp932Kind::Refused, u"café.txt", "caf?.txt"},
    {"Hangul", Cp932Kind::Refused, u"한.txt", "?.txt"},
    {"an emoji (a surrogate pair)", Cp932Kind::Refused, u"a😀", "a??"},
    {"the empty text", Cp932Kind::RoundTrip, u"", ""},
};
// clang-format on

}  // namespace test
