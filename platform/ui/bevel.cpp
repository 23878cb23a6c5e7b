#include "platform/ui/bevel.h"

namespace ui {

Bevel::Bevel(Control& parent, std::string name)
    : Control(parent.Program(), &RequireContainer(parent), std::move(name)) {
  AttachPeer(backend::CreatePeer(*this));
}

void Bevel::SetStyle(BevelStyle style) {
  if (StoreIfChanged(style_, style)) Changed(Property::Style);
}

}  // namespace ui
