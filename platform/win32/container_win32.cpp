#include "platform/win32/container_win32.h"

#include "platform/error.h"
#include "platform/win32/graphic_controls_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/win_controls_win32.h"

namespace ui::win32 {

namespace {

// The button of a WM_?BUTTONDOWN or WM_?BUTTONUP message.
MouseButton ButtonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      return MouseButton::Left;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return MouseButton::Right;
    default:
      return MouseButton::Middle;
  }
}

POINT PointFrom(LPARAM lParam) {
  // Signed: with the mouse captured, positions left of or above the window are negative.
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

ShiftState ShiftFrom(WPARAM keys) {
  ShiftState shift;
  shift.shift = (keys & MK_SHIFT) != 0;
  shift.ctrl = (keys & MK_CONTROL) != 0;
  shift.alt = GetKeyState(VK_MENU) < 0;
  shift.left = (keys & MK_LBUTTON) != 0;
  shift.right = (keys & MK_RBUTTON) != 0;
  shift.middle = (keys & MK_MBUTTON) != 0;
  return shift;
}

// The keys and buttons held now, for a message that does not carry them.
ShiftState ShiftNow() {
  ShiftState shift;
  shift.shift = GetKeyState(VK_SHIFT) < 0;
  shift.ctrl = GetKeyState(VK_CONTROL) < 0;
  shift.alt = GetKeyState(VK_MENU) < 0;
  shift.left = GetKeyState(VK_LBUTTON) < 0;
  shift.right = GetKeyState(VK_RBUTTON) < 0;
  shift.middle = GetKeyState(VK_MBUTTON) < 0;
  return shift;
}

// Shows the hand over a control that asks for it. IDC_HAND came with Windows
// 98 and 2000: before them the pointer stays as it is.
bool ShowHand(const Control& control) {
  if (control.GetCursor() != Cursor::HandPoint) return false;
  static const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
  if (hand == nullptr) return false;
  SetCursor(hand);
  return true;
}

// Whether a graphic control catches the pointer (a group box lets it through).
bool TakesPointer(const Control& control) {
  const auto* peer = dynamic_cast<const GraphicPeer*>(control.GetPeer());
  return peer == nullptr || peer->TakesPointer();
}

class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { BeginPaint(hwnd_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(hwnd_, &paint_); }

  HDC Dc() const { return paint_.hdc; }
  const RECT& Area() const { return paint_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_ = {};
};

}  // namespace

ContainerWin32& ContainerWin32::Of(Control& container) {
  auto* window = dynamic_cast<ContainerWin32*>(container.GetPeer());
  if (window == nullptr) throw platform::Error("not a window that holds controls: " + container.Name());
  return *window;
}

COLORREF ContainerWin32::Background() const { return ToColorRef(control_.Color()); }

void ContainerWin32::Invalidate(const RECT& area) { InvalidateRect(Handle(), &area, FALSE); }

void ContainerWin32::ControlGone(const Control& control) {
  if (pressed_ == &control) pressed_ = nullptr;
  if (clickCandidate_ == &control) clickCandidate_ = nullptr;
}

bool ContainerWin32::HandleContainerMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_PAINT:
      Paint();
      return true;
    case WM_ERASEBKGND:
      // WM_PAINT fills the background into its buffer: erasing would flicker.
      result = 1;
      return true;
    case WM_MOUSEMOVE:
      tips_->Relay(Handle(), message, wParam, lParam);
      MouseMove(wParam, PointFrom(lParam));
      return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      tips_->Relay(Handle(), message, wParam, lParam);
      MouseDown(ButtonOf(message), wParam, PointFrom(lParam));
      return true;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      tips_->Relay(Handle(), message, wParam, lParam);
      MouseUp(ButtonOf(message), wParam, PointFrom(lParam));
      return true;
    case WM_CAPTURECHANGED:
      // A menu or a modal loop took the mouse: the press ends without a click.
      pressed_ = nullptr;
      clickCandidate_ = nullptr;
      return true;
    case WM_COMMAND:
      if (auto* child = WinControlPeer::FromHandle(reinterpret_cast<HWND>(lParam));
          child != nullptr && child->Id() == LOWORD(wParam)) {
        child->OnCommand(HIWORD(wParam));
        return true;
      }
      return false;
    case kDeferredMessage:
      // The child may have gone since it posted.
      if (auto* child = WinControlPeer::FromHandle(reinterpret_cast<HWND>(lParam))) child->OnDeferred(wParam);
      return true;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (auto* child = WinControlPeer::FromHandle(header.hwndFrom)) {
        result = child->OnNotify(header);
        return true;
      }
      return false;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (auto* child = WinControlPeer::FromHandle(reinterpret_cast<HWND>(lParam))) {
        if (HBRUSH brush = child->ControlColors(reinterpret_cast<HDC>(wParam))) {
          result = reinterpret_cast<LRESULT>(brush);
          return true;
        }
      }
      return false;
    case WM_CONTEXTMENU:
      // A windowed child passes the request up when it has no menu of its own.
      if (auto* child = WinControlPeer::FromHandle(reinterpret_cast<HWND>(wParam))) {
        child->Widget().SignalContextPopup();
        return true;
      }
      return false;
    case WM_SETCURSOR:
      tips_->PointerOver(reinterpret_cast<HWND>(wParam));
      return PointerOver(reinterpret_cast<HWND>(wParam), lParam, result);
    default:
      return false;
  }
}

