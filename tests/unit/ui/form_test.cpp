// Forms and the application: showing, closing, activation, frame geometry,
// and the user's pointer and keys as the headless test API delivers them.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/testing.h"
#include "platform/ui/bevel.h"
#include "platform/ui/panel.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/popup_menu.h"

namespace {

namespace uit = ui::test;
using ui::BorderStyle;
using ui::Form;
using ui::MouseButton;
using ui::Point;
using ui::Property;
using ui::Size;

class FormTest : public ::testing::Test {
 protected:
  ui::Application app;
};

TEST_F(FormTest, FirstFormIsTheMainFormAndFormsStartHidden) {
  Form main(app, "Main", "Pelorin", BorderStyle::ToolWindow);
  Form other(app, "Other", "Other", BorderStyle::DialogNoButtons);
  EXPECT_EQ(app.MainForm(), &main);
  EXPECT_EQ(app.Forms(), (std::vector<Form*>{&main, &other}));
  EXPECT_FALSE(main.Visible());
  main.HandleNeeded();
  EXPECT_TRUE(uit::PeerUpdates(main).empty());
  {
    Form passing(app, "Passing", "", BorderStyle::None);
    EXPECT_EQ(app.Forms().size(), 3u);
  }
  EXPECT_EQ(app.Forms(), (std::vector<Form*>{&main, &other}));
}

TEST_F(FormTest, ShowFiresOnShowEachTimeTheFormBecomesVisible) {
  Form form(app, "Main", "Pelorin", BorderStyle::ToolWindow);
  std::vector<std::string> events;
  form.onShow = [&] {
    // onShow runs before the window appears.
    events.push_back(std::string("show, visible ") + (form.Visible() ? "yes" : "no"));
  };
  form.onHide = [&] { events.push_back(std::string("hide, visible ") + (form.Visible() ? "yes" : "no")); };

  form.Show();
  form.Show();
  form.Hide();
  form.Hide();
  form.Show();

  EXPECT_EQ(events, (std::vector<std::string>{"show, visible no", "hide, visible no", "show, visible no"}));
  EXPECT_TRUE(form.Visible());
}

TEST_F(FormTest, RunShowsTheMainForm) {
  Form main(app, "Main", "Pelorin", BorderStyle::ToolWindow);
  int shows = 0;
  main.onShow = [&] { ++shows; };
  app.Run();
  EXPECT_TRUE(main.Visible());
  EXPECT_EQ(shows, 1);
  EXPECT_FALSE(app.Terminated());
}

TEST_F(FormTest, CloseAsksOnCloseThenHidesAndOnlyTheMainFormEndsTheProgram) {
  Form main(app, "Main", "Pelorin", BorderStyle::ToolWindow);
  Form other(app, "Other", "Other", BorderStyle::ToolWindow);
  std::vector<std::string> events;
  other.onClose = [&] { events.push_back(std::string("close other, visible ") + (other.Visible() ? "yes" : "no")); };
  main.onClose = [&] { events.push_back("close main"); };
  main.Show();
  other.Show();

  uit::ClickCloseBox(other);
  EXPECT_FALSE(other.Visible());
  EXPECT_FALSE(app.Terminated());

  uit::ClickCloseBox(main);
  EXPECT_FALSE(main.Visible());
  EXPECT_TRUE(app.Terminated());
  EXPECT_EQ(events, (std::vector<std::string>{"close other, visible yes", "close main"}));
}

TEST_F(FormTest, ClosingAHiddenMainFormStillEndsTheProgram) {
  Form main(app, "Main", "Pelorin", BorderStyle::ToolWindow);
  int closes = 0;
  main.onClose = [&] { ++closes; };
  main.Close();
  EXPECT_EQ(closes, 1);
  EXPECT_TRUE(app.Terminated());
}

TEST_F(FormTest, ShowingActivatesAndHidingDeactivates) {
  Form main(app, "Main", "Pelorin", BorderStyle::ToolWindow);
  Form control(app, "Control", "Control Window", BorderStyle::ToolWindow);
  std::vector<std::string> events;
  main.onActivate = [&] { events.push_back("main on"); };
  main.onDeactivate = [&] { events.push_back("main off"); };
  control.onActivate = [&] { events.push_back("control on"); };
  control.onDeactivate = [&] { events.push_back("control off"); };

  main.Show();
  control.Show();
  uit::Activate(main);
  uit::ActivateOtherProgram(app);
  control.BringToForeground();
  control.Hide();
  main.BringToForeground();
  main.Hide();
  main.BringToForeground();  // a hidden window does not come forward

  EXPECT_EQ(events, (std::vector<std::string>{"main on", "main off", "control on", "control off", "main on",
                                              "main off", "control on", "control off", "main on", "main off"}));
  EXPECT_FALSE(main.Active());
}

TEST_F(FormTest, ClientSizeAndOuterSizeFollowTheFrame) {
  struct Case {
    BorderStyle border;
    Size client;
    Size outer;
  };
  const Case cases[] = {
      {BorderStyle::ToolWindow, {186, 112}, {192, 134}},
      {BorderStyle::ToolWindowNoButtons, {186, 112}, {192, 134}},
      {BorderStyle::DialogNoButtons, {300, 200}, {306, 225}},
      {BorderStyle::None, {2, 134}, {2, 134}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "border " << static_cast<int>(c.border));
    Form form(app, "Form", "", c.border);
    form.SetBounds({100, 50, 0, 0});
    form.SetClientSize(c.client);
    EXPECT_EQ(form.Bounds(), (ui::Rect{100, 50, c.outer.width, c.outer.height}));

    // Sizing the outer rectangle reports the client size back.
    form.SetWidth(c.outer.width + 37);
    EXPECT_EQ(form.ClientSize(), (Size{c.client.width + 37, c.client.height}));
  }
}

TEST_F(FormTest, SettingTheSameValueDoesNotReachThePeer) {
  Form form(app, "Main", "Pelorin", BorderStyle::ToolWindow);
  ui::Label label(form, "Label1");
  ui::Bevel bevel(form, "Bevel1");
  form.HandleNeeded();
  struct Case {
    const char* what;
    ui::Control& control;
    std::function<void()> set;
    Property property;
  };
  const Case cases[] = {
      {"left", label, [&] { label.SetLeft(5); }, Property::Bounds},
      {"bounds", label, [&] { label.SetBounds({5, 6, 7, 8}); }, Property::Bounds},
      {"enabled", label, [&] { label.SetEnabled(false); }, Property::Enabled},
      {"hint", label, [&] { label.SetHint("ヒント"); }, Property::Hint},
      {"show hint", label, [&] { label.SetShowHint(true); }, Property::Hint},
      {"color", label, [&] { label.SetColor(0x00FF00); }, Property::Color},
      {"font", label, [&] { label.SetFont({"Arial", 14, 0, true}); }, Property::Font},
      {"caption", label, [&] { label.SetCaption("Index : 3"); }, Property::Text},
      {"transparent", label, [&] { label.SetTransparent(true); }, Property::Style},
      {"visible", label, [&] { label.SetVisible(false); }, Property::Visible},
      {"bevel style", bevel, [&] { bevel.SetStyle(ui::BevelStyle::Lowered); }, Property::Style},
      {"form caption", form, [&] { form.SetCaption("Control Window"); }, Property::Text},
      {"client size", form, [&] { form.SetClientSize({186, 112}); }, Property::ClientSize},
      {"alpha", form, [&] { form.SetAlpha(200); }, Property::Alpha},
      {"topmost", form, [&] { form.SetTopMost(true); }, Property::TopMost},
      {"accept files", form, [&] { form.SetAcceptFiles(true); }, Property::AcceptFiles},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    uit::ClearPeerUpdates(c.control);
    c.set();
    EXPECT_EQ(uit::PeerUpdates(c.control), std::vector<Property>{c.property});
    c.set();
    EXPECT_EQ(uit::PeerUpdates(c.control), std::vector<Property>{c.property});
  }
  form.SetAlpha(std::nullopt);
  EXPECT_EQ(form.Alpha(), std::nullopt);
}

TEST_F(FormTest, ChildrenAreKeptInZOrder) {
  Form form(app, "Main", "Pelorin", BorderStyle::ToolWindow);
  ui::Bevel bevel(form, "Bevel1");
  ui::Image image(form, "Image1");
  ui::Label bar(form, "Bar_l");
  form.HandleNeeded();
  EXPECT_EQ(form.Children(), (std::vector<ui::Control*>{&bevel, &image, &bar}));

  bar.BringToFront();
  EXPECT_TRUE(uit::PeerUpdates(bar).empty()) << "already on top";

  bevel.BringToFront();
  EXPECT_EQ(form.Children(), (std::vector<ui::Control*>{&image, &bar, &bevel}));
  EXPECT_EQ(uit::PeerUpdates(bevel), std::vector<Property>{Property::ZOrder});
  EXPECT_EQ(&bevel.OwnerForm(), &form);

  // A form is raised among the desktop's windows every time it is asked.
  form.BringToFront();
  form.BringToFront();
  EXPECT_EQ(uit::PeerUpdates(form), (std::vector<Property>{Property::ZOrder, Property::ZOrder}));

  {
    ui::Label passing(form, "Passing");
    EXPECT_EQ(form.Children().size(), 4u);
  }
  EXPECT_EQ(form.Children(), (std::vector<ui::Control*>{&image, &bar, &bevel}));
}

class PointerTest : public FormTest {
 protected:
  PointerTest() {
    form.SetBounds({100, 50, 0, 0});
    form.SetClientSize({186, 112});
    image.SetBounds({2, 2, 32, 32});
    form.Show();
    for (ui::Control* control : {static_cast<ui::Control*>(&form), static_cast<ui::Control*>(&image)}) {
      control->onMouseDown = [this, control](MouseButton button, ui::ShiftState shift, Point at) {
        events.push_back(control->Name() + " down " + std::to_string(static_cast<int>(button)) +
                         (shift.left ? " left" : "") + (shift.right ? " right" : "") + " " + std::to_string(at.x) +
                         "," + std::to_string(at.y));
      };
      control->onMouseUp = [this, control](MouseButton button, ui::ShiftState shift, Point at) {
        events.push_back(control->Name() + " up " + std::to_string(static_cast<int>(button)) +
                         (shift.left ? " left" : "") + " " + std::to_string(at.x) + "," + std::to_string(at.y));
      };
      control->onMouseMove = [this, control](ui::ShiftState, Point at) {
        events.push_back(control->Name() + " move " + std::to_string(at.x) + "," + std::to_string(at.y));
      };
      control->onClick = [this, control] { events.push_back(control->Name() + " click"); };
    }
  }

