// Entry point of Pelorin.exe: the win32 backend and the real platform
// services, wired into the App that the tests run on the headless backend.

#include <windows.h>

#include <exception>

#include "app/app.h"
#include "platform/ui/application.h"
#include "platform/win32/services_win32.h"
#include "platform/win32/startup_trace_win32.h"
#include "platform/win32/wide_text.h"

namespace {

// Before the App exists, or while it is taken down: no window to own the box.
void ReportFatal(const char* text) {
  MessageBoxW(nullptr, platform::win32::Wide(text).c_str(), platform::win32::Wide(pelorin::kApplicationTitle).c_str(),
              MB_OK | MB_ICONSTOP);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    platform::win32::StartupTraceWin32 trace;
    trace.Mark("loader and C runtime");
    ui::Application ui;
    trace.Mark("window classes, application icons");
    platform::win32::ServicesWin32 services(ui, trace);
    trace.Mark("services");
    pelorin::App app(ui, services.Services);
    return app.Run();
  } catch (const std::exception& error) {
    ReportFatal(error.what());
  } catch (...) {
    ReportFatal(platform::kUnexpectedErrorText);
  }
  return 1;
}
