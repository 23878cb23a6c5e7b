#include "platform/text.h"

namespace platform {

namespace {

// Length in bytes of the character that starts at pos; a lead byte at the very
// end of the text (a cut-off character) counts as one byte.
std::string_view::size_type CharLength(std::string_view text, std::string_view::size_type pos) {
  return IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

}  // namespace

std::string_view::size_type LastDelimiter(std::string_view delimiters, std::string_view path) {
  auto found = std::string_view::npos;
  for (std::string_view::size_type pos = 0; pos < path.size(); pos += CharLength(path, pos)) {
    if (CharLength(path, pos) == 1 && delimiters.find(path[pos]) != std::string_view::npos) {
      found = pos;
    }
  }
  return found;
}

std::string ExtractFilePath(std::string_view path) {
  const auto pos = LastDelimiter("\\:", path);
  return pos == std::string_view::npos ? std::string() : std::string(path.substr(0, pos + 1));
}

std::string ExtractFileName(std::string_view path) {
  const auto pos = LastDelimiter("\\:", path);
  return std::string(pos == std::string_view::npos ? path : path.substr(pos + 1));
}

std::string ExtractFileExt(std::string_view path) {
  const auto pos = LastDelimiter(".\\:", path);
  if (pos == std::string_view::npos || path[pos] != '.') return {};
  return std::string(path.substr(pos));
}

}  // namespace platform
