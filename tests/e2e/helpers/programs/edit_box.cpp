// edit_box.exe: a window "edit_box" at 100,120 (320 x 120) holding one
// edit control with id 100, for the harness's text reading and typing.

#include <windows.h>

#include <cstdio>
#include <stdexcept>

#include "common/simple_window.h"

namespace {

constexpr int kEditId = 100;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10, 280, 24, window,
                      reinterpret_cast<HMENU>(kEditId), GetModuleHandleW(nullptr), nullptr);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int main() {
  try {
    e2e::CreateTopWindow(L"edit_box", Procedure, RECT{100, 120, 420, 240});
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "edit_box: %s\n", failure.what());
    return 3;
  }
  return e2e::RunMessageLoop();
}