  Form form{app, "Main", "Pelorin", BorderStyle::ToolWindow};
  // Graphic controls lie on a form or a panel, never on another graphic control.
  ui::Panel panel{form, {.name = "Panel2", .bounds = {37, 0, 36, 36}}};
  ui::Image image{panel, "Image2"};
  std::vector<std::string> events;
};

TEST_F(PointerTest, ScreenPositionsAddTheFrameAndEveryParentOffset) {
  EXPECT_EQ(uit::ScreenPosition(form), (Point{103, 69}));
  EXPECT_EQ(uit::ScreenPosition(image), (Point{103 + 37 + 2, 69 + 2}));

  uit::MoveMouse(image, {5, 6});
  EXPECT_EQ(app.CursorPos(), (Point{147, 77}));
  EXPECT_EQ(events, std::vector<std::string>{"Image2 move 5,6"});
  EXPECT_EQ(&uit::FindControl(form, "Image2"), &image);
  EXPECT_EQ(&uit::Find<ui::Panel>(form, "Panel2"), &panel);
  EXPECT_THROW(uit::FindControl(form, "Image3"), std::logic_error);
  EXPECT_THROW(uit::Find<ui::Label>(form, "Image2"), std::logic_error);
}

TEST_F(PointerTest, ALeftClickIsDownClickUpAndARightClickHasNoClick) {
  uit::Click(image, MouseButton::Left, {3, 4});
  uit::Click(form, MouseButton::Right, {150, 100});
  EXPECT_EQ(events, (std::vector<std::string>{"Image2 down 0 left 3,4", "Image2 click", "Image2 up 0 3,4",
                                              "Main down 1 right 150,100", "Main up 1 150,100"}));
  EXPECT_EQ(app.CursorPos(), (Point{253, 169}));
}

TEST_F(PointerTest, TheUserCannotReachHiddenOrDisabledControls) {
  image.Hide();
  EXPECT_THROW(uit::MoveMouse(image, {1, 1}), std::logic_error);
  image.Show();
  panel.SetEnabled(false);
  EXPECT_THROW(uit::Press(image, MouseButton::Left, {1, 1}), std::logic_error);
  panel.SetEnabled(true);
  form.Hide();
  EXPECT_THROW(uit::Release(image, MouseButton::Left, {1, 1}), std::logic_error);
  EXPECT_TRUE(events.empty());
}

TEST_F(PointerTest, APressThatHidesTheControlSwallowsTheRelease) {
  image.onMouseDown = [&](MouseButton, ui::ShiftState, Point) { form.Hide(); };
  uit::Click(image, MouseButton::Left, {3, 4});
  EXPECT_TRUE(events.empty());
}

TEST_F(PointerTest, AMenuOpenedOnThePressTakesTheRelease) {
  ui::PopupMenu menu(form, "LaunchPopup");
  menu.Items().Add("E1", "entry");
  image.onMouseDown = [&](MouseButton, ui::ShiftState, Point) { menu.Popup(app.CursorPos()); };
  uit::Script script(app);
  script.ExpectPopup("LaunchPopup", uit::Dismiss());
  uit::Click(image, MouseButton::Left, {3, 4});
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(uit::PopupsShown(app).at(0).position, (Point{145, 75}));
  EXPECT_NO_THROW(script.Done());
}

TEST_F(FormTest, KeysGoToTheActiveFormAndDropsToFormsThatAcceptFiles) {
  Form main(app, "Main", "Pelorin", BorderStyle::ToolWindow);
  Form other(app, "Other", "Other", BorderStyle::ToolWindow);
  std::string keys;
  std::vector<std::string> dropped;
  main.onKeyPress = [&](char key) { keys += key; };
  main.onDropFiles = [&](const std::vector<platform::IncomingPath>& files) {
    for (const auto& file : files) dropped.push_back(file.Path);
  };
  main.Show();
  other.Show();

  EXPECT_THROW(uit::KeyPress(main, 'c'), std::logic_error);
  uit::Activate(main);
  uit::KeyPress(main, 'c');
  uit::KeyPress(main, 'C');
  EXPECT_EQ(keys, "cC");

  uit::DropFiles(main, {"C:\\a.txt"});
  EXPECT_TRUE(dropped.empty());
  main.SetAcceptFiles(true);
  uit::DropFiles(main, {"C:\\a.txt", "C:\\表示\\b"});
  EXPECT_EQ(dropped, (std::vector<std::string>{"C:\\a.txt", "C:\\表示\\b"}));
}

TEST_F(FormTest, OnlyAToolWindowHasACloseBox) {
  Form dialog(app, "Dialog", "Name", BorderStyle::ToolWindowNoButtons);
  dialog.Show();
  EXPECT_THROW(uit::ClickCloseBox(dialog), std::logic_error);
  EXPECT_TRUE(dialog.Visible());
}

TEST_F(FormTest, ApplicationKeepsTitleScreenCursorAndTaskbarState) {
  EXPECT_EQ(app.ScreenSize(), (Size{1024, 768}));
  uit::SetScreenSize(app, {800, 600});
  uit::SetCursor(app, {799, 0});
  EXPECT_EQ(app.ScreenSize(), (Size{800, 600}));
  EXPECT_EQ(app.CursorPos(), (Point{799, 0}));

  app.SetTitle("Pelorin");
  EXPECT_EQ(app.Title(), "Pelorin");
  EXPECT_FALSE(uit::TaskbarButtonHidden(app));
  app.HideTaskbarButton();
  EXPECT_TRUE(uit::TaskbarButtonHidden(app));

  int pending = 0;
  app.ProcessMessages();
  uit::SetPendingMessages(app, [&] { ++pending; });
  app.ProcessMessages();
  EXPECT_EQ(pending, 1);
}

}  // namespace
