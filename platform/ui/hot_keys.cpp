#include "platform/ui/hot_keys.h"

namespace ui {

HotKeys::HotKeys(Form& owner, std::string name) : Component(owner, std::move(name)) {
  peer_ = backend::CreatePeer(*this);
}

HotKeys::~HotKeys() = default;

}  // namespace ui
