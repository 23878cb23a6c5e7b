#pragma once
// Hot keys as the options hold them: readable texts such as "Ctrl+Alt+K",
// converted to a virtual-key code with modifiers and back.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/key_combination.h"
#include "platform/key_names.h"

namespace pelorin {

// Virtual-key codes (the Win32 values) that the texts name themselves.
namespace vk {
inline constexpr unsigned Back = 0x08, Tab = 0x09, Return = 0x0D, Escape = 0x1B, Space = 0x20;
inline constexpr unsigned Prior = 0x21, Next = 0x22, End = 0x23, Home = 0x24;
inline constexpr unsigned Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28;
inline constexpr unsigned Insert = 0x2D, Delete = 0x2E;
inline constexpr unsigned Digit0 = 0x30, Digit9 = 0x39, LetterA = 0x41, LetterZ = 0x5A;
inline constexpr unsigned Numpad0 = 0x60, Numpad9 = 0x69, F1 = 0x70, F24 = 0x87;
}  // namespace vk

// A key combination (Key 0: no hot key), the same the hot-key boxes hold.
using HotKey = platform::KeyCombination;

// Modifier set of RegisterHotKey.
inline constexpr unsigned kModAlt = 1, kModControl = 2, kModShift = 4;

// What RegisterHotKey is given for one option text.
struct HotKeyRegistration {
  unsigned Modifiers = 0;
  unsigned Key = 0;

  bool operator==(const HotKeyRegistration&) const = default;
};

// Name of a key in hot-key texts: "A", "7", "F12", "PgUp", ... or the
// system's name for any other key; empty when the key has none.
std::string KeyNameOf(unsigned key, platform::KeyNames& systemNames);

// "Shift+", "Ctrl+", "Alt+" (in this order, for those held) and the key's
// name; empty for a key without a name.
std::string HotKeyToText(const HotKey& hotKey, platform::KeyNames& systemNames);

// Reads a hot-key text: the prefixes "Shift+", "Ctrl+" (or "^") and "Alt+"
// in any order and letter case, then the name of a key code from 8 up (the
// first match, letter case ignored). Empty or unknown gives no hot key.
HotKey HotKeyFromText(std::string_view text, platform::KeyNames& systemNames);

// The registration of an option text: the text is read and written back, and
// the modifiers follow the words "Shift", "Ctrl" and "Alt" in the rewritten text.
HotKeyRegistration RegistrationOf(std::string_view text, platform::KeyNames& systemNames);

}  // namespace pelorin
