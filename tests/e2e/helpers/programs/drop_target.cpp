// drop_target.exe: a window "drop_target" at 500,120 (300 x 200) that
// accepts dropped files. On the first drop it appends a record (count,
// point, one "file" line per name as DragQueryFileW gives it) to the log
// beside itself, named like it with ".log", and exits with the count.

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "common/record.h"
#include "common/simple_window.h"
#include "common/utf8.h"

namespace {

int dropped = 0;

void RecordDrop(HDROP drop) {
  UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  POINT point{};
  DragQueryPoint(drop, &point);
  e2e::Record record;
  record.Int("count", count).Int("x", point.x).Int("y", point.y);
  for (UINT i = 0; i < count; ++i) {
    std::wstring name(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    name.resize(DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size())));
    record.Text("file", e2e::Utf8(name));
  }
  record.AppendToExeLog();
  dropped = static_cast<int>(count);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DROPFILES:
      // Exceptions must not cross the system's frames back to DispatchMessage.
      try {
        RecordDrop(reinterpret_cast<HDROP>(wParam));
      } catch (const std::exception& failure) {
        std::fprintf(stderr, "drop_target: %s\n", failure.what());
      }
      DragFinish(reinterpret_cast<HDROP>(wParam));
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(dropped);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int main() {
  try {
    e2e::CreateTopWindow(L"drop_target", Procedure, RECT{500, 120, 800, 320}, WS_EX_ACCEPTFILES);
    return e2e::RunMessageLoop();
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "drop_target: %s\n", failure.what());
    return 0;
  }
}
