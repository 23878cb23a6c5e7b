#pragma once
// The backend side of a widget. A widget holds all its properties itself and
// tells its peer which one changed; the peer mirrors it onto the platform
// (the win32 backend) or ignores it (the headless backend). Peers call back
// into the widget through its Signal... methods, one per native event.

#include <utility>

namespace ui {

enum class Property {
  Bounds,
  ClientSize,  // a form's client area; the backend derives the outer size
  Visible,
  Enabled,
  Text,       // caption of a form, label, button; text of an edit
  Color,
  Font,
  Hint,
  Picture,    // image's icon
  Style,      // bevel style, border style
  ZOrder,
  Alpha,      // form translucency
  TopMost,
  AcceptFiles,
  Interval,   // timer interval and enabled state
  Checked,
  Items,      // list contents of combo boxes, list views, tabs
  ItemIndex,
  Position,   // spin button, gauge
  Range,
  HotKey,
  ReadOnly,
  Focus,     // a windowed control was given the keyboard focus
  TabOrder,  // a form's order of its windowed controls
  Cursor,    // the pointer's shape over a control
};

// Stores value in field; true when that changed it, so that the caller tells
// its peer about real changes only.
template <class T>
bool StoreIfChanged(T& field, T value) {
  if (field == value) return false;
  field = std::move(value);
  return true;
}

class Peer {
 public:
  virtual ~Peer() = default;
  virtual void Update(Property property) = 0;
};

}  // namespace ui
