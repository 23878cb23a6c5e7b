// Message boxes of another program are read and answered from outside.

#include "harness/e2e.h"

namespace e2e {
namespace {

constexpr int kIdCancel = 2;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;
constexpr char kYesNoCancel[] = "3";

TEST(Dialogs, ReadsCaptionTextAndButtonsAndPressesById) {
  E2eSession s;
  Program program = s.StartHelper("message_box.exe", {"確認", "これ以上表示できません", kYesNoCancel});
  DialogBox box = program.WaitForDialog();
  EXPECT_EQ(box.window.title, "確認");
  EXPECT_EQ(box.text, "これ以上表示できません");
  ASSERT_EQ(box.buttons.size(), 3u);
  EXPECT_EQ(box.buttons[0].id, kIdYes);
  EXPECT_EQ(box.buttons[1].id, kIdNo);
  EXPECT_EQ(box.buttons[2].id, kIdCancel);
  s.Screenshot(box.window, "message-box");

  s.Answer(box, kIdNo);
  EXPECT_EQ(program.WaitForExit(), kIdNo);
}

TEST(Dialogs, PressesByCaptionWithoutItsMnemonicMark) {
  E2eSession s;
  Program program = s.StartHelper("message_box.exe", {"Pelorin", "OK?", kYesNoCancel});
  DialogBox box = program.WaitForDialog();
  ASSERT_EQ(box.buttons.at(0).caption, "はい(&Y)");
  s.Answer(box, "はい(Y)");
  EXPECT_EQ(program.WaitForExit(), kIdYes);
}

}  // namespace
}  // namespace e2e
