#include "harness/text.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace e2e {
namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
    if (handle_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv_open ") + from + " -> " + to + " failed");
    }
  }
  ~Converter() { iconv_close(handle_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts input; an invalid input byte is skipped and replacement
  // appended, or, when replacement is null, throws.
  std::string Convert(std::string_view input, const char* replacement) {
    std::string output;
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char buffer[256];
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
      char* out = buffer;
      size_t outLeft = sizeof buffer;
      size_t result = iconv(handle_, &in, &inLeft, &out, &outLeft);
      output.append(buffer, out - buffer);
      if (result != static_cast<size_t>(-1) || errno == E2BIG) continue;
      if (!replacement) throw std::runtime_error("text cannot be converted: " + std::string(input));
      output += replacement;
      ++in;
      --inLeft;
    }
    return output;
  }

 private:
  iconv_t handle_;
};

}  // namespace

std::string ToCp932(std::string_view utf8) {
  static Converter converter("CP932", "UTF-8");
  return converter.Convert(utf8, nullptr);
}

std::string FromCp932(std::string_view cp932) {
  static Converter converter("UTF-8", "CP932");
  return converter.Convert(cp932, "\xEF\xBF\xBD");
}

std::vector<std::string> CrLfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start) + "<no CR LF>");
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string CrLfFile(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

}  // namespace e2e
