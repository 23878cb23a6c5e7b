// The icon chooser and the hand-over from the item dialogs: the spinner's
// range, where it starts, browsing, and what the item dialog takes back.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "item_dialogs_fixture.h"
#include "platform/icons.h"

namespace {

namespace uit = ui::test;
using pelorin::ItemFields;
using pelorin::TFrmIconChenge;
using Texts = std::vector<std::string>;
using ui::SpinArrow;

constexpr char kNoIcons[] = "アイコンが存在しません";
constexpr char kExe[] = "C:\\Tools\\app.exe";          // 4 icons
constexpr char kLibrary[] = "C:\\Windows\\icons.dll";  // 200 icons
constexpr char kSingle[] = "C:\\Icons\\one.ico";
constexpr char kMemo[] = "C:\\Docs\\memo.txt";  // none

// The item dialog's icon: path and number holders, preview.
Texts IconOf(const ItemFields& fields) {
  return {fields.IconPath.Caption(), fields.IconNumber.Caption(), test::Shows(fields.SampleIcon.Picture())};
}

// The chooser as the user sees it: path, index label, preview, spinner position and maximum.
Texts View(const TFrmIconChenge& chooser) {
  return {chooser.IconPath.Text(), chooser.Label1.Caption(), test::Shows(chooser.Sample.Picture()),
          std::to_string(chooser.Scroll.Position()), std::to_string(chooser.Scroll.Max())};
}

class IconHandOver : public ::testing::Test {
 protected:
  IconHandOver() {
    f.StartWithItems(1);
    f.Fakes.Icons.SetIconCount(kExe, 4);
    f.Fakes.Icons.SetIconCount(kLibrary, 200);
    f.Fakes.Icons.SetIconCount(kSingle, 1);
    f.Change().Show();
  }
  ItemFields& Fields() { return f.Change().Fields; }
  // The item in the Data Chenge dialog with its icon and the preview the main window shows for it.
  void Load(const std::string& filePath, const std::string& iconPath, int iconNumber) {
    pelorin::ItemRecord item = f.Item(filePath);
    item.IconPath = iconPath;
    item.IconNumber = iconNumber;
    platform::Icons& icons = f.Fakes.Icons;
    Fields().Load(item, iconNumber == 0 ? icons.ShellIcon(iconPath) : icons.IconInFile(iconPath, iconNumber));
  }
  // Queues the chooser: user plays it, then confirms.
  void ExpectChooser(uit::Script& script, std::function<void(TFrmIconChenge&)> user) {
    script.ExpectModal("FrmIconChenge", [this, user](ui::Form&) {
      opened = View(f.Chooser());
      user(f.Chooser());
      uit::ClickButton(f.Chooser().Button1);
    });
  }
  void ClickPreview() { uit::Click(Fields().SampleIcon, ui::MouseButton::Left, {10, 10}); }
  void HandOver(std::function<void(TFrmIconChenge&)> user) {
    uit::Script script(f.Ui);
    ExpectChooser(script, std::move(user));
    ClickPreview();
    script.Done();
  }

