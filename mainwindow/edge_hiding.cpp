// Hiding at the screen edge: once the pointer has stayed away from the main
// window for a second, a window near an edge hides, with the control window,
// behind a thin strip along that edge (the strip brings them back).

#include <algorithm>

#include "control/control_window.h"
#include "core/app.h"
#include "mainwindow/edge_strip.h"
#include "mainwindow/main_window.h"

namespace pelorin {

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

bool NearAnEdge(const ui::Rect& m, ui::Size screen) {
  return m.top <= kEdgeMargin || m.left <= kEdgeMargin || m.top + m.height >= screen.height - kEdgeMargin ||
         m.left + m.width >= screen.width - kEdgeMargin;
}

bool Overlaps(const ui::Rect& a, const ui::Rect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
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
    if (!NearAnEdge(Bounds(), app_.Ui().ScreenSize())) return;
    if (state.UD) {
      TryHideTopBottom();
      if (Visible()) TryHideLeftRight();
    } else {
      TryHideLeftRight();
      if (Visible()) TryHideTopBottom();
    }
  }
  TipTimer.SetInterval(kWatchInterval);
}

void TForm1::TryHideTopBottom() {
  const int bar = app_.State().BarWidth;
  const int screenHeight = app_.Ui().ScreenSize().height;
  if (Top() < kEdgeMargin) {
    HideToStrip({Left(), 0, Width(), bar});
  } else if (Top() + Height() > screenHeight - kEdgeMargin) {
    HideToStrip({Left(), screenHeight - bar, Width(), bar});
  }
}

void TForm1::TryHideLeftRight() {
  const int bar = app_.State().BarWidth;
  const int screenWidth = app_.Ui().ScreenSize().width;
  if (Left() < kEdgeMargin) {
    HideToStrip({0, Top(), bar, Height()});
  } else if (Left() + Width() > screenWidth - kEdgeMargin) {
    HideToStrip({screenWidth - bar, Top(), bar, Height()});
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
  const ui::Size screen = app_.Ui().ScreenSize();
  // Any part on the screen, an edge strip's width included, keeps the place exactly.
  if (Overlaps(form.Bounds(), {0, 0, screen.width, screen.height})) return;
  const ui::Rect area = app_.Ui().WorkArea();
  form.SetBounds({Fit(form.Left(), form.Width(), area.left, area.width),
                  Fit(form.Top(), form.Height(), area.top, area.height), form.Width(), form.Height()});
}

}  // namespace pelorin
