// Dialog boxes (#32770): message boxes and the common dialogs.

#include <windows.h>

#include <cstdio>

#include "common/args.h"
#include "common/failure.h"
#include "common/record.h"
#include "common/utf8.h"
#include "common/window_info.h"
#include "probe/commands.h"
#include "probe/polling.h"
#include "probe/window_filter.h"

namespace e2e {
namespace {

// The id of a message box's text control.
constexpr int kMessageTextId = 0xFFFF;

bool IsButton(HWND window) { return SameTextIgnoringCase(ClassName(window), "Button"); }

// "はい(&Y)" -> "はい(Y)": how a caption reads without its mnemonic marks
// ("&&" is one "&"). No byte of a UTF-8 multi-byte character is "&".
std::string WithoutMnemonic(const std::string& caption) {
  std::string plain;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&') {
      plain += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
      plain += '&';
      ++i;
    }
  }
  return plain;
}

}  // namespace

int Dialogs(const Words& words) {
  Args args(words, {"pid", "wait-ms"});
  WindowFilter filter;
  filter.pid = static_cast<DWORD>(args.RequiredNumber("pid"));
  filter.className = "#32770";
  std::vector<HWND> dialogs;
  PollUntil(args.Number("wait-ms", 0), [&] {
    dialogs = filter.Find();
    return !dialogs.empty();
  });
  for (HWND dialog : dialogs) {
    Record record;
    DescribeWindow(record, dialog);
    HWND text = GetDlgItem(dialog, kMessageTextId);
    record.Text("text", text ? WindowText(text) : "");
    for (HWND child : Descendants(dialog)) {
      if (IsButton(child) && IsWindowVisible(child)) {
        record.Text("button", std::to_string(GetDlgCtrlID(child)) + ":" + WindowText(child));
      }
    }
    record.WriteTo(stdout);
  }
  return dialogs.empty() ? 1 : 0;
}

int Press(const Words& words) {
  Args args(words, {"hwnd", "id", "caption"});
  HWND dialog = args.RequiredWindow("hwnd");
  HWND button = nullptr;
  if (args.Has("id")) {
    button = GetDlgItem(dialog, static_cast<int>(args.RequiredNumber("id")));
  } else {
    std::string wanted = WithoutMnemonic(args.Text("caption"));
    for (HWND child : Descendants(dialog)) {
      if (IsButton(child) && WithoutMnemonic(WindowText(child)) == wanted) button = child;
    }
  }
  if (!button) throw Failure("no such button");
  if (!PostMessageW(button, BM_CLICK, 0, 0)) FailWithLastError("PostMessageW(BM_CLICK)");
  return 0;
}

}  // namespace e2e
