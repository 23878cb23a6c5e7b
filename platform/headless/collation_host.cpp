#include "platform/collation.h"

#include "platform/text.h"

namespace platform {

namespace {

// ASCII letters folded to lower case; both bytes of a double-byte character
// kept as they are (its second byte may look like a letter).
std::string Folded(std::string_view text) {
  std::string folded(text);
  for (std::string::size_type pos = 0; pos < folded.size(); ++pos) {
    const auto c = static_cast<unsigned char>(folded[pos]);
    if (IsLeadByte(c)) {
      ++pos;
    } else if (c >= 'A' && c <= 'Z') {
      folded[pos] = static_cast<char>(c - 'A' + 'a');
    }
  }
  return folded;
}

}  // namespace

int CompareTextIgnoreCase(std::string_view a, std::string_view b) {
  // char_traits<char> compares as unsigned bytes: double-byte characters sort after ASCII.
  return Folded(a).compare(Folded(b));
}

}  // namespace platform