  test::ItemDialogsFixture f;
  Texts opened;
};

TEST(IconChooser, WindowAndControlsAreWhereTheyBelong) {
  test::ItemDialogsFixture f;
  f.StartWithItems(0);
  TFrmIconChenge& chooser = f.Chooser();
  EXPECT_EQ(chooser.Caption(), "Icon Chenge");
  EXPECT_EQ(chooser.Border(), ui::BorderStyle::ToolWindowNoButtons);
  EXPECT_EQ(chooser.ClientSize(), (ui::Size{355, 69}));
  EXPECT_EQ((ui::Point{chooser.Left(), chooser.Top()}), (ui::Point{221, 136}));
  const std::vector<std::pair<const char*, ui::Rect>> places = {
      {"Label1", {192, 8, 60, 12}},  {"Label2", {8, 21, 190, 12}},   {"Scroll", {200, 24, 49, 17}},
      {"Bevel1", {256, 8, 35, 35}},  {"Sample", {257, 9, 32, 32}},   {"Button1", {296, 24, 57, 17}},
      {"Chenge", {296, 48, 57, 17}}, {"IconPath", {2, 48, 289, 20}},
  };
  for (const auto& [name, bounds] : places) {
    SCOPED_TRACE(name);
    EXPECT_EQ(uit::FindControl(chooser, name).Bounds(), bounds);
  }
  EXPECT_EQ(
      (Texts{chooser.Label1.Caption(), chooser.Label2.Caption(), chooser.Button1.Caption(), chooser.Chenge.Caption()}),
      (Texts{"Index ： 0", "変更するアイコンを選択してください", "決定", "参照"}));
  EXPECT_TRUE(chooser.Scroll.Horizontal());
  EXPECT_EQ(chooser.ComIconOpen.Filter(), "アイコンファイル(*.ico;*.exe;*.dll)|*.exe;*.ico;*.dll");
  EXPECT_EQ(chooser.ComIconOpen.Title(), "アイコンファイル参照");
  Texts order;
  for (ui::WinControl* control : chooser.TabOrder()) order.push_back(control->Name());
  EXPECT_EQ(order, (Texts{"IconPath", "Chenge", "Scroll", "Button1"}));
}

TEST_F(IconHandOver, ThreeClicksOnTheRightArrowGiveIconThree) {
  Load(kLibrary, kLibrary, 0);
  Texts afterClicks;
  HandOver([&](TFrmIconChenge& chooser) {
    for (int i = 0; i < 3; ++i) uit::ClickArrow(chooser.Scroll, SpinArrow::Up);
    afterClicks = View(chooser);
  });
  EXPECT_EQ(opened, (Texts{kLibrary, "Index :0", "shell:C:\\Windows\\icons.dll", "0", "199"}));
  EXPECT_EQ(afterClicks, (Texts{kLibrary, "Index :3", "C:\\Windows\\icons.dll,3", "3", "199"}));
  EXPECT_EQ(IconOf(Fields()), (Texts{kLibrary, "3", "C:\\Windows\\icons.dll,3"}));
  EXPECT_TRUE(uit::MessageBoxesShown(f.Ui).empty());
}

TEST_F(IconHandOver, TheSpinnerStartsAtTheItemsIconOnlyWhenItIsOfTheSameFileAndInRange) {
  struct Case {
    const char* what;
    std::string filePath, iconPath;
    int iconNumber;
    std::string start;
  };
  const std::vector<Case> cases = {
      {"same file, in range", kExe, kExe, 2, "2"},
      {"same file, last icon", kExe, kExe, 3, "3"},
      {"same file, beyond the last icon", kExe, kExe, 4, "0"},
      {"same file, negative", kExe, kExe, -1, "0"},
      {"icon of another file", kExe, kLibrary, 2, "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Load(c.filePath, c.iconPath, c.iconNumber);
    const Texts before = IconOf(Fields());
    HandOver([](TFrmIconChenge&) {});
    // The chooser walks the item's file; right after opening it previews the item's own icon.
    EXPECT_EQ(opened, (Texts{c.filePath, "Index :" + c.start, before[2], c.start, "3"}));
    EXPECT_EQ(f.Chooser().ComIconOpen.FileName(), c.filePath);
    // Confirmed without a change: the item keeps exactly the icon the chooser showed.
    EXPECT_EQ(IconOf(Fields()), before);
  }
}

TEST_F(IconHandOver, AChangeTakesThePathTextTheIndexAndThePreview) {
  struct Case {
    const char* what;
    std::optional<std::string> browse;
    std::function<void(TFrmIconChenge&)> user;
    Texts result;
  };
  const auto click = [](SpinArrow arrow) { return [arrow](TFrmIconChenge& c) { uit::ClickArrow(c.Scroll, arrow); }; };
  const std::vector<Case> cases = {
      {"right arrow from the item's icon", {}, click(SpinArrow::Up), {kExe, "3", "C:\\Tools\\app.exe,3"}},
      {"left arrow from the item's icon", {}, click(SpinArrow::Down), {kExe, "1", "C:\\Tools\\app.exe,1"}},
      {"a browse",
       kLibrary,
       [](TFrmIconChenge& c) { uit::ClickButton(c.Chenge); },
       {kLibrary, "0", "C:\\Windows\\icons.dll,0"}},
      {"a browse, then clicks",
       kLibrary,
       [](TFrmIconChenge& c) {
         uit::ClickButton(c.Chenge);
         uit::ClickArrow(c.Scroll, SpinArrow::Up);
         uit::ClickArrow(c.Scroll, SpinArrow::Up);
       },
       {kLibrary, "2", "C:\\Windows\\icons.dll,2"}},
      // A typed path is returned as it stands; the spinner still walks the chooser's file.
      {"a typed path, then a click",
       {},
       [](TFrmIconChenge& c) {
         uit::Type(c.IconPath, "C:\\Typed\\x.ico");
         uit::ClickArrow(c.Scroll, SpinArrow::Up);
       },
       {"C:\\Typed\\x.ico", "3", "C:\\Tools\\app.exe,3"}},
      {"a typed path alone",
       {},
       [](TFrmIconChenge& c) { uit::Type(c.IconPath, "C:\\Typed\\x.ico"); },
       {"C:\\Typed\\x.ico", "2", "C:\\Tools\\app.exe,2"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Load(kExe, kExe, 2);
    uit::Script script(f.Ui);
    ExpectChooser(script, c.user);
    if (c.browse) script.ExpectFileOpen(*c.browse);
    ClickPreview();
    script.Done();
    EXPECT_EQ(IconOf(Fields()), c.result);
  }
}

TEST_F(IconHandOver, ABrowseStartsTheNewFileAtZeroAndACancelledOneChangesNothing) {
  Load(kExe, kExe, 2);
  uit::Script script(f.Ui);
  std::vector<Texts> views;
  ExpectChooser(script, [&](TFrmIconChenge& chooser) {
    for (int i = 0; i < 3; ++i) {
      uit::ClickButton(chooser.Chenge);
      views.push_back(View(chooser));
      // The single icon file cannot move.
      uit::ClickArrow(chooser.Scroll, SpinArrow::Up);
    }
  });
  auto cancelled = script.ExpectFileOpen(std::nullopt);
  script.ExpectFileOpen(kSingle);
  auto last = script.ExpectFileOpen(kLibrary);
  ClickPreview();
  script.Done();
  EXPECT_EQ(cancelled.Shown().owner, "FrmIconChenge");
  EXPECT_EQ(cancelled.Shown().fileName, kExe);
  EXPECT_EQ(last.Shown().fileName, kSingle);
  EXPECT_EQ(views, (std::vector<Texts>{{kExe, "Index :2", "C:\\Tools\\app.exe,2", "2", "3"},
                                       {kSingle, "Index :0", "C:\\Icons\\one.ico,0", "0", "0"},
                                       {kLibrary, "Index :0", "C:\\Windows\\icons.dll,0", "0", "199"}}));
  EXPECT_EQ(IconOf(Fields()), (Texts{kLibrary, "1", "C:\\Windows\\icons.dll,1"}));
}

TEST_F(IconHandOver, AFileWithoutIconsIsReportedBeforeTheChooserOpens) {
  Load(kMemo, kMemo, 0);
  uit::Script script(f.Ui);
  auto message = script.ExpectMessageBox(platform::MessageResult::Ok);
  ExpectChooser(script, [](TFrmIconChenge&) {});
  ClickPreview();
  script.Done();
  EXPECT_EQ((Texts{message.Text(), message.Caption()}), (Texts{kNoIcons, "Pelorin"}));
  EXPECT_EQ(message.Style(), platform::MessageStyle::Plain);
  EXPECT_EQ(opened, (Texts{kMemo, "Index :0", "shell:C:\\Docs\\memo.txt", "0", "0"}));
  EXPECT_EQ(IconOf(Fields()), (Texts{kMemo, "0", "shell:C:\\Docs\\memo.txt"}));
}

TEST_F(IconHandOver, BrowsingToAFileWithoutIconsReportsItAndEmptiesThePreview) {
  Load(kLibrary, kLibrary, 7);
  uit::Script script(f.Ui);
  Texts afterBrowse;
  ExpectChooser(script, [&](TFrmIconChenge& chooser) {
    uit::ClickButton(chooser.Chenge);
    afterBrowse = View(chooser);
  });
  script.ExpectFileOpen(kMemo);
  auto message = script.ExpectMessageBox(platform::MessageResult::Ok);
  ClickPreview();
  script.Done();
  EXPECT_EQ(message.Text(), kNoIcons);
  EXPECT_EQ(afterBrowse, (Texts{kMemo, "Index :0", "", "0", "0"}));
  EXPECT_EQ(IconOf(Fields()), (Texts{kMemo, "0", ""}));
}

TEST_F(IconHandOver, EveryPreviewHasOneOwnerAndNoneIsLeftBehind) {
  Load(kLibrary, kLibrary, 0);
  const auto step = [](TFrmIconChenge& c) { uit::ClickArrow(c.Scroll, SpinArrow::Up); };
  HandOver(step);
  const int live = platform::headless::LiveFakeIconCount();
  for (int i = 0; i < 3; ++i) HandOver(step);
  EXPECT_EQ(platform::headless::LiveFakeIconCount(), live);
  EXPECT_EQ(IconOf(Fields())[1], "4");
}

}  // namespace
