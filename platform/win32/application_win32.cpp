#include "platform/win32/application_win32.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/error.h"
#include "platform/ui/form.h"
#include "platform/ui/popup_menu.h"
#include "platform/ui/timer.h"
#include "platform/win32/form_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/image_list_win32.h"
#include "platform/win32/ui_windows.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win_controls_win32.h"
#include "platform/win32/window.h"

namespace ui {

std::unique_ptr<ApplicationPeer> backend::CreateApplicationPeer(Application& app) {
  return std::make_unique<win32::ApplicationWin32>(app);
}

}  // namespace ui

namespace ui::win32 {

namespace {

constexpr wchar_t kOwnerClassName[] = L"PelorinApplication";
constexpr wchar_t kFormClassName[] = L"PelorinForm";
constexpr wchar_t kPanelClassName[] = L"PelorinPanel";
// Menu entry data of an entry without an icon in a menu with icons.
constexpr ULONG_PTR kNoImage = static_cast<ULONG_PTR>(-1);
// The executable's icon resource (app/ supplies it).
constexpr WORD kApplicationIconId = 1;

HICON LoadApplicationIcon(int sizeMetric) {
  const int size = GetSystemMetrics(sizeMetric);
  if (auto* icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kApplicationIconId),
                                                 IMAGE_ICON, size, size, LR_SHARED))) {
    return icon;
  }
  return LoadIconW(nullptr, IDI_APPLICATION);
}

// A popup menu as Win32 builds it: command ids 1..n name the entries.
class MenuBuilder {
 public:
  explicit MenuBuilder(HIMAGELIST images) : imageCount_(images != nullptr ? ImageList_GetImageCount(images) : 0) {}

  Menu Build(MenuItem& root) {
    Menu menu(CreatePopupMenu());
    if (!menu) throw platform::Error("CreatePopupMenu failed");
    AppendChildren(menu.Get(), root);
    return menu;
  }

  MenuItem* ItemOf(UINT command) const {
    return command >= 1 && command <= commands_.size() ? commands_[command - 1] : nullptr;
  }

 private:
  static bool HasVisibleChild(const MenuItem& item) {
    for (int i = 0; i < item.Count(); ++i) {
      if (item[i].Visible()) return true;
    }
    return false;
  }

  bool HasImage(const MenuItem& item) const { return item.ImageIndex() >= 0 && item.ImageIndex() < imageCount_; }

  void AppendChildren(HMENU menu, MenuItem& parent) {
    bool anyImage = false;
    for (int i = 0; i < parent.Count(); ++i) anyImage = anyImage || (parent[i].Visible() && HasImage(parent[i]));
    for (int i = 0; i < parent.Count(); ++i) {
      MenuItem& item = parent[i];
      if (item.Visible()) Append(menu, item, anyImage);
    }
  }

  // withImages: some entry of this menu has an icon. Then every entry gets the
  // icon column (an empty one where it has none): Wine sizes an entry without
  // it too narrow although it draws its text after the column.
  void Append(HMENU menu, MenuItem& item, bool withImages) {
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    if (item.IsSeparator()) {
      info.fMask = MIIM_FTYPE;
      info.fType = MFT_SEPARATOR;
      InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
      return;
    }
    info.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE;
    // The caption must live until the entry is inserted (the menu copies it).
    std::wstring caption = platform::win32::Wide(item.Caption());
    info.dwTypeData = caption.data();
    info.fState = (item.Checked() ? MFS_CHECKED : 0u) | (item.Enabled() ? 0u : MFS_GRAYED);
    commands_.push_back(&item);
    info.wID = static_cast<UINT>(commands_.size());
    if (withImages) {
      // The system draws text, check and highlight; the icon comes from
      // WM_MEASUREITEM / WM_DRAWITEM at the owner window.
      info.fMask |= MIIM_BITMAP | MIIM_DATA;
      info.hbmpItem = HBMMENU_CALLBACK;
      info.dwItemData = HasImage(item) ? static_cast<ULONG_PTR>(item.ImageIndex()) : kNoImage;
    }
    // An entry without visible children (an empty folder) is a plain entry.
    Menu submenu;
    if (HasVisibleChild(item)) {
      submenu = Menu(CreatePopupMenu());
      if (!submenu) throw platform::Error("CreatePopupMenu failed");
      AppendChildren(submenu.Get(), item);
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = submenu.Get();
    }
    if (InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info)) submenu.Release();
  }

  int imageCount_;
  std::vector<MenuItem*> commands_;
};

