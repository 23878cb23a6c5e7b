#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <iterator>

#include "platform/ui/form.h"
#include "platform/ui/tray_icon.h"
#include "platform/win32/application_win32.h"
#include "platform/win32/wide_text.h"

namespace ui::win32 {

namespace {

// The notification-area icon through the first (152-byte) NOTIFYICONDATAW,
// which every shell version accepts. Its mouse messages arrive at the
// application's owner window as the callback message; a restarted shell announces its new
// notification area with the registered message "TaskbarCreated".
class TrayIconWin32 final : public TrayIconPeer, private MessageHandler {
 public:
  explicit TrayIconWin32(TrayIcon& icon)
      : icon_(icon),
        app_(ApplicationWin32::Of(icon.Owner().Program())),
        taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
    app_.AddMessageHandler(TrayIcon::kCallbackMessage, *this);
    if (taskbarCreated_ != 0) app_.AddMessageHandler(taskbarCreated_, *this);
  }
  ~TrayIconWin32() override {
    if (added_) Remove();
    app_.RemoveMessageHandler(*this);
  }
  TrayIconWin32(const TrayIconWin32&) = delete;
  TrayIconWin32& operator=(const TrayIconWin32&) = delete;

  void Add() override {
    NOTIFYICONDATAW data = Data();
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = TrayIcon::kCallbackMessage;
    data.hIcon = app_.SmallIcon();
    const std::wstring tip = platform::win32::Wide(icon_.Tip());
    tip.copy(data.szTip, std::min(tip.size(), std::size(data.szTip) - 1));
    Shell_NotifyIconW(NIM_ADD, &data);
    added_ = true;
  }

  void Remove() override {
    NOTIFYICONDATAW data = Data();
    Shell_NotifyIconW(NIM_DELETE, &data);
    added_ = false;
  }

 private:
  NOTIFYICONDATAW Data() const {
    NOTIFYICONDATAW data = {};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = app_.OwnerHandle();
    data.uID = TrayIcon::kIconId;
    return data;
  }

  bool OnMessage(UINT message, WPARAM, LPARAM lParam) override {
    if (message == taskbarCreated_) {
      icon_.SignalNotificationAreaRebuilt();
      return false;
    }
    switch (static_cast<UINT>(lParam)) {
      case WM_LBUTTONDOWN:
        icon_.SignalMouseDown(MouseButton::Left);
        break;
      case WM_RBUTTONDOWN:
        icon_.SignalMouseDown(MouseButton::Right);
        break;
      default:
        break;
    }
    return true;
  }

  TrayIcon& icon_;
  ApplicationWin32& app_;
  const UINT taskbarCreated_;
  bool added_ = false;
};

}  // namespace

}  // namespace ui::win32

namespace ui {

std::unique_ptr<TrayIconPeer> backend::CreatePeer(TrayIcon& icon) {
  return std::make_unique<win32::TrayIconWin32>(icon);
}

}  // namespace ui
