#pragma once
// The program started on the headless backend with a panel of items whose
// files exist (or not) in the fake file system.

#include <string>

#include "control/control_window.h"
#include "mainwindow/main_window.h"
#include "platform/text.h"
#include "support/app_fixture.h"

namespace test {

class MainWindowFixture : public AppFixture {
 public:
  // An item whose target is made on the (fake) disk unless missing is set.
  pelorin::ItemRecord Item(const std::string& path, bool missing = false) {
    pelorin::ItemRecord item;
    item.FileName = platform::ExtractFileName(path);
    item.FilePath = path;
    item.FileHint = "hint of " + item.FileName;
    item.IconPath = path;
    if (!missing) {
      Fakes.Files.MakeFolder(platform::ExtractFilePath(path));
      WriteHostFile(Fakes.Files.HostPath(path), "x");
    }
    return item;
  }

  // Saved state with `count` existing items in panel 0, then start and show.
  void StartWithItems(int count, pelorin::LauncherState state = DefaultState()) {
    for (int i = 0; i < count; ++i) state.AppendItem(0, Item("C:\\Tools\\tool" + std::to_string(i) + ".exe"));
    StartWith(state);
  }
  void StartWith(const pelorin::LauncherState& state) {
    WriteDataFiles(state);
    StartAndShow();
  }

  pelorin::TForm1& Main() { return App.MainWindow(); }
};

}  // namespace test