Rect ToRect(const RECT& r) { return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top}; }

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM param) {
  auto& monitors = *reinterpret_cast<std::vector<Monitor>*>(param);
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return TRUE;
  const Monitor found{ToRect(info.rcMonitor), ToRect(info.rcWork)};
  if (info.dwFlags & MONITORINFOF_PRIMARY) {
    monitors.insert(monitors.begin(), found);
  } else {
    monitors.push_back(found);
  }
  return TRUE;
}

}  // namespace

// Owns every form, so that only it has a taskbar button (with the
// application's title); it also owns the popup menus and draws their icons,
// and takes the timers' and the components' messages (hot keys, tray icon):
// one hidden window serves them all.
class ApplicationWin32::OwnerWindow final : public Window {
 public:
  OwnerWindow(Application& app, ApplicationWin32& owner, bool withTaskbarButton) : Window(app), owner_(owner) {
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    // No size: the window is never seen, only its taskbar button.
    Create(owner.ClassName(WindowClass::Owner), withTaskbarButton ? 0 : WS_EX_TOOLWINDOW,
           WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, app.Title(), RECT{x, y, x, y}, nullptr);
  }
  ~OwnerWindow() override { Destroy(); }

  // The image list of the menu being tracked.
  void SetMenuImages(HIMAGELIST images) { menuImages_ = images; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    // By index: a handler runs the program's code, which may add a handler.
    for (std::size_t i = 0; i < owner_.handlers_.size(); ++i) {
      const auto [handled, handler] = owner_.handlers_[i];
      if (handled == message && handler->OnMessage(message, wParam, lParam)) return 0;
    }
    switch (message) {
      case WM_TIMER:
        owner_.FireTimer(static_cast<UINT_PTR>(wParam));
        return 0;
      case WM_CLOSE:
        // Close on the taskbar button closes the program the way its main form does.
        if (Form* main = App().MainForm()) main->SignalCloseRequest();
        return 0;
      case WM_MEASUREITEM: {
        auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (measure.CtlType != ODT_MENU || menuImages_ == nullptr) break;
        int width = 0;
        int height = 0;
        ImageList_GetIconSize(menuImages_, &width, &height);
        measure.itemWidth = static_cast<UINT>(width);
        measure.itemHeight = static_cast<UINT>(height);
        return TRUE;
      }
      case WM_DRAWITEM: {
        const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (draw.CtlType != ODT_MENU || menuImages_ == nullptr) break;
        if (draw.itemData == kNoImage) return TRUE;
        int width = 0;
        int height = 0;
        ImageList_GetIconSize(menuImages_, &width, &height);
        const RECT& area = draw.rcItem;
        ImageList_Draw(menuImages_, static_cast<int>(draw.itemData), draw.hDC,
                       area.left + (area.right - area.left - width) / 2,
                       area.top + (area.bottom - area.top - height) / 2, ILD_NORMAL);
        return TRUE;
      }
      default:
        break;
    }
    return Default(message, wParam, lParam);
  }

 private:
  ApplicationWin32& owner_;
  HIMAGELIST menuImages_ = nullptr;
};

// One modal form running: the forms it disabled and the window to hand the
// activation back to.
struct ApplicationWin32::ModalFrame {
  Form* form;
  HWND previous;
  std::vector<Form*> disabled;
  bool ended = false;
};

HWND FormWindow(const Form& form) {
  auto* peer = dynamic_cast<FormWin32*>(form.GetPeer());
  return peer != nullptr ? peer->Handle() : nullptr;
}

HWND FormHandle(Form& form) { return FormWin32::Of(form).Handle(); }

HWND ApplicationWindow(Application& app) {
  return ApplicationWin32::Of(app).OwnerHandle();
}

ApplicationWin32::ApplicationWin32(Application& app) : app_(app) {
  // White, as the dialog shows its empty custom colours.
  customColors_.fill(RGB(255, 255, 255));
}

const wchar_t* ApplicationWin32::ClassName(WindowClass windowClass) {
  static constexpr const wchar_t* kNames[] = {kOwnerClassName, kFormClassName, kPanelClassName};
  const auto index = static_cast<std::size_t>(windowClass);
  if (!classRegistered_[index]) {
    const bool withIcon = windowClass != WindowClass::Panel;
    RegisterWindowClass(kNames[index], withIcon ? LargeIcon() : nullptr, withIcon ? SmallIcon() : nullptr);
    classRegistered_[index] = true;
  }
  return kNames[index];
}

HICON ApplicationWin32::LargeIcon() {
  if (largeIcon_ == nullptr) largeIcon_ = LoadApplicationIcon(SM_CXICON);
  return largeIcon_;
}

HICON ApplicationWin32::SmallIcon() {
  if (smallIcon_ == nullptr) smallIcon_ = LoadApplicationIcon(SM_CXSMICON);
  return smallIcon_;
}

