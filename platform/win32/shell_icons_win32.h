#pragma once
// Icons through the shell: SHGetFileInfoA, ExtractIconExA and ExtractIconA.

#include "platform/icons.h"

namespace platform::win32 {

class IconsWin32 : public Icons {
 public:
  Icon ShellIcon(const std::string& path) override;
  Icon IconInFile(const std::string& path, int index) override;
  int IconCount(const std::string& path) override;
  Icon CopyOf(const Icon& icon) override;
};

}  // namespace platform::win32
