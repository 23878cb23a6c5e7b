#pragma once
// Shortcut (.lnk) files through the shell's link object.

#include <string>

#include "platform/file_system.h"
#include "platform/incoming_path.h"

namespace platform {

// What a shortcut holds. As the program writes one (and a test sets one up),
// its target is a path of the program's; as read, the target comes as the
// system names it, and what of it the program can keep is the caller's
// decision (platform/incoming_path.h). The other texts are read as at most
// 259 characters, in code page 932, and empty when one of their characters
// has no form there.
template <typename Target>
struct BasicShellLink {
  Target TargetPath;
  std::string Arguments;
  std::string WorkingDirectory;
  std::string Description;
  std::string IconLocation;
  int IconIndex = 0;
  // The stored show command (SW_*); 0 when it could not be read.
  int ShowCommand = 0;

  bool operator==(const BasicShellLink&) const = default;
};
using ShellLinkData = BasicShellLink<std::string>;
using LoadedShellLink = BasicShellLink<SystemName>;

class ShellLinks {
 public:
  virtual ~ShellLinks() = default;

  // Reads the shortcut at path (relative paths are taken from the current
  // folder). False when it cannot be loaded; then link is untouched. A field
  // the link cannot give is left empty (0 for the numbers).
  virtual bool Load(const std::string& path, LoadedShellLink& link) = 0;
  // Writes a shortcut at path (an existing one is replaced) with the target,
  // arguments and working folder of link, and its description and icon when
  // they are not empty; the show command stays at the shell's default.
  virtual FileResult Save(const std::string& path, const ShellLinkData& link) = 0;
};

}  // namespace platform