bool ContainerWin32::PointerOver(HWND hwnd, LPARAM lParam, LRESULT& result) {
  const bool inClient = LOWORD(lParam) == HTCLIENT;
  POINT at;
  if (!GetCursorPos(&at)) return false;
  if (hwnd == Handle()) {
    // Over the container itself or one of its graphic children.
    if (!inClient || !ScreenToClient(Handle(), &at) || !ShowHand(ControlAt(at))) return false;
    result = TRUE;
    return true;
  }
  // The pointer's moves go to the child's own window, which asks its parent
  // about the cursor first: the one place where the container hears of them.
  auto* child = WinControlPeer::FromHandle(hwnd);
  // A panel reports its own moves and sets its own cursor.
  if (child == nullptr || child->Widget().IsContainer()) return false;
  if (HIWORD(lParam) == WM_MOUSEMOVE && ScreenToClient(hwnd, &at)) {
    child->Widget().SignalMouseMove(ShiftNow(), Point{at.x, at.y});
  }
  // Unless it wants the hand, the child sets its own cursor.
  result = inClient && ShowHand(child->Widget()) ? TRUE : FALSE;
  return true;
}

void ContainerWin32::Paint() {
  const PaintScope paint(Handle());
  const RECT& area = paint.Area();
  if (IsRectEmpty(&area)) return;
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  const MemoryDc buffer(CreateCompatibleDC(paint.Dc()));
  const Bitmap bitmap(CreateCompatibleBitmap(paint.Dc(), width, height));
  if (!buffer || !bitmap) return;
  const Selection selected(buffer.Get(), bitmap.Get());
  // The buffer covers the update area only but takes client coordinates.
  SetWindowOrgEx(buffer.Get(), area.left, area.top, nullptr);
  FillSolid(buffer.Get(), area, Background());
  for (Control* child : control_.Children()) {
    if (!child->IsGraphic() || !child->Visible()) continue;
    auto* peer = dynamic_cast<GraphicPeer*>(child->GetPeer());
    const RECT rect = ToRect(child->Bounds());
    RECT overlap;
    if (peer != nullptr && IntersectRect(&overlap, &rect, &area)) peer->Paint(buffer.Get());
  }
  BitBlt(paint.Dc(), area.left, area.top, width, height, buffer.Get(), area.left, area.top, SRCCOPY);
}

Control& ContainerWin32::ControlAt(POINT at) {
  const auto& children = control_.Children();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    Control& child = **it;
    if (child.IsGraphic() && child.Visible() && child.Enabled() && TakesPointer(child) &&
        child.Bounds().Contains(Point{at.x, at.y})) {
      return child;
    }
  }
  return control_;
}

bool ContainerWin32::Hits(const Control& control, POINT at) const {
  if (&control != &control_) return control.Bounds().Contains(Point{at.x, at.y});
  RECT client;
  return GetClientRect(Handle(), &client) && PtInRect(&client, at);
}

Point ContainerWin32::LocalPoint(const Control& control, POINT at) const {
  if (&control == &control_) return Point{at.x, at.y};
  return Point{at.x - control.Left(), at.y - control.Top()};
}

void ContainerWin32::MouseMove(WPARAM wParam, POINT at) {
  Control& target = pressed_ != nullptr ? *pressed_ : ControlAt(at);
  target.SignalMouseMove(ShiftFrom(wParam), LocalPoint(target, at));
}

void ContainerWin32::MouseDown(MouseButton button, WPARAM wParam, POINT at) {
  Control& target = pressed_ != nullptr ? *pressed_ : ControlAt(at);
  if (pressed_ == nullptr) {
    SetCapture(Handle());
    pressed_ = &target;
  }
  clickCandidate_ = button == MouseButton::Left ? &target : nullptr;
  target.SignalMouseDown(button, ShiftFrom(wParam), LocalPoint(target, at));
}

void ContainerWin32::MouseUp(MouseButton button, WPARAM wParam, POINT at) {
  Control& target = pressed_ != nullptr ? *pressed_ : ControlAt(at);
  const bool clicked = button == MouseButton::Left && clickCandidate_ == &target && Hits(target, at);
  if (button == MouseButton::Left) clickCandidate_ = nullptr;
  if ((wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) {
    // Releasing the capture clears the press through WM_CAPTURECHANGED.
    if (GetCapture() == Handle()) ReleaseCapture();
    pressed_ = nullptr;
  }
  if (clicked) target.SignalClick();
  target.SignalMouseUp(button, ShiftFrom(wParam), LocalPoint(target, at));
}

}  // namespace ui::win32
