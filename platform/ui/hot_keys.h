#pragma once
// System-wide hot keys of the application, by id; the form only holds them.

#include <memory>
#include <string>

#include "platform/ui/callback.h"
#include "platform/ui/control.h"

namespace ui {

// RegisterHotKey's modifier bits.
namespace hotkey_modifier {
constexpr unsigned kAlt = 1;
constexpr unsigned kControl = 2;
constexpr unsigned kShift = 4;
}  // namespace hotkey_modifier

class HotKeysPeer {
 public:
  virtual ~HotKeysPeer() = default;
  virtual bool Register(int id, unsigned modifiers, unsigned virtualKey) = 0;
  virtual void Unregister(int id) = 0;
};

class HotKeys : public Component {
 public:
  HotKeys(Form& owner, std::string name);
  ~HotKeys() override;

  // Returns whether the system accepted the combination; one without a key
  // (virtualKey 0) is refused. The form needs no window for them.
  bool Register(int id, unsigned modifiers, unsigned virtualKey);
  void Unregister(int id);

  Callback<void(int id)> onHotKey;

  void SignalHotKey(int id) {
    onHotKey(id);
  }

 private:
  // Made with the first registration.
  std::unique_ptr<HotKeysPeer> peer_;
};

namespace backend {
std::unique_ptr<HotKeysPeer> CreatePeer(HotKeys& keys);
}

}  // namespace ui
