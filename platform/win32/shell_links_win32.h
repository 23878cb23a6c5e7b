#pragma once
// Shortcut files through the shell's link object (COM: IShellLinkW and
// IPersistFile). COM must be initialised on the calling thread.

#include "platform/shell_links.h"

namespace platform::win32 {

class ShellLinksWin32 : public ShellLinks {
 public:
  bool Load(const std::string& path, LoadedShellLink& link) override;
  FileResult Save(const std::string& path, const ShellLinkData& link) override;
};

}  // namespace platform::win32
