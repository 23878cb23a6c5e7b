// The options dialog: loading, the spin tables and the maximum, OK and
// Cancel, the pages, the hot-key boxes, the link, and the start-up shortcut.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "core/hotkey_text.h"
#include "mainwindow/main_window_fixture.h"
#include "options/options_dialog.h"

namespace {

namespace uit = ui::test;
using pelorin::TForm6;

constexpr char kStartup[] = "C:\\Startup";

struct OptionsFixture : test::MainWindowFixture {
  explicit OptionsFixture(pelorin::LauncherState state = test::DefaultState()) {
    Fakes.Files.MakeFolder(kStartup);
    Fakes.Shell.SetSpecialFolder(platform::kFolderStartup, kStartup);
    StartWith(state);
  }

  TForm6& Dialog() { return App.OptionsDialog(); }

  // Opens the dialog from the main window's menu; user works it and closes
  // it, answering what comes up inside as queued by inside.
  void Open(const std::function<void(TForm6&)>& user, const std::function<void(uit::Script&)>& inside = {}) {
    uit::Script script(Ui);
    script.ExpectModal("Form6", [&](ui::Form&) { user(Dialog()); });
    if (inside) inside(script);
    Main().N8Click();
    script.Done();
  }
};

void ClickTimes(ui::SpinButton& spin, ui::SpinArrow arrow, int times) {
  for (int i = 0; i < times; ++i) uit::ClickArrow(spin, arrow);
}

TEST(OptionsDialog, TheMaximumFollowsAndRowsComeDownToFitAPanel) {
  pelorin::LauncherState state = test::DefaultState();
  state.IcLine = 4;
  state.ShowLine = 5;
  state.MaxLine = 20;
  OptionsFixture f(state);
  f.Open([&](TForm6& d) {
    uit::ChooseTab(d.TabC, 1);
    EXPECT_EQ(d.MaxLine.Text(), "20");  // 4 x 5 fits exactly
    uit::ClickArrow(d.UpDown2, ui::SpinArrow::Up);
    EXPECT_EQ(d.ShowLine.Text(), "6");
    EXPECT_EQ(d.IcLine.Text(), "3");
    EXPECT_EQ(d.MaxLine.Text(), "18");
    EXPECT_EQ(d.UpDown1.Position(), 2);
    uit::ClickArrow(d.UpDown1, ui::SpinArrow::Up);  // 4 x 6 again
    EXPECT_EQ(d.IcLine.Text(), "3");
    ClickTimes(d.UpDown2, ui::SpinArrow::Up, 14);
    EXPECT_EQ(d.ShowLine.Text(), "20");
    EXPECT_EQ(d.IcLine.Text(), "1");
    EXPECT_EQ(d.MaxLine.Text(), "20");
    uit::ClickButton(d.Button1);
  });
  EXPECT_EQ(f.App.State().IcLine, 1);
  EXPECT_EQ(f.App.State().ShowLine, 20);
  EXPECT_EQ(f.App.State().MaxLine, 20);
}

TEST(OptionsDialog, OkWithoutChangesKeepsEveryOptionAndCancelKeepsThemAfterChanges) {
  pelorin::LauncherState state = test::DefaultState();
  state.FontName = "ＭＳ ゴシック";
  state.FontColor = 0x00102030;
  state.ControlColor = 0x00405060;
  state.MainColor = 0x00708090;
  state.ButtonShado = pelorin::SystemColour(16);
  state.UD = true;
  state.wHide = false;
  state.BarWidth = 5;
  state.MemSysShow = false;
  state.TaskCheck = true;
  state.HotClp = "Ctrl+Alt+K";
  state.HotReBoot = "Shift+Ctrl+F12";
  OptionsFixture f(state);
  const pelorin::LauncherState before = f.App.State();
  const auto options = [](const pelorin::LauncherState& s) {
    return pelorin::FormatOptionFile(s, pelorin::StartPositions(s));
  };

  f.Open([&](TForm6& d) { uit::ClickButton(d.Button1); });
  EXPECT_EQ(options(f.App.State()), options(before));

  f.Open(
      [&](TForm6& d) {
        uit::ChooseTab(d.TabC, 6);
        uit::ClickButton(d.Button6);
        uit::ClickButton(d.Button8);
        EXPECT_EQ(d.MainColor.Color(), 0x000000FF);
        EXPECT_EQ(d.ButtonShado.Color(), 0x0000FF00);
        uit::ChooseTab(d.TabC, 0);
        uit::ToggleCheckBox(d.Time);
        uit::ClickButton(d.Button7);
      },
      [](uit::Script& s) {
        s.ExpectColorDialog(0x000000FF);
        s.ExpectColorDialog(0x0000FF00);
      });
  EXPECT_EQ(options(f.App.State()), options(before));
  EXPECT_EQ(f.Main().Color(), before.MainColor);

  // The next opening shows the stored values again.
  f.Open([&](TForm6& d) {
    EXPECT_EQ(d.MainColor.Color(), before.MainColor);
    EXPECT_EQ(d.Time.Checked(), before.Time);
    EXPECT_TRUE(d.UD.Checked());
    EXPECT_FALSE(d.LR.Checked());
    EXPECT_EQ(d.BarWidth.Text(), "5");
    EXPECT_EQ(d.UpDown3.Position(), 4);
    EXPECT_EQ(d.SampleFont.Font().name, "ＭＳ ゴシック");
    uit::ClickButton(d.Button7);
  });
}

TEST(OptionsDialog, EveryOpeningStartsOnTheFirstPageAlone) {
  OptionsFixture f;
  for (int tab : {3, 7}) {
    f.Open([&](TForm6& d) {
      EXPECT_EQ(d.TabC.TabIndex(), 0);
      std::vector<std::string> shown;
      for (ui::Control* page : d.Children()) {
        if (dynamic_cast<ui::Panel*>(page) && page->Visible()) shown.push_back(page->Name());
      }
      EXPECT_EQ(shown, std::vector<std::string>{"pAll"});
      uit::ChooseTab(d.TabC, tab);
      EXPECT_FALSE(d.pAll.Visible());
      uit::ClickButton(d.Button7);
    });
  }
}

TEST(OptionsDialog, GrownByMoreRowsOfTabsItStaysCentred) {
  OptionsFixture f;
  ui::FontSpec wide = f.Dialog().TabC.Font();
  wide.height *= 2;
  f.Dialog().TabC.SetFont(wide);
  const int plannedHeight = f.Dialog().Height();
  f.Open([&](TForm6& d) {
    EXPECT_GT(d.Height(), plannedHeight);
    const int middle = d.Top() + d.Height() / 2;
    EXPECT_LE(std::abs(middle - f.Ui.ScreenSize().height / 2), 1);
    uit::ClickButton(d.Button7);
  });
}

TEST(OptionsDialog, EdgeHidingSwitchesItsControls) {
  OptionsFixture f;
  f.Open([&](TForm6& d) {
    uit::ChooseTab(d.TabC, 2);
    const std::vector<ui::Control*> dependent = {&d.Label13, &d.BarWidth, &d.UpDown3, &d.LR, &d.UD};
    for (const bool on : {!d.wHide.Checked(), d.wHide.Checked()}) {
      uit::ToggleCheckBox(d.wHide);
      for (ui::Control* control : dependent) EXPECT_EQ(control->Enabled(), on) << control->Name();
    }
    uit::ClickButton(d.Button7);
  });
}

TEST(OptionsDialog, HotKeysAreStoredAsTextAndShownAgain) {
  OptionsFixture f;
  const ui::KeyCombination ctrlAltF1{pelorin::vk::F1, false, true, true};
  f.Open([&](TForm6& d) {
    uit::ChooseTab(d.TabC, 3);
    uit::PressInHotKeyBox(d.HotClp, ctrlAltF1);
    // Shift alone and no modifier are refused.
    uit::PressInHotKeyBox(d.HotSearch, {'A', true, false, false});
    EXPECT_EQ(d.HotSearch.Combination(), ui::KeyCombination{});
    uit::ClickButton(d.Button1);
  });
  EXPECT_EQ(f.App.State().HotClp, "Ctrl+Alt+F1");
  EXPECT_EQ(f.App.State().HotSearch, "");
  f.Open([&](TForm6& d) {
    EXPECT_EQ(d.HotClp.Combination(), ctrlAltF1);
    uit::ClickButton(d.Button7);
  });
}

TEST(OptionsDialog, OkAppliesColoursAndLaysTheGridOutAnew) {
  OptionsFixture f;
  const ui::Size before = f.Main().ClientSize();
  f.Open(
      [&](TForm6& d) {
        uit::ChooseTab(d.TabC, 1);
        uit::ClickArrow(d.UpDown2, ui::SpinArrow::Down);  // 4 per row
        uit::ClickArrow(d.UpDown1, ui::SpinArrow::Up);    // 4 rows
        uit::ChooseTab(d.TabC, 6);
        uit::ClickButton(d.Button6);
        uit::ClickButton(d.Button1);
      },
      [](uit::Script& s) { s.ExpectColorDialog(0x00112233); });
  EXPECT_EQ(f.Main().Color(), 0x00112233);
  EXPECT_LT(f.Main().ClientSize().width, before.width);
  EXPECT_GT(f.Main().ClientSize().height, before.height);
}

TEST(OptionsDialog, TheLinkOpensTheReadmeBesideTheExe) {
  OptionsFixture f;
  f.Open([&](TForm6& d) {
    uit::ChooseTab(d.TabC, 7);
    uit::MoveMouse(d.HpUrl, {3, 3});
    EXPECT_EQ(d.HpUrl.Font().color, TForm6::kLinkHot);
    uit::MoveMouse(d.Label15, {3, 3});
    EXPECT_EQ(d.HpUrl.Font().color, TForm6::kLinkCold);
    uit::Click(d.HpUrl, ui::MouseButton::Left, {3, 3});
    uit::ClickButton(d.Button7);
  });
  ASSERT_EQ(f.Fakes.Shell.Calls().size(), 1u);
  EXPECT_EQ(f.Fakes.Shell.Calls()[0].File, "C:\\Pelorin\\readme.txt");
  EXPECT_EQ(f.Fakes.Shell.Calls()[0].ShowCommand, platform::kShowNormal);
}

// Presses 登録 or 登録解除 and answers the message it shows.
std::string PressStartupButton(OptionsFixture& f, bool registering) {
  f.Open(
      [&](TForm6& d) {
        uit::ChooseTab(d.TabC, 5);
        uit::ClickButton(registering ? d.Button2 : d.Button3);
        uit::ClickButton(d.Button7);
      },
      [](uit::Script& s) { s.ExpectMessageBox(platform::MessageResult::Ok); });
  return uit::MessageBoxesShown(f.Ui).back().text;
}

TEST(StartupShortcut, RegisteredTwiceRemovedOnceThenNothingToRemove) {
  OptionsFixture f;
  EXPECT_EQ(PressStartupButton(f, true), "ショートカットを作成しました");
  EXPECT_EQ(PressStartupButton(f, true), "ショートカットを作成しました");
  const auto link = f.Fakes.Links.LinkAt("C:\\Startup\\Pelorin.lnk");
  ASSERT_TRUE(link);
  EXPECT_EQ(link->TargetPath, "C:\\Pelorin\\Pelorin.exe");
  EXPECT_EQ(link->WorkingDirectory, "C:\\Pelorin");
  EXPECT_EQ(link->Arguments, "");
  EXPECT_EQ(PressStartupButton(f, false), "ショートカットを削除しました");
  EXPECT_FALSE(std::filesystem::exists(f.Fakes.Files.HostPath("C:\\Startup\\Pelorin.lnk")));
  EXPECT_EQ(PressStartupButton(f, false), "削除するファイルがありません");
}

TEST(StartupShortcut, FollowsTheExesNameAndFolder) {
  OptionsFixture f;
  // A name with double-byte characters, one with 0x5C as its second byte.
  f.Fakes.Files.MakeFolder("C:\\表示");
  f.Fakes.Files.SetExecutablePath("C:\\表示\\ランチャー.exe");
  EXPECT_EQ(PressStartupButton(f, true), "ショートカットを作成しました");
  const auto link = f.Fakes.Links.LinkAt("C:\\Startup\\ランチャー.lnk");
  ASSERT_TRUE(link);
  EXPECT_EQ(link->WorkingDirectory, "C:\\表示");
  // Renamed since: the shortcut is looked for under the new name.
  f.Fakes.Files.SetExecutablePath("C:\\表示\\Launcher.exe");
  EXPECT_EQ(PressStartupButton(f, false), "削除するファイルがありません");
  f.Fakes.Files.SetExecutablePath("C:\\Launcher.exe");
  EXPECT_EQ(PressStartupButton(f, true), "ショートカットを作成しました");
  EXPECT_EQ(f.Fakes.Links.LinkAt("C:\\Startup\\Launcher.lnk")->WorkingDirectory, "C:\\");
}

TEST(StartupShortcut, NoStartupFolderOrAFailingSaveIsSaidSo) {
  OptionsFixture f;
  f.Fakes.Shell.SetSpecialFolder(platform::kFolderStartup, std::nullopt);
  f.Fakes.Log.Clear();
  EXPECT_EQ(PressStartupButton(f, true), "スタートアップフォルダが見つかりません");
  EXPECT_EQ(PressStartupButton(f, false), "スタートアップフォルダが見つかりません");
  EXPECT_TRUE(f.Fakes.Log.CallsStartingWith("SaveShellLink").empty());
  EXPECT_TRUE(f.Fakes.Log.CallsStartingWith("RemoveFile").empty());

  f.Fakes.Shell.SetSpecialFolder(platform::kFolderStartup, kStartup);
  f.Fakes.Links.FailSaves("アクセスが拒否されました。");
  const std::string reported = PressStartupButton(f, true);
  EXPECT_EQ(reported, "アクセスが拒否されました。");
}

}  // namespace