ApplicationWin32::OwnerWindow& ApplicationWin32::Owner() {
  if (!owner_) owner_ = std::make_unique<OwnerWindow>(app_, *this, !taskbarButtonHidden_);
  return *owner_;
}

void ApplicationWin32::AddMessageHandler(UINT message, MessageHandler& handler) {
  handlers_.push_back({message, &handler});
}

void ApplicationWin32::RemoveMessageHandler(MessageHandler& handler) {
  std::erase_if(handlers_, [&](const auto& entry) { return entry.second == &handler; });
}

void ApplicationWin32::BeforeShow() {
  if (ownerShown_ || taskbarButtonHidden_) return;
  ownerShown_ = true;
  ShowWindow(Owner().Handle(), SW_SHOWNOACTIVATE);
}

ApplicationWin32::~ApplicationWin32() { owner_.reset(); }

ApplicationWin32& ApplicationWin32::Of(Application& app) {
  return dynamic_cast<ApplicationWin32&>(app.Peer());
}

HWND ApplicationWin32::OwnerHandle() {
  return Owner().Handle();
}

void ApplicationWin32::Dispatch(MSG& msg) {
  // A form with controls that take the keyboard gets Tab, Enter and Esc the
  // way a dialog does.
  const HWND root = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (root != nullptr) {
    for (Form* form : app_.Forms()) {
      auto* peer = dynamic_cast<FormWin32*>(form->GetPeer());
      if (peer == nullptr || peer->Handle() != root) continue;
      if (!peer->IsDialog()) break;
      if (!IsDialogMessageW(root, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      peer->ShowDefaultFrame();
      return;
    }
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void ApplicationWin32::Run() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
}

void ApplicationWin32::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Leave it for the loop that runs the program.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Dispatch(msg);
  }
}

void ApplicationWin32::Terminate() {
  PostQuitMessage(0);
}

void ApplicationWin32::RunModal(Form& form) {
  const FormWin32& peer = FormWin32::Of(form);
  // The form is usually active already (shown just before): then the window
  // to go back to is the one it was activated from.
  const HWND active = GetActiveWindow();
  ModalFrame frame{&form, active == peer.Handle() ? peer.ActivatedFrom() : active, {}};
  for (Form* other : app_.Forms()) {
    const HWND otherWindow = other != &form ? FormWindow(*other) : nullptr;
    if (otherWindow != nullptr && IsWindowVisible(otherWindow) && IsWindowEnabled(otherWindow)) {
      EnableWindow(otherWindow, FALSE);
      frame.disabled.push_back(other);
    }
  }
  modalFrames_.push_back(&frame);
  MSG msg = {};
  bool quit = false;
  while (form.GetModalResult() == ModalResult::None && form.Visible() && !app_.Terminated()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      quit = got == 0;
      break;
    }
    Dispatch(msg);
  }
  EndModalFrame(frame);
  modalFrames_.pop_back();
  // The program is ending: the outer loop must see the quit message too.
  if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
}

void ApplicationWin32::BeforeHide(Form& form) {
  if (!modalFrames_.empty() && modalFrames_.back()->form == &form) EndModalFrame(*modalFrames_.back());
}

void ApplicationWin32::EndModalFrame(ModalFrame& frame) {
  if (frame.ended) return;
  frame.ended = true;
  // A form the program disabled meanwhile stays disabled.
  for (const Form* other : frame.disabled) EnableWindow(FormWindow(*other), other->Enabled() ? TRUE : FALSE);
  if (frame.previous != nullptr && IsWindowVisible(frame.previous)) SetActiveWindow(frame.previous);
}

void ApplicationWin32::BringToForeground(Form& form) {
  // A form without its window has never been shown: nothing to bring forward.
  if (const HWND window = FormWindow(form)) SetForegroundWindow(window);
}

MenuItem* ApplicationWin32::TrackPopup(PopupMenu& menu, Point screenPos) {
  const HIMAGELIST images = menu.Images() != nullptr ? ImageListWin32::HandleOf(*menu.Images()) : nullptr;
  MenuBuilder builder(images);
  const Menu popup = builder.Build(menu.Items());
  if (GetMenuItemCount(popup.Get()) == 0) return nullptr;
  const HWND owner = Owner().Handle();
  Owner().SetMenuImages(images);
  // A menu of a program in the background would not close on a click
  // elsewhere. When one of its forms is in front it stays active instead.
  if (GetWindowThreadProcessId(GetForegroundWindow(), nullptr) != GetCurrentThreadId()) SetForegroundWindow(owner);
  const UINT command = static_cast<UINT>(TrackPopupMenu(popup.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screenPos.x,
                                                        screenPos.y, 0, owner, nullptr));
  PostMessageW(owner, WM_NULL, 0, 0);
  Owner().SetMenuImages(nullptr);
  return builder.ItemOf(command);
}

