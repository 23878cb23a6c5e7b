// Popup menus of another program are read from inside it and picked with
// keys. popup_menu.exe exits with the id of the chosen entry.

#include "harness/e2e.h"

namespace e2e {
namespace {

TEST(Menus, ReadsEntriesWithStateAndPlace) {
  E2eSession s;
  Program program = s.StartHelper("popup_menu.exe");
  auto menus = program.WaitForPopupMenus();
  ASSERT_EQ(menus.size(), 1u);
  const PopupMenu& menu = menus[0];
  const std::vector<std::string> texts = {"開く(&O)", "-", "チェック済み", "使用不可", "その他", "表示"};
  EXPECT_EQ(menu.Texts(), texts);
  EXPECT_EQ(menu.Item("開く(&O)").id, 101);
  EXPECT_TRUE(menu.Item("チェック済み").checked);
  EXPECT_FALSE(menu.Item("開く(&O)").checked);
  EXPECT_TRUE(menu.Item("使用不可").grayed);
  EXPECT_TRUE(menu.Item("その他").popup);
  EXPECT_TRUE(menu.items[1].separator);
  EXPECT_EQ(menu.window.rect.left, 300);
  EXPECT_EQ(menu.window.rect.top, 200);
  for (const MenuItem& item : menu.items) {
    SCOPED_TRACE(item.text);
    EXPECT_TRUE(menu.window.rect.Contains(item.rect));
    EXPECT_FALSE(item.hilite);
  }
  EXPECT_LT(menu.items[0].rect.bottom, menu.items[5].rect.top);
  s.Screenshot(menu.window, "popup-menu");

  program.CancelMenu();
  EXPECT_EQ(program.WaitForExit(), 0);
}

TEST(Menus, PicksAnEntryPastASeparator) {
  E2eSession s;
  Program program = s.StartHelper("popup_menu.exe");
  program.PickMenuItem("チェック済み");
  EXPECT_EQ(program.WaitForExit(), 102);
}

TEST(Menus, PicksTheLastEntryWhoseTextHoldsByte5C) {
  E2eSession s;
  Program program = s.StartHelper("popup_menu.exe");
  program.PickMenuItem("表示");
  EXPECT_EQ(program.WaitForExit(), 104);
}

TEST(Menus, OpensASubmenuAndPicksInIt) {
  E2eSession s;
  Program program = s.StartHelper("popup_menu.exe");
  program.PickMenuItem("その他");
  auto menus = program.WaitForPopupMenus();
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_EQ(menus[1].Texts(), (std::vector<std::string>{"子その1", "子その2"}));
  EXPECT_TRUE(menus[0].Item("その他").hilite);
  program.PickMenuItem("子その2");
  EXPECT_EQ(program.WaitForExit(), 202);
}

}  // namespace
}  // namespace e2e
