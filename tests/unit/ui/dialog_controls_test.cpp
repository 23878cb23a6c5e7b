// The windowed controls of dialogs: values set from code versus the user's
// changes, the keyboard (tab order, Enter, Esc), parenting rules and the
// file dialogs run through the script.

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/headless/testing.h"
#include "platform/ui/application.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/file_open_dialog.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/list_view.h"
#include "platform/ui/panel.h"
#include "platform/ui/spin_button.h"

namespace {

namespace uit = ui::test;
using ui::BorderStyle;
using ui::SpinArrow;

class DialogControlsTest : public ::testing::Test {
 protected:
  ui::Application app;
  ui::Form form{app, "Dialog", "Dialog", BorderStyle::ToolWindowNoButtons};
  ui::Edit name{form, {.name = "Name", .bounds = {8, 8, 100, 20}, .hint = "名前"}};
  ui::Edit path{form, {.name = "Path", .bounds = {8, 32, 100, 20}, .readOnly = true}};
  ui::CheckBox again{form, {.name = "Again", .bounds = {8, 56, 80, 17}, .caption = "追加登録"}};
  ui::ComboBox size{form, {.name = "Size", .bounds = {8, 80, 100, 20}, .items = {"通常", "最小化", "最大化"}}};
  ui::SpinButton index{form, {.name = "Index", .bounds = {8, 104, 49, 17}, .horizontal = true}};
  ui::Button ok{form, {.name = "Ok", .bounds = {8, 130, 89, 25}, .caption = "決定", .isDefault = true}};
  ui::Button cancel{form, {.name = "Cancel", .bounds = {100, 130, 89, 25}, .caption = "キャンセル", .isCancel = true}};
  std::vector<std::string> events;

  DialogControlsTest() {
    name.onChange = [this] { events.push_back("name"); };
    again.onClick = [this] { events.push_back("again"); };
    size.onChange = [this] { events.push_back("size"); };
    index.onClick = [this](SpinArrow arrow) { events.push_back(arrow == SpinArrow::Up ? "up" : "down"); };
    ok.onClick = [this] { events.push_back("ok"); };
    cancel.onClick = [this] { events.push_back("cancel"); };
  }
};

TEST_F(DialogControlsTest, ValuesSetFromCodeNeverFireTheUsersEvents) {
  struct Case {
    const char* what;
    std::function<void()> fromCode;
    std::function<void()> byUser;
    const char* event;
  };
  // Made here, so that the other tests' tab order stays as it is.
  ui::ListView list{form, {.name = "List", .bounds = {120, 8, 100, 60}}, {{"名前", 60}, {"数", 40}}};
  list.onChange = [this] { events.push_back("list"); };
  const std::vector<Case> cases = {
      {"edit text", [&] { name.SetText("a"); }, [&] { uit::Type(name, "b"); }, "name"},
      {"check state", [&] { again.SetChecked(true); }, [&] { uit::ToggleCheckBox(again); }, "again"},
      {"combo selection", [&] { size.SetItemIndex(2); }, [&] { uit::SelectRow(size, 1); }, "size"},
      {"spin position", [&] { index.SetPosition(3); }, [&] { uit::ClickArrow(index, SpinArrow::Up); }, "up"},
      {"list selection and rows", [&] { list.SetRows({{"a", "1"}, {"b"}}); list.SetItemIndex(1); },
       [&] { uit::SelectRow(list, 0); }, "list"},
  };
  form.Show();
  index.SetRange(0, 10);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    events.clear();
    c.fromCode();
    EXPECT_TRUE(events.empty());
    c.byUser();
    EXPECT_EQ(events, std::vector<std::string>{c.event});
  }
  EXPECT_EQ(name.Text(), "b");
  EXPECT_FALSE(again.Checked());
  EXPECT_EQ(size.ItemIndex(), 1);
  EXPECT_EQ(index.Position(), 4);
  EXPECT_EQ(list.ItemIndex(), 0);
  EXPECT_EQ(list.Rows()[1], (ui::ListRow{"b", ""}));
}

TEST_F(DialogControlsTest, SpinButtonStaysInItsRangeWithoutWrapping) {
  form.Show();
  index.SetRange(0, 2);
  uit::ClickArrow(index, SpinArrow::Down);
  EXPECT_EQ(index.Position(), 0);
  for (int i = 0; i < 3; ++i) uit::ClickArrow(index, SpinArrow::Up);
  EXPECT_EQ(index.Position(), 2);
  EXPECT_EQ(events, (std::vector<std::string>{"down", "up", "up", "up"}));
  index.SetRange(0, 0);
  EXPECT_EQ(index.Position(), 0);
  EXPECT_THROW(uit::Type(path, "x"), std::logic_error);  // read-only
}

