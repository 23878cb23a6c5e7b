#include "platform/headless/testing.h"

#include "platform/text.h"

namespace ui::test {

namespace {

using headless::PeerOf;

// Throws unless the user could act on the control now.
void RequireReachable(Control& control, const std::string& action) {
  const auto& peer = PeerOf(control.Program());
  const std::string what = headless::Concat("cannot ", action, " ", control.Name());
  if (peer.PopupOpen()) throw std::logic_error(headless::Concat(what, ": a popup menu is open"));
  for (Control* level = &control; level != nullptr; level = level->Parent()) {
    if (!level->Visible()) throw std::logic_error(headless::Concat(what, ": ", level->Name(), " is hidden"));
    if (!level->Enabled()) throw std::logic_error(headless::Concat(what, ": ", level->Name(), " is disabled"));
  }
  Form& form = control.OwnerForm();
  if (Form* modal = peer.ModalForm(); modal != nullptr && modal != &form) {
    throw std::logic_error(headless::Concat(what, ": its form ", form.Name(), " is disabled while ", modal->Name(), " runs modally"));
  }
}

bool Showing(Control& control) {
  for (Control* level = &control; level != nullptr; level = level->Parent()) {
    if (!level->Visible() || !level->Enabled()) return false;
  }
  return true;
}

ShiftState WithButton(ShiftState shift, MouseButton button) {
  switch (button) {
    case MouseButton::Left:
      shift.left = true;
      break;
    case MouseButton::Right:
      shift.right = true;
      break;
    case MouseButton::Middle:
      shift.middle = true;
      break;
  }
  return shift;
}

void PointAt(Control& control, Point at) {
  const Point origin = ScreenPosition(control);
  PeerOf(control.Program()).SetCursorPos({origin.x + at.x, origin.y + at.y});
}

Control* FindIn(Control& parent, const std::string& name) {
  for (Control* child : parent.Children()) {
    if (child->Name() == name) return child;
    if (Control* found = FindIn(*child, name)) return found;
  }
  return nullptr;
}

template <class Widget>
headless::RecordingPeer& RecordingPeerOf(const Widget& widget) {
  auto* peer = dynamic_cast<headless::RecordingPeer*>(widget.GetPeer());
  if (peer == nullptr) throw std::logic_error(headless::Concat(widget.Name(), " has no recording peer"));
  return *peer;
}

const headless::Expectation& Reached(const std::shared_ptr<headless::Expectation>& step) {
  if (!step->used) throw std::logic_error(headless::Concat("the script's ", step->Describe(), " has not come up"));
  return *step;
}

// A name given by a test in ANSI, as the system would hand it over.
std::optional<platform::SystemName> SystemNameFromAnsi(const std::optional<std::string>& ansi) {
  if (!ansi) return std::nullopt;
  return platform::SystemName{platform::WideFromCp932(*ansi), {}};
}

}  // namespace

void MoveMouse(Control& control, Point at, ShiftState shift) {
  RequireReachable(control, "move the pointer over");
  PointAt(control, at);
  control.SignalMouseMove(shift, at);
}

void Press(Control& control, MouseButton button, Point at, ShiftState shift) {
  RequireReachable(control, "press on");
  PointAt(control, at);
  control.SignalMouseDown(button, WithButton(shift, button), at);
}

void Release(Control& control, MouseButton button, Point at, ShiftState shift) {
  RequireReachable(control, "release over");
  PointAt(control, at);
  control.SignalMouseUp(button, shift, at);
}

void Click(Control& control, MouseButton button, Point at, ShiftState shift) {
  auto& peer = PeerOf(control.Program());
  const int modalRuns = peer.ModalRuns();
  Press(control, button, at, shift);
  // A menu or dialog that came up on the press takes the release; so does the
  // platform when the control went away.
  if (peer.ModalRuns() != modalRuns || !Showing(control)) return;
  if (button == MouseButton::Left) control.SignalClick();
  if (!Showing(control)) return;
  PointAt(control, at);
  control.SignalMouseUp(button, shift, at);
}

void KeyPress(Form& form, char key) {
  RequireReachable(form, "type into");
  if (!form.Active()) throw std::logic_error(headless::Concat("cannot type into ", form.Name(), ": it is not the active window"));
  form.SignalKeyPress(key);
}

void PressKey(Form& form, Key key) {
  RequireReachable(form, "press a key in");
  if (!form.Active()) throw std::logic_error(headless::Concat("cannot press a key in ", form.Name(), ": it is not the active window"));
  switch (key) {
    case Key::Tab:
    case Key::ShiftTab:
      // The platform moves the focus by the same rule (the tab order is its z-order).
      if (WinControl* next = form.NextTabStop(form.ActiveControl(), key == Key::ShiftTab)) next->SignalFocused();
      break;
    case Key::Enter:
      form.SignalDialogKey(DialogKey::Enter);
      break;
    case Key::Escape:
      form.SignalDialogKey(DialogKey::Escape);
      break;
  }
}

void ClickButton(Button& button) {
  RequireReachable(button, "click");
  button.SignalClick();
}

void ToggleCheckBox(CheckBox& box) {
  RequireReachable(box, "click");
  box.SignalToggled(!box.Checked());
}

void ChooseRadio(RadioButton& button) {
  RequireReachable(button, "choose");
  button.SignalChosen();
}

void ChooseTab(TabControl& tabs, int index) {
  RequireReachable(tabs, "choose a tab of");
  if (index < 0 || index >= static_cast<int>(tabs.Tabs().size())) {
    throw std::logic_error(headless::Concat(tabs.Name(), " has no tab ", std::to_string(index)));
  }
  tabs.SignalTabChosen(index);
}

void PressInHotKeyBox(HotKeyEdit& box, KeyCombination combination) {
  RequireReachable(box, "press keys in");
  box.SetFocus();
  box.SignalCombination(combination);
}

void SelectRow(ComboBox& box, int row) {
  RequireReachable(box, "choose in");
  if (row < 0 || row >= static_cast<int>(box.Items().size())) {
    throw std::logic_error(headless::Concat(box.Name(), " has no row ", std::to_string(row)));
  }
  box.SignalSelected(row);
}

void SelectRow(ListView& list, int row) {
  RequireReachable(list, "click in");
  if (row < -1 || row >= static_cast<int>(list.Rows().size())) {
    throw std::logic_error(headless::Concat(list.Name(), " has no row ", std::to_string(row)));
  }
  list.SignalSelected(row);
}

void Type(Edit& edit, std::string text) { Type(edit, platform::WideFromCp932(text)); }

void Type(Edit& edit, std::u16string_view typed) {
  RequireReachable(edit, "type into");
  if (edit.ReadOnly()) throw std::logic_error(headless::Concat("cannot type into ", edit.Name(), ": it is read-only"));
  edit.SignalTextChanged(typed);
}

void ClickArrow(SpinButton& spin, SpinArrow arrow) {
  RequireReachable(spin, "click");
  spin.SignalArrow(arrow);
}

void RightClickForMenu(WinControl& control, Point at) {
  RequireReachable(control, "right-click");
  PointAt(control, at);
  control.SignalContextPopup();
}

void DropFiles(Form& form, const std::vector<std::string>& files) {
  std::vector<platform::SystemName> names;
  for (const std::string& file : files) names.push_back({platform::WideFromCp932(file), {}});
  DropWideFiles(form, names);
}

void DropWideFiles(Form& form, const std::vector<platform::SystemName>& files) {
  RequireReachable(form, "drop files on");
  std::vector<platform::IncomingPath> incoming;
  for (const auto& file : files) incoming.push_back(platform::Incoming(file));
  form.SignalDropFiles(incoming);
}

void ClickCloseBox(Form& form) {
  RequireReachable(form, "close");
  if (form.Border() != BorderStyle::ToolWindow) throw std::logic_error(headless::Concat(form.Name(), " has no close box"));
  form.SignalCloseRequest();
}

void Activate(Form& form) {
  RequireReachable(form, "activate");
  PeerOf(form.Program()).Activate(form);
}

void ActivateOtherProgram(Application& app) { PeerOf(app).DeactivateAll(); }

void ClickTrayIcon(TrayIcon& icon, MouseButton button) {
  if (!icon.Shown()) throw std::logic_error(headless::Concat("cannot click tray icon ", icon.Name(), ": it is not in the tray"));
  if (PeerOf(icon.Owner().Program()).PopupOpen()) throw std::logic_error("cannot click the tray icon: a popup menu is open");
  icon.SignalMouseDown(button);
}

bool InNotificationArea(const TrayIcon& icon) { return PeerOf(icon.Owner().Program()).InNotificationArea(icon); }

void RebuildNotificationArea(Application& app) { PeerOf(app).RebuildNotificationArea(); }

bool PressHotKey(Application& app, unsigned modifiers, unsigned virtualKey) {
  return PeerOf(app).PressHotKey(modifiers, virtualKey);
}

void SetCursor(Application& app, Point screenPos) { PeerOf(app).SetCursorPos(screenPos); }

void SetScreenSize(Application& app, Size size) { PeerOf(app).SetScreenSize(size); }

void SetMonitors(Application& app, std::vector<Monitor> monitors) { PeerOf(app).SetMonitors(std::move(monitors)); }

void AdvanceClock(Application& app, unsigned milliseconds) { PeerOf(app).AdvanceClock(milliseconds); }

std::uint64_t Now(Application& app) { return PeerOf(app).Now(); }

void SetPendingMessages(Application& app, std::function<void()> pending) {
  PeerOf(app).SetPendingMessages(std::move(pending));
}

void ReserveHotKey(Application& app, unsigned modifiers, unsigned virtualKey) {
  PeerOf(app).ReserveHotKey(modifiers, virtualKey);
}

const std::vector<headless::HotKeyRegistration>& HotKeyRegistrations(Application& app) {
  return PeerOf(app).HotKeyRegistrations();
}

bool TaskbarButtonHidden(Application& app) { return PeerOf(app).TaskbarButtonHidden(); }

void SetTranslucencyAvailable(Application& app, bool available) { PeerOf(app).SetTranslucencyAvailable(available); }

const std::vector<MessageBoxRecord>& MessageBoxesShown(Application& app) { return PeerOf(app).MessageBoxes(); }

const std::vector<PopupRecord>& PopupsShown(Application& app) { return PeerOf(app).Popups(); }

Point ScreenPosition(Control& control) {
  if (control.Parent() == nullptr) {
    const auto& form = static_cast<const Form&>(control);
    const headless::Frame frame = headless::FrameOf(form.Border());
    return {form.Left() + frame.clientOrigin.x, form.Top() + frame.clientOrigin.y};
  }
  const Point parent = ScreenPosition(*control.Parent());
  return {parent.x + control.Left(), parent.y + control.Top()};
}

Control& FindControl(Form& form, const std::string& name) {
  Control* found = FindIn(form, name);
  if (found == nullptr) throw std::logic_error(headless::Concat("form ", form.Name(), " has no control ", name));
  return *found;
}

const std::vector<Property>& PeerUpdates(const Control& control) { return RecordingPeerOf(control).Updates(); }

const std::vector<Property>& PeerUpdates(const Component& component) { return RecordingPeerOf(component).Updates(); }

void ClearPeerUpdates(Control& control) { RecordingPeerOf(control).ClearUpdates(); }

std::vector<std::string> ImageListIcons(const ImageList& list) {
  std::vector<std::string> descriptions;
  const auto* peer = static_cast<const headless::ImageListPeer*>(list.GetPeer());
  if (peer == nullptr) return descriptions;
  for (const auto& icon : peer->Copies()) {
    descriptions.push_back(platform::headless::FakeIconDescription(icon));
  }
  return descriptions;
}

const std::string& MessageBoxExpectation::Text() const { return Reached(step_).box.text; }

const std::string& MessageBoxExpectation::Caption() const { return Reached(step_).box.caption; }

platform::MessageStyle MessageBoxExpectation::Style() const { return Reached(step_).box.style; }

const PopupRecord& PopupExpectation::Shown() const { return Reached(step_).shownPopup; }

const FileDialogRecord& FileDialogExpectation::Shown() const { return Reached(step_).fileDialog; }

const FontSpec& CommonDialogExpectation::InitialFont() const { return Reached(step_).initialFont; }

ColorValue CommonDialogExpectation::InitialColor() const { return Reached(step_).initialColor; }

Script::Script(Application& app) : peer_(PeerOf(app)) { peer_.AttachScript(); }

Script::~Script() { peer_.DetachScript(); }

MessageBoxExpectation Script::ExpectMessageBox(platform::MessageResult answer) {
  headless::Expectation step;
  step.kind = headless::Expectation::Kind::MessageBox;
  step.answer = answer;
  return MessageBoxExpectation(peer_.Expect(std::move(step)));
}

ModalExpectation Script::ExpectModal(std::string formName, std::function<void(Form&)> user) {
  headless::Expectation step;
  step.kind = headless::Expectation::Kind::Modal;
  step.name = std::move(formName);
  step.modal = std::move(user);
  return ModalExpectation(peer_.Expect(std::move(step)));
}

PopupExpectation Script::ExpectPopup(std::string menuName, PopupUser user) {
  headless::Expectation step;
  step.kind = headless::Expectation::Kind::Popup;
  step.name = std::move(menuName);
  step.popup = std::move(user);
  return PopupExpectation(peer_.Expect(std::move(step)));
}

FileDialogExpectation Script::ExpectFileOpen(std::optional<std::string> chosen) {
  return ExpectFileDialog(headless::Expectation::Kind::FileOpen, SystemNameFromAnsi(chosen));
}

FileDialogExpectation Script::ExpectFolderBrowse(std::optional<std::string> chosen) {
  return ExpectFileDialog(headless::Expectation::Kind::FolderBrowse, SystemNameFromAnsi(chosen));
}

FileDialogExpectation Script::ExpectFileOpen(platform::SystemName chosen) {
  return ExpectFileDialog(headless::Expectation::Kind::FileOpen, std::move(chosen));
}

FileDialogExpectation Script::ExpectFolderBrowse(platform::SystemName chosen) {
  return ExpectFileDialog(headless::Expectation::Kind::FolderBrowse, std::move(chosen));
}

FileDialogExpectation Script::ExpectFileDialog(headless::Expectation::Kind kind,
                                               std::optional<platform::SystemName> chosen) {
  headless::Expectation step;
  step.kind = kind;
  step.chosenFile = std::move(chosen);
  return FileDialogExpectation(peer_.Expect(std::move(step)));
}

CommonDialogExpectation Script::ExpectFontDialog(std::optional<FontSpec> chosen) {
  headless::Expectation step;
  step.kind = headless::Expectation::Kind::Font;
  step.chosenFont = std::move(chosen);
  return CommonDialogExpectation(peer_.Expect(std::move(step)));
}

CommonDialogExpectation Script::ExpectColorDialog(std::optional<ColorValue> chosen) {
  headless::Expectation step;
  step.kind = headless::Expectation::Kind::Color;
  step.chosenColor = chosen;
  return CommonDialogExpectation(peer_.Expect(std::move(step)));
}

void Script::Done() {
  const std::vector<std::string> problems = peer_.TakeProblems();
  if (problems.empty()) return;
  std::string message;
  for (const auto& problem : problems) message += (message.empty() ? "" : "\n") + problem;
  throw std::logic_error(message);
}

PopupUser Pick(std::string entryName) {
  return [entryName = std::move(entryName)](const PopupRecord&) { return entryName; };
}

PopupUser Dismiss() {
  return [](const PopupRecord&) { return std::string(); };
}

}  // namespace ui::test
