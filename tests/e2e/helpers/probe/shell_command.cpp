// ShellExecuteA with every argument given, as the launcher calls it; the
// record carries its result (above 32 on success).

#include <windows.h>
#include <shellapi.h>

#include <cstdio>

#include "common/args.h"
#include "common/record.h"
#include "probe/commands.h"

namespace e2e {
namespace {

const char* OrNull(const Args& args, const char* name, const std::string& value) {
  return args.Has(name) ? value.c_str() : nullptr;
}

}  // namespace

int ShellExecuteCommand(const Words& words) {
  Args args(words, {"file", "params", "dir", "show", "verb"});
  std::string file = args.Text("file");
  std::string params = args.Text("params");
  std::string dir = args.Text("dir");
  std::string verb = args.Text("verb");
  int show = static_cast<int>(args.Number("show", SW_SHOWNORMAL));
  HINSTANCE result = ShellExecuteA(nullptr, OrNull(args, "verb", verb), file.c_str(), OrNull(args, "params", params),
                                   OrNull(args, "dir", dir), show);
  auto code = static_cast<long long>(reinterpret_cast<INT_PTR>(result));
  Record().Int("result", code).WriteTo(stdout);
  return code > 32 ? 0 : 1;
}

}  // namespace e2e
