#pragma once
// Parsing what the Win32 helpers print or log: records of "key=value" lines
// ended by a blank line, values escaped and in UTF-8 whatever the code page
// Wine ran them under (see helpers/common/record.h). Keys may repeat
// ("button", "file").

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "harness/types.h"

namespace e2e {

class Record {
 public:
  void Add(std::string key, std::string value) { fields_.emplace_back(std::move(key), std::move(value)); }

  bool Has(std::string_view key) const;
  // The first value of key (UTF-8); throws when the key is missing.
  const std::string& Text(std::string_view key) const;
  std::vector<std::string> All(std::string_view key) const;
  long long Int(std::string_view key) const;
  bool Bool(std::string_view key) const { return Int(key) != 0; }
  // "0x0001004C" -> 0x1004C
  std::uint32_t Hex(std::string_view key) const;
  // "l,t,r,b"
  Rect Rectangle(std::string_view key) const;
  // All fields, one "key=value" per line, for failure messages.
  std::string ToString() const;

 private:
  std::vector<std::pair<std::string, std::string>> fields_;
};

// Complete records only: a trailing record without its blank line (still
// being written) is left out.
std::vector<Record> ParseRecords(std::string_view output);

// The window fields every window record carries.
Window WindowFrom(const Record& record);

}  // namespace e2e
