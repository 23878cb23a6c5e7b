#include "platform/win32/form_win32.h"

#include <shellapi.h>

#include <string>

#include "platform/error.h"
#include "platform/win32/application_win32.h"
#include "platform/ui/button.h"
#include "platform/ui/win_control.h"
#include "platform/win32/handles.h"
#include "platform/win32/system_names_win32.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win_controls_win32.h"

namespace ui {

std::unique_ptr<Peer> backend::CreatePeer(Form& form) {
  return std::make_unique<win32::FormWin32>(form, win32::ApplicationWin32::Of(form.Program()));
}

}  // namespace ui

namespace ui::win32 {

namespace {

Rect RectFrom(const RECT& rect) {
  return Rect{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

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

FormWin32::FormWin32(Form& form, ApplicationWin32& app) : ContainerWin32(form, form.Program()), form_(form), app_(app) {
  const Size client = form.ClientSize();
  const bool sized = client.width > 0 || client.height > 0;
  const RECT rect = sized ? OuterRectFor(client) : ToRect(form.Bounds());
  // Made with every style it needs, at its place and size: each change after
  // creation costs a round of messages.
  DWORD exStyle = ExStyle();
  if (form.AcceptsFiles()) exStyle |= WS_EX_ACCEPTFILES;
  if (form.TopMost()) exStyle |= WS_EX_TOPMOST;
  Create(app.ClassName(WindowClass::Form), exStyle, Style(), form.Caption(), rect, app.OwnerHandle());
  tips_ = std::make_unique<Tooltips>(Handle());
  UseTips(*tips_);
  if (!form.Enabled()) EnableWindow(Handle(), FALSE);
  if (form.Alpha()) app_.SetAlpha(Handle(), form.Alpha());
  if (sized) {
    CorrectClientSize();
  } else {
    ReportGeometry();
  }
  if (form.Visible()) ShowWindow(Handle(), SW_SHOW);
}

FormWin32::~FormWin32() {
  tips_.reset();
  Destroy();
}

FormWin32& FormWin32::Of(Form& form) {
  form.HandleNeeded();
  auto* peer = dynamic_cast<FormWin32*>(form.GetPeer());
  if (peer == nullptr) throw platform::Error("form without a window: " + form.Name());
  return *peer;
}

DWORD FormWin32::StyleOf(BorderStyle border) {
  switch (border) {
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

DWORD FormWin32::ExStyleOf(BorderStyle border) {
  switch (border) {
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

Size FormWin32::FrameSize(BorderStyle border) {
  RECT rect = {0, 0, 0, 0};
  AdjustWindowRectEx(&rect, StyleOf(border), FALSE, ExStyleOf(border));
  return Size{rect.right - rect.left, rect.bottom - rect.top};
}

RECT FormWin32::OuterRectFor(Size client) const {
  RECT rect = {0, 0, client.width, client.height};
  AdjustWindowRectEx(&rect, Style(), FALSE, ExStyle());
  // The form's position is that of its outer rectangle.
  OffsetRect(&rect, form_.Left() - rect.left, form_.Top() - rect.top);
  return rect;
}

// What DragAcceptFiles does, without loading the shell at start-up for it.
void FormWin32::ApplyAcceptFiles() {
  const LONG_PTR exStyle = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
  const LONG_PTR accept = form_.AcceptsFiles() ? WS_EX_ACCEPTFILES : 0;
  SetWindowLongPtrW(Handle(), GWL_EXSTYLE, (exStyle & ~LONG_PTR{WS_EX_ACCEPTFILES}) | accept);
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
      SetWindowTextW(hwnd, platform::win32::Wide(form_.Caption()).c_str());
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
      ApplyAcceptFiles();
      break;
    case Property::TabOrder:
      ApplyTabOrder();
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
  const RECT outer = OuterRectFor(form_.ClientSize());
  SetWindowPos(Handle(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  CorrectClientSize();
}

void FormWin32::CorrectClientSize() {
  // Once, for a frame that the system metrics do not describe exactly.
  const Size wanted = form_.ClientSize();
  RECT client;
  RECT window;
  GetClientRect(Handle(), &client);
  GetWindowRect(Handle(), &window);
  if (client.right != wanted.width || client.bottom != wanted.height) {
    SetWindowPos(Handle(), nullptr, 0, 0, window.right - window.left + wanted.width - client.right,
                 window.bottom - window.top + wanted.height - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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

void FormWin32::ApplyTabOrder() {
  // The dialog-message handling tabs through sibling windows in z-order.
  for (WinControl* control : form_.TabOrder()) {
    if (auto* peer = dynamic_cast<WinControlPeer*>(control->GetPeer())) {
      SetWindowPos(peer->Hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
}

void FormWin32::RememberFocus() {
  auto* focused = WinControlPeer::FromHandle(GetFocus());
  if (focused != nullptr && &focused->Widget().OwnerForm() == &form_) focused->Widget().SignalFocused();
}

void FormWin32::FocusActiveControl() {
  WinControl* control = form_.ActiveControl();
  if (control == nullptr) return;
  if (auto* peer = dynamic_cast<WinControlPeer*>(control->GetPeer())) ::SetFocus(peer->Hwnd());
}

bool FormWin32::DialogKey(WPARAM wParam, LPARAM lParam) {
  const WORD id = LOWORD(wParam);
  if (id != IDOK && id != IDCANCEL) return false;
  // Enter names the window with the focus: the button to press when it is one.
  if (auto* focused = WinControlPeer::FromHandle(reinterpret_cast<HWND>(lParam))) focused->Widget().SignalFocused();
  form_.SignalDialogKey(id == IDOK ? DialogKey::Enter : DialogKey::Escape);
  return true;
}

LRESULT FormWin32::DefaultId() const {
  const Button* button = form_.DefaultButton();
  if (button == nullptr || !button->Usable()) return 0;
  auto* peer = dynamic_cast<WinControlPeer*>(button->GetPeer());
  return peer != nullptr ? MAKELRESULT(peer->Id(), DC_HASDEFID) : 0;
}

template <class Visit>
void FormWin32::ForEachButtonPeer(Visit visit) const {
  for (WinControl* control : form_.TabOrder()) {
    auto* button = dynamic_cast<Button*>(control);
    auto* peer = button != nullptr ? dynamic_cast<WinControlPeer*>(button->GetPeer()) : nullptr;
    if (peer != nullptr) visit(*button, *peer);
  }
}

void FormWin32::SetDefaultId(WPARAM id) {
  ForEachButtonPeer([&](Button& button, const WinControlPeer& peer) {
    if (peer.Id() == id) form_.SignalDefaultButton(button);
  });
}

void FormWin32::ShowDefaultFrame() {
  const WinControlPeer* focused = WinControlPeer::FromHandle(GetFocus());
  const WinControl* focusedControl =
      focused != nullptr && &focused->Widget().OwnerForm() == &form_ ? &focused->Widget() : nullptr;
  const Button* framed = form_.ButtonForEnter(focusedControl);
  ForEachButtonPeer([&](const Button& button, const WinControlPeer& peer) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(peer.Hwnd(), GWL_STYLE));
    const DWORD wanted = &button == framed ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    // The low word holds the button's own styles (BS_NOTIFY); only the kind changes.
    if ((style & BS_TYPEMASK) != wanted) {
      SendMessageW(peer.Hwnd(), BM_SETSTYLE, (style & 0xFFFF & ~DWORD{BS_TYPEMASK}) | wanted, TRUE);
    }
  });
}

LRESULT FormWin32::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (LRESULT result = 0; HandleContainerMessage(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_COMMAND:
      if (DialogKey(wParam, lParam)) return 0;
      break;
    case DM_GETDEFID:
      return DefaultId();
    case DM_SETDEFID:
      SetDefaultId(wParam);
      ShowDefaultFrame();
      return TRUE;
    case WM_CHAR:
      // The forms act on letters and digits only; other characters are
      // UTF-16 units here, no code page 932 text.
      if (wParam < 0x80) form_.SignalKeyPress(static_cast<char>(wParam));
      return 0;
    case WM_CLOSE:
      // A form without a close box closes only through its own buttons,
      // not by Alt+F4. Otherwise the form decides; the window is only
      // hidden, never destroyed here.
      if (form_.Border() == BorderStyle::ToolWindow) form_.SignalCloseRequest();
      return 0;
    case WM_ACTIVATE: {
      const bool active = LOWORD(wParam) != WA_INACTIVE;
      if (active) activatedFrom_ = reinterpret_cast<HWND>(lParam);
      if (!active) RememberFocus();
      const LRESULT result = Default(message, wParam, lParam);
      form_.SignalActivate(active);
      // As a dialog does: the focus goes back to the control that had it.
      if (active && HIWORD(wParam) == 0) FocusActiveControl();
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

void FormWin32::DropFiles(HDROP drop) {
  const DropScope scope(drop);
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  std::vector<platform::IncomingPath> files;
  files.reserve(count);
  for (UINT i = 0; i < count; ++i) {
    // Wide, so that a name outside the code page comes whole, not with '?'.
    std::u16string name(DragQueryFileW(drop, i, nullptr, 0), u'\0');
    DragQueryFileW(drop, i, reinterpret_cast<wchar_t*>(name.data()), static_cast<UINT>(name.size() + 1));
    files.push_back(platform::Incoming(platform::win32::SystemNameOf(std::move(name))));
  }
  form_.SignalDropFiles(files);
}

}  // namespace ui::win32
