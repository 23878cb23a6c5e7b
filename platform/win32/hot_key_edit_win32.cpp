// The hot-key box's peer: the platform's msctls_hotkey32. The box refuses a
// key alone or with Shift alone by leaving its modifiers off, and the widget
// then clears it; what the box holds comes back as a KeyCombination.

#include <windows.h>
#include <commctrl.h>

#include "platform/ui/hot_key_edit.h"
#include "platform/win32/key_names_win32.h"
#include "platform/win32/win_controls_win32.h"

namespace ui::win32 {

namespace {

WORD ToHotKey(const KeyCombination& combination) {
  if (combination.Key == 0) return 0;
  BYTE modifiers = 0;
  if (combination.Shift) modifiers |= HOTKEYF_SHIFT;
  if (combination.Ctrl) modifiers |= HOTKEYF_CONTROL;
  if (combination.Alt) modifiers |= HOTKEYF_ALT;
  // Without it the box names the numeric pad's key ("Num 7" for Home).
  if (platform::win32::IsExtendedKey(combination.Key)) modifiers |= HOTKEYF_EXT;
  return MAKEWORD(static_cast<BYTE>(combination.Key), modifiers);
}

KeyCombination FromHotKey(WORD hotKey) {
  KeyCombination combination;
  combination.Key = LOBYTE(hotKey);
  if (combination.Key == 0) return combination;
  const BYTE modifiers = HIBYTE(hotKey);
  combination.Shift = (modifiers & HOTKEYF_SHIFT) != 0;
  combination.Ctrl = (modifiers & HOTKEYF_CONTROL) != 0;
  combination.Alt = (modifiers & HOTKEYF_ALT) != 0;
  return combination;
}

class HotKeyEditWin32 final : public WinControlPeer {
  static constexpr WPARAM kKeyHandled = 1;

 public:
  explicit HotKeyEditWin32(HotKeyEdit& edit) : WinControlPeer(edit), edit_(edit) {
    CreateChild(HOTKEY_CLASSW, 0, WS_EX_CLIENTEDGE, "");
    SendMessageW(Hwnd(), HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, 0);
    Apply(Property::HotKey);
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(Hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchKeys)));
  }
  ~HotKeyEditWin32() override {
    if (original_ != nullptr) SetWindowLongPtrW(Hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
  }

  void OnCommand(WORD code) override {
    if (code == EN_CHANGE) Report();
  }

  void OnDeferred(WPARAM) override { Report(); }

 private:
  // Backspace, Delete and Space clear the box without EN_CHANGE: after every
  // key the box handled, what it holds is compared once its handling is done.
  static LRESULT CALLBACK WatchKeys(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<HotKeyEditWin32*>(FromHandle(hwnd));
    if (self == nullptr || self->original_ == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    const LRESULT result = CallWindowProcW(self->original_, hwnd, message, wParam, lParam);
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) self->Defer(kKeyHandled);
    return result;
  }

  void Report() {
    if (IsMuted()) return;
    const KeyCombination held = FromHotKey(static_cast<WORD>(SendMessageW(Hwnd(), HKM_GETHOTKEY, 0, 0)));
    // A modifier pressed or released on its own is reported too; it may leave
    // the box as it was.
    if (held != edit_.Combination()) edit_.SignalCombination(held);
  }

  void Apply(Property property) override {
    if (property == Property::HotKey) {
      Muted([&] { SendMessageW(Hwnd(), HKM_SETHOTKEY, ToHotKey(edit_.Combination()), 0); });
    }
  }

  HotKeyEdit& edit_;
  WNDPROC original_ = nullptr;
};

}  // namespace

}  // namespace ui::win32

namespace ui {

std::unique_ptr<Peer> backend::CreatePeer(HotKeyEdit& edit) { return std::make_unique<win32::HotKeyEditWin32>(edit); }

}  // namespace ui
