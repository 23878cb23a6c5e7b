#pragma once
// Reading windows of any process: texts through WM_GETTEXT with a timeout
// (GetWindowText does not read controls of another process), in UTF-8;
// rectangles in screen coordinates.

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

class Record;

std::string ClassName(HWND window);
std::string WindowText(HWND window);
DWORD ProcessOf(HWND window);
RECT WindowRect(HWND window);
RECT ClientRectOnScreen(HWND window);

// Top-level windows, topmost first.
std::vector<HWND> TopLevelWindows();
// Every descendant of parent, in EnumChildWindows order.
std::vector<HWND> Descendants(HWND parent);

// Adds the fields every window record carries: hwnd, pid, class, title,
// window and client rectangles, visible, enabled, style, exstyle, owner,
// parent, id.
void DescribeWindow(Record& record, HWND window);

}  // namespace e2e
