// Windows made on first use: a form and its controls get their peers once,
// at the form's first show, and find there what was set before.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <vector>

#include "platform/headless/testing.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"

namespace {

using ui::BorderStyle;
using ui::Form;

TEST(FirstUse, AFormNeverShownHasNoWindowAndASecondShowMakesNothingAgain) {
  ui::Application app;
  Form form(app, "Form8", "Panel Option", BorderStyle::ToolWindow);
  ui::Panel page(form, {.name = "Page", .bounds = {0, 0, 100, 50}});
  ui::Button button(page, {.name = "Button1", .bounds = {8, 8, 75, 25}, .caption = "OK"});
  EXPECT_FALSE(form.HasWindow());
  EXPECT_EQ(button.GetPeer(), nullptr);

  form.Show();
  const std::vector<ui::Peer*> made{form.GetPeer(), page.GetPeer(), button.GetPeer()};
  EXPECT_EQ(std::count(made.begin(), made.end(), nullptr), 0);
  form.Hide();
  form.Show();
  EXPECT_EQ((std::vector<ui::Peer*>{form.GetPeer(), page.GetPeer(), button.GetPeer()}), made);
  ui::Edit late(page, {.name = "Late"});
  EXPECT_NE(late.GetPeer(), nullptr) << "a control made on a form with its window gets its peer at once";
}

TEST(FirstUse, WhatWasSetBeforeTheFirstShowIsThereWhenOnShowRuns) {
  ui::Application app;
  Form early(app, "Early", "", BorderStyle::ToolWindow);
  Form live(app, "Live", "", BorderStyle::ToolWindow);
  const ui::ControlProps strip{.name = "TabC", .bounds = {8, 8, 200, 185},
                               .items = {"全般", "ボタン", "ウィンドウ", "ホットキー", "起動"}};
  ui::TabControl earlyTabs(early, strip);
  ui::TabControl liveTabs(live, strip);
  live.HandleNeeded();
  for (Form* form : {&early, &live}) form->SetClientSize({350, 271});
  EXPECT_EQ(early.Bounds(), live.Bounds()) << "a form without its window has the outer size of one";
  ui::FontSpec large = earlyTabs.Font();
  large.height = 24;
  earlyTabs.SetFont(large);
  liveTabs.SetFont(large);
  ui::Rect seenOnShow;
  early.onShow = [&] { seenOnShow = earlyTabs.DisplayArea(); };
  early.Show();
  EXPECT_EQ(seenOnShow, liveTabs.DisplayArea()) << "the rows of tabs the font takes";
}

// A control whose window the platform refuses.
class RefusedLabel : public ui::Label {
 public:
  using ui::Label::Label;

 protected:
  std::unique_ptr<ui::Peer> MakePeer() override { throw std::runtime_error("no window"); }
};

TEST(FirstUse, AWindowThatCannotBeMadeLeavesNoHalfMadeForm) {
  ui::Application app;
  Form form(app, "Form6", "Option", BorderStyle::ToolWindow);
  ui::Button button(form, {.name = "Button1"});
  auto refused = std::make_unique<RefusedLabel>(form, ui::ControlProps{.name = "Label1"});
  EXPECT_THROW(form.Show(), std::runtime_error);
  EXPECT_FALSE(form.HasWindow());
  EXPECT_EQ(button.GetPeer(), nullptr);
  EXPECT_FALSE(form.Visible());
  refused.reset();
  form.Show();
  EXPECT_NE(button.GetPeer(), nullptr);
}

}  // namespace
