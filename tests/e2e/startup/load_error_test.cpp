// A data file that cannot be read: Pelorin says so in a message box while
// its main window is created, and goes on with what it read once the user
// answers OK. The rest of that creation (drop target, translucency) is
// skipped.

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "harness/e2e.h"
#include "startup/startup_support.h"

namespace e2e {
namespace {

constexpr int kIdOk = 1;

// Checks the error box and answers OK; the main window must not show before.
void AnswerLoadError(E2eSession& s, const Program& app, const std::vector<std::string>& expectedParts) {
  DialogBox box = app.WaitForDialog();
  s.Screenshot(box.window, "load-error");
  EXPECT_EQ(box.window.title, "Pelorin");
  for (const std::string& part : expectedParts) {
    EXPECT_NE(box.text.find(part), std::string::npos) << "\"" << part << "\" is not in the message:\n" << box.text;
  }
  ASSERT_EQ(box.buttons.size(), 1u);
  EXPECT_EQ(box.buttons[0].id, kIdOk);
  EXPECT_TRUE(app.Windows(kMainWindowQuery).empty()) << "the message comes while the main window is created";
  s.Answer(box, kIdOk);
}

std::vector<std::string> FirstLines(const std::vector<std::string>& lines, std::size_t count) {
  return {lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(std::min(count, lines.size()))};
}

TEST(LoadError, ABadBooleanInTheOptionsIsReportedAndTheProgramGoesOn) {
  E2eSession s;
  std::vector<std::string> options = FirstRunOptionLines();
  Option(options, OptionLine::ShowLine) = "6";
  Option(options, OptionLine::IcLine) = "2";
  Option(options, OptionLine::MaxLine) = "12";
  Option(options, OptionLine::PopFolder) = "maybe";
  Program app =
      s.StartPelorin({{"svp.pld", CrLfFile(FirstRunPanelLines())}, {"svf.itd", ""}, {"opt.dat", CrLfFile(options)}});

  AnswerLoadError(s, app, {"maybe", s.WindowsPath(s.StageDir() / "opt.dat")});

  // The three lines before the bad one were taken: six by two cells.
  Window main = WaitForMainWindow(app);
  PollUntil(kDefaultTimeout, [&] {
    main = WaitForMainWindow(app);
    return main.client.Width() == 6 * 37 + 1 && main.client.Height() == 2 * 37 + 1;
  });
  s.Screenshot(main, "main-window");
  EXPECT_EQ(main.client.Width(), 6 * 37 + 1);
  EXPECT_EQ(main.client.Height(), 2 * 37 + 1);
  EXPECT_EQ(main.exStyle & kAcceptsFiles, 0u) << "no drop target after a failed load";
  EXPECT_TRUE(app.Dialogs().empty());

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
  EXPECT_EQ(FirstLines(CrLfLines(s.ReadFile("opt.dat")), 3), (std::vector<std::string>{"6", "2", "12"}));
  EXPECT_EQ(CrLfLines(s.ReadFile("svp.pld")), FirstRunPanelLines());
  EXPECT_EQ(s.ReadFile("svf.itd"), "");
}

TEST(LoadError, AMissingOptionsFileIsReportedAndTheItemsStay) {
  E2eSession s;
  std::vector<std::string> panels = FirstRunPanelLines();
  panels[2] = "1";
  const std::string items = CrLfFile({ToCp932("メモ帳"), R"(C:\windows\notepad.exe)", ToCp932("テキストを書く"),
                                      R"(C:\windows)", "", "", "0", "FALSE", R"(C:\windows\notepad.exe)", "0"});
  Program app = s.StartPelorin({{"svp.pld", CrLfFile(panels)}, {"svf.itd", items}});

  AnswerLoadError(s, app, {s.WindowsPath(s.StageDir() / "opt.dat")});

  Window main = WaitForMainWindow(app);
  s.Screenshot(main, "main-window");
  EXPECT_EQ(main.exStyle & kAcceptsFiles, 0u) << "no drop target after a failed load";
  EXPECT_TRUE(app.Dialogs().empty()) << "the item's file exists: no question to delete it";

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
  EXPECT_EQ(CrLfLines(s.ReadFile("svp.pld")), panels);
  EXPECT_EQ(s.ReadFile("svf.itd"), items);
  EXPECT_EQ(CrLfLines(s.ReadFile("opt.dat")).size(), 31u);
}

TEST(LoadError, ABadLastOptionKeepsThePositionsButSkipsTranslucency) {
  E2eSession s;
  std::vector<std::string> options = FirstRunOptionLines();
  Option(options, OptionLine::MainTop) = "150";
  Option(options, OptionLine::MainLeft) = "220";
  Option(options, OptionLine::AlphaMain) = "TRUE";
  Option(options, OptionLine::AlphaBar) = "abc";
  Program app =
      s.StartPelorin({{"svp.pld", CrLfFile(FirstRunPanelLines())}, {"svf.itd", ""}, {"opt.dat", CrLfFile(options)}});

  AnswerLoadError(s, app, {"abc", s.WindowsPath(s.StageDir() / "opt.dat")});

  Window main = WaitForMainWindowAt(app, MainWindowRect(220, 150, 5, 3));
  s.Screenshot(main, "main-window");
  EXPECT_EQ(main.exStyle & kAcceptsFiles, 0u) << "no drop target after a failed load";
  EXPECT_EQ(XOpacity("Pelorin"), std::nullopt) << "AlphaMain was read, but a failed load skips translucency";

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
  EXPECT_EQ(FirstLines(CrLfLines(s.ReadFile("opt.dat")), 30), FirstLines(options, 30));
}

}  // namespace
}  // namespace e2e
