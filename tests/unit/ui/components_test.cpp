// Icon ownership (images and image lists), the tray icon and the hot keys.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/headless/testing.h"
#include "platform/ui/image.h"
#include "platform/ui/image_list.h"

namespace {

namespace uit = ui::test;
using platform::headless::FakeIconDescription;
using platform::headless::LiveFakeIconCount;
using platform::headless::MakeFakeIcon;
using ui::hotkey_modifier::kAlt;
using ui::hotkey_modifier::kControl;

class ComponentsTest : public ::testing::Test {
 protected:
  ui::Application app;
  ui::Form form{app, "Form1", "Pelorin", ui::BorderStyle::ToolWindow};
  const int liveBefore = LiveFakeIconCount();
};

TEST_F(ComponentsTest, AnImageOwnsItsPictureAndDestroysThePreviousOne) {
  form.HandleNeeded();
  {
    ui::Image image(form, "Image1");
    image.SetPicture(MakeFakeIcon("shell:C:\\a.exe"));
    EXPECT_EQ(LiveFakeIconCount(), liveBefore + 1);
    image.SetPicture(MakeFakeIcon("C:\\b.dll,3"));
    EXPECT_EQ(LiveFakeIconCount(), liveBefore + 1);
    EXPECT_EQ(FakeIconDescription(image.Picture()), "C:\\b.dll,3");
    EXPECT_EQ(uit::PeerUpdates(image), (std::vector<ui::Property>{ui::Property::Picture, ui::Property::Picture}));

    auto other = std::make_unique<ui::Image>(form, "Image2");
    other->SetPicture(MakeFakeIcon("shell:C:\\c.txt"));
    other.reset();
    EXPECT_EQ(LiveFakeIconCount(), liveBefore + 1);

    image.SetPicture({});
    image.SetPicture({});
    EXPECT_EQ(LiveFakeIconCount(), liveBefore);
    EXPECT_EQ(uit::PeerUpdates(image).size(), 3u) << "no icon twice is no change";
    image.SetPicture(MakeFakeIcon("shell:C:\\d.exe"));
  }
  EXPECT_EQ(LiveFakeIconCount(), liveBefore);
}

TEST_F(ComponentsTest, AnImageListKeepsCopiesUntilCleared) {
  {
    ui::ImageList list(form, "ImageList1", {16, 16}, ui::SystemColor(ui::syscolor::kWindow));
    {
      platform::Icon a = MakeFakeIcon("shell:C:\\z\\");
      platform::Icon b = MakeFakeIcon("shell:C:\\A.lnk");
      EXPECT_EQ(list.Add(a), 0);
      EXPECT_EQ(list.Add(b), 1);
      EXPECT_EQ(list.Add(platform::Icon()), 2);
      EXPECT_EQ(LiveFakeIconCount(), liveBefore + 4);
    }
    EXPECT_EQ(LiveFakeIconCount(), liveBefore + 2) << "the caller's icons are its own";
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(uit::ImageListIcons(list), (std::vector<std::string>{"shell:C:\\z\\", "shell:C:\\A.lnk", ""}));

    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(LiveFakeIconCount(), liveBefore);

    list.Add(MakeFakeIcon("shell:C:\\b.txt"));
    EXPECT_EQ(LiveFakeIconCount(), liveBefore + 1);
  }
  EXPECT_EQ(LiveFakeIconCount(), liveBefore);
}

TEST_F(ComponentsTest, TheTrayIconKeepsAtMost63BytesOfTipWithoutSplittingACharacter) {
  auto tray = std::make_unique<ui::TrayIcon>(form, "TrayIcon");
  std::vector<ui::MouseButton> presses;
  tray->onMouseDown = [&](ui::MouseButton button) { presses.push_back(button); };
  EXPECT_THROW(uit::ClickTrayIcon(*tray, ui::MouseButton::Left), std::logic_error);

  tray->Add("Pelorin 起動中");
  EXPECT_TRUE(tray->Shown());
  EXPECT_EQ(tray->Tip(), "Pelorin 起動中");
  uit::ClickTrayIcon(*tray, ui::MouseButton::Left);
  uit::ClickTrayIcon(*tray, ui::MouseButton::Right);
  EXPECT_EQ(presses, (std::vector<ui::MouseButton>{ui::MouseButton::Left, ui::MouseButton::Right}));

  tray->Remove();
  tray->Remove();
  EXPECT_FALSE(tray->Shown());

  // 62 single bytes and a double-byte character: the character does not fit.
  tray->Add(std::string(62, 'a') + "表");
  EXPECT_EQ(tray->Tip(), std::string(62, 'a'));
  tray->Add(std::string(61, 'a') + "表b");
  EXPECT_EQ(tray->Tip(), std::string(61, 'a') + "表");
  tray.reset();
}

TEST_F(ComponentsTest, HotKeysAreSystemWideAndEndWithTheirOwner) {
  auto keys = std::make_unique<ui::HotKeys>(form, "HotKeys");
  std::vector<int> pressed;
  keys->onHotKey = [&](int id) { pressed.push_back(id); };
  uit::ReserveHotKey(app, kAlt, 'T');

  EXPECT_TRUE(keys->Register(0, kControl | kAlt, 'C'));
  EXPECT_FALSE(keys->Register(1, kControl | kAlt, 'C')) << "taken by id 0";
  EXPECT_FALSE(keys->Register(2, kAlt, 'T')) << "taken by another program";
  EXPECT_FALSE(keys->Register(3, 0, 0)) << "an empty text gives no usable key";
  EXPECT_TRUE(keys->Register(4, kControl, 'S'));

  EXPECT_TRUE(uit::PressHotKey(app, kControl | kAlt, 'C'));
  EXPECT_FALSE(uit::PressHotKey(app, kAlt, 'T'));
  EXPECT_FALSE(uit::PressHotKey(app, kControl, 'C'));
  keys->Unregister(0);
  EXPECT_FALSE(uit::PressHotKey(app, kControl | kAlt, 'C'));
  EXPECT_TRUE(uit::PressHotKey(app, kControl, 'S'));
  EXPECT_EQ(pressed, (std::vector<int>{0, 4}));
  EXPECT_EQ(uit::HotKeyRegistrations(app).size(), 2u);

  keys.reset();
  EXPECT_EQ(uit::HotKeyRegistrations(app).size(), 1u) << "only the other program's key is left";
}

}  // namespace
