#include "platform/ui/form.h"

#include <algorithm>

#include "platform/ui/application.h"
#include "platform/ui/button.h"
#include "platform/ui/win_control.h"

namespace ui {

Form::Form(Application& app, std::string name, std::string caption, BorderStyle border)
    : Control(app, nullptr, std::move(name)), caption_(std::move(caption)), border_(border) {
  // Forms start hidden, their outer size that of an empty client area.
  Control::SetVisible(false);
  app.RegisterForm(*this);
  ChangedWithoutPeer(Property::ClientSize);
}

Form::~Form() {
  // Destroy the window while the form is still whole: its last messages may call back.
  AttachPeer(nullptr);
  Program().UnregisterForm(*this);
}

void Form::SetCaption(std::string caption) {
  if (StoreIfChanged(caption_, std::move(caption))) Changed(Property::Text);
}

void Form::HandleNeeded() {
  if (HasWindow() || makingWindow_) return;
  struct Making {
    bool& flag;
    ~Making() { flag = false; }
  } making{makingWindow_};
  makingWindow_ = true;
  std::size_t made = 0;
  try {
    AttachPeer(MakePeer());
    // Creation order puts each parent before its children, and windowed
    // controls in the default tab order.
    for (; made < members_.size(); ++made) members_[made]->AttachPeer(members_[made]->MakePeer());
    if (tabOrderSet_) Changed(Property::TabOrder);
  } catch (...) {
    // No half-made window: children go before their parents, and a later show tries again.
    while (made > 0) members_[--made]->AttachPeer(nullptr);
    AttachPeer(nullptr);
    throw;
  }
}

std::unique_ptr<Peer> Form::MakePeer() { return backend::CreatePeer(*this); }

void Form::ChangedWithoutPeer(Property property) {
  const Size frame = Program().Peer().FrameSize(border_);
  if (property == Property::ClientSize) {
    SignalBoundsChanged({Left(), Top(), clientSize_.width + frame.width, clientSize_.height + frame.height});
  } else if (property == Property::Bounds) {
    clientSize_ = {std::max(0, Width() - frame.width), std::max(0, Height() - frame.height)};
  }
}

void Form::RemoveMember(Control& control) { std::erase(members_, &control); }

void Form::SetClientSize(Size size) {
  if (StoreIfChanged(clientSize_, size)) Changed(Property::ClientSize);
}

void Form::SetVisible(bool visible) {
  if (visible == Visible()) return;
  if (visible) {
    // Before onShow, so that it reads what the platform laid out (a tab strip's rows).
    HandleNeeded();
    onShow();
    Control::SetVisible(true);
  } else {
    Control::SetVisible(false);
    onHide();
  }
}

void Form::Close() {
  onClose();
  // A modal run ends with the form hidden; ShowModal turns the missing result into Cancel.
  Hide();
  if (Program().MainForm() == this) Program().Terminate();
}

ModalResult Form::ShowModal() {
  Form* previouslyActive = nullptr;
  for (Form* form : Program().Forms()) {
    if (form != this && form->Active()) previouslyActive = form;
  }
  // Clears the modal mark however the run ends, also when the backend throws.
  struct ModalMark {
    Form& form;
    ~ModalMark() { form.modal_ = false; }
  } mark{*this};
  modal_ = true;
  modalResult_ = ModalResult::None;
  Show();
  Program().Peer().RunModal(*this);
  if (modalResult_ == ModalResult::None) modalResult_ = ModalResult::Cancel;
  Hide();
  // As when a dialog ends on the platform, the window that was active before gets the focus back.
  if (previouslyActive != nullptr && previouslyActive->Visible()) previouslyActive->BringToForeground();
  return modalResult_;
}

void Form::SetModalResult(ModalResult result) { modalResult_ = result; }

void Form::CentreOnScreen() {
  const Size screen = Program().ScreenSize();
  SetLeft((screen.width - Width()) / 2);
  SetTop((screen.height - Height()) / 2);
}

void Form::BringToForeground() { Program().Peer().BringToForeground(*this); }

void Form::SetAcceptFiles(bool accept) {
  if (StoreIfChanged(acceptFiles_, accept)) Changed(Property::AcceptFiles);
}

void Form::SetAlpha(std::optional<std::uint8_t> alpha) {
  if (StoreIfChanged(alpha_, alpha)) Changed(Property::Alpha);
}

void Form::SetTopMost(bool topMost) {
  if (StoreIfChanged(topMost_, topMost)) Changed(Property::TopMost);
}

void Form::SetTabOrder(std::vector<WinControl*> order) {
  tabOrder_ = std::move(order);
  tabOrderSet_ = true;
  Changed(Property::TabOrder);
}

void Form::AddToTabOrder(WinControl& control) { tabOrder_.push_back(&control); }

void Form::RemoveFromTabOrder(WinControl& control) {
  std::erase(tabOrder_, &control);
  if (activeControl_ == &control) activeControl_ = nullptr;
}

WinControl* Form::NextTabStop(const WinControl* from, bool backwards) const {
  const auto count = static_cast<std::ptrdiff_t>(tabOrder_.size());
  if (count == 0) return nullptr;
  const auto found = std::find(tabOrder_.begin(), tabOrder_.end(), from);
  std::ptrdiff_t start = found == tabOrder_.end() ? (backwards ? 0 : count - 1) : found - tabOrder_.begin();
  for (std::ptrdiff_t step = 1; step <= count; ++step) {
    const std::ptrdiff_t index = ((start + (backwards ? -step : step)) % count + count) % count;
    if (tabOrder_[static_cast<std::size_t>(index)]->CanFocus()) return tabOrder_[static_cast<std::size_t>(index)];
  }
  return nullptr;
}

void Form::SignalFocusChanged(WinControl* control) { activeControl_ = control; }

Button* Form::DefaultButton() const {
  return FindButton([](const Button& button) { return button.IsDefault(); });
}

Button* Form::ButtonForEnter(const WinControl* focused) const {
  for (WinControl* control : tabOrder_) {
    if (control == focused) {
      if (auto* button = dynamic_cast<Button*>(control)) return button;
    }
  }
  return DefaultButton();
}

void Form::SignalDefaultButton(Button& button) {
  for (WinControl* control : tabOrder_) {
    if (auto* other = dynamic_cast<Button*>(control)) other->SetDefault(other == &button);
  }
}

void Form::SignalDialogKey(DialogKey key) {
  Button* target = nullptr;
  if (key == DialogKey::Enter) {
    target = ButtonForEnter(activeControl_);
  } else {
    target = FindButton([](const Button& button) { return button.IsCancel(); });
  }
  if (target != nullptr && target->Usable()) target->SignalClick();
}

Button* Form::FindButton(const Callback<bool(const Button&)>& wanted) const {
  for (WinControl* control : tabOrder_) {
    auto* button = dynamic_cast<Button*>(control);
    if (button != nullptr && wanted(*button)) return button;
  }
  return nullptr;
}

void Form::SignalActivate(bool active) {
  if (active && (activeControl_ == nullptr || !activeControl_->CanFocus())) {
    activeControl_ = NextTabStop(nullptr, false);
  }
  if (active == active_) return;
  active_ = active;
  if (active) {
    onActivate();
  } else {
    onDeactivate();
  }
}

void Form::SignalKeyPress(char key) {
  onKeyPress(key);
}

void Form::SignalDropFiles(const std::vector<platform::IncomingPath>& files) {
  if (acceptFiles_) onDropFiles(files);
}

}  // namespace ui
