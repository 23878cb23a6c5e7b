// The panel manager and its name prompt: renaming, adding, deleting and
// reordering panels, OK and Cancel, and what the main window, the files and
// the control window's navigation hold afterwards.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "control/control_window.h"
#include "core/data_files.h"
#include "mainwindow/main_window.h"
#include "panels/panel_manager.h"
#include "panels/panel_name_prompt.h"
#include "support/app_fixture.h"

namespace {

namespace uit = ui::test;
using pelorin::LauncherState;
using pelorin::TForm8;
using Panels = std::vector<std::pair<std::string, int>>;  // names and item counts

const Panels kPQR = {{"P", 3}, {"Q", 0}, {"R", 5}};

Panels Ten() {
  Panels panels;
  for (int p = 0; p < 10; ++p) panels.push_back({"パネル" + std::to_string(p), p});
  return panels;
}

// The program started with panels whose items exist on disk; item s of panel
// p is "C:\Items\p_s.exe", with every field distinct.
struct World {
  explicit World(const Panels& panels, int current = 0) {
    LauncherState state = test::DefaultState();
    state.PanelCount = 0;
    f.Fakes.Files.MakeFolder("C:\\Items");
    for (int p = 0; p < static_cast<int>(panels.size()); ++p) {
      state.AddPanel(panels[p].first);
      for (int s = 0; s < panels[p].second; ++s) {
        const std::string id = std::to_string(p) + "_" + std::to_string(s), path = "C:\\Items\\" + id + ".exe";
        test::WriteHostFile(f.Fakes.Files.HostPath(path), "x");
        state.AppendItem(p, {"n" + id, path, "h" + id, "C:\\W" + id, "-a" + id, "C:\\S\\" + id,
                             static_cast<std::uint8_t>(s % 3), s % 2 == 1, path, 0});
      }
    }
    state.CurrentPanel = static_cast<std::uint8_t>(current);
    f.WriteDataFiles(state);
    f.StartAndShow();
  }
  // The main window's command opens the manager; steps that user queues come next.
  void Manage(const std::function<void(TForm8&)>& user) {
    script.ExpectModal("Form8", [&](ui::Form&) { user(f.App.PanelManager()); });
    f.App.MainWindow().Edit1Click();
    script.Done();
  }
  // The name prompt comes up next, empty and with the focus in Names; the
  // user types name and presses Enter.
  void ExpectName(const std::string& name) {
    script.ExpectModal("Form9", [this, name](ui::Form& prompt) {
      EXPECT_EQ(f.App.PanelNamePrompt().Names.Text(), "");
      EXPECT_EQ(prompt.ActiveControl(), &f.App.PanelNamePrompt().Names);
      uit::Type(f.App.PanelNamePrompt().Names, name);
      uit::PressKey(prompt, uit::Key::Enter);
    });
  }
  // The message the button gives instead of acting.
  std::string Refused(ui::Button& button) {
    auto box = script.ExpectMessageBox(platform::MessageResult::Ok);
    uit::ClickButton(button);
    return box.Text();
  }
  LauncherState& State() { return f.App.State(); }
  // Panel p in use came whole from position origin[p] of before; the rest are empty.
  void ExpectPanelsFrom(const LauncherState& before, const std::vector<int>& origin) {
    ASSERT_EQ(State().PanelCount, origin.size());
    for (int p = 0; p < pelorin::kPanelMax; ++p) {
      SCOPED_TRACE("position " + std::to_string(p));
      const bool used = p < static_cast<int>(origin.size());
      EXPECT_EQ(State().PanelName[p], used ? before.PanelName[origin[p]] : "");
      EXPECT_EQ(State().PanelItemCount[p], used ? before.PanelItemCount[origin[p]] : 0);
      for (int s = 0; s < pelorin::kSlotsPerPanel; ++s) {
        EXPECT_EQ(State().Item(p, s), used ? before.Item(origin[p], s) : pelorin::ItemRecord{}) << "slot " << s;
      }
    }
  }
  int ButtonsShown() {
    int shown = 0;
    for (const auto& image : f.App.MainWindow().Images) shown += image->Visible() ? 1 : 0;
    return shown;
  }

