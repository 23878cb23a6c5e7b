// Entry point of Pelorin.exe: the win32 backend and the real platform
// services, wired into the App that the tests run on the headless backend.

#include <windows.h>

#include "core/app.h"
#include "platform/ui/application.h"
#include "platform/win32/services_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // A second copy ends before it initialises anything: setting up the
  // application already creates (hidden) windows. App::Start claims the
  // mutex, atomically, for the copy that goes on.
  if (HANDLE running = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, pelorin::kInstanceMutexName)) {
    CloseHandle(running);
    return 0;
  }
  ui::Application ui;
  platform::win32::ServicesWin32 services(ui);
  pelorin::App app(ui, services.Services);
  return app.Run();
}
