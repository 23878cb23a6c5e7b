// Entry point of Pelorin.exe: the win32 backend and the real platform
// services, wired into the App that the tests run on the headless backend.

#include <windows.h>

#include <cstdlib>
#include <exception>

#include "app/app.h"
#include "platform/ui/application.h"
#include "platform/win32/services_win32.h"

// An exception that escapes everything ends the program at once. The
// library's own handler would print its name to a console that a GUI
// program does not have, and brings a C++ name demangler (46 KB) into the exe.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    ui::Application ui;
    platform::win32::ServicesWin32 services(ui);
    pelorin::App app(ui, services.Services);
    return app.Run();
  } catch (const std::exception& error) {
    // Before the App exists, or while it is taken down: no window to own the box.
    MessageBoxA(nullptr, error.what(), pelorin::kApplicationTitle, MB_OK | MB_ICONSTOP);
  } catch (...) {
    MessageBoxA(nullptr, platform::kUnexpectedErrorText, pelorin::kApplicationTitle, MB_OK | MB_ICONSTOP);
  }
  return 1;
}
