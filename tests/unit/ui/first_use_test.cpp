// Windows made on first use: a form and its controls get their peers at the
// form's first show or first need of its handle, once, and mirror what was
// set before.

#include <gtest/gtest.h>

#include <vector>

#include "platform/headless/testing.h"
#include "platform/ui/panel.h"
#include "platform/ui/timer.h"

namespace {

namespace uit = ui::test;
using ui::BorderStyle;
using ui::Form;

TEST(FirstUse, AFormNeverShownHasNoWindowAndASecondShowMakesNothingAgain) {
  ui::Application app;
  Form form(app, "Form8", "Panel Option", BorderStyle::ToolWindow);
  ui::Panel page(form, {.name = "Page", .bounds = {0, 0, 100, 50}});
  ui::Button button(page, {.name = "Button1", .bounds = {8, 8, 75, 25}, .caption = "OK"});
  form.SetClientSize({200, 100});
  button.SetCaption("閉じる");
  EXPECT_FALSE(form.HasWindow());
  EXPECT_EQ(button.GetPeer(), nullptr);

  form.Show();
  ASSERT_TRUE(form.HasWindow());
  const std::vector<ui::Peer*> made{form.GetPeer(), page.GetPeer(), button.GetPeer()};
  EXPECT_NE(made[1], nullptr);
  EXPECT_NE(made[2], nullptr);
  // A new peer read the caption itself: nothing was left to tell it.
  EXPECT_TRUE(uit::PeerUpdates(button).empty());

  form.Hide();
  form.Show();
  EXPECT_EQ((std::vector<ui::Peer*>{form.GetPeer(), page.GetPeer(), button.GetPeer()}), made);
  ui::Edit late(page, {.name = "Late", .bounds = {8, 40, 75, 20}});
  EXPECT_NE(late.GetPeer(), nullptr) << "a control made on a form with its window gets its peer at once";
}

TEST(FirstUse, AFormWithoutWindowHasTheSizesItWouldHaveWithOne) {
  ui::Application app;
  Form lazy(app, "Lazy", "", BorderStyle::DialogNoButtons);
  Form made(app, "Made", "", BorderStyle::DialogNoButtons);
  made.HandleNeeded();
  for (Form* form : {&lazy, &made}) form->SetClientSize({350, 271});
  EXPECT_EQ(lazy.Bounds(), made.Bounds());
  for (Form* form : {&lazy, &made}) form->SetWidth(300);
  EXPECT_EQ(lazy.ClientSize(), made.ClientSize());
  EXPECT_FALSE(lazy.HasWindow());
}

TEST(FirstUse, APropertySetBeforeTheFirstShowIsOnTheWindowWhenOnShowRuns) {
  ui::Application app;
  const ui::ControlProps strip{.name = "TabC", .bounds = {8, 8, 200, 185},
                               .items = {"全般", "ボタン", "ウィンドウ", "ホットキー", "起動", "フォント"}};
  Form early(app, "Early", "", BorderStyle::ToolWindow);
  Form live(app, "Live", "", BorderStyle::ToolWindow);
  ui::TabControl earlyTabs(early, strip);
  ui::TabControl liveTabs(live, strip);
  live.HandleNeeded();
  ui::FontSpec large = earlyTabs.Font();
  large.height = 24;
  earlyTabs.SetFont(large);
  liveTabs.SetFont(large);
  ui::Rect seenOnShow;
  early.onShow = [&] { seenOnShow = earlyTabs.DisplayArea(); };
  early.Show();
  EXPECT_EQ(seenOnShow, liveTabs.DisplayArea());
}

TEST(FirstUse, HotKeysAndTheTrayIconMakeTheirFormsWindowAndTimersNeedNone) {
  ui::Application app;
  Form keysForm(app, "Keys", "", BorderStyle::ToolWindow);
  Form trayForm(app, "Tray", "", BorderStyle::ToolWindow);
  ui::HotKeys keys(keysForm, "HotKeys");
  ui::TrayIcon icon(trayForm, "TryIcon");
  ui::Timer timer(trayForm, "Timer1");
  int ticks = 0;
  timer.onTimer = [&] { ++ticks; };
  uit::AdvanceClock(app, 1000);
  EXPECT_EQ(ticks, 1);
  keys.Unregister(1);
  icon.Remove();
  EXPECT_FALSE(keysForm.HasWindow());
  EXPECT_FALSE(trayForm.HasWindow());

  EXPECT_TRUE(keys.Register(1, ui::hotkey_modifier::kControl, 'K'));
  icon.Add("Pelorin");
  EXPECT_TRUE(keysForm.HasWindow());
  EXPECT_TRUE(trayForm.HasWindow());
  EXPECT_TRUE(uit::PressHotKey(app, ui::hotkey_modifier::kControl, 'K'));
  EXPECT_TRUE(uit::InNotificationArea(icon));
}

}  // namespace
