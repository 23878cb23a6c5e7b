#include "platform/ui/bevel.h"

namespace ui {

Bevel::Bevel(Control& parent, std::string name)
    : Control(parent.Program(), &RequireContainer(parent), std::move(name)) {
  AttachPeer(backend::CreatePeer(*this));
}

Bevel::Bevel(Control& parent, const ControlSpec& spec) : Bevel(parent, spec.name) {
  SetBounds(spec.bounds);
  if (spec.lowered) SetStyle(BevelStyle::Lowered);
  SetHint(spec.hint);
  SetShowHint(!spec.hint.empty());
}

void Bevel::SetStyle(BevelStyle style) {
  if (StoreIfChanged(style_, style)) Changed(Property::Style);
}

}  // namespace ui
