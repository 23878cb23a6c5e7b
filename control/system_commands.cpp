// The control window's system commands: control-panel applets, shell
// folders, the file search, the recycle bin, and ending the session after
// the countdown. The tray menu and the global hot keys run the same ones.

#include <optional>

#include "app/app.h"
#include "control/control_window.h"
#include "control/shutdown_countdown.h"
#include "launch/file_search.h"
#include "platform/shell.h"
#include "platform/system.h"

namespace pelorin {

namespace {

constexpr char kMyComputer[] = "::{20D04FE0-3AEA-1069-A2D8-08002B30309D}";
constexpr char kNetworkFolder[] = "::{208D2C60-3AEA-1069-A2D7-08002B30309D}";
constexpr char kShutdownMessage[] = "秒後にWindowsを終了します";
constexpr char kRestartMessage[] = "秒後にWindowsを再起動します";

}  // namespace

void TForm5::ControlPanel(const std::string& applet) {
  app_.Services().Shell.Execute(this, "Open", "Control.exe", applet, std::nullopt, platform::kShow);
}

void TForm5::ExplorerOn(const std::string& folder) {
  app_.Services().Shell.Execute(this, "Open", "EXPLORER.EXE", folder, std::string(), platform::kShow);
}

void TForm5::Open1Click() { ControlPanel(""); }
void TForm5::S1Click() { ControlPanel("Sysdm.cpl"); }
void TForm5::I1Click() { ControlPanel("Inetcpl.cpl"); }
void TForm5::N2Click() { ControlPanel("Appwiz.cpl"); }
void TForm5::P1Click() { ExplorerOn(kMyComputer); }
void TForm5::N7Click() { ExplorerOn(kNetworkFolder); }

void TForm5::M1Click() {
  platform::Shell& shell = app_.Services().Shell;
  // Without a documents folder there is nothing to explore.
  const std::optional<std::string> documents = shell.SpecialFolderPath(platform::kFolderPersonal);
  if (!documents) return;
  shell.Execute(this, "Explore", *documents, "", std::string(), platform::kShow);
}

void TForm5::N8Click() { app_.Services().Shell.EmptyRecycleBin(this); }

void TForm5::F1Click() { OpenFileSearch(app_.Services().Dde, app_.Services().Shell, this); }

void TForm5::N4Click() { EndSessionAfterCountdown(SessionEnd::Shutdown); }
void TForm5::N5Click() { EndSessionAfterCountdown(SessionEnd::Restart); }

void TForm5::EndSessionAfterCountdown(SessionEnd end) {
  const EdgeHiding::Pause pause(app_.Hiding());
  // Written first: whatever the user then decides, nothing is lost.
  app_.SaveAll();
  TForm10& countdown = app_.ShutdownCountdown();
  countdown.Label1.SetCaption(end == SessionEnd::Shutdown ? kShutdownMessage : kRestartMessage);
  // Its timers stop as it closes.
  countdown.ShowModal();
  if (!countdown.Confirmed()) return;

  platform::System& system = app_.Services().System;
  const bool nt = system.IsNtFamily();
  if (nt) system.EnableShutdownPrivilege();
  if (end == SessionEnd::Restart) {
    system.EndSession(platform::exit_windows::kReboot);
  } else {
    system.EndSession(nt ? platform::exit_windows::kPowerOff : platform::exit_windows::kShutdown);
  }
}

}  // namespace pelorin
