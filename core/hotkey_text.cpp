#include "core/hotkey_text.h"

#include "platform/text.h"

namespace pelorin {

namespace {

constexpr unsigned kFirstNamedKey = 0x08;
constexpr unsigned kLastKey = 0xFF;

struct FixedName {
  unsigned key;
  const char* name;
};

constexpr FixedName kFixedNames[] = {
    {vk::Back, "BkSp"}, {vk::Tab, "Tab"},    {vk::Return, "Enter"}, {vk::Escape, "Esc"},
    {vk::Space, "Space"}, {vk::Prior, "PgUp"}, {vk::Next, "PgDn"},   {vk::End, "End"},
    {vk::Home, "Home"}, {vk::Left, "Left"},  {vk::Up, "Up"},        {vk::Right, "Right"},
    {vk::Down, "Down"}, {vk::Insert, "Ins"}, {vk::Delete, "Del"},
};

char FoldAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Compares letter case-insensitively by characters: the second byte of a
// double-byte character is never folded.
bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::string_view::size_type pos = 0; pos < a.size(); ++pos) {
    if (platform::IsLeadByte(static_cast<unsigned char>(a[pos])) && pos + 1 < a.size()) {
      if (a.substr(pos, 2) != b.substr(pos, 2)) return false;
      ++pos;
      continue;
    }
    if (FoldAscii(a[pos]) != FoldAscii(b[pos])) return false;
  }
  return true;
}

// Takes prefix off the front of text when it is there, in any letter case.
bool TakePrefix(std::string_view& text, std::string_view prefix) {
  if (text.size() < prefix.size() || !EqualIgnoringCase(text.substr(0, prefix.size()), prefix)) return false;
  text.remove_prefix(prefix.size());
  return true;
}

}  // namespace

std::string KeyNameOf(unsigned key, platform::KeyNames& systemNames) {
  if ((key >= vk::LetterA && key <= vk::LetterZ) || (key >= vk::Digit0 && key <= vk::Digit9)) {
    return std::string(1, static_cast<char>(key));
  }
  if (key >= vk::Numpad0 && key <= vk::Numpad9) return std::string(1, static_cast<char>('0' + key - vk::Numpad0));
  if (key >= vk::F1 && key <= vk::F24) return std::string("F").append(std::to_string(key - vk::F1 + 1));
  for (const auto& fixed : kFixedNames) {
    if (fixed.key == key) return fixed.name;
  }
  return key == 0 ? std::string() : systemNames.NameOf(key);
}

std::string HotKeyToText(const HotKey& hotKey, platform::KeyNames& systemNames) {
  const std::string name = KeyNameOf(hotKey.Key, systemNames);
  if (name.empty()) return {};
  std::string text;
  if (hotKey.Shift) text.append("Shift+");
  if (hotKey.Ctrl) text.append("Ctrl+");
  if (hotKey.Alt) text.append("Alt+");
  text.append(name);
  return text;
}

HotKey HotKeyFromText(std::string_view text, platform::KeyNames& systemNames) {
  HotKey hotKey;
  for (;;) {
    if (TakePrefix(text, "Shift+")) {
      hotKey.Shift = true;
    } else if (TakePrefix(text, "Ctrl+") || TakePrefix(text, "^")) {
      hotKey.Ctrl = true;
    } else if (TakePrefix(text, "Alt+")) {
      hotKey.Alt = true;
    } else {
      break;
    }
  }
  if (text.empty()) return {};
  for (unsigned key = kFirstNamedKey; key <= kLastKey; ++key) {
    const std::string name = KeyNameOf(key, systemNames);
    if (!name.empty() && EqualIgnoringCase(name, text)) {
      hotKey.Key = key;
      return hotKey;
    }
  }
  return {};
}

HotKeyRegistration RegistrationOf(std::string_view text, platform::KeyNames& systemNames) {
  const HotKey hotKey = HotKeyFromText(text, systemNames);
  const std::string rewritten = HotKeyToText(hotKey, systemNames);
  HotKeyRegistration registration;
  if (rewritten.find("Shift") != std::string::npos) registration.Modifiers |= kModShift;
  if (rewritten.find("Ctrl") != std::string::npos) registration.Modifiers |= kModControl;
  if (rewritten.find("Alt") != std::string::npos) registration.Modifiers |= kModAlt;
  registration.Key = hotKey.Key;
  return registration;
}

}  // namespace pelorin
