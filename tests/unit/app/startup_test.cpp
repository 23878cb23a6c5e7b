// Start-up and shutdown of the whole program on the headless backend.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control/control_window.h"
#include "mainwindow/main_window.h"
#include "support/app_fixture.h"
#include "tray/tray_window.h"

namespace {

namespace uit = ui::test;
using pelorin::LauncherState;

std::vector<std::string> FormNamesAndCaptions(const ui::Application& app) {
  std::vector<std::string> names;
  for (const ui::Form* form : app.Forms()) names.push_back(form->Name() + " " + form->Caption());
  return names;
}

TEST(Startup, CreatesTheElevenWindowsInOrderWithTheirCaptions) {
  test::AppFixture f;
  ASSERT_TRUE(f.App.Start());
  EXPECT_EQ(FormNamesAndCaptions(f.Ui),
            (std::vector<std::string>{"Form1 Pelorin", "Form2 Add Item", "FrmIconChenge Icon Chenge",
                                      "Form5 Control Window", "Form6 Option", "Form7 TaskTryIcon",
                                      "Form8 Panel Option", "Form9 Name", "Form10 Windowsの終了",
                                      "Form11 Data Chenge", "Form12 "}));
  EXPECT_EQ(f.Ui.Title(), "Pelorin");
  EXPECT_EQ(f.Ui.MainForm(), &f.App.MainWindow());
  for (const ui::Form* form : f.Ui.Forms()) EXPECT_FALSE(form->Visible()) << form->Name();
}

TEST(Startup, ASecondCopyEndsBeforeCreatingAnything) {
  test::AppFixture f;
  f.Fakes.Instance.HeldElsewhere("Pelorin__Ver_1.52");
  EXPECT_FALSE(f.App.Start());
  EXPECT_TRUE(f.Ui.Forms().empty());
  EXPECT_EQ(f.Fakes.Log.Calls(), std::vector<std::string>{"ClaimInstance Pelorin__Ver_1.52"});
}

TEST(Startup, FirstRunWindowsAreCreatedAgainstTheZeroStateAndShownWithTheDefaults) {
  test::AppFixture f;
  ASSERT_TRUE(f.App.Start());
  const LauncherState& state = f.App.State();
  // Before the first show every window saw nothing loaded.
  EXPECT_TRUE(state.FirstRun);
  EXPECT_EQ(state.PanelCount, 0);
  EXPECT_FALSE(state.TaskCheck);
  EXPECT_FALSE(f.App.TrayWindow().TryIcon.Shown());

  f.Ui.Run();
  EXPECT_FALSE(state.FirstRun);
  EXPECT_EQ(state.PanelCount, 1);
  EXPECT_EQ(state.PanelName[0], "ワークスペース");
  EXPECT_EQ(state.PanelItemCount[0], 0);
  // The defaults reach the windows, but the tray icon only comes with the next start.
  EXPECT_TRUE(state.TaskCheck);
  EXPECT_FALSE(f.App.TrayWindow().TryIcon.Shown());
  EXPECT_TRUE(uit::TaskbarButtonHidden(f.Ui));

  pelorin::TForm1& main = f.App.MainWindow();
  EXPECT_TRUE(main.Visible());
  EXPECT_EQ(main.Left(), 111);
  EXPECT_EQ(main.Top(), 89);
  EXPECT_EQ(main.ClientSize(), (ui::Size{186, 112}));
  EXPECT_EQ(main.Width(), 192);
  EXPECT_EQ(main.Height(), 134);
  pelorin::TForm5& control = f.App.ControlWindow();
  EXPECT_TRUE(control.Visible());
  EXPECT_EQ(control.Left(), 253);
  EXPECT_EQ(control.Top(), 109);
  EXPECT_TRUE(state.CanHide);
  EXPECT_EQ(main.TipTimer.Interval(), 100u);
  EXPECT_TRUE(main.AcceptsFiles());
  EXPECT_FALSE(main.Alpha().has_value());
}

TEST(Startup, ALaterRunHasTheTrayIconAndTheSavedPlaces) {
  test::AppFixture f;
  LauncherState saved = test::DefaultState();
  saved.MainLeft = 400;
  saved.MainTop = 300;
  saved.ControlLeft = 20;
  saved.ControlTop = 30;
  saved.ShowLine = 7;
  saved.IcLine = 2;
  f.WriteDataFiles(saved);

  ASSERT_TRUE(f.App.Start());
  EXPECT_TRUE(f.App.TrayWindow().TryIcon.Shown());
  EXPECT_EQ(f.App.TrayWindow().TryIcon.Tip(), "Pelorin 起動中");
  f.Ui.Run();
  pelorin::TForm1& main = f.App.MainWindow();
  EXPECT_EQ(main.Left(), 400);
  EXPECT_EQ(main.Top(), 300);
  EXPECT_EQ(main.ClientSize(), (ui::Size{7 * 37 + 1, 2 * 37 + 1}));
  // Its window was made there, at that size: never moved or resized after.
  for (const ui::Property update : uit::PeerUpdates(main)) {
    EXPECT_NE(update, ui::Property::Bounds);
    EXPECT_NE(update, ui::Property::ClientSize);
  }
  EXPECT_EQ(f.App.ControlWindow().Left(), 20);
  EXPECT_EQ(f.App.ControlWindow().Top(), 30);
  EXPECT_TRUE(uit::TaskbarButtonHidden(f.Ui));
}

TEST(Startup, OptionsTakeEffectAtTheFirstShow) {
  test::AppFixture f;
  LauncherState saved = test::DefaultState();
  saved.ClShow = false;
  saved.TaskCheck = false;
  saved.AlphaMain = true;
  saved.MemSysShow = false;
  saved.MainColor = 0x00112233;
  f.WriteDataFiles(saved);

  ASSERT_TRUE(f.App.Start());
  // Translucency comes with the creation, before any show.
  EXPECT_EQ(f.App.MainWindow().Alpha(), std::optional<std::uint8_t>(200));
  f.Ui.Run();
  EXPECT_FALSE(f.App.ControlWindow().Visible());
  EXPECT_FALSE(f.App.TrayWindow().TryIcon.Shown());
  // The start removes the taskbar button whatever TaskCheck says.
  EXPECT_TRUE(uit::TaskbarButtonHidden(f.Ui));
  EXPECT_EQ(f.App.MainWindow().Color(), 0x00112233);
  EXPECT_EQ(f.App.ControlWindow().Width(), pelorin::TForm5::kNarrowWidth);
}

TEST(Startup, OnlyTheFirstShowPlacesTheWindows) {
  test::AppFixture f;
  ASSERT_TRUE(f.StartAndShow());
  pelorin::TForm1& main = f.App.MainWindow();
  main.SetLeft(500);
  f.App.ControlWindow().Hide();
  main.Hide();
  f.App.State().CanHide = false;
  main.TipTimer.SetInterval(1000);

  main.Show();
  EXPECT_EQ(main.Left(), 500);
  EXPECT_FALSE(f.App.ControlWindow().Visible());
  // Every show lets the edge hiding act again.
  EXPECT_TRUE(f.App.State().CanHide);
  EXPECT_EQ(main.TipTimer.Interval(), 100u);
}

TEST(Startup, AFailedLoadIsReportedAndTheRestOfTheMainWindowsCreationSkipped) {
  test::AppFixture f;
  LauncherState saved = test::DefaultState();
  saved.AlphaMain = true;
  f.WriteDataFiles(saved);
  // Line 4 of opt.dat is a boolean.
  std::string options = f.DataFile(pelorin::kOptionFileName);
  options.replace(options.find("TRUE"), 4, "maybe");
  f.WriteDataFile(pelorin::kOptionFileName, options);

  uit::Script script(f.Ui);
  auto report = script.ExpectMessageBox(platform::MessageResult::Ok);
  ASSERT_TRUE(f.App.Start());
  EXPECT_NE(report.Text().find("'maybe'"), std::string::npos) << report.Text();
  EXPECT_EQ(report.Caption(), "Pelorin");
  EXPECT_EQ(report.Style(), platform::MessageStyle::Error);
  EXPECT_FALSE(f.App.MainWindow().AcceptsFiles());
  EXPECT_FALSE(f.App.MainWindow().Alpha().has_value());
  // Start-up goes on with what was read.
  EXPECT_EQ(f.Ui.Forms().size(), 11u);
  f.Ui.Run();
  EXPECT_TRUE(f.App.MainWindow().Visible());
  EXPECT_EQ(f.App.State().PanelName[0], "ワークスペース");
  script.Done();
}

TEST(Startup, AnErrorThatEndsStartUpIsReportedWithItsText) {
  test::AppFixture f;
  f.Fakes.Files.InjectException(platform::headless::FileOperation::Read, "メモリが不足しています。",
                                "C:\\Pelorin\\svp.pld");
  uit::Script script(f.Ui);
  auto report = script.ExpectMessageBox(platform::MessageResult::Ok);
  EXPECT_EQ(f.App.Run(), 1);
  EXPECT_EQ(report.Text(), "メモリが不足しています。");
  EXPECT_EQ(report.Caption(), "Pelorin");
  EXPECT_EQ(report.Style(), platform::MessageStyle::Error);
  script.Done();
}

TEST(Startup, TheTraceAddsUpEachPhaseWritesStartUpAtTheEndOfTheFirstShowThenEachLaterRefresh) {
  platform::headless::FakeStartupTrace trace;
  trace.Advance(5), trace.Mark("a");
  trace.Advance(3), trace.Mark("b");
  trace.Advance(2), trace.Mark("a");
  EXPECT_EQ(trace.Report(), "a\t7 us\t2\r\nb\t3 us\t1\r\ntotal\t10 us\r\n");

  test::AppFixture f;
  LauncherState saved = test::DefaultState();
  saved.PanelItemCount[0] = 1;
  saved.Item(0, 0).FilePath = std::string(test::AppFixture::kDataFolder) + "svf.itd";
  f.WriteDataFiles(saved);
  EXPECT_EQ(f.App.Run(), 0);
  ASSERT_TRUE(f.Fakes.Trace.Written());
  EXPECT_NE(f.Fakes.Trace.Written()->find("shell icons of the current panel\t"), std::string::npos);
  EXPECT_EQ(f.Fakes.Trace.Written()->find("messages and layout"), std::string::npos);
  const std::string startup = *f.Fakes.Trace.Written();
  f.App.MainWindow().RefreshPanel();
  EXPECT_EQ(*f.Fakes.Trace.Written(), startup +
                                          "panel refresh\r\n"
                                          "messages and layout\t0 us\t2\r\n"
                                          "existence checks\t0 us\t1\r\n"
                                          "shell icons of the current panel\t0 us\t1\r\n"
                                          "total\t0 us\r\n")
      << "a later refresh is reported on its own, after start-up's report";
}

TEST(Shutdown, TheFirstSaveAfterAFailedLoadKeepsTheFilesAsTheyWereOnce) {
  test::AppFixture f;
  LauncherState saved = test::DefaultState();
  saved.PanelCount = 2;
  saved.PanelItemCount = {1, 1};
  saved.Item(0, 0).FileName = "one";
  saved.Item(0, 0).FilePath = "C:\\Pelorin\\one.exe";
  f.WriteDataFile("one.exe", "");
  saved.Item(1, 0).FileName = "two";
  f.WriteDataFiles(saved);
  std::string items = f.DataFile(pelorin::kItemFileName);
  items.replace(items.rfind("FALSE"), 5, "maybe");  // IsFolder of the second panel's item
  f.WriteDataFile(pelorin::kItemFileName, items);
  const std::string panels = f.DataFile(pelorin::kPanelFileName);
  const std::string options = f.DataFile(pelorin::kOptionFileName);

  uit::Script script(f.Ui);
  script.ExpectMessageBox(platform::MessageResult::Ok);
  ASSERT_TRUE(f.StartAndShow());
  ASSERT_TRUE(f.App.SaveAll());
  EXPECT_EQ(f.DataFile("svf.itd.bak"), items);
  EXPECT_EQ(f.DataFile("svp.pld.bak"), panels);
  EXPECT_EQ(f.DataFile("opt.dat.bak"), options);
  // The new files hold what was read before the error.
  EXPECT_EQ(f.DataFile(pelorin::kItemFileName), pelorin::FormatItemFile(f.App.State()));
  EXPECT_EQ(f.DataFile(pelorin::kItemFileName).find("maybe"), std::string::npos);

  // Later saves leave the copies alone.
  f.App.State().PanelName[0] = "changed";
  ASSERT_TRUE(f.App.SaveAll());
  EXPECT_EQ(f.DataFile("svp.pld.bak"), panels);
  EXPECT_EQ(f.DataFile("svf.itd.bak"), items);
  script.Done();
}

TEST(Shutdown, ClosingTheMainWindowRemovesTheTrayIconThenSavesTheLivePositions) {
  test::AppFixture f;
  f.WriteDataFiles(test::DefaultState());
  ASSERT_TRUE(f.StartAndShow());
  ASSERT_TRUE(f.App.TrayWindow().TryIcon.Shown());
  f.App.MainWindow().SetLeft(640);
  f.App.MainWindow().SetTop(10);
  f.App.ControlWindow().SetLeft(5);
  f.App.ControlWindow().SetTop(6);
  f.Fakes.Log.Clear();

  uit::ClickCloseBox(f.App.MainWindow());
  EXPECT_TRUE(f.Ui.Terminated());
  EXPECT_FALSE(f.App.TrayWindow().TryIcon.Shown());
  const std::string options = f.DataFile(pelorin::kOptionFileName);
  EXPECT_NE(options.find("\r\n10\r\n640\r\n6\r\n5\r\n"), std::string::npos);
  // The three files and the commit marker.
  EXPECT_EQ(f.Fakes.Log.CallsStartingWith("Write").size(), 4u);
}

TEST(Shutdown, AFirstRunClosedAtOnceWritesTheDefaults) {
  test::AppFixture f;
  ASSERT_TRUE(f.StartAndShow());
  f.App.MainWindow().Close();
  const LauncherState defaults = test::DefaultState();
  EXPECT_EQ(f.DataFile(pelorin::kPanelFileName), pelorin::FormatPanelFile(defaults));
  EXPECT_EQ(f.DataFile(pelorin::kItemFileName), "");
  EXPECT_EQ(f.DataFile(pelorin::kOptionFileName),
            pelorin::FormatOptionFile(defaults, pelorin::StartPositions(defaults)));
}

}  // namespace
