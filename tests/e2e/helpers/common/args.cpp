#include "common/args.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "common/failure.h"

namespace e2e {
namespace {

long ParseNumber(std::string_view name, const std::string& text) {
  errno = 0;
  char* end = nullptr;
  long value = std::strtol(text.c_str(), &end, 0);
  if (text.empty() || *end != '\0' || errno != 0) {
    throw Failure("--" + std::string(name) + " wants a number, got \"" + text + "\"");
  }
  return value;
}

}  // namespace

Args::Args(std::vector<std::string> words, std::initializer_list<std::string_view> allowed) {
  bool optionsEnded = false;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word == "--" && !optionsEnded) {
      optionsEnded = true;
      continue;
    }
    if (optionsEnded || word.rfind("--", 0) != 0) {
      positional_.push_back(word);
      continue;
    }
    std::string name = word.substr(2);
    if (std::find(allowed.begin(), allowed.end(), name) == allowed.end()) throw Failure("unknown option " + word);
    if (i + 1 >= words.size()) throw Failure("option " + word + " wants a value");
    options_[name] = words[++i];
  }
}

bool Args::Has(std::string_view name) const { return options_.find(name) != options_.end(); }

std::string Args::Text(std::string_view name, std::string_view fallback) const {
  auto found = options_.find(name);
  return found == options_.end() ? std::string(fallback) : found->second;
}

long Args::Number(std::string_view name, long fallback) const {
  auto found = options_.find(name);
  return found == options_.end() ? fallback : ParseNumber(name, found->second);
}

long Args::RequiredNumber(std::string_view name) const {
  auto found = options_.find(name);
  if (found == options_.end()) throw Failure("option --" + std::string(name) + " is required");
  return ParseNumber(name, found->second);
}

HWND Args::RequiredWindow(std::string_view name) const {
  auto window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(static_cast<unsigned long>(RequiredNumber(name))));
  if (!IsWindow(window)) throw Failure("--" + std::string(name) + " is not a window");
  return window;
}

}  // namespace e2e
