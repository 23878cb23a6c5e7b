#pragma once
// The whole program on the headless backend: the recording fakes, the
// application and the App, with its data folder C:\Pelorin\ in a fresh
// temporary host folder.

#include <string>

#include "app/app.h"
#include "core/data_files.h"
#include "core/state.h"
#include "platform/headless/fake_services.h"
#include "platform/headless/testing.h"
#include "platform/ui/application.h"
#include "support/temp_folder.h"

namespace test {

class AppFixture {
 public:
  static constexpr char kDataFolder[] = "C:\\Pelorin\\";

  AppFixture() { Fakes.Files.MakeFolder(kDataFolder); }

  // Writes the three data files as the program would save state.
  void WriteDataFiles(const pelorin::LauncherState& state) {
    WriteDataFile(pelorin::kPanelFileName, pelorin::FormatPanelFile(state));
    WriteDataFile(pelorin::kItemFileName, pelorin::FormatItemFile(state));
    WriteDataFile(pelorin::kOptionFileName, pelorin::FormatOptionFile(state, pelorin::StartPositions(state)));
  }
  void WriteDataFile(const std::string& name, const std::string& bytes) {
    WriteHostFile(Fakes.Files.HostPath(kDataFolder + name), bytes);
  }
  std::string DataFile(const std::string& name) { return ReadHostFile(Fakes.Files.HostPath(kDataFolder + name)); }

  // Start-up and the first show of the main window, as the message loop does it.
  bool StartAndShow() {
    if (!App.Start()) return false;
    Ui.Run();
    return true;
  }

  TempFolder Temp;
  platform::headless::FakeServices Fakes{Temp.Path(), std::string(kDataFolder) + "Pelorin.exe"};
  ui::Application Ui;
  pelorin::App App{Ui, Fakes.Services};
};

// A state as a first run leaves it, to be varied by a test and written out.
inline pelorin::LauncherState DefaultState() {
  pelorin::LauncherState state;
  state.ApplyFirstRunDefaults();
  return state;
}

}  // namespace test
