#include "platform/ui/hot_key_edit.h"

namespace ui {

HotKeyEdit::HotKeyEdit(Control& parent, const ControlProps& props) : WinControl(parent, props) {
  SetColor(SystemColor(syscolor::kWindow));
  Constructed();
}

bool HotKeyEdit::Accepts(const KeyCombination& combination) {
  return combination.Key == 0 || combination.Ctrl || combination.Alt;
}

void HotKeyEdit::SetCombination(KeyCombination combination) {
  if (!Accepts(combination)) combination = {};
  if (StoreIfChanged(combination_, combination)) Changed(Property::HotKey);
}

void HotKeyEdit::SignalCombination(KeyCombination combination) {
  const bool accepted = Accepts(combination);
  if (!accepted) combination = {};
  combination_ = combination;
  // The box shows the refused combination until told otherwise.
  if (!accepted) Changed(Property::HotKey);
  onChange();
}

std::unique_ptr<Peer> HotKeyEdit::MakePeer() { return backend::CreatePeer(*this); }

}  // namespace ui
