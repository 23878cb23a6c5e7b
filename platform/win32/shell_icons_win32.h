#pragma once
// Icons through the shell (SHGetFileInfoW) and read straight from the files
// that hold them (platform/win32/icon_file_win32.h).

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/icons.h"

namespace platform::win32 {

class IconFile;

class IconsWin32 : public Icons {
 public:
  IconsWin32();
  ~IconsWin32() override;

  Icon ShellIcon(const std::string& path) override;
  Icon IconInFile(const std::string& path, int index) override;
  int IconCount(const std::string& path) override;
  Icon CopyOf(const Icon& icon) override;

 protected:
  void BeginReading() override;
  void EndReading() override;

 private:
  // The file at path, open till the reading ends (every call is a reading).
  const IconFile& FileAt(const std::string& path);
  Icon AskShell(const std::string& path);

  int readings_ = 0;
  std::vector<std::pair<std::string, std::unique_ptr<IconFile>>> openFiles_;
  // What the shell shows for every program that has no icon of its own.
  Icon genericProgramIcon_;
  bool shellGaveNoGenericIcon_ = false;
};

}  // namespace platform::win32