TEST_F(DialogControlsTest, TabFollowsTheTabOrderAndSkipsWhatCannotTakeTheFocus) {
  form.Show();
  EXPECT_EQ(form.ActiveControl(), &name);  // the first tab stop when the form comes up
  again.Hide();
  size.SetEnabled(false);
  std::vector<std::string> visited;
  for (int i = 0; i < 5; ++i) {
    uit::PressKey(form, uit::Key::Tab);
    visited.push_back(form.ActiveControl()->Name());
  }
  EXPECT_EQ(visited, (std::vector<std::string>{"Path", "Index", "Ok", "Cancel", "Name"}));
  uit::PressKey(form, uit::Key::ShiftTab);
  EXPECT_EQ(form.ActiveControl(), &cancel);

  form.SetTabOrder({&ok, &cancel, &name});
  uit::PressKey(form, uit::Key::Tab);
  EXPECT_EQ(form.ActiveControl(), &name);
  uit::PressKey(form, uit::Key::Tab);
  EXPECT_EQ(form.ActiveControl(), &ok);
}

TEST_F(DialogControlsTest, EnterPressesTheFocusedOrDefaultButtonAndEscTheEnabledCancel) {
  form.Show();
  uit::PressKey(form, uit::Key::Enter);
  cancel.SetFocus();
  uit::PressKey(form, uit::Key::Enter);
  uit::PressKey(form, uit::Key::Escape);
  cancel.SetEnabled(false);
  uit::PressKey(form, uit::Key::Escape);
  ok.SetEnabled(false);
  name.SetFocus();
  uit::PressKey(form, uit::Key::Enter);
  EXPECT_EQ(events, (std::vector<std::string>{"ok", "cancel", "cancel"}));
}

// The platform draws the default frame on ButtonForEnter, so the frame and
// Enter must agree, also after the platform named another default button.
TEST_F(DialogControlsTest, TheDefaultFrameGoesToTheButtonEnterPresses) {
  form.Show();
  EXPECT_EQ(form.ButtonForEnter(&cancel), &cancel);
  form.SignalDefaultButton(cancel);
  EXPECT_FALSE(ok.IsDefault());
  name.SetFocus();
  EXPECT_EQ(form.ButtonForEnter(form.ActiveControl()), &cancel);
  uit::PressKey(form, uit::Key::Enter);
  EXPECT_EQ(events, std::vector<std::string>{"cancel"});
}

TEST_F(DialogControlsTest, ControlsLieOnFormsAndPanelsOnly) {
  EXPECT_THROW(ui::Label(name, "OnAnEdit"), platform::Error);
  EXPECT_THROW(ui::Edit(path, {.name = "InAnEdit"}), platform::Error);
  ui::Panel panel{form, {.name = "Panel", .bounds = {0, 0, 50, 50}}};
  ui::Label label{panel, "OnAPanel"};
  EXPECT_EQ(&label.OwnerForm(), &form);
  EXPECT_FALSE(panel.TabStop());
}

TEST_F(DialogControlsTest, FileDialogsGoThroughTheScript) {
  ui::FileOpenDialog open{form, "ComFileOpen"};
  open.SetFilter("実行ファイル(*.exe)|*.exe");
  open.SetFileName("C:\\a.exe");
  uit::Script script(app);
  auto first = script.ExpectFileOpen("C:\\b.exe");
  auto second = script.ExpectFileOpen(std::nullopt);
  auto folder = script.ExpectFolderBrowse("C:\\Data");
  EXPECT_TRUE(open.Execute());
  EXPECT_EQ(open.FileName(), "C:\\b.exe");
  EXPECT_FALSE(open.Execute());
  EXPECT_EQ(open.FileName(), "C:\\b.exe");
  EXPECT_EQ(app.Peer().BrowseForFolder(form, "", "")->Path, "C:\\Data");
  EXPECT_EQ(first.Shown().fileName, "C:\\a.exe");
  EXPECT_EQ(first.Shown().filter, "実行ファイル(*.exe)|*.exe");
  EXPECT_EQ(second.Shown().fileName, "C:\\b.exe");
  EXPECT_EQ(folder.Shown().owner, "Dialog");
  script.Done();
  // Unscripted, a file dialog fails the test instead of waiting for a user.
  EXPECT_THROW(open.Execute(), std::logic_error);
}

}  // namespace
