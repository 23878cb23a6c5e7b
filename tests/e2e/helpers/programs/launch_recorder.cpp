// launch_recorder.exe: the item a test lets the launcher start. It appends
// one record to the file beside itself named like it with ".log" (a copy
// named tool.exe writes tool.log): its command line, current folder and the
// show command it was started with, then ends without a window.

#include <windows.h>

#include <cstdio>
#include <stdexcept>

#include "common/paths.h"
#include "common/record.h"

int main() {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  char folder[MAX_PATH] = "";
  GetCurrentDirectoryA(sizeof folder, folder);
  try {
    e2e::Record()
        .Int("pid", GetCurrentProcessId())
        .Text("exe", e2e::ModulePath())
        .Text("command_line", GetCommandLineA())
        .Text("folder", folder)
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
