#pragma once
// The platform's hot-key box: the user presses a combination and it shows
// it. A key without a modifier, or with Shift alone, is refused: the box
// then holds none.

#include <memory>

#include "platform/ui/callback.h"
#include "platform/ui/win_control.h"

namespace ui {

class HotKeyEdit : public WinControl {
 public:
  HotKeyEdit(Control& parent, const ControlProps& props);

  const KeyCombination& Combination() const { return combination_; }
  // A refused combination is stored as none. Never fires onChange.
  void SetCombination(KeyCombination combination);

  Callback<void()> onChange;

  // The user pressed a combination in the box.
  void SignalCombination(KeyCombination combination);

  // Whether the box takes the combination: a key with Ctrl or Alt, or none at all.
  static bool Accepts(const KeyCombination& combination);

 protected:
  std::unique_ptr<Peer> MakePeer() override;

 private:
  KeyCombination combination_;
};

namespace backend {
std::unique_ptr<Peer> CreatePeer(HotKeyEdit& edit);
}

}  // namespace ui
