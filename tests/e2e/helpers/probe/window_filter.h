#pragma once
// Which top-level windows a command looks at: --pid, --title (exact),
// --class (exact), --hidden 1 to include invisible ones.

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

class Args;

struct WindowFilter {
  DWORD pid = 0;
  bool hasTitle = false;
  std::string title;
  std::string className;
  bool includeHidden = false;

  static WindowFilter From(const Args& args);
  bool Matches(HWND window) const;
  // Matching top-level windows, topmost first.
  std::vector<HWND> Find() const;
};

}  // namespace e2e
