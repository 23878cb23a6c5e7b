#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/ui/form.h"
#include "platform/ui/hot_keys.h"
#include "platform/win32/application_win32.h"

namespace ui::win32 {

namespace {

// System-wide hot keys of the application's owner window (not of the owner
// form's, which then need not be made); WM_HOTKEY carries the id.
class HotKeysWin32 final : public HotKeysPeer, private MessageHandler {
 public:
  explicit HotKeysWin32(HotKeys& keys) : keys_(keys), app_(ApplicationWin32::Of(keys.Owner().Program())) {
    app_.AddMessageHandler(WM_HOTKEY, *this);
  }
  ~HotKeysWin32() override {
    for (const int id : ids_) UnregisterHotKey(app_.OwnerHandle(), id);
    app_.RemoveMessageHandler(*this);
  }
  HotKeysWin32(const HotKeysWin32&) = delete;
  HotKeysWin32& operator=(const HotKeysWin32&) = delete;

  bool Register(int id, unsigned modifiers, unsigned virtualKey) override {
    if (!RegisterHotKey(app_.OwnerHandle(), id, modifiers, virtualKey)) return false;
    ids_.push_back(id);
    return true;
  }

  void Unregister(int id) override {
    if (std::erase(ids_, id) != 0) UnregisterHotKey(app_.OwnerHandle(), id);
  }

 private:
  bool OnMessage(UINT, WPARAM wParam, LPARAM) override {
    const int id = static_cast<int>(wParam);
    if (std::find(ids_.begin(), ids_.end(), id) == ids_.end()) return false;
    keys_.SignalHotKey(id);
    return true;
  }

  HotKeys& keys_;
  ApplicationWin32& app_;
  std::vector<int> ids_;
};

}  // namespace

}  // namespace ui::win32

namespace ui {

std::unique_ptr<HotKeysPeer> backend::CreatePeer(HotKeys& keys) {
  return std::make_unique<win32::HotKeysWin32>(keys);
}

}  // namespace ui
