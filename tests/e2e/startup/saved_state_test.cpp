// Pelorin started on saved data files: the windows come up where the files
// say, as the options say, and closing writes the same files back.

#include <filesystem>
#include <string>
#include <vector>

#include "harness/e2e.h"
#include "startup/startup_support.h"

namespace e2e {
namespace {

// The ten lines of an item record, in file order.
struct ItemLines {
  std::string FileName;
  std::string FilePath;
  std::string FileHint;
  std::string FileFolder;
  std::string Notify;
  std::string Sincro;
  std::string FileExecuteSize;
  std::string IsFolder;
  std::string IconPath;
  std::string IconNumber;
};

std::string ItemFile(const std::vector<ItemLines>& items) {
  std::vector<std::string> lines;
  for (const ItemLines& i : items) {
    lines.insert(lines.end(), {i.FileName, i.FilePath, i.FileHint, i.FileFolder, i.Notify, i.Sincro, i.FileExecuteSize,
                               i.IsFolder, i.IconPath, i.IconNumber});
  }
  return CrLfFile(lines);
}

// The Shift-JIS Windows path of a file in the stage folder.
std::string StagedPath(const E2eSession& s, const std::filesystem::path& hostPath) {
  return ToCp932(s.WindowsPath(hostPath));
}

TEST(SavedState, ComesUpAsSavedAndWritesTheSameFilesBackOnExit) {
  E2eSession s;
  // Names whose Shift-JIS bytes hold 0x5C (表, ソ) as a second byte.
  const auto tool = s.StageHelper("launch_recorder.exe", "ツール/表示/launch.exe");
  const auto documents = s.StageDir() / "資料";
  const auto list = s.WriteFile("資料/ソフト一覧.txt", "一覧\r\n");

  // clang-format off
  const std::vector<ItemLines> items = {
      // panel 0 "仕事"
      {ToCp932("メモ帳"), R"(C:\windows\notepad.exe)", ToCp932("テキストを書く"), R"(C:\windows)",
       ToCp932("/a 引数"), R"(C:\windows\regedit.exe /s)", "2", "FALSE", R"(C:\windows\notepad.exe)", "0"},
      {ToCp932("表示ツール"), StagedPath(s, tool), "", StagedPath(s, tool.parent_path()),
       "", "", "1", "FALSE", R"(C:\windows\system32\shell32.dll)", "3"},
      {ToCp932("資料"), StagedPath(s, documents), ToCp932("ソース一覧"), "",
       "", "", "0", "TRUE", StagedPath(s, documents), "0"},
      // panel 1 "ツール表示", the current one
      {ToCp932("ソフト一覧"), StagedPath(s, list), ToCp932("一覧"), StagedPath(s, documents),
       "", "", "0", "FALSE", StagedPath(s, list), "0"},
      {ToCp932("レジストリ"), R"(C:\windows\regedit.exe)", ToCp932("設定"), "",
       "", "", "2", "FALSE", R"(C:\windows\system32\shell32.dll)", "12"},
  };
  std::vector<std::string> panels = {"3", ToCp932("仕事"), "3", ToCp932("ツール表示"), "2", ToCp932("空き"), "0"};
  for (int unused = 3; unused < 10; ++unused) panels.insert(panels.end(), {"", "0"});
  const std::vector<std::string> options = {
      "7", "2", "14", "FALSE", "1", ToCp932("ＭＳ 明朝"),
      "255", "12632256", "14745599", "-2147483632",
      "TRUE", "FALSE", "FALSE", "FALSE", "5", "TRUE", "TRUE", "FALSE",
      "Ctrl+Alt+K", "Shift+F5", "Alt+Home", "", "Shift+Ctrl+End", "Ctrl+Alt+F12",
      "300", "400",   // main window top, left
      "250", "700",   // control window top, left
      "TRUE", "FALSE", "60"};
  // clang-format on
  const std::string itemBytes = ItemFile(items);
  const std::string panelBytes = CrLfFile(panels);
  const std::string optionBytes = CrLfFile(options);

  Program app = s.StartPelorin({{"svf.itd", itemBytes}, {"svp.pld", panelBytes}, {"opt.dat", optionBytes}});
  // Seven by two cells at left 400, top 300.
  Window main = WaitForMainWindowAt(app, MainWindowRect(400, 300, 7, 2));
  s.Screenshot(main, "main-window");
  EXPECT_EQ(main.exStyle & kAcceptsFiles, kAcceptsFiles);
  EXPECT_EQ(XOpacity("Pelorin"), 0xC8C8C8C8u) << "AlphaMain: opacity 200";

  Window control = WaitForControlWindow(app, main);
  EXPECT_EQ(control.rect.left, 700);
  EXPECT_EQ(control.rect.top, 250);
  s.Screenshot(control, "control-window");

  Window tray = s.WaitForTrayWindow();
  s.Screenshot(tray, "tray");
  s.ScreenshotScreen("screen");
  // Every item's file exists: no question to delete one.
  EXPECT_TRUE(app.Dialogs().empty());

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
  EXPECT_EQ(s.ReadFile("svf.itd"), itemBytes);
  EXPECT_EQ(s.ReadFile("svp.pld"), panelBytes);
  EXPECT_EQ(s.ReadFile("opt.dat"), optionBytes);
}

TEST(SavedState, TheControlWindowStaysHiddenWhenClShowIsOff) {
  E2eSession s;
  ASSERT_TRUE(WaitUntilNoTrayIcon(s));
  std::vector<std::string> options = FirstRunOptionLines();
  Option(options, OptionLine::ClShow) = "FALSE";
  Option(options, OptionLine::TaskCheck) = "FALSE";
  Option(options, OptionLine::MainTop) = "200";
  Option(options, OptionLine::MainLeft) = "300";
  Option(options, OptionLine::ControlTop) = "420";
  Option(options, OptionLine::ControlLeft) = "500";
  const std::string optionBytes = CrLfFile(options);
  Program app =
      s.StartPelorin({{"svp.pld", CrLfFile(FirstRunPanelLines())}, {"svf.itd", ""}, {"opt.dat", optionBytes}});

  // Placed and laid out: the first show has decided about the control window.
  Window main = WaitForMainWindowAt(app, MainWindowRect(300, 200, 5, 3));
  s.Screenshot(main, "main-window");
  s.ScreenshotScreen("screen");
  EXPECT_TRUE(OtherVisibleForms(app, main).empty()) << "only the main window shows";

  // Without TaskCheck no tray icon; the control window's creation removes
  // the taskbar entry all the same.
  EXPECT_FALSE(ApplicationWindow(app).visible);
  EXPECT_TRUE(s.Windows(kTrayWindowQuery).empty());

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
  // The hidden control window was still placed where the file said.
  EXPECT_EQ(s.ReadFile("opt.dat"), optionBytes);
}

}  // namespace
}  // namespace e2e
