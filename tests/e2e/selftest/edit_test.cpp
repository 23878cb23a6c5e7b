// Controls of another program: found by id, their text read, set and typed.

#include "harness/e2e.h"

namespace e2e {
namespace {

constexpr int kEditId = 100;

TEST(Edit, SetsReadsAndTypesText) {
  E2eSession s;
  Program program = s.StartHelper("edit_box.exe");
  Window window = program.WaitForWindow({.title = "edit_box"});
  Window edit = s.Child(window, kEditId);
  EXPECT_EQ(edit.className, "Edit");
  EXPECT_TRUE(window.client.Contains(edit.rect));

  s.SetText(edit, "C:\\ツール\\表示");
  EXPECT_EQ(s.GetText(edit), "C:\\ツール\\表示");
  s.SetText(edit, "");
  s.Type(edit, "--メモ 1");
  EXPECT_EQ(s.GetText(edit), "--メモ 1");
  s.Screenshot(window, "edit-box");

  program.Close();
  EXPECT_EQ(program.WaitForExit(), 0);
}

}  // namespace
}  // namespace e2e
