#include "core/hotkey_text.h"

#include <gtest/gtest.h>

#include "platform/headless/fake_key_names.h"

namespace pelorin {
namespace {

class HotKeyTextTest : public ::testing::Test {
 protected:
  platform::headless::FakeKeyNames names{{0x90, "Num Lock"}, {0xA1, "Right Shift"}, {0xE5, "テ"}};
};

TEST_F(HotKeyTextTest, WritesPrefixesInTheOrderShiftCtrlAlt) {
  EXPECT_EQ(HotKeyToText({'K', false, true, true}, names), "Ctrl+Alt+K");
  EXPECT_EQ(HotKeyToText({vk::F1 + 11, true, false, false}, names), "Shift+F12");
  EXPECT_EQ(HotKeyToText({'7', true, true, true}, names), "Shift+Ctrl+Alt+7");
  EXPECT_EQ(HotKeyToText({vk::Numpad0 + 5, false, true, false}, names), "Ctrl+5");
  EXPECT_EQ(HotKeyToText({vk::Delete, false, false, false}, names), "Del");
  EXPECT_EQ(HotKeyToText({0x90, true, false, false}, names), "Shift+Num Lock");
  EXPECT_EQ(HotKeyToText({0x91, false, true, false}, names), "");  // no name: no hot key
  EXPECT_EQ(HotKeyToText({}, names), "");
}

TEST_F(HotKeyTextTest, NamedKeys) {
  const std::pair<unsigned, const char*> expected[] = {
      {0x08, "BkSp"}, {0x09, "Tab"},   {0x0D, "Enter"}, {0x1B, "Esc"},  {0x20, "Space"}, {0x21, "PgUp"},
      {0x22, "PgDn"}, {0x23, "End"},   {0x24, "Home"},  {0x25, "Left"}, {0x26, "Up"},    {0x27, "Right"},
      {0x28, "Down"}, {0x2D, "Ins"},   {0x2E, "Del"},   {0x41, "A"},    {0x5A, "Z"},     {0x30, "0"},
      {0x69, "9"},    {0x70, "F1"},    {0x87, "F24"},
  };
  for (const auto& [key, name] : expected) {
    SCOPED_TRACE(name);
    EXPECT_EQ(KeyNameOf(key, names), name);
  }
}

TEST_F(HotKeyTextTest, ReadsPrefixesInAnyOrderAndCase) {
  const HotKey ctrlAltK{'K', false, true, true};
  EXPECT_EQ(HotKeyFromText("Ctrl+Alt+K", names), ctrlAltK);
  EXPECT_EQ(HotKeyFromText("alt+ctrl+k", names), ctrlAltK);
  EXPECT_EQ(HotKeyFromText("ALT+^k", names), ctrlAltK);
  EXPECT_EQ(HotKeyFromText("^K", names), (HotKey{'K', false, true, false}));
  EXPECT_EQ(HotKeyFromText("Shift+F12", names), (HotKey{vk::F1 + 11, true, false, false}));
  EXPECT_EQ(HotKeyFromText("Del", names), (HotKey{vk::Delete}));
  EXPECT_EQ(HotKeyFromText("pgdn", names), (HotKey{vk::Next}));
  EXPECT_EQ(HotKeyFromText("shift+num lock", names), (HotKey{0x90, true, false, false}));
  // The digit key comes before the numeric pad's, so it is the one read.
  EXPECT_EQ(HotKeyFromText("Ctrl+5", names), (HotKey{'5', false, true, false}));
}

TEST_F(HotKeyTextTest, EmptyOrUnknownGivesNoHotKey) {
  for (const char* text : {"", "Ctrl+", "Shift+Alt+", "Ctrl+Alt+Foo", "K+Ctrl", "F25", "Ctrl Alt K", "ウ"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(HotKeyFromText(text, names), HotKey{});
  }
  // Letter case is folded only for single-byte characters: テ (0x83 0x65)
  // and ウ (0x83 0x45) differ only in a second byte that looks like e/E.
  EXPECT_EQ(HotKeyFromText("Alt+テ", names), (HotKey{0xE5, false, false, true}));
}

TEST_F(HotKeyTextTest, EveryNamedKeyRoundTrips) {
  for (unsigned key = 8; key <= 0xFF; ++key) {
    const std::string text = HotKeyToText({key, true, false, true}, names);
    if (text.empty()) continue;
    SCOPED_TRACE(text);
    const HotKey read = HotKeyFromText(text, names);
    EXPECT_EQ(HotKeyToText(read, names), text);
    if (key < vk::Numpad0 || key > vk::Numpad9) {
      EXPECT_EQ(read.Key, key);
    }
  }
}

TEST_F(HotKeyTextTest, RegistrationUsesTheRewrittenText) {
  EXPECT_EQ(RegistrationOf("alt+ctrl+k", names), (HotKeyRegistration{kModControl | kModAlt, 'K'}));
  EXPECT_EQ(RegistrationOf("Shift+Ctrl+Alt+F1", names),
            (HotKeyRegistration{kModShift | kModControl | kModAlt, vk::F1}));
  EXPECT_EQ(RegistrationOf("^Home", names), (HotKeyRegistration{kModControl, vk::Home}));
  EXPECT_EQ(RegistrationOf("", names), HotKeyRegistration{});
  EXPECT_EQ(RegistrationOf("Ctrl+Nothing", names), HotKeyRegistration{});
  // The modifiers follow the words in the text, also inside a key's name.
  EXPECT_EQ(RegistrationOf("Ctrl+Right Shift", names), (HotKeyRegistration{kModShift | kModControl, 0xA1}));
}

}  // namespace
}  // namespace pelorin
