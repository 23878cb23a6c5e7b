#pragma once
// Paths between the program (code page 932) and the wide calls: wide paths
// the system hands over, and program paths past MAX_PATH.

#include <optional>
#include <string>
#include <string_view>

#include "platform/incoming_path.h"

namespace platform::win32 {

// path with the "\\?\" prefix when the plain wide functions would stop at
// MAX_PATH ("\\?\UNC\" for a network path); other paths as they are.
std::u16string ExtendedPath(std::u16string_view path);

// A path the system gave, with the short form the file system has for it.
SystemName SystemNameOf(std::u16string path);

// A path the system gave, as the program can keep it (platform/incoming_path.h):
// itself, else its short form; nothing when neither fits. The short form is
// asked for only when needed.
std::optional<std::string> KeptPath(std::u16string path);

// A program path as the wide file functions take it, past MAX_PATH too.
std::u16string FileCallPath(std::string_view path);

// A program path as the shell's functions take it. They stop at MAX_PATH and
// know no "\\?\", so a longer path (an item stored whole by an older
// version) goes by its short form when the file system has one.
std::u16string ShellCallPath(std::string_view path);

}  // namespace platform::win32
