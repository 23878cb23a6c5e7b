#include "platform/ui/edit.h"

#include "platform/text.h"

namespace ui {

Edit::Edit(Control& parent, const ControlProps& props)
    : WinControl(parent, props), readOnly_(props.readOnly), centred_(props.centred) {
  SetColor(SystemColor(syscolor::kWindow));
  Constructed();
}

void Edit::SetText(std::string text) {
  fits_ = true;
  if (StoreIfChanged(text_, std::move(text))) Changed(Property::Text);
}

void Edit::SetReadOnly(bool readOnly) {
  if (StoreIfChanged(readOnly_, readOnly)) Changed(Property::ReadOnly);
}

void Edit::SignalTextChanged(std::u16string_view typed) {
  std::string text;
  fits_ = platform::Cp932FromWide(typed, text);
  if (!StoreIfChanged(text_, std::move(text))) return;
  onChange();
}

std::unique_ptr<Peer> Edit::MakePeer() { return backend::CreatePeer(*this); }

}  // namespace ui
