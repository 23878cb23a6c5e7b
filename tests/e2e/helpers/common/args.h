#pragma once
// Command-line options of the helpers: "--name value" pairs and positional
// words, in any order; after "--" every word is positional. Every option
// takes a value; unknown names fail, so a typo in a test does not silently
// change what a helper does. Words are UTF-8 (common/utf8.h: Arguments).

#include <windows.h>

#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

// The program's arguments as Windows received them (wide), after the
// program's own name, in UTF-8.
std::vector<std::string> Arguments();

class Args {
 public:
  // words: the arguments after the sub-command. allowed: the option names
  // (without "--") the sub-command accepts.
  Args(std::vector<std::string> words, std::initializer_list<std::string_view> allowed);

  bool Has(std::string_view name) const;
  std::string Text(std::string_view name, std::string_view fallback = "") const;
  // Decimal or 0x hexadecimal.
  long Number(std::string_view name, long fallback) const;
  long RequiredNumber(std::string_view name) const;
  HWND RequiredWindow(std::string_view name) const;
  const std::vector<std::string>& Positional() const { return positional_; }

 private:
  std::map<std::string, std::string, std::less<>> options_;
  std::vector<std::string> positional_;
};

}  // namespace e2e