HWND ApplicationWin32::ActiveFormOrMain() {
  const HWND active = GetActiveWindow();
  for (const Form* form : app_.Forms()) {
    if (active != nullptr && FormWindow(*form) == active) return active;
  }
  if (const Form* main = app_.MainForm()) {
    if (const HWND window = FormWindow(*main)) return window;
  }
  return Owner().Handle();
}

platform::MessageResult ApplicationWin32::ShowMessage(const std::string& text, const std::string& caption,
                                                      platform::MessageStyle style) {
  UINT flags = MB_OK;
  switch (style) {
    case platform::MessageStyle::Plain:
      flags = MB_OK;
      break;
    case platform::MessageStyle::Confirm:
      flags = MB_OKCANCEL;
      break;
    case platform::MessageStyle::Error:
      flags = MB_OK | MB_ICONSTOP;
      break;
  }
  const int answer = MessageBoxW(ActiveFormOrMain(), platform::win32::Wide(text).c_str(),
                                 platform::win32::Wide(caption).c_str(), flags);
  return answer == IDOK ? platform::MessageResult::Ok : platform::MessageResult::Cancel;
}

Size ApplicationWin32::FrameSize(BorderStyle border) { return FormWin32::FrameSize(border); }

Point ApplicationWin32::CursorPos() {
  POINT point = {0, 0};
  GetCursorPos(&point);
  return Point{point.x, point.y};
}

Size ApplicationWin32::ScreenSize() {
  return Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

std::vector<Monitor> ApplicationWin32::Monitors() {
  std::vector<Monitor> monitors;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  if (!monitors.empty()) return monitors;
  // No answer (a session without a display): the primary screen and its work area.
  const Size screen = ScreenSize();
  RECT area = {0, 0, screen.width, screen.height};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return {Monitor{Rect{0, 0, screen.width, screen.height}, ToRect(area)}};
}

void ApplicationWin32::TitleChanged() {
  // An owner window made later takes the title then.
  if (owner_) SetWindowTextW(owner_->Handle(), platform::win32::Wide(app_.Title()).c_str());
}

void ApplicationWin32::HideTaskbarButton() {
  // Hidden for good: a later first show of a form must not bring it back.
  if (taskbarButtonHidden_) return;
  taskbarButtonHidden_ = true;
  // Before the owner window is made, it is made without one.
  if (!owner_) return;
  const HWND owner = owner_->Handle();
  ShowWindow(owner, SW_HIDE);
  SetWindowLongW(owner, GWL_EXSTYLE, GetWindowLongW(owner, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
  ShowWindow(owner, SW_HIDE);
}

UINT_PTR ApplicationWin32::AddTimer(Timer& timer) {
  const UINT_PTR id = nextTimerId_++;
  timers_.emplace_back(id, &timer);
  return id;
}

void ApplicationWin32::RemoveTimer(UINT_PTR id) {
  StopTimer(id);
  std::erase_if(timers_, [id](const auto& entry) { return entry.first == id; });
}

void ApplicationWin32::StartTimer(UINT_PTR id, unsigned interval) {
  // Setting an id again restarts its period from now.
  SetTimer(OwnerHandle(), id, interval, nullptr);
}

void ApplicationWin32::StopTimer(UINT_PTR id) {
  if (owner_) KillTimer(owner_->Handle(), id);
}

void ApplicationWin32::FireTimer(UINT_PTR id) {
  // A WM_TIMER may still arrive for a timer that was removed since.
  const auto found = std::find_if(timers_.begin(), timers_.end(), [id](const auto& entry) { return entry.first == id; });
  if (found != timers_.end()) found->second->SignalTimer();
}

bool ApplicationWin32::TranslucencyAvailable() {
  if (!layeredLookedUp_) {
    layeredLookedUp_ = true;
    // Missing before Windows 2000.
    setLayeredWindowAttributes_ = reinterpret_cast<SetLayeredWindowAttributesFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetLayeredWindowAttributes")));
  }
  return setLayeredWindowAttributes_ != nullptr;
}

void ApplicationWin32::SetAlpha(HWND window, std::optional<std::uint8_t> alpha) {
  if (!TranslucencyAvailable()) return;
  const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
  if (alpha) {
    SetWindowLongW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    setLayeredWindowAttributes_(window, 0, *alpha, LWA_ALPHA);
  } else if ((exStyle & WS_EX_LAYERED) != 0) {
    SetWindowLongW(window, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
    // Without the layer the window must draw itself again at once.
    RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

}  // namespace ui::win32
