// minimal_window.exe: the smallest Win32 program with a window, the baseline
// for start-up timing. It opens "minimal_window" at 100,120 (320 x 240) and
// ends after its first paint; with "--stay 1" it stays until closed, so a
// test can look at it.

#include <windows.h>

#include <cstdio>
#include <stdexcept>

#include "common/args.h"
#include "common/simple_window.h"

namespace {

bool stay = false;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      EndPaint(window, &paint);
      if (!stay) DestroyWindow(window);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

// Its one option is ASCII, the same in every code page: the baseline
// imports no shell32 to read it wide.
int main(int argc, char** argv) {
  try {
    e2e::Args args(std::vector<std::string>(argv + 1, argv + argc), {"stay"});
    stay = args.Number("stay", 0) != 0;
    e2e::CreateTopWindow(L"minimal_window", Procedure, RECT{100, 120, 420, 360});
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "minimal_window: %s\n", failure.what());
    return 3;
  }
  return e2e::RunMessageLoop();
}
