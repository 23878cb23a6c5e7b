// Hiding at the screen edge: once the pointer has stayed away from the main
// window for a second, a window near an edge hides, with the control window,
// behind a thin strip along that edge (the strip brings them back).

#include <algorithm>
#include <vector>

#include "app/app.h"
#include "control/control_window.h"
#include "mainwindow/edge_strip.h"
#include "mainwindow/main_window.h"
#include "platform/ui/monitors.h"

namespace pelorin {

// The monitor that holds most of the window, and which of its sides are
// edges of the desktop there (with one monitor, all four).
struct EdgeScreen {
  ui::Rect bounds;
  ui::DesktopEdges edges;

  int Right() const { return bounds.left + bounds.width; }
  int Bottom() const { return bounds.top + bounds.height; }
};

namespace {

// How near an edge a window must stand to hide there.
constexpr int kEdgeMargin = 30;
// Watching the pointer, and measuring the second it must stay away.
constexpr unsigned kWatchInterval = 100;
constexpr unsigned kAwayInterval = 1000;

// The edges count as inside.
bool Within(const ui::Rect& r, ui::Point p) {
  return p.x >= r.left && p.x <= r.left + r.width && p.y >= r.top && p.y <= r.top + r.height;
}

EdgeScreen ScreenOf(ui::Application& ui, const ui::Rect& window) {
  const std::vector<ui::Monitor> monitors = ui.Monitors();
  const ui::Monitor& monitor = ui::MonitorOf(monitors, window);
  return {monitor.bounds, ui::EdgesOf(monitors, monitor, window)};
}

bool NearAnEdge(const ui::Rect& m, const EdgeScreen& s) {
  return (s.edges.top && m.top <= s.bounds.top + kEdgeMargin) ||
         (s.edges.left && m.left <= s.bounds.left + kEdgeMargin) ||
         (s.edges.bottom && m.top + m.height >= s.Bottom() - kEdgeMargin) ||
         (s.edges.right && m.left + m.width >= s.Right() - kEdgeMargin);
}

// The nearest start of a span of length size inside [low, low + room); a
// span longer than the room starts at low, so its start stays reachable.
int Fit(int start, int size, int low, int room) { return std::max(low, std::min(start, low + room - size)); }

}  // namespace

void TForm1::TipTimerTimer() {
  // While hidden the window waits for the strip, even when something (a
  // refresh, a dialog from the tray) let CanHide on again: hiding twice would
  // forget whether the control window was showing.
  if (!app_.State().CanHide || !Visible()) return;
  const ui::Point pointer = app_.Ui().CursorPos();
  // The control window's place counts even while it is hidden.
  if (Within(app_.ControlWindow().Bounds(), pointer)) return;
  if (Within(Bounds(), pointer)) {
    TipTimer.SetInterval(kWatchInterval);
    return;
  }
  if (TipTimer.Interval() == kWatchInterval) {
    TipTimer.SetInterval(kAwayInterval);
    return;
  }
  const LauncherState& state = app_.State();
  if (state.wHide) {
    // Not near an edge: keep measuring seconds until the pointer comes back.
    const EdgeScreen screen = ScreenOf(app_.Ui(), Bounds());
    if (!NearAnEdge(Bounds(), screen)) return;
    if (state.UD) {
      TryHideTopBottom(screen);
      if (Visible()) TryHideLeftRight(screen);
    } else {
      TryHideLeftRight(screen);
      if (Visible()) TryHideTopBottom(screen);
    }
  }
  TipTimer.SetInterval(kWatchInterval);
}

void TForm1::TryHideTopBottom(const EdgeScreen& screen) {
  const int bar = app_.State().BarWidth;
  if (screen.edges.top && Top() < screen.bounds.top + kEdgeMargin) {
    HideToStrip({Left(), screen.bounds.top, Width(), bar});
  } else if (screen.edges.bottom && Top() + Height() > screen.Bottom() - kEdgeMargin) {
    HideToStrip({Left(), screen.Bottom() - bar, Width(), bar});
  }
}

void TForm1::TryHideLeftRight(const EdgeScreen& screen) {
  const int bar = app_.State().BarWidth;
  if (screen.edges.left && Left() < screen.bounds.left + kEdgeMargin) {
    HideToStrip({screen.bounds.left, Top(), bar, Height()});
  } else if (screen.edges.right && Left() + Width() > screen.Right() - kEdgeMargin) {
    HideToStrip({screen.Right() - bar, Top(), bar, Height()});
  }
}

void TForm1::HideToStrip(const ui::Rect& strip) {
  TForm5& control = app_.ControlWindow();
  ControlWasShowing = control.Visible();
  HideHoverFrame();
  Hide();
  control.Hide();
  TForm12& edgeStrip = app_.EdgeStrip();
  edgeStrip.SetBounds(strip);
  edgeStrip.Show();
  app_.Hiding().Clear();
}

void TForm1::BringWithinReach(ui::Form& form) {
  const std::vector<ui::Monitor> monitors = app_.Ui().Monitors();
  // Any part on a monitor, an edge strip's width included, keeps the place exactly.
  if (ui::OnAnyMonitor(monitors, form.Bounds())) return;
  const ui::Rect area = ui::MonitorOf(monitors, form.Bounds()).workArea;
  form.SetBounds({Fit(form.Left(), form.Width(), area.left, area.width),
                  Fit(form.Top(), form.Height(), area.top, area.height), form.Width(), form.Height()});
}

}  // namespace pelorin
