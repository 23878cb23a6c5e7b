// The rows of a tab strip of another program: how many, and the rectangle
// its tabs cover on the screen (what the pages must stay out of). The item
// rectangles are written into that program's memory, so they are read back
// from there.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>

#include "common/args.h"
#include "common/failure.h"
#include "common/process_memory.h"
#include "common/record.h"
#include "common/window_info.h"
#include "probe/commands.h"

namespace e2e {

int TabRows(const Words& words) {
  Args args(words, {"hwnd"});
  HWND tabs = args.RequiredWindow("hwnd");
  const auto count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
  if (count <= 0) return 1;
  ProcessHandle process(ProcessOf(tabs), PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE |
                                             PROCESS_QUERY_INFORMATION);
  const RECT empty{};
  RemoteBuffer remote(process.Get(), &empty, sizeof empty);
  RECT covered{};
  for (int i = 0; i < count; ++i) {
    if (!SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remote.Address()))) {
      throw Failure("TCM_GETITEMRECT failed");
    }
    RECT item{};
    if (!ReadProcessMemory(process.Get(), remote.Address(), &item, sizeof item, nullptr)) {
      FailWithLastError("ReadProcessMemory");
    }
    UnionRect(&covered, &covered, &item);
  }
  MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&covered), 2);
  Record record;
  record.Int("rows", SendMessageW(tabs, TCM_GETROWCOUNT, 0, 0)).Rectangle("tabs", covered);
  record.WriteTo(stdout);
  return 0;
}

}  // namespace e2e
