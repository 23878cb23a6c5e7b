// launch_recorder.exe: the item a test lets the launcher start. It appends
// one record to the file beside itself named like it with ".log" (a copy
// named tool.exe writes tool.log): its command line, current folder and the
// show command it was started with, then ends without a window. Texts are
// read through the wide calls and logged in UTF-8, whatever the system's
// code page.

#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "common/paths.h"
#include "common/record.h"
#include "common/utf8.h"

int main() {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);
  std::wstring folder(32768, L'\0');
  folder.resize(GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
  try {
    e2e::Record()
        .Int("pid", GetCurrentProcessId())
        .Text("exe", e2e::ModulePath())
        .Text("command_line", e2e::Utf8(GetCommandLineW()))
        .Text("folder", e2e::Utf8(folder))
        .Hex("startup_flags", startup.dwFlags)
        .Bool("uses_show_window", (startup.dwFlags & STARTF_USESHOWWINDOW) != 0)
        .Int("show_command", startup.wShowWindow)
        .AppendToExeLog();
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "launch_recorder: %s\n", failure.what());
    return 3;
  }
  return 0;
}
