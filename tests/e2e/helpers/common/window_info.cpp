#include "common/window_info.h"

#include "common/record.h"
#include "common/utf8.h"

namespace e2e {
namespace {

constexpr UINT kSendTimeoutMs = 3000;

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

// The real parent; GetParent would answer the owner of a popup window.
HWND ParentOf(HWND window) {
  HWND parent = GetAncestor(window, GA_PARENT);
  return parent == GetDesktopWindow() ? nullptr : parent;
}

}  // namespace

std::string ClassName(HWND window) {
  wchar_t buffer[256];
  int length = GetClassNameW(window, buffer, 256);
  return Utf8(std::wstring_view(buffer, length > 0 ? length : 0));
}

std::string WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length)) return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                           kSendTimeoutMs, &copied)) {
    return {};
  }
  text.resize(copied < text.size() ? copied : text.size() - 1);
  return Utf8(text);
}

DWORD ProcessOf(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  return pid;
}

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

RECT ClientRectOnScreen(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> windows;
  EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

void DescribeWindow(Record& record, HWND window) {
  record.Handle("hwnd", window)
      .Int("pid", ProcessOf(window))
      .Text("class", ClassName(window))
      .Text("title", WindowText(window))
      .Rectangle("rect", WindowRect(window))
      .Rectangle("client", ClientRectOnScreen(window))
      .Bool("visible", IsWindowVisible(window))
      .Bool("enabled", IsWindowEnabled(window))
      .Hex("style", static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)))
      .Hex("exstyle", static_cast<unsigned long>(GetWindowLongW(window, GWL_EXSTYLE)))
      .Handle("owner", GetWindow(window, GW_OWNER))
      .Handle("parent", ParentOf(window))
      .Int("id", GetDlgCtrlID(window));
}

}  // namespace e2e
