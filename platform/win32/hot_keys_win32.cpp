#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/ui/form.h"
#include "platform/ui/hot_keys.h"
#include "platform/win32/form_win32.h"

namespace ui::win32 {

namespace {

// System-wide hot keys of the owner form's window; WM_HOTKEY carries the id.
class HotKeysWin32 final : public HotKeysPeer, private MessageHandler {
 public:
  explicit HotKeysWin32(HotKeys& keys) : keys_(keys), form_(FormWin32::Of(keys.Owner())) {
    form_.AddMessageHandler(WM_HOTKEY, *this);
  }
  ~HotKeysWin32() override {
    for (const int id : ids_) UnregisterHotKey(form_.Handle(), id);
    form_.RemoveMessageHandler(*this);
  }
  HotKeysWin32(const HotKeysWin32&) = delete;
  HotKeysWin32& operator=(const HotKeysWin32&) = delete;

  bool Register(int id, unsigned modifiers, unsigned virtualKey) override {
    if (!RegisterHotKey(form_.Handle(), id, modifiers, virtualKey)) return false;
    ids_.push_back(id);
    return true;
  }

  void Unregister(int id) override {
    if (std::erase(ids_, id) != 0) UnregisterHotKey(form_.Handle(), id);
  }

 private:
  bool OnMessage(UINT, WPARAM wParam, LPARAM) override {
    const int id = static_cast<int>(wParam);
    if (std::find(ids_.begin(), ids_.end(), id) == ids_.end()) return false;
    keys_.SignalHotKey(id);
    return true;
  }

  HotKeys& keys_;
  FormWin32& form_;
  std::vector<int> ids_;
};

}  // namespace

}  // namespace ui::win32

namespace ui {

std::unique_ptr<HotKeysPeer> backend::CreatePeer(HotKeys& keys) {
  return std::make_unique<win32::HotKeysWin32>(keys);
}

}  // namespace ui
