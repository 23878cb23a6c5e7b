// Everything modal: ShowModal, message boxes and popup menus, played by the
// test's script; what was not scripted is reported instead of hanging.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/testing.h"
#include "platform/ui/popup_menu.h"

namespace {

namespace uit = ui::test;
using platform::MessageResult;
using platform::MessageStyle;
using ui::BorderStyle;
using ui::Form;
using ui::ModalResult;

// The text of the exception f throws; empty when it throws none.
template <class F>
std::string FailureOf(F f) {
  try {
    f();
  } catch (const std::logic_error& error) {
    return error.what();
  }
  return {};
}

class ModalTest : public ::testing::Test {
 protected:
  ModalTest() { main.Show(); }

  ui::Application app;
  Form main{app, "Form1", "Pelorin", BorderStyle::ToolWindow};
  Form dialog{app, "Form2", "Add Item", BorderStyle::ToolWindow};
};

TEST_F(ModalTest, ShowModalReturnsTheScriptedResultAndHidesTheForm) {
  uit::Script script(app);
  int shows = 0;
  dialog.onShow = [&] { ++shows; };
  auto step = script.ExpectModal("Form2", [&](Form& form) {
    EXPECT_EQ(&form, &dialog);
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(form.IsModal());
    EXPECT_TRUE(form.Active());
    form.SetModalResult(ModalResult::Ok);
  });
  EXPECT_FALSE(step.Used());

  EXPECT_EQ(dialog.ShowModal(), ModalResult::Ok);

  EXPECT_TRUE(step.Used());
  EXPECT_EQ(shows, 1);
  EXPECT_FALSE(dialog.Visible());
  EXPECT_FALSE(dialog.IsModal());
  EXPECT_TRUE(main.Active()) << "the window active before the dialog gets the focus back";
  EXPECT_NO_THROW(script.Done());
}

TEST_F(ModalTest, ClosingAModalFormGivesCancel) {
  uit::Script script(app);
  int closes = 0;
  dialog.onClose = [&] { ++closes; };
  script.ExpectModal("Form2", [](Form& form) { uit::ClickCloseBox(form); });
  script.ExpectModal("Form2", [](Form& form) {
    form.SetModalResult(ModalResult::Ok);
    form.Close();
  });
  EXPECT_EQ(dialog.ShowModal(), ModalResult::Cancel);
  EXPECT_EQ(dialog.ShowModal(), ModalResult::Ok) << "a result set before the close stands";
  EXPECT_EQ(closes, 2);
  EXPECT_FALSE(app.Terminated());
  EXPECT_NO_THROW(script.Done());
}

TEST_F(ModalTest, FormsBehindAModalFormCannotBeReached) {
  uit::Script script(app);
  script.ExpectModal("Form2", [&](Form& form) {
    EXPECT_THROW(uit::Click(main, ui::MouseButton::Left, {1, 1}), std::logic_error);
    uit::Click(form, ui::MouseButton::Left, {1, 1});
    form.SetModalResult(ModalResult::Cancel);
  });
  EXPECT_EQ(dialog.ShowModal(), ModalResult::Cancel);
  EXPECT_NO_THROW(script.Done());
}

TEST_F(ModalTest, AScriptThatLeavesTheFormOpenFails) {
  uit::Script script(app);
  script.ExpectModal("Form2", [](Form&) {});
  const std::string failure = FailureOf([&] { dialog.ShowModal(); });
  EXPECT_NE(failure.find("left modal form \"Form2\" open"), std::string::npos) << failure;
  EXPECT_FALSE(dialog.IsModal());
  EXPECT_THROW(script.Done(), std::logic_error);
}

TEST_F(ModalTest, UnscriptedModalThingsFailEvenWhenTheErrorIsSwallowed) {
  uit::Script script(app);
  // Code under test may catch everything; the failure is still reported by Done.
  try {
    dialog.ShowModal();
  } catch (...) {
  }
  const std::string boxFailure = FailureOf([&] { app.ShowMessage("本文", "Pelorin", MessageStyle::Plain); });
  // Failure messages are UTF-8 for the terminal; the texts are Shift-JIS.
  const std::string utf8Text = reinterpret_cast<const char*>(u8"本文");
  EXPECT_NE(boxFailure.find("unscripted message box \"" + utf8Text + "\""), std::string::npos) << boxFailure;

  ui::PopupMenu menu(main, "TaskMemu");
  menu.Items().Add("C1", "キャンセル");
  EXPECT_THROW(menu.Popup({0, 0}), std::logic_error);

  const std::string done = FailureOf([&] { script.Done(); });
  EXPECT_NE(done.find("unscripted modal form \"Form2\""), std::string::npos) << done;
  EXPECT_NE(done.find("unscripted message box"), std::string::npos) << done;
  EXPECT_NE(done.find("unscripted popup menu \"Form1.TaskMemu\""), std::string::npos) << done;
  EXPECT_NO_THROW(script.Done()) << "Done reports each problem once";
}

TEST_F(ModalTest, WithoutAnyScriptAModalFormFails) {
  const std::string failure = FailureOf([&] { dialog.ShowModal(); });
  EXPECT_NE(failure.find("no script is attached"), std::string::npos) << failure;
}

TEST_F(ModalTest, StepsComeInOrderAndUnusedStepsAreReported) {
  uit::Script script(app);
  script.ExpectMessageBox(MessageResult::Ok);
  script.ExpectModal("Form2", [](Form& form) { form.SetModalResult(ModalResult::Ok); });
  const std::string failure = FailureOf([&] { dialog.ShowModal(); });
  EXPECT_NE(failure.find("where the script expected #1 message box"), std::string::npos) << failure;

  const std::string done = FailureOf([&] { script.Done(); });
  EXPECT_NE(done.find("modal form \"Form2\" never happened"), std::string::npos) << done;
}

TEST_F(ModalTest, MessageBoxesAreAnsweredAndAllAreRecorded) {
  uit::Script script(app);
  auto confirm = script.ExpectMessageBox(MessageResult::Cancel);
  script.ExpectModal("Form2", [&](Form& form) {
    EXPECT_EQ(app.ShowMessage("これ以上ワークスペースにアイテムを登録できません", "Add Item", MessageStyle::Plain),
              MessageResult::Ok);
    form.SetModalResult(ModalResult::Ok);
  });
  // The box inside the dialog comes up after the dialog itself.
  auto dialogBox = script.ExpectMessageBox(MessageResult::Ok);
  script.ExpectMessageBox(MessageResult::Cancel);

  EXPECT_EQ(app.ShowMessage("削除しますか？", "Pelorin", MessageStyle::Confirm), MessageResult::Cancel);
  EXPECT_THROW(dialogBox.Text(), std::logic_error) << "not shown yet";
  dialog.ShowModal();
  const std::string failure = FailureOf([&] { app.ShowMessage("I/O error 32", "Pelorin", MessageStyle::Error); });
  EXPECT_NE(failure.find("has no Cancel button"), std::string::npos) << failure;

  EXPECT_EQ(confirm.Text(), "削除しますか？");
  EXPECT_EQ(confirm.Caption(), "Pelorin");
  EXPECT_EQ(confirm.Style(), MessageStyle::Confirm);
  EXPECT_EQ(dialogBox.Caption(), "Add Item");
  const auto& shown = uit::MessageBoxesShown(app);
  ASSERT_EQ(shown.size(), 3u);
  EXPECT_EQ(shown[0].answer, MessageResult::Cancel);
  EXPECT_EQ(shown[1].text, "これ以上ワークスペースにアイテムを登録できません");
  EXPECT_EQ(shown[2].text, "I/O error 32");
  EXPECT_EQ(shown[2].style, MessageStyle::Error);
  EXPECT_THROW(script.Done(), std::logic_error);
}

class PopupTest : public ModalTest {
 protected:
  PopupTest() {
    menu.onPopup = [this] { events.push_back("popup"); };
    auto& items = menu.Items();
    items.Add("N13", "ファイルの検索(&F)");
    auto& sub = items.Add("N1", "アイテム設定(&I)");
    sub.Add("N2", "追加(&A)");
    sub.Add("N5", "-");
    sub.Add("N4", "移動・編集(&E)").SetChecked(true);
    sub.Add("N3", "隠し").SetVisible(false);
    items.Add("N7", "-");
    items.Add("F1", "作業用フォルダを開く(&F)").SetEnabled(false);
    for (const char* name : {"N13", "N2", "N4", "F1"}) {
      menu.Items().Find(name)->onClick = [this](ui::MenuItem& item) {
        events.push_back("click " + item.Name() + (uit::PopupsShown(app).back().picked == item.Name() ? " after close" : ""));
      };
    }
  }

