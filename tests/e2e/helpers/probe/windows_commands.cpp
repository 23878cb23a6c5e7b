// Processes and top-level windows: find, list, wait, close.

#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>

#include "common/args.h"
#include "common/record.h"
#include "common/utf8.h"
#include "common/window_info.h"
#include "probe/commands.h"
#include "probe/polling.h"
#include "probe/window_filter.h"

namespace e2e {
namespace {

// Full path of the exe of pid, or "" when it cannot be read.
std::string ExePath(DWORD pid) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
  if (snapshot == INVALID_HANDLE_VALUE) return {};
  MODULEENTRY32W module{};
  module.dwSize = sizeof module;
  std::string path = Module32FirstW(snapshot, &module) ? Utf8(module.szExePath) : "";
  CloseHandle(snapshot);
  return path;
}

void PrintWindows(const std::vector<HWND>& windows) {
  for (HWND window : windows) {
    Record record;
    DescribeWindow(record, window);
    record.WriteTo(stdout);
  }
}

}  // namespace

int FindProcess(const Words& words) {
  Args args(words, {"exe"});
  std::string wanted = args.Text("exe");
  bool byPath = wanted.find('\\') != std::string::npos;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 1;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  int found = 0;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    std::string path = ExePath(entry.th32ProcessID);
    if (!SameTextIgnoringCase(byPath ? path : Utf8(entry.szExeFile), wanted)) continue;
    Record().Int("pid", entry.th32ProcessID).Int("parent", entry.th32ParentProcessID).Text("exe", path).WriteTo(stdout);
    ++found;
  }
  CloseHandle(snapshot);
  return found > 0 ? 0 : 1;
}

int ListWindows(const Words& words) {
  Args args(words, {"pid", "title", "class", "hidden"});
  PrintWindows(WindowFilter::From(args).Find());
  return 0;
}

int FindWindowCommand(const Words& words) {
  Args args(words, {"pid", "title", "class", "hidden", "wait-ms"});
  WindowFilter filter = WindowFilter::From(args);
  std::vector<HWND> found;
  PollUntil(args.Number("wait-ms", 0), [&] {
    found = filter.Find();
    return !found.empty();
  });
  PrintWindows(found);
  return found.empty() ? 1 : 0;
}

int WaitGone(const Words& words) {
  Args args(words, {"hwnd", "wait-ms"});
  auto window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(args.RequiredNumber("hwnd")));
  return PollUntil(args.Number("wait-ms", 0), [&] { return !IsWindow(window); }) ? 0 : 1;
}

int Children(const Words& words) {
  Args args(words, {"hwnd"});
  PrintWindows(Descendants(args.RequiredWindow("hwnd")));
  return 0;
}

int CloseWindowCommand(const Words& words) {
  Args args(words, {"hwnd"});
  return PostMessageW(args.RequiredWindow("hwnd"), WM_CLOSE, 0, 0) ? 0 : 2;
}

}  // namespace e2e
