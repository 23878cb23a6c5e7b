#pragma once
// Readers of the shell's shortcut files, used where a shortcut's content is
// needed without launching it: dropped .lnk files and the tips of .url items.

#include <cstdint>
#include <string>

#include "platform/file_system.h"
#include "platform/shell_links.h"

namespace pelorin {

// Where a shell link points, and how it starts its target.
struct ShortcutInfo {
  // By the incoming-path rule; empty when the link has no file-system target
  // or none the program can keep.
  std::string TargetPath;
  std::string Arguments;
  std::string WorkingFolder;
  std::string Description;
  std::string IconFile;
  std::int32_t IconIndex = 0;
  // 0 normal, 1 minimised, 2 maximised, as an item's FileExecuteSize.
  std::uint8_t ShowSize = 0;

  bool operator==(const ShortcutInfo&) const = default;
};

// The ShowSize for a show command stored in a link: maximised 2, minimised
// (with or without activation) 1, anything else 0.
std::uint8_t ShowSizeOf(int showCommand);

// Reads the shell link at path into info. False when it cannot be loaded;
// then info is left exactly as it was.
bool ResolveShortcut(platform::ShellLinks& links, const std::string& path, ShortcutInfo& info);

// Sets url to the value of the URL key (any letter case) in the
// [InternetShortcut] section of the file at path. A missing file, section or
// key leaves url as it was.
void ReadInternetShortcut(platform::FileSystem& files, const std::string& path, std::string& url);

}  // namespace pelorin
