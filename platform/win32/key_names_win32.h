#pragma once
// Key names from the keyboard layout (GetKeyNameTextA).

#include "platform/key_names.h"

namespace platform::win32 {

// Keys whose scan code is shared with the numeric pad: without the extended
// bit the layout would name the pad key ("Num 9" instead of "Page Up").
bool IsExtendedKey(unsigned virtualKey);

class KeyNamesWin32 : public KeyNames {
 public:
  std::string NameOf(unsigned virtualKey) override;
};

}  // namespace platform::win32
