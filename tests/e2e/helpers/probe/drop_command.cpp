// Files dropped onto a window as the shell drops them: a DROPFILES block in
// the target's memory, announced by WM_DROPFILES. The target's DragFinish
// frees the block, so it is handed over, not freed here.

#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "common/args.h"
#include "common/failure.h"
#include "common/process_memory.h"
#include "common/window_info.h"
#include "probe/commands.h"

namespace e2e {

int Drop(const Words& words) {
  Args args(words, {"hwnd", "x", "y"});
  HWND target = args.RequiredWindow("hwnd");
  if (args.Positional().empty()) throw Failure("no files to drop");

  DROPFILES header{};
  header.pFiles = sizeof(DROPFILES);
  header.pt.x = args.Number("x", 0);
  header.pt.y = args.Number("y", 0);
  header.fNC = FALSE;
  header.fWide = FALSE;
  std::string block(reinterpret_cast<const char*>(&header), sizeof header);
  for (const std::string& file : args.Positional()) {
    block += file;
    block += '\0';
  }
  block += '\0';

  ProcessHandle process(ProcessOf(target), PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION);
  RemoteBuffer remote(process.Get(), block.data(), block.size());
  if (!PostMessageA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(remote.Address()), 0)) {
    FailWithLastError("PostMessageA(WM_DROPFILES)");
  }
  remote.Release();
  return 0;
}

}  // namespace e2e
