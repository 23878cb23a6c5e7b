#pragma once
// The system's file search on drive C, for the menus and the hot key.

#include <string>

#include "platform/dde.h"
#include "platform/shell.h"

namespace pelorin {

// format with argument in place of each %s (either letter case); "%%" is a
// per cent sign; anything else is copied as it is.
std::string FormatWithText(const std::string& format, const std::string& argument);

// Asks the shell's DDE service "Folders" (topic "AppProperties") to open its
// file search on C:\. Where no server answers (current Windows, Wine), asks
// the shell for the "find" verb of C:\, and where that is refused too, opens
// an Explorer window on C:\. Nothing is reported either way.
void OpenFileSearch(platform::Dde& dde, platform::Shell& shell, ui::Form* owner);

}  // namespace pelorin