  test::AppFixture f;
  uit::Script script{f.Ui};
};

TEST(PanelManager, DeleteDropsThePanelAndOkShowsSavesAndRefillsTheNavigation) {
  struct Case {
    const char* what;
    Panels panels;
    int current, row;
    std::vector<int> origin;
    int currentAfter;
    const char* refusal = nullptr;
  };
  const Panels six = {{"A", 1}, {"B", 0}, {"C", 2}, {"D", 0}, {"E", 4}, {"F", 3}};
  const std::vector<Case> cases = {
      {"Q of P, Q, R while current", kPQR, 1, 1, {0, 2}, 1},
      {"the first of ten", Ten(), 0, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 0},
      {"the last of six while current: the new last becomes current", six, 5, 5, {0, 1, 2, 3, 4}, 4},
      {"the only one: refused", {{"P", 2}}, 0, 0, {0}, 0, "最後のパネルは削除できません"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    World w(c.panels, c.current);
    const LauncherState before = w.State();
    w.Manage([&](TForm8& m) {
      uit::ClickButton(m.Button1);  // no row selected: nothing happens
      uit::SelectRow(m.PanelList, c.row);
      if (c.refusal) {
        EXPECT_EQ(w.Refused(m.Button1), c.refusal);
      } else {
        uit::ClickButton(m.Button1);
      }
      w.ExpectPanelsFrom(before, c.origin);
      const int last = c.origin.back();
      EXPECT_EQ(m.PanelList.Rows().back(),
                (ui::ListRow{before.PanelName[last], std::to_string(before.PanelItemCount[last])}));
      EXPECT_EQ(m.PanelList.Rows().size(), c.origin.size());
      uit::PressKey(m, uit::Key::Enter);
    });
    const int count = static_cast<int>(c.origin.size());
    EXPECT_EQ(w.State().CurrentPanel, c.currentAfter);
    EXPECT_EQ(w.ButtonsShown(), before.PanelItemCount[c.origin[c.currentAfter]]);
    EXPECT_EQ(w.f.DataFile(pelorin::kPanelFileName), pelorin::FormatPanelFile(w.State()));
    EXPECT_EQ(w.f.DataFile(pelorin::kItemFileName), pelorin::FormatItemFile(w.State()));
    pelorin::TForm5& control = w.f.App.ControlWindow();
    EXPECT_EQ(control.Up.Max(), count - 1);
    EXPECT_EQ(control.Down.Max(), count - 1);
    EXPECT_EQ(control.TwoStep.Max(), count / 2);
    const auto& names = w.State().PanelName;
    EXPECT_EQ(control.PlName.Items(), std::vector<std::string>(names.begin(), names.begin() + count));
    EXPECT_EQ(control.PlName.ItemIndex(), c.currentAfter);
  }
}

TEST(PanelManager, MovesCarryWholePanelsAndNeedANewSelection) {
  struct Case {
    const char* what;
    int row;
    bool up;
    std::vector<int> origin;
  };
  const std::vector<Case> cases = {{"R up", 2, true, {0, 2, 1}},     {"P down", 0, false, {1, 0, 2}},
                                   {"first up", 0, true, {0, 1, 2}}, {"last down", 2, false, {0, 1, 2}},
                                   {"no row", -1, true, {0, 1, 2}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    World w(kPQR, 2);
    for (int s : {0, 1, 2}) w.State().Item(2, s).IconNumber = std::vector{200, 1000, -7}[s];
    const LauncherState before = w.State();
    w.Manage([&](TForm8& m) {
      uit::SelectRow(m.PanelList, c.row);
      ui::Button& move = c.up ? m.Button5 : m.Button6;
      uit::ClickButton(move);
      uit::ClickButton(move);  // the selection is gone: the second press does nothing
      w.ExpectPanelsFrom(before, c.origin);
      EXPECT_EQ(m.PanelList.Rows()[1][0], before.PanelName[c.origin[1]]);
      uit::ClickButton(m.Button3);
    });
    EXPECT_EQ(w.State().CurrentPanel, 2);
  }
}

TEST(PanelManager, RenameAndAddTakeANonEmptyNameAndCancelTakesThemBack) {
  World w(kPQR);
  w.State().PanelItemCount[3] = 4;  // as a hand-edited svp.pld may leave it
  const LauncherState before = w.State();
  std::string panelFile;
  w.Manage([&](TForm8& m) {
    panelFile = w.f.DataFile(pelorin::kPanelFileName);
    std::string order;
    for (const ui::WinControl* control : m.TabOrder()) order += control->Name() + " ";
    EXPECT_EQ(order, "PanelList Button2 Button7 Button1 Button5 Button6 Button3 Button4 ");
    uit::ClickButton(m.Button2);  // no row selected: no prompt
    uit::SelectRow(m.PanelList, 1);
    w.script.ExpectModal("Form9", [&](ui::Form& prompt) {
      pelorin::TForm9& form9 = w.f.App.PanelNamePrompt();
      uit::Type(form9.Names, "");
      EXPECT_EQ(w.Refused(form9.diside), "パネル名を指定してください");
      EXPECT_TRUE(prompt.Visible());
      uit::Type(form9.Names, u"\uD55C\uAE00");  // Korean letters: no code page 932 form
      EXPECT_EQ(w.Refused(form9.diside), "「パネル名」に保存できない文字が含まれています");
      EXPECT_TRUE(prompt.Visible());
      uit::Type(form9.Names, "キュー");
      uit::ClickButton(form9.diside);
    });
    uit::ClickButton(m.Button2);
    EXPECT_EQ(w.f.App.PanelNamePrompt().NameAccepted, 0);
    EXPECT_EQ(w.State().PanelName[1], "キュー");
    EXPECT_EQ(w.State().PanelItemCount, before.PanelItemCount);
    EXPECT_EQ(w.State().Items, before.Items);
    EXPECT_EQ(m.PanelList.ItemIndex(), 1);
    w.ExpectName("新規");
    uit::ClickButton(m.Button7);
    EXPECT_EQ(m.PanelList.Rows(), (std::vector<ui::ListRow>{{"P", "3"}, {"キュー", "0"}, {"R", "5"}, {"新規", "0"}}));
    EXPECT_EQ(m.PanelList.ItemIndex(), -1);
    EXPECT_EQ(w.State().PanelItemCount[3], 0);
    uit::PressKey(m, uit::Key::Escape);
  });
  EXPECT_EQ(w.State().PanelCount, 3);
  EXPECT_EQ(w.State().PanelName, before.PanelName);
  EXPECT_EQ(w.State().PanelItemCount, before.PanelItemCount);
  EXPECT_EQ(w.State().Items, before.Items);
  EXPECT_EQ(w.f.DataFile(pelorin::kPanelFileName), panelFile);
}

TEST(PanelManager, TenPanelsTakeNoMore) {
  World w(Ten());
  const LauncherState before = w.State();
  w.Manage([&](TForm8& m) {
    EXPECT_EQ(w.Refused(m.Button7), "これ以上パネルを追加できません");  // and the prompt never comes up
    uit::ClickButton(m.Button3);
  });
  w.ExpectPanelsFrom(before, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
}

TEST(PanelManager, CancelAfterAFailedSaveKeepsWhatWasNeverWritten) {
  World w(kPQR);
  w.f.App.MainWindow().N11Click();  // the deleted item waits in memory for the next save
  const LauncherState before = w.State();
  w.f.Fakes.Files.InjectFailure(platform::headless::FileOperation::Write, "ディスクに空き領域がありません。");
  auto failed = w.script.ExpectMessageBox(platform::MessageResult::Ok);
  w.Manage([&](TForm8& m) {
    w.ExpectName("新規");
    uit::ClickButton(m.Button7);
    uit::SelectRow(m.PanelList, 2);
    uit::ClickButton(m.Button5);
    uit::ClickButton(m.Button4);
  });
  EXPECT_TRUE(failed.Used());
  w.ExpectPanelsFrom(before, {0, 1, 2});
  EXPECT_EQ(w.ButtonsShown(), 2);
}

}  // namespace
