#pragma once
// Icons through the shell: SHGetFileInfoW, ExtractIconExW and ExtractIconW.

#include "platform/icons.h"

namespace platform::win32 {

class IconsWin32 : public Icons {
 public:
  Icon ShellIcon(const std::string& path) override;
  Icon IconInFile(const std::string& path, int index) override;
  int IconCount(const std::string& path) override;
  Icon CopyOf(const Icon& icon) override;

 private:
  // What the shell shows for every program that has no icon of its own.
  Icon genericProgramIcon_;
};

}  // namespace platform::win32
