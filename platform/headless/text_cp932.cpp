#include <iconv.h>

#include <optional>
#include <stdexcept>

#include "platform/text.h"

namespace platform {

namespace {

// One iconv conversion, closed on every way out.
class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
    if (handle_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert to " + std::string(to));
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  ~Converter() { iconv_close(handle_); }

  // in converted whole; nothing when some of it has no form in the target.
  std::optional<std::string> Convert(std::string_view in) {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    std::string out(in.size() * 4 + 8, '\0');
    char* source = const_cast<char*>(in.data());
    std::size_t sourceLeft = in.size();
    char* target = out.data();
    std::size_t targetLeft = out.size();
    if (iconv(handle_, &source, &sourceLeft, &target, &targetLeft) == static_cast<std::size_t>(-1)) return {};
    out.resize(out.size() - targetLeft);
    return out;
  }

 private:
  iconv_t handle_;
};

// UTF-16 code units as little-endian bytes, whatever the host's byte order.
std::string Utf16Bytes(std::u16string_view wide) {
  std::string bytes;
  for (const char16_t unit : wide) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

// Opened once: folder listings convert every name.
Converter& Encoder() {
  thread_local Converter encoder("CP932", "UTF-16LE");
  return encoder;
}
Converter& Decoder() {
  thread_local Converter decoder("UTF-16LE", "CP932");
  return decoder;
}

}  // namespace

bool Cp932FromWide(std::u16string_view wide, std::string& text) {
  Converter& encode = Encoder();
  Converter& decode = Decoder();
  text.clear();
  bool exact = true;
  for (std::size_t pos = 0; pos < wide.size();) {
    const std::size_t units = IsHighSurrogate(wide[pos]) && pos + 1 < wide.size() ? 2 : 1;
    const std::string character = Utf16Bytes(wide.substr(pos, units));
    pos += units;
    // glibc maps some characters to look-alikes ("¥" to "\"); Windows without
    // best fit does not, so only a character that comes back as itself counts.
    const auto encoded = encode.Convert(character);
    if (encoded && decode.Convert(*encoded) == character) {
      text += *encoded;
    } else {
      // As Windows writes it: '?' for each UTF-16 unit, two for a surrogate pair.
      text.append(units, '?');
      exact = false;
    }
  }
  return exact;
}

std::u16string WideFromCp932(std::string_view text) {
  Converter& decode = Decoder();
  std::u16string wide;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
    const auto decoded = decode.Convert(text.substr(pos, length));
    pos += length;
    if (!decoded) {
      // A byte that starts no character names no file: it can never fit again.
      wide += u'\uFFFD';
      continue;
    }
    for (std::size_t i = 0; i + 1 < decoded->size(); i += 2) {
      wide += static_cast<char16_t>(static_cast<unsigned char>((*decoded)[i]) |
                                    static_cast<unsigned char>((*decoded)[i + 1]) << 8);
    }
  }
  return wide;
}

}  // namespace platform
