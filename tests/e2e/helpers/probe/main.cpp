// e2e_probe.exe: drives and observes other programs of the same Wine prefix
// for the end-to-end tests. It reads its arguments and every text through
// the wide calls, and writes records of "key=value" lines (record.h) in
// UTF-8, the same under every system code page.

#include <cstdio>
#include <string>

#include "common/args.h"
#include "common/failure.h"
#include "probe/commands.h"

namespace {

struct Command {
  const char* name;
  int (*run)(const e2e::Words&);
  const char* usage;
};

constexpr Command kCommands[] = {
    {"find-process", e2e::FindProcess, "--exe PATH|NAME  (processes running that exe: pid, exe)"},
    {"list-windows", e2e::ListWindows, "[--pid P] [--title T] [--class C] [--hidden 1]"},
    {"find-window", e2e::FindWindowCommand, "like list-windows, plus [--wait-ms N]; status 1 when none"},
    {"wait-gone", e2e::WaitGone, "--hwnd H --wait-ms N  (status 1 when it still exists)"},
    {"children", e2e::Children, "--hwnd H  (every descendant window)"},
    {"close", e2e::CloseWindowCommand, "--hwnd H  (posts WM_CLOSE)"},
    {"dialogs", e2e::Dialogs, "--pid P [--wait-ms N]  (#32770 windows: text, buttons)"},
    {"press", e2e::Press, "--hwnd DIALOG (--id N | --caption C)  (BM_CLICK)"},
    {"drop", e2e::Drop, "--hwnd H [--x X --y Y] [--wide 1] FILE...  (WM_DROPFILES)"},
    {"menus", e2e::Menus, "--pid P [--wait-ms N]  (#32768 popup menu windows whose menu loop runs)"},
    {"read-menus", e2e::ReadMenus, "--pid P  (items of the open popup menus, read inside P)"},
    {"keys", e2e::Keys,
     "--hwnd H [--up 0] KEY...  (posts WM_KEYDOWN[/UP]; KEY: down up left right return escape tab NUMBER)"},
    {"type", e2e::Type, "--hwnd H TEXT  (one WM_CHAR per character)"},
    {"get-text", e2e::GetText, "--hwnd H  (WM_GETTEXT)"},
    {"set-text", e2e::SetText, "--hwnd H TEXT  (WM_SETTEXT)"},
    {"shell-execute", e2e::ShellExecuteCommand, "--file F [--params P] [--dir D] [--show N] [--verb V]"},
    {"focus", e2e::Focus, "--hwnd H  (the window with the keyboard focus in H's thread; status 1 when none)"},
    {"tab-rows", e2e::TabRows, "--hwnd H  (a tab strip's rows: count, screen rectangle of its tabs)"},
    {"make-link", e2e::MakeLink, "--link L [--target T]  (writes a shell link; no target: none)"},
    {"read-link", e2e::ReadLink, "--link L  (a shell link's target, arguments and working folder)"},
};

void PrintUsage() {
  std::fprintf(stderr, "usage: e2e_probe COMMAND [OPTIONS]\n");
  for (const Command& command : kCommands) std::fprintf(stderr, "  %s %s\n", command.name, command.usage);
}

}  // namespace

int main() {
  e2e::Words words;
  try {
    words = e2e::Arguments();
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "e2e_probe: %s\n", failure.what());
    return 2;
  }
  if (words.empty()) {
    PrintUsage();
    return 2;
  }
  const std::string& name = words.front();
  for (const Command& command : kCommands) {
    if (name != command.name) continue;
    try {
      return command.run(e2e::Words(words.begin() + 1, words.end()));
    } catch (const std::exception& failure) {
      std::fprintf(stderr, "e2e_probe %s: %s\n", name.c_str(), failure.what());
      return 2;
    }
  }
  std::fprintf(stderr, "e2e_probe: unknown command %s\n", name.c_str());
  PrintUsage();
  return 2;
}
