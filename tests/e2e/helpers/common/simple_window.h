#pragma once
// The one top-level window of a small test program, and its message loop.
// A Unicode window: texts reach it whole under every system code page.

#include <windows.h>

namespace e2e {

// A visible overlapped window with the given title (also its class name)
// and screen rectangle, handled by procedure; fails when it cannot be
// created.
HWND CreateTopWindow(const wchar_t* title, WNDPROC procedure, const RECT& rect, DWORD exStyle = 0);

// Runs until WM_QUIT and returns its exit code.
int RunMessageLoop();

}  // namespace e2e
