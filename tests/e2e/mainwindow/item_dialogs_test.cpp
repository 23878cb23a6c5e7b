// The Add Item dialog and the icon chooser as a user works them: the menu
// opens the dialog, Tab walks its fields in order, the real file-open dialog
// fills it, Enter confirms; a click on the preview opens the chooser.

#include <algorithm>
#include <string>
#include <vector>

#include "harness/e2e.h"
#include "mainwindow/support.h"

namespace e2e::mainwindow {
namespace {

// A button window's kind in its style (BS_TYPEMASK), and the default push button's.
constexpr std::uint32_t kButtonKind = 0x0F;
constexpr std::uint32_t kDefaultPushButton = 0x01;

// Pelorin with one item, its main window up and the pointer out of the way.
Program StartWithOneItem(E2eSession& s) {
  ParkPointer(s);
  Program app = s.StartPelorin(DataFiles({ItemFor(s.WindowsPath(s.StageHelper("launch_recorder.exe", "items/a.exe")))}));
  app.WaitForWindow({.title = "Pelorin"});
  return app;
}

Window OpenAddItem(const E2eSession& s, const Program& app, const Window& main) {
  const Point background = Grid(main, 5).Client(100, 90);
  s.Click(background.x, background.y, 3);
  app.PickMenuItem("アイテム設定(&I)");
  app.PickMenuItem("追加(&A)");
  return app.WaitForWindow({.title = "Add Item"});
}

// The saved record of slot (ten lines each), in UTF-8.
std::vector<std::string> SavedRecord(const E2eSession& s, std::size_t slot) {
  const std::vector<std::string> lines = CrLfLines(s.ReadFile("svf.itd"));
  if (lines.size() < (slot + 1) * 10) return {};
  std::vector<std::string> record;
  for (std::size_t line = slot * 10; line < slot * 10 + 10; ++line) record.push_back(FromCp932(lines[line]));
  return record;
}

TEST(AddItem, TabsThroughItsFieldsTakesABrowsedFileAndConfirmsWithEnter) {
  E2eSession s;
  Program app = StartWithOneItem(s);
  Window main = app.WaitForWindow({.title = "Pelorin"});
  Window dialog = OpenAddItem(s, app, main);
  EXPECT_EQ(dialog.client.Width(), 350);
  EXPECT_EQ(dialog.client.Height(), 271);
  s.Screenshot(dialog, "add-item");

  // The tab order: the three edits, the two browse buttons, the three lower
  // edits, the show size, 追加登録, 決定, キャンセル, and round again.
  const std::vector<std::pair<int, int>> order = {{112, 18},  {112, 42},  {112, 66},  {152, 88}, {248, 88},
                                                  {112, 122}, {112, 146}, {112, 170}, {112, 210}, {40, 244},
                                                  {136, 240}, {240, 240}, {112, 18}};
  // The default frame goes with the focus to a push button, and back to 決定.
  const Window ok = ChildAt(s, dialog, 136, 240);
  const auto isPushButton = [](const Window& w) {
    return w.className == "Button" && (w.style & kButtonKind) <= kDefaultPushButton;
  };
  for (std::size_t i = 0; i < order.size(); ++i) {
    const Window expected = ChildAt(s, dialog, order[i].first, order[i].second);
    std::optional<Window> focus;
    Await("the focus on the " + std::to_string(i + 1) + ". field", [&] {
      focus = s.GetProbe().Focus(dialog.hwnd);
      // A drop-down list's focus may sit on its inner edit.
      return focus && (focus->hwnd == expected.hwnd || focus->parent == expected.hwnd);
    });
    const std::uint32_t framed = isPushButton(expected) ? expected.hwnd : ok.hwnd;
    Await("the default frame on " + HexHandle(framed), [&] {
      return std::ranges::all_of(s.Children(dialog), [&](const Window& w) {
        return !isPushButton(w) || ((w.style & kButtonKind) == kDefaultPushButton) == (w.hwnd == framed);
      });
    });
    if (i == 11) s.Screenshot(dialog, "add-item-cancel-focused");
    s.PostKeys(dialog, {"tab"});
  }

  const std::string tool = s.WindowsPath(s.StageHelper("launch_recorder.exe", "ツール/表示/editor.exe"));
  s.GetProbe().PressButton(dialog.hwnd, "ファイル参照");
  DialogBox open = app.WaitForDialog();
  s.Screenshot(open.window, "file-open");
  Await("the file name typed", [&] {
    const std::optional<Window> name = s.GetProbe().Focus(open.window.hwnd);
    if (!name) return false;
    s.SetText(*name, tool);
    return s.GetText(*name) == tool;
  });
  s.Answer(open, 1);
  const Window hint = ChildAt(s, dialog, 112, 42);
  Await("the browsed file taken", [&] { return s.GetText(hint) == "editor.exe"; });
  EXPECT_EQ(s.GetText(ChildAt(s, dialog, 112, 18)), "editor.exe");
  EXPECT_EQ(s.GetText(ChildAt(s, dialog, 112, 66)), tool);
  EXPECT_EQ(s.GetText(ChildAt(s, dialog, 112, 122)), tool.substr(0, tool.rfind('\\') + 1));
  s.SetText(hint, "エディタ");
  s.SetText(ChildAt(s, dialog, 112, 146), "/x");
  // Enter on a focused button presses that button: the user clicks into an
  // edit first, as after typing there.
  s.Click(hint.rect.left + 20, hint.rect.top + 8);
  Await("the focus in the hint", [&] {
    const std::optional<Window> focus = s.GetProbe().Focus(dialog.hwnd);
    return focus && focus->hwnd == hint.hwnd;
  });
  s.Screenshot(dialog, "add-item-filled");

  s.PostKeys(dialog, {"return"});
  WaitUntilHidden(app, "Add Item");
  Await("the new item saved", [&] { return !SavedRecord(s, 1).empty(); });
  EXPECT_EQ(SavedRecord(s, 1), (std::vector<std::string>{"editor.exe", tool, "エディタ", tool.substr(0, tool.rfind('\\') + 1),
                                                        "/x", "", "0", "FALSE", tool, "0"}));

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

TEST(IconChooser, ThreeClicksOnTheRightArrowGiveIconThree) {
  E2eSession s;
  Program app = StartWithOneItem(s);
  Window main = app.WaitForWindow({.title = "Pelorin"});
  Window dialog = OpenAddItem(s, app, main);
  const std::string library = "C:\\windows\\system32\\shell32.dll";
  s.SetText(ChildAt(s, dialog, 112, 18), "shell32.dll");
  s.SetText(ChildAt(s, dialog, 112, 66), library);

  // The preview (SampleIcon) lies at 296, 16 of the dialog.
  s.Click(dialog.client.left + 296 + 16, dialog.client.top + 16 + 16);
  Window chooser = app.WaitForWindow({.title = "Icon Chenge"});
  EXPECT_EQ(chooser.client.Width(), 355);
  EXPECT_EQ(chooser.client.Height(), 69);
  // The spin button lies at 200, 24 (49 x 17); its right arrow increases.
  const Window spin = ChildAt(s, chooser, 200, 24);
  for (int i = 0; i < 3; ++i) s.Click(spin.rect.right - 6, spin.rect.top + 8);
  s.Screenshot(chooser, "icon-chooser-at-3");
  s.GetProbe().PressButton(chooser.hwnd, "決定");
  WaitUntilHidden(app, "Icon Chenge");
  s.Screenshot(dialog, "add-item-with-icon-3");

  s.GetProbe().PressButton(dialog.hwnd, "決定");
  WaitUntilHidden(app, "Add Item");
  Await("the new item saved", [&] { return !SavedRecord(s, 1).empty(); });
  const std::vector<std::string> record = SavedRecord(s, 1);
  EXPECT_EQ(record[8], library);
  EXPECT_EQ(record[9], "3");

  app.Close();
  EXPECT_EQ(app.WaitForExit(), 0);
}

}  // namespace
}  // namespace e2e::mainwindow
