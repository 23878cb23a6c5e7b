#include "platform/ui/popup_menu.h"

#include <algorithm>

#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace ui {

MenuItem::MenuItem(std::string name, std::string caption) : name_(std::move(name)), caption_(std::move(caption)) {}

MenuItem& MenuItem::Add(std::unique_ptr<MenuItem> item) { return Insert(Count(), std::move(item)); }

MenuItem& MenuItem::Add(std::string name, std::string caption) {
  return Add(std::make_unique<MenuItem>(std::move(name), std::move(caption)));
}

MenuItem& MenuItem::Insert(int index, std::unique_ptr<MenuItem> item) {
  item->parent_ = this;
  const auto position = static_cast<std::ptrdiff_t>(std::clamp(index, 0, Count()));
  return **items_.insert(items_.begin() + position, std::move(item));
}

void MenuItem::Clear() { items_.clear(); }

MenuItem* MenuItem::Find(const std::string& name) {
  if (name_ == name) return this;
  for (const auto& item : items_) {
    if (MenuItem* found = item->Find(name)) return found;
  }
  return nullptr;
}

void MenuItem::SignalClick() {
  // The handler may rebuild the menu, this entry included: run a copy.
  auto handler = onClick;
  handler(*this);
}

PopupMenu::PopupMenu(Form& owner, std::string name) : Component(owner, std::move(name)), root_("", "") {}

void PopupMenu::Popup(Point screenPos) {
  onPopup();
  // A menu without a visible entry shows nothing, on every platform.
  bool anyVisible = false;
  for (int i = 0; i < root_.Count(); ++i) anyVisible = anyVisible || root_[i].Visible();
  if (!anyVisible) return;
  MenuItem* picked = Owner().Program().Peer().TrackPopup(*this, screenPos);
  if (picked != nullptr) picked->SignalClick();
}

}  // namespace ui
