#include "platform/win32/form_win32.h"

#include <shellapi.h>

#include <stdexcept>
#include <string>

#include "platform/win32/application_win32.h"
#include "platform/win32/graphic_controls_win32.h"
#include "platform/win32/handles.h"

namespace ui {

std::unique_ptr<Peer> backend::CreatePeer(Form& form) {
  return std::make_unique<win32::FormWin32>(form, win32::ApplicationWin32::Of(form.Program()));
}

}  // namespace ui

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

Rect RectFrom(const RECT& rect) {
  return Rect{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
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

// The shell's drop handle, released whatever happens to the names.
class DropScope {
 public:
  explicit DropScope(HDROP drop) : drop_(drop) {}
  DropScope(const DropScope&) = delete;
  DropScope& operator=(const DropScope&) = delete;
  ~DropScope() { DragFinish(drop_); }

 private:
  HDROP drop_;
};

}  // namespace

FormWin32::FormWin32(Form& form, ApplicationWin32& app) : Window(form.Program()), form_(form), app_(app) {
  const Size client = form.ClientSize();
  const RECT rect = (client.width > 0 || client.height > 0) ? OuterRectFor(client) : ToRect(form.Bounds());
  Create(kFormClassName, ExStyle(), Style(), form.Caption(), rect, app.OwnerHandle());
  tips_ = std::make_unique<Tooltips>(Handle());
  if (!form.Enabled()) EnableWindow(Handle(), FALSE);
  if (form.AcceptsFiles()) DragAcceptFiles(Handle(), TRUE);
  if (form.Alpha()) app_.SetAlpha(Handle(), form.Alpha());
  if (form.TopMost()) ApplyTopMost();
  ReportGeometry();
  if (form.Visible()) ShowWindow(Handle(), SW_SHOW);
}

FormWin32::~FormWin32() {
  tips_.reset();
  Destroy();
}

FormWin32& FormWin32::Of(Form& form) {
  auto* peer = dynamic_cast<FormWin32*>(form.GetPeer());
  if (peer == nullptr) throw std::logic_error("form without a window: " + form.Name());
  return *peer;
}

DWORD FormWin32::Style() const {
  switch (form_.Border()) {
    case BorderStyle::ToolWindow:
      return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    case BorderStyle::ToolWindowNoButtons:
    case BorderStyle::DialogNoButtons:
      return WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
    case BorderStyle::None:
      break;
  }
  return WS_POPUP | WS_CLIPCHILDREN;
}

DWORD FormWin32::ExStyle() const {
  switch (form_.Border()) {
    case BorderStyle::ToolWindow:
    case BorderStyle::ToolWindowNoButtons:
      return WS_EX_TOOLWINDOW;
    case BorderStyle::DialogNoButtons:
      return WS_EX_DLGMODALFRAME;
    case BorderStyle::None:
      break;
  }
  return 0;
}

RECT FormWin32::OuterRectFor(Size client) const {
  RECT rect = {0, 0, client.width, client.height};
  AdjustWindowRectEx(&rect, Style(), FALSE, ExStyle());
  // The form's position is that of its outer rectangle.
  OffsetRect(&rect, form_.Left() - rect.left, form_.Top() - rect.top);
  return rect;
}

void FormWin32::Update(Property property) {
  const HWND hwnd = Handle();
  switch (property) {
    case Property::Bounds:
      ApplyBounds();
      break;
    case Property::ClientSize:
      ApplyClientSize();
      break;
    case Property::Visible:
      if (form_.Visible()) {
        app_.BeforeShow();
        ShowWindow(hwnd, SW_SHOW);
      } else {
        app_.BeforeHide(form_);
        ShowWindow(hwnd, SW_HIDE);
      }
      break;
    case Property::Enabled:
      EnableWindow(hwnd, form_.Enabled() ? TRUE : FALSE);
      break;
    case Property::Text:
      SetWindowTextA(hwnd, form_.Caption().c_str());
      break;
    case Property::Color:
      InvalidateRect(hwnd, nullptr, FALSE);
      break;
    case Property::ZOrder:
      // Raised without activation; a topmost form goes to the top of the topmost windows.
      SetWindowPos(hwnd, form_.TopMost() ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      break;
    case Property::Alpha:
      app_.SetAlpha(hwnd, form_.Alpha());
      break;
    case Property::TopMost:
      ApplyTopMost();
      break;
    case Property::AcceptFiles:
      DragAcceptFiles(hwnd, form_.AcceptsFiles() ? TRUE : FALSE);
      break;
    default:
      // The form draws no text and shows no tip of its own: its font and
      // hint matter only to its children, which read their own.
      break;
  }
}

void FormWin32::ApplyBounds() {
  const Rect& bounds = form_.Bounds();
  SetWindowPos(Handle(), nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  ReportGeometry();
}

void FormWin32::ApplyClientSize() {
  const Size wanted = form_.ClientSize();
  const RECT outer = OuterRectFor(wanted);
  int width = outer.right - outer.left;
  int height = outer.bottom - outer.top;
  const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(Handle(), nullptr, 0, 0, width, height, flags);
  // Correct once for a frame that the system metrics do not describe exactly.
  RECT client;
  GetClientRect(Handle(), &client);
  if (client.right != wanted.width || client.bottom != wanted.height) {
    width += wanted.width - client.right;
    height += wanted.height - client.bottom;
    SetWindowPos(Handle(), nullptr, 0, 0, width, height, flags);
  }
  ReportGeometry();
}

void FormWin32::ApplyTopMost() {
  SetWindowPos(Handle(), form_.TopMost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void FormWin32::ReportGeometry() {
  RECT window;
  RECT client;
  if (!GetWindowRect(Handle(), &window) || !GetClientRect(Handle(), &client)) return;
  form_.SignalBoundsChanged(RectFrom(window));
  form_.SignalClientSize(Size{client.right, client.bottom});
}

void FormWin32::AddMessageHandler(UINT message, MessageHandler& handler) {
  handlers_.push_back(HandlerEntry{message, &handler});
}

void FormWin32::RemoveMessageHandler(MessageHandler& handler) {
  std::erase_if(handlers_, [&](const HandlerEntry& entry) { return entry.handler == &handler; });
}

void FormWin32::Invalidate(const RECT& area) {
  InvalidateRect(Handle(), &area, FALSE);
}

void FormWin32::ControlGone(const Control& control) {
  if (pressed_ == &control) pressed_ = nullptr;
  if (clickCandidate_ == &control) clickCandidate_ = nullptr;
}

LRESULT FormWin32::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // By index: a handler runs the program's code, which may add a handler.
  for (size_t i = 0; i < handlers_.size(); ++i) {
    if (handlers_[i].message == message && handlers_[i].handler->OnMessage(message, wParam, lParam)) return 0;
  }
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      // WM_PAINT fills the background into its buffer: erasing would flicker.
      return 1;
    case WM_MOUSEMOVE:
      tips_->Relay(message, wParam, lParam);
      MouseMove(wParam, PointFrom(lParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      tips_->Relay(message, wParam, lParam);
      MouseDown(ButtonOf(message), wParam, PointFrom(lParam));
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      tips_->Relay(message, wParam, lParam);
      MouseUp(ButtonOf(message), wParam, PointFrom(lParam));
      return 0;
    case WM_CAPTURECHANGED:
      // A menu or a modal loop took the mouse: the press ends without a click.
      pressed_ = nullptr;
      clickCandidate_ = nullptr;
      return 0;
    case WM_CHAR:
      form_.SignalKeyPress(static_cast<char>(wParam));
      return 0;
    case WM_CLOSE:
      // The form decides; the window is only hidden, never destroyed here.
      form_.SignalCloseRequest();
      return 0;
    case WM_ACTIVATE: {
      const bool active = LOWORD(wParam) != WA_INACTIVE;
      if (active) activatedFrom_ = reinterpret_cast<HWND>(lParam);
      const LRESULT result = Default(message, wParam, lParam);
      form_.SignalActivate(active);
      return result;
    }
    case WM_DROPFILES:
      DropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_WINDOWPOSCHANGED:
      ReportGeometry();
      break;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

void FormWin32::Paint() {
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
  FillSolid(buffer.Get(), area, ToColorRef(form_.Color()));
  for (Control* child : form_.Children()) {
    if (!child->IsGraphic() || !child->Visible()) continue;
    auto* peer = dynamic_cast<GraphicPeer*>(child->GetPeer());
    const RECT rect = ToRect(child->Bounds());
    RECT overlap;
    if (peer != nullptr && IntersectRect(&overlap, &rect, &area)) peer->Paint(buffer.Get());
  }
  BitBlt(paint.Dc(), area.left, area.top, width, height, buffer.Get(), area.left, area.top, SRCCOPY);
}

Control& FormWin32::ControlAt(POINT at) {
  const auto& children = form_.Children();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    Control& child = **it;
    if (child.IsGraphic() && child.Visible() && child.Enabled() && child.Bounds().Contains(Point{at.x, at.y})) {
      return child;
    }
  }
  return form_;
}

bool FormWin32::Hits(const Control& control, POINT at) const {
  if (&control != &form_) return control.Bounds().Contains(Point{at.x, at.y});
  RECT client;
  return GetClientRect(Handle(), &client) && PtInRect(&client, at);
}

Point FormWin32::LocalPoint(const Control& control, POINT at) const {
  if (&control == &form_) return Point{at.x, at.y};
  return Point{at.x - control.Left(), at.y - control.Top()};
}

void FormWin32::MouseMove(WPARAM wParam, POINT at) {
  Control& target = pressed_ != nullptr ? *pressed_ : ControlAt(at);
  target.SignalMouseMove(ShiftFrom(wParam), LocalPoint(target, at));
}

void FormWin32::MouseDown(MouseButton button, WPARAM wParam, POINT at) {
  Control& target = pressed_ != nullptr ? *pressed_ : ControlAt(at);
  if (pressed_ == nullptr) {
    SetCapture(Handle());
    pressed_ = &target;
  }
  clickCandidate_ = button == MouseButton::Left ? &target : nullptr;
  target.SignalMouseDown(button, ShiftFrom(wParam), LocalPoint(target, at));
}

void FormWin32::MouseUp(MouseButton button, WPARAM wParam, POINT at) {
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

void FormWin32::DropFiles(HDROP drop) {
  const DropScope scope(drop);
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  std::vector<std::string> files;
  files.reserve(count);
  for (UINT i = 0; i < count; ++i) {
    std::string name(DragQueryFileA(drop, i, nullptr, 0), '\0');
    DragQueryFileA(drop, i, name.data(), static_cast<UINT>(name.size() + 1));
    files.push_back(std::move(name));
  }
  form_.SignalDropFiles(files);
}

}  // namespace ui::win32
