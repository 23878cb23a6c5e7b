#pragma once
// Key names from the keyboard layout (GetKeyNameTextA).

#include "platform/key_names.h"

namespace platform::win32 {

class KeyNamesWin32 : public KeyNames {
 public:
  std::string NameOf(unsigned virtualKey) override;
};

}  // namespace platform::win32
