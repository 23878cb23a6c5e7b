#pragma once
// The program started with a number of panels; panel p holds p + 1 items,
// so that the main window shows which panel is current.

#include <string>

#include "control/control_window.h"
#include "mainwindow/main_window_fixture.h"

namespace test {

struct ControlFixture : MainWindowFixture {
  explicit ControlFixture(int panels, int current = 0, pelorin::LauncherState state = DefaultState()) {
    state.PanelName[0] = "P0";
    for (int p = 1; p < panels; ++p) state.AddPanel("P" + std::to_string(p));
    for (int p = 0; p < panels; ++p) {
      for (int i = 0; i <= p; ++i) state.AppendItem(p, Item("C:\\P" + std::to_string(p) + "\\tool" + std::to_string(i) + ".exe"));
    }
    state.CurrentPanel = static_cast<std::uint8_t>(current);
    StartWith(state);
  }

  pelorin::TForm5& Control() { return App.ControlWindow(); }
  pelorin::LauncherState& State() { return App.State(); }
  int ShownItems() {
    int shown = 0;
    for (const auto& image : Main().Images) shown += image->Visible() ? 1 : 0;
    return shown;
  }
};

}  // namespace test
