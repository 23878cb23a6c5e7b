// Files dropped onto a window as the shell drops them: a DROPFILES block in
// the target's memory, announced by WM_DROPFILES. The target's DragFinish
// frees the block, so it is handed over, not freed here.

#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "common/args.h"
#include "common/failure.h"
#include "common/process_memory.h"
#include "common/window_info.h"
#include "probe/commands.h"

namespace e2e {

namespace {

// The last count words of the command line as Windows received them: names
// outside the ANSI code page come whole, not with '?'.
std::vector<std::wstring> WideTail(std::size_t count) {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argv == nullptr) FailWithLastError("CommandLineToArgvW");
  std::vector<std::wstring> tail;
  for (int i = argc - static_cast<int>(count); i < argc; ++i) {
    if (i >= 0) tail.emplace_back(argv[i]);
  }
  LocalFree(argv);
  if (tail.size() != count) throw Failure("command line shorter than its files");
  return tail;
}

}  // namespace

int Drop(const Words& words) {
  Args args(words, {"hwnd", "x", "y", "wide"});
  HWND target = args.RequiredWindow("hwnd");
  if (args.Positional().empty()) throw Failure("no files to drop");
  // --wide 1: a DROPFILES block of UTF-16 names, as a Unicode shell drops them.
  const bool wide = args.Number("wide", 0) != 0;

  DROPFILES header{};
  header.pFiles = sizeof(DROPFILES);
  header.pt.x = args.Number("x", 0);
  header.pt.y = args.Number("y", 0);
  header.fNC = FALSE;
  header.fWide = wide ? TRUE : FALSE;
  std::string block(reinterpret_cast<const char*>(&header), sizeof header);
  if (wide) {
    for (const std::wstring& file : WideTail(args.Positional().size())) {
      block.append(reinterpret_cast<const char*>(file.c_str()), (file.size() + 1) * sizeof(wchar_t));
    }
    block.append(sizeof(wchar_t), '\0');
  } else {
    for (const std::string& file : args.Positional()) {
      block += file;
      block += '\0';
    }
    block += '\0';
  }

  ProcessHandle process(ProcessOf(target), PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION);
  RemoteBuffer remote(process.Get(), block.data(), block.size());
  if (!PostMessageA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(remote.Address()), 0)) {
    FailWithLastError("PostMessageA(WM_DROPFILES)");
  }
  remote.Release();
  return 0;
}

}  // namespace e2e
