#pragma once
// The output format every helper writes and the host harness parses: one
// record per object, one "key=value" line per field, a blank line after each
// record. Values are UTF-8 whatever the system's code page, with '\', CR
// and LF escaped as "\\", "\r" and "\n", so a window text never breaks the
// line structure.

#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace e2e {

class Record {
 public:
  Record& Text(std::string_view key, std::string_view value);
  Record& Int(std::string_view key, long long value);
  Record& Hex(std::string_view key, unsigned long value);
  Record& Handle(std::string_view key, const void* handle);
  Record& Bool(std::string_view key, bool value);
  // "left,top,right,bottom"
  Record& Rectangle(std::string_view key, const RECT& rect);

  // The lines and the blank line that ends the record.
  std::string Serialized() const { return lines_ + '\n'; }
  // Writes Serialized(), then flushes.
  void WriteTo(FILE* out) const;
  // Appends Serialized() to the file beside the running exe named like it
  // with the extension ".log" (one write, so a reader never sees half a
  // record with its blank line).
  void AppendToExeLog() const;

 private:
  std::string lines_;
};

}  // namespace e2e
