// Keys and text for a window of another process, without keyboard focus:
// posted key messages (menus, lists), WM_CHAR and WM_GETTEXT/WM_SETTEXT
// (edit controls).

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "common/args.h"
#include "common/failure.h"
#include "common/record.h"
#include "common/utf8.h"
#include "common/window_info.h"
#include "probe/commands.h"

namespace e2e {
namespace {

constexpr UINT kSendTimeoutMs = 5000;

struct KeyName {
  const char* name;
  UINT key;
};

constexpr KeyName kKeyNames[] = {
    {"down", VK_DOWN},     {"up", VK_UP},   {"left", VK_LEFT},   {"right", VK_RIGHT},   {"return", VK_RETURN},
    {"escape", VK_ESCAPE}, {"tab", VK_TAB}, {"space", VK_SPACE}, {"delete", VK_DELETE}, {"back", VK_BACK},
    {"home", VK_HOME},     {"end", VK_END}, {"f1", VK_F1},
};

UINT VirtualKey(const std::string& word) {
  for (const KeyName& name : kKeyNames) {
    if (word == name.name) return name.key;
  }
  char* end = nullptr;
  unsigned long number = std::strtoul(word.c_str(), &end, 0);
  if (word.empty() || *end != '\0' || number == 0 || number > 0xFE) throw Failure("unknown key " + word);
  return static_cast<UINT>(number);
}

void Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!PostMessageW(window, message, wParam, lParam)) FailWithLastError("PostMessageW");
}

}  // namespace

int Keys(const Words& words) {
  Args args(words, {"hwnd", "up"});
  HWND window = args.RequiredWindow("hwnd");
  bool withUp = args.Number("up", 1) != 0;
  for (const std::string& word : args.Positional()) {
    UINT key = VirtualKey(word);
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, 0)) << 16;
    Post(window, WM_KEYDOWN, key, scan | 1);
    if (withUp) Post(window, WM_KEYUP, key, scan | 1 | 0xC0000000);
  }
  return 0;
}

int Type(const Words& words) {
  Args args(words, {"hwnd"});
  HWND window = args.RequiredWindow("hwnd");
  for (const std::string& text : args.Positional()) {
    // One UTF-16 unit per WM_CHAR; the system hands it to an ANSI window
    // procedure in that window's code page.
    for (const wchar_t unit : Wide(text)) {
      DWORD_PTR result = 0;
      if (!SendMessageTimeoutW(window, WM_CHAR, unit, 1, SMTO_NORMAL, kSendTimeoutMs, &result)) {
        FailWithLastError("sending WM_CHAR");
      }
    }
  }
  return 0;
}

int GetText(const Words& words) {
  Args args(words, {"hwnd"});
  Record().Text("text", WindowText(args.RequiredWindow("hwnd"))).WriteTo(stdout);
  return 0;
}

int SetText(const Words& words) {
  Args args(words, {"hwnd"});
  const std::wstring text = args.Positional().empty() ? std::wstring() : Wide(args.Positional().front());
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(args.RequiredWindow("hwnd"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                           SMTO_NORMAL, kSendTimeoutMs, &result)) {
    FailWithLastError("SendMessageTimeoutW(WM_SETTEXT)");
  }
  return 0;
}

}  // namespace e2e
