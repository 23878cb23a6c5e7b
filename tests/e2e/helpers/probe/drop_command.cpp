// Files dropped onto a window as the shell drops them: a DROPFILES block in
// the target's memory, announced by WM_DROPFILES. The target's DragFinish
// frees the block, so it is handed over, not freed here.

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "common/args.h"
#include "common/failure.h"
#include "common/process_memory.h"
#include "common/utf8.h"
#include "common/window_info.h"
#include "probe/commands.h"

namespace e2e {
namespace {

// name in the system's code page, as a program of the ANSI world drops it
// (a character outside the code page becomes "?").
std::string AnsiName(const std::string& name) {
  const std::wstring wide = Wide(name);
  const int length = static_cast<int>(wide.size());
  const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), length, ansi.data(), size, nullptr, nullptr);
  return ansi;
}

}  // namespace

int Drop(const Words& words) {
  Args args(words, {"hwnd", "x", "y", "wide"});
  HWND target = args.RequiredWindow("hwnd");
  if (args.Positional().empty()) throw Failure("no files to drop");
  // --wide 1: UTF-16 names, as a Unicode shell drops them; else names in the
  // system's code page.
  const bool wide = args.Number("wide", 0) != 0;

  DROPFILES header{};
  header.pFiles = sizeof(DROPFILES);
  header.pt.x = args.Number("x", 0);
  header.pt.y = args.Number("y", 0);
  header.fNC = FALSE;
  header.fWide = wide ? TRUE : FALSE;
  std::string block(reinterpret_cast<const char*>(&header), sizeof header);
  for (const std::string& file : args.Positional()) {
    if (wide) {
      const std::wstring name = Wide(file);
      block.append(reinterpret_cast<const char*>(name.c_str()), (name.size() + 1) * sizeof(wchar_t));
    } else {
      block += AnsiName(file);
      block += '\0';
    }
  }
  block.append(wide ? sizeof(wchar_t) : 1, '\0');

  ProcessHandle process(ProcessOf(target), PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION);
  RemoteBuffer remote(process.Get(), block.data(), block.size());
  if (!PostMessageW(target, WM_DROPFILES, reinterpret_cast<WPARAM>(remote.Address()), 0)) {
    FailWithLastError("PostMessageW(WM_DROPFILES)");
  }
  remote.Release();
  return 0;
}

}  // namespace e2e
