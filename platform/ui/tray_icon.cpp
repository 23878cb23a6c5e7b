#include "platform/ui/tray_icon.h"

#include <algorithm>

#include "platform/text.h"
#include "platform/ui/form.h"

namespace ui {

namespace {

// The tip field holds 63 bytes and a terminator; a double-byte character is never cut in half.
std::string TrimTip(const std::string& tip) {
  constexpr std::size_t kMaxBytes = 63;
  std::size_t end = 0;
  while (end < tip.size()) {
    std::size_t length = platform::IsLeadByte(static_cast<unsigned char>(tip[end])) ? 2 : 1;
    if (end + length > kMaxBytes) break;
    end += length;
  }
  return tip.substr(0, std::min(end, tip.size()));
}

}  // namespace

TrayIcon::TrayIcon(Form& owner, std::string name) : Component(owner, std::move(name)) {}

TrayIcon::~TrayIcon() { Remove(); }

void TrayIcon::Add(const std::string& tip) {
  tip_ = TrimTip(tip);
  if (shown_) return;
  if (!peer_) peer_ = backend::CreatePeer(*this);
  peer_->Add();
  shown_ = true;
}

void TrayIcon::Remove() {
  if (!shown_) return;
  peer_->Remove();
  shown_ = false;
}

void TrayIcon::SignalMouseDown(MouseButton button) {
  onMouseDown(button);
}

void TrayIcon::SignalNotificationAreaRebuilt() {
  if (shown_) peer_->Add();
}

}  // namespace ui