  ui::PopupMenu menu{main, "PopupMenu1"};
  std::vector<std::string> events;
};

TEST_F(PopupTest, APickedEntryClicksAfterTheMenuClosedAndIsRecordedWithThePosition) {
  uit::Script script(app);
  auto step = script.ExpectPopup("PopupMenu1", [&](const uit::PopupRecord& open) {
    events.push_back("open");
    EXPECT_THROW(uit::Click(main, ui::MouseButton::Left, {1, 1}), std::logic_error) << "the menu has the mouse";
    EXPECT_TRUE(open.Find("N4")->checked);
    EXPECT_EQ(open.Find("N3"), nullptr) << "hidden entries are not shown";
    return "N2";
  });

  menu.Popup({300, 200});

  EXPECT_EQ(events, (std::vector<std::string>{"popup", "open", "click N2 after close"}));
  const uit::PopupRecord& shown = step.Shown();
  EXPECT_EQ(shown.menu, "PopupMenu1");
  EXPECT_EQ(shown.owner, "Form1");
  EXPECT_EQ(shown.position, (ui::Point{300, 200}));
  EXPECT_EQ(shown.picked, "N2");
  ASSERT_EQ(shown.entries.size(), 4u);
  EXPECT_EQ(shown.entries[0].caption, "ファイルの検索(&F)");
  EXPECT_TRUE(shown.entries[2].separator);
  EXPECT_FALSE(shown.entries[3].enabled);
  ASSERT_EQ(shown.entries[1].items.size(), 3u);
  EXPECT_EQ(shown.entries[1].items[2].name, "N4");
  EXPECT_NO_THROW(script.Done());
}

TEST_F(PopupTest, DismissingPicksNothingAndQualifiedNamesSelectTheForm) {
  uit::Script script(app);
  script.ExpectPopup("Form1.PopupMenu1", uit::Dismiss());
  script.ExpectPopup("Form5.PopupMenu1", uit::Pick("N13"));
  menu.Popup({1, 2});
  EXPECT_THROW(menu.Popup({1, 2}), std::logic_error);
  EXPECT_EQ(events, (std::vector<std::string>{"popup", "popup"}));
  EXPECT_EQ(uit::PopupsShown(app).size(), 2u);
  EXPECT_EQ(uit::PopupsShown(app)[0].picked, "");
  EXPECT_THROW(script.Done(), std::logic_error);
}

TEST_F(PopupTest, EntriesTheUserCannotPickFailTheTest) {
  struct Case {
    const char* pick;
    const char* reason;
  };
  const Case cases[] = {
      {"F1", "\"F1\" is disabled"},
      {"N3", "\"N3\" is hidden"},
      {"N7", "is a separator"},
      {"N1", "opens a submenu"},
      {"N99", "has no entry \"N99\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pick);
    uit::Script script(app);
    script.ExpectPopup("PopupMenu1", uit::Pick(c.pick));
    const std::string failure = FailureOf([&] { menu.Popup({0, 0}); });
    EXPECT_NE(failure.find(c.reason), std::string::npos) << failure;
    EXPECT_THROW(script.Done(), std::logic_error);
  }
  EXPECT_EQ(std::count(events.begin(), events.end(), "popup"), 5);
  EXPECT_EQ(events.size(), 5u) << "no entry was clicked";
}

TEST_F(PopupTest, AMenuWithoutVisibleEntriesShowsNothing) {
  for (int i = 0; i < menu.Items().Count(); ++i) menu.Items()[i].SetVisible(false);
  menu.Popup({0, 0});
  EXPECT_EQ(events, std::vector<std::string>{"popup"});
  EXPECT_TRUE(uit::PopupsShown(app).empty());
}

TEST_F(PopupTest, AClickHandlerMayRebuildTheMenu) {
  menu.Items().Find("N13")->onClick = [this](ui::MenuItem&) {
    menu.Items().Clear();
    menu.Items().Add("X1", "new");
  };
  uit::Script script(app);
  script.ExpectPopup("PopupMenu1", uit::Pick("N13"));
  menu.Popup({0, 0});
  ASSERT_EQ(menu.Items().Count(), 1);
  EXPECT_EQ(menu.Items()[0].Name(), "X1");
  EXPECT_NO_THROW(script.Done());
}

TEST(MenuItemTest, TreeOperations) {
  ui::MenuItem root("", "");
  root.Add("A", "a");
  root.Add("C", "c");
  auto& b = root.Insert(1, std::make_unique<ui::MenuItem>("B", "b"));
  auto& b1 = b.Add("B1", "b1");
  EXPECT_EQ(root.Count(), 3);
  EXPECT_EQ(root[1].Name(), "B");
  EXPECT_EQ(b1.Parent(), &b);
  EXPECT_EQ(b.Parent(), &root);
  EXPECT_EQ(root.Find("B1"), &b1);
  EXPECT_EQ(root.Find("Z"), nullptr);
  EXPECT_TRUE(root.Add("S", "-").IsSeparator());
  b.Clear();
  EXPECT_EQ(b.Count(), 0);
  EXPECT_EQ(root.Find("B1"), nullptr);
}

}  // namespace
