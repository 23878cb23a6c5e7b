#include "platform/ui/monitors.h"

#include <algorithm>
#include <cstdint>

namespace ui {

namespace {

int Right(const Rect& r) { return r.left + r.width; }
int Bottom(const Rect& r) { return r.top + r.height; }

std::int64_t OverlapArea(const Rect& a, const Rect& b) {
  const std::int64_t w = std::min(Right(a), Right(b)) - std::max(a.left, b.left);
  const std::int64_t h = std::min(Bottom(a), Bottom(b)) - std::max(a.top, b.top);
  return w > 0 && h > 0 ? w * h : 0;
}

// Squared distance between the nearest points of two rectangles.
std::int64_t Distance(const Rect& a, const Rect& b) {
  const std::int64_t dx = std::max({0, b.left - Right(a), a.left - Right(b)});
  const std::int64_t dy = std::max({0, b.top - Bottom(a), a.top - Bottom(b)});
  return dx * dx + dy * dy;
}

// Whether the spans [low1, high1) and [low2, high2) share a point.
bool SpansMeet(int low1, int high1, int low2, int high2) { return low1 < high2 && low2 < high1; }

}  // namespace

bool Overlaps(const Rect& a, const Rect& b) { return OverlapArea(a, b) > 0; }

bool OnAnyMonitor(const std::vector<Monitor>& monitors, const Rect& r) {
  return std::any_of(monitors.begin(), monitors.end(), [&](const Monitor& m) { return Overlaps(m.bounds, r); });
}

const Monitor& MonitorOf(const std::vector<Monitor>& monitors, const Rect& r) {
  const Monitor* best = &monitors.front();
  std::int64_t bestArea = OverlapArea(best->bounds, r);
  for (const Monitor& m : monitors) {
    const std::int64_t area = OverlapArea(m.bounds, r);
    if (area > bestArea) best = &m, bestArea = area;
  }
  if (bestArea > 0) return *best;
  for (const Monitor& m : monitors) {
    if (Distance(m.bounds, r) < Distance(best->bounds, r)) best = &m;
  }
  return *best;
}

DesktopEdges EdgesOf(const std::vector<Monitor>& monitors, const Monitor& monitor, const Rect& r) {
  const Rect& b = monitor.bounds;
  DesktopEdges edges{true, true, true, true};
  for (const Monitor& other : monitors) {
    if (&other == &monitor) continue;
    const Rect& o = other.bounds;
    // A monitor that reaches across a side, where r stands along it, continues the desktop there.
    if (SpansMeet(o.top, Bottom(o), r.top, Bottom(r))) {
      if (o.left < b.left && Right(o) >= b.left) edges.left = false;
      if (Right(o) > Right(b) && o.left <= Right(b)) edges.right = false;
    }
    if (SpansMeet(o.left, Right(o), r.left, Right(r))) {
      if (o.top < b.top && Bottom(o) >= b.top) edges.top = false;
      if (Bottom(o) > Bottom(b) && o.top <= Bottom(b)) edges.bottom = false;
    }
  }
  return edges;
}

}  // namespace ui
