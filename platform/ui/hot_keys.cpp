#include "platform/ui/hot_keys.h"

#include "platform/ui/form.h"

namespace ui {

HotKeys::HotKeys(Form& owner, std::string name) : Component(owner, std::move(name)) {}

HotKeys::~HotKeys() = default;

bool HotKeys::Register(int id, unsigned modifiers, unsigned virtualKey) {
  // No key, nothing to press: nothing is registered (nor made for it).
  if (virtualKey == 0) return false;
  if (!peer_) peer_ = backend::CreatePeer(*this);
  return peer_->Register(id, modifiers, virtualKey);
}

void HotKeys::Unregister(int id) {
  if (peer_) peer_->Unregister(id);
}

}  // namespace ui
