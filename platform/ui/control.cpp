#include "platform/ui/control.h"

#include <algorithm>

#include "platform/error.h"
#include "platform/ui/form.h"

namespace ui {

Component::Component(Form& owner, std::string name) : owner_(owner), name_(std::move(name)) {}

Component::~Component() = default;

void Component::Changed(Property property) {
  if (peer_) peer_->Update(property);
}

Control::Control(Application& app, Control* parent, std::string name)
    : app_(app), parent_(parent), name_(std::move(name)) {
  if (parent_ != nullptr) {
    form_ = &parent_->OwnerForm();
    parent_->children_.push_back(this);
    form_->AddMember(*this);
  }
}

Control::~Control() {
  // The peer goes first, while the control is still registered and whole
  // enough for the backend to tidy up (repaint the parent, destroy a window).
  peer_.reset();
  if (parent_ != nullptr) std::erase(parent_->children_, this);
  if (form_ != nullptr) form_->RemoveMember(*this);
  for (Control* child : children_) child->parent_ = nullptr;
}

void Control::Constructed() {
  if (form_ != nullptr && form_->HasWindow()) AttachPeer(MakePeer());
}

Form& Control::OwnerForm() { return form_ != nullptr ? *form_ : static_cast<Form&>(*this); }

void Control::SetLeft(int left) { SetBounds({left, bounds_.top, bounds_.width, bounds_.height}); }

void Control::SetTop(int top) { SetBounds({bounds_.left, top, bounds_.width, bounds_.height}); }

void Control::SetWidth(int width) { SetBounds({bounds_.left, bounds_.top, width, bounds_.height}); }

void Control::SetHeight(int height) { SetBounds({bounds_.left, bounds_.top, bounds_.width, height}); }

void Control::SetBounds(Rect bounds) {
  if (StoreIfChanged(bounds_, bounds)) Changed(Property::Bounds);
}

void Control::SetVisible(bool visible) {
  if (StoreIfChanged(visible_, visible)) Changed(Property::Visible);
}

void Control::SetEnabled(bool enabled) {
  if (StoreIfChanged(enabled_, enabled)) Changed(Property::Enabled);
}

void Control::SetHint(std::string hint) {
  if (StoreIfChanged(hint_, std::move(hint))) Changed(Property::Hint);
}

void Control::SetShowHint(bool show) {
  if (StoreIfChanged(showHint_, show)) Changed(Property::Hint);
}

void Control::SetColor(ColorValue color) {
  if (StoreIfChanged(color_, color)) Changed(Property::Color);
}

void Control::SetFont(FontSpec font) {
  if (StoreIfChanged(font_, std::move(font))) Changed(Property::Font);
}

void Control::SetCursor(Cursor cursor) {
  if (StoreIfChanged(cursor_, cursor)) Changed(Property::Cursor);
}

void Control::BringToFront() {
  if (parent_ == nullptr) {
    // Other programs' windows move above a form behind its back, so raising
    // a form is never known to be a no-op.
    Changed(Property::ZOrder);
    return;
  }
  auto& siblings = parent_->children_;
  if (siblings.back() == this) return;
  std::erase(siblings, this);
  siblings.push_back(this);
  Changed(Property::ZOrder);
}

void Control::SignalMouseDown(MouseButton button, ShiftState shift, Point at) {
  onMouseDown(button, shift, at);
}

void Control::SignalMouseUp(MouseButton button, ShiftState shift, Point at) {
  onMouseUp(button, shift, at);
}

void Control::SignalMouseMove(ShiftState shift, Point at) {
  onMouseMove(shift, at);
}

void Control::SignalClick() {
  onClick();
}

void Control::SignalBoundsChanged(Rect bounds) { bounds_ = bounds; }

Control& Control::RequireContainer(Control& parent) {
  if (!parent.IsContainer()) {
    throw platform::Error("a control needs a form or a panel as its parent, not " + parent.Name());
  }
  return parent;
}

void Control::Changed(Property property) {
  if (peer_) {
    peer_->Update(property);
  } else {
    ChangedWithoutPeer(property);
  }
}

}  // namespace ui
