// ShellExecuteW with every argument given, as the launcher calls it; the
// record carries its result (above 32 on success).

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "common/args.h"
#include "common/record.h"
#include "common/utf8.h"
#include "probe/commands.h"

namespace e2e {
namespace {

const wchar_t* OrNull(const Args& args, const char* name, const std::wstring& value) {
  return args.Has(name) ? value.c_str() : nullptr;
}

}  // namespace

int ShellExecuteCommand(const Words& words) {
  Args args(words, {"file", "params", "dir", "show", "verb"});
  const std::wstring file = Wide(args.Text("file"));
  const std::wstring params = Wide(args.Text("params"));
  const std::wstring dir = Wide(args.Text("dir"));
  const std::wstring verb = Wide(args.Text("verb"));
  int show = static_cast<int>(args.Number("show", SW_SHOWNORMAL));
  HINSTANCE result = ShellExecuteW(nullptr, OrNull(args, "verb", verb), file.c_str(), OrNull(args, "params", params),
                                   OrNull(args, "dir", dir), show);
  auto code = static_cast<long long>(reinterpret_cast<INT_PTR>(result));
  Record().Int("result", code).WriteTo(stdout);
  return code > 32 ? 0 : 1;
}

}  // namespace e2e
