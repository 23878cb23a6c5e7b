// Apart from the option parser: only the programs that read their command
// line this way import shell32.

#include <windows.h>
#include <shellapi.h>

#include "common/args.h"
#include "common/failure.h"
#include "common/utf8.h"

namespace e2e {

std::vector<std::string> Arguments() {
  int count = 0;
  LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
  if (words == nullptr) FailWithLastError("CommandLineToArgvW");
  std::vector<std::string> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(Utf8(words[i]));
  LocalFree(words);
  return arguments;
}

}  // namespace e2e
