#pragma once
// Where a rectangle stands among the monitors: the rules that placing and
// edge hiding share, the same on every backend.

#include <vector>

#include "platform/ui/types.h"

namespace ui {

bool Overlaps(const Rect& a, const Rect& b);
// Whether any pixel of r is on one of the monitors.
bool OnAnyMonitor(const std::vector<Monitor>& monitors, const Rect& r);
// The monitor that holds most of r; when r is on none, the nearest one (ties
// go to the earlier monitor, so the primary one wins). monitors must not be empty.
const Monitor& MonitorOf(const std::vector<Monitor>& monitors, const Rect& r);

// The sides of a monitor that are edges of the desktop along the span of r:
// no other monitor continues the desktop beyond them there.
struct DesktopEdges {
  bool left = false, top = false, right = false, bottom = false;
};
DesktopEdges EdgesOf(const std::vector<Monitor>& monitors, const Monitor& monitor, const Rect& r);

}  // namespace ui
