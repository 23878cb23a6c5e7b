#include "probe/window_filter.h"

#include "common/args.h"
#include "common/window_info.h"

namespace e2e {

WindowFilter WindowFilter::From(const Args& args) {
  WindowFilter filter;
  filter.pid = static_cast<DWORD>(args.Number("pid", 0));
  filter.hasTitle = args.Has("title");
  filter.title = args.Text("title");
  filter.className = args.Text("class");
  filter.includeHidden = args.Number("hidden", 0) != 0;
  return filter;
}

bool WindowFilter::Matches(HWND window) const {
  if (!includeHidden && !IsWindowVisible(window)) return false;
  if (pid != 0 && ProcessOf(window) != pid) return false;
  if (!className.empty() && ClassName(window) != className) return false;
  if (hasTitle && WindowText(window) != title) return false;
  return true;
}

std::vector<HWND> WindowFilter::Find() const {
  std::vector<HWND> found;
  for (HWND window : TopLevelWindows()) {
    if (Matches(window)) found.push_back(window);
  }
  return found;
}

}  // namespace e2e
