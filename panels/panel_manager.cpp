#include "panels/panel_manager.h"

#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "control/control_window.h"
#include "mainwindow/main_window.h"
#include "panels/panel_name_prompt.h"

namespace pelorin {

namespace {

constexpr char kNoMorePanels[] = "これ以上パネルを追加できません";
constexpr char kLastPanel[] = "最後のパネルは削除できません";

}  // namespace

TForm8::TForm8(App& app)
    : ui::Form(app.Ui(), "Form8", "Panel Option", ui::BorderStyle::ToolWindowNoButtons), app_(app) {
  SetClientSize({341, 189});
  SetLeft(250);
  SetTop(135);
  onShow = [this] { FormShow(); };
  Button2.onClick = [this] { Button2Click(); };
  Button7.onClick = [this] { Button7Click(); };
  Button1.onClick = [this] { Button1Click(); };
  Button5.onClick = [this] { Button5Click(); };
  Button6.onClick = [this] { Button6Click(); };
  Button3.onClick = [this] { Button3Click(); };
  Button4.onClick = [this] { Button4Click(); };
}

void TForm8::FormShow() {
  // Cancel brings this back from memory: reloading the files would lose
  // every change that the save before opening failed to write.
  opening_ = app_.State();
  RebuildList();
}

void TForm8::Button2Click() {
  const int row = PanelList.ItemIndex();
  if (row < 0) return;
  LauncherState& state = app_.State();
  if (!AskName(state.PanelName[row])) return;
  state.PanelName[row] = app_.PanelNamePrompt().Names.Text();
  PanelList.SetCaption(row, state.PanelName[row]);
}

void TForm8::Button7Click() {
  LauncherState& state = app_.State();
  if (state.PanelCount >= kPanelMax) {
    Tell(kNoMorePanels);
    return;
  }
  if (!AskName("")) return;
  const std::string& name = app_.PanelNamePrompt().Names.Text();
  state.AddPanel(name);
  PanelList.AddRow({name, "0"});
  PanelList.SetItemIndex(-1);
}

void TForm8::Button1Click() {
  const int row = PanelList.ItemIndex();
  if (row < 0) return;
  LauncherState& state = app_.State();
  // At least one panel stays in use; a delete of the current last panel makes the new last one current.
  if (!state.DeletePanel(row)) {
    Tell(kLastPanel);
    return;
  }
  RebuildList();
}

void TForm8::Button5Click() { MoveSelected(-1); }

void TForm8::Button6Click() { MoveSelected(1); }

void TForm8::Button3Click() {
  app_.MainWindow().RefreshPanel();
  app_.SaveAll();
  app_.ControlWindow().UpdateNavigationRange();
  Close();
}

void TForm8::Button4Click() {
  LauncherState& state = app_.State();
  // Only the data go back, as a reload would bring them; the process flags stay as they are.
  opening_.CanHide = state.CanHide;
  opening_.FirstRun = state.FirstRun;
  state = opening_;
  Close();
  app_.MainWindow().RefreshPanel();
}

void TForm8::RebuildList() {
  const LauncherState& state = app_.State();
  std::vector<ui::ListRow> rows;
  for (int panel = 0; panel < state.PanelCount; ++panel) {
    rows.push_back({state.PanelName[panel], std::to_string(state.PanelItemCount[panel])});
  }
  PanelList.SetRows(std::move(rows));
}

bool TForm8::AskName(const std::string& text) {
  TForm9& prompt = app_.PanelNamePrompt();
  prompt.Names.SetText(text);
  {
    const EdgeHiding::Pause pause(app_.Hiding());
    prompt.ShowModal();
  }
  const bool accepted = prompt.NameAccepted == 1;
  prompt.NameAccepted = 0;
  return accepted;
}

void TForm8::MoveSelected(int step) {
  const int row = PanelList.ItemIndex();
  const int other = row + step;
  LauncherState& state = app_.State();
  if (row < 0 || other < 0 || other >= state.PanelCount) return;
  state.SwapPanels(row, other);
  RebuildList();
}

void TForm8::Tell(const char* message) {
  app_.Ui().ShowMessage(message, kApplicationTitle, platform::MessageStyle::Plain);
}

}  // namespace pelorin
