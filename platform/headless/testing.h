#pragma once
// What a unit test does to forms on the headless backend, in the user's
// terms: move the pointer, press, type, drop files, click the tray icon, press
// a hot key, let time pass, and answer whatever modal thing comes up.
//
// A user action on something the user cannot reach (a hidden or disabled
// control, a form behind a running modal form, anything while a popup menu is
// open) throws std::logic_error, as does anything modal the script did not
// foresee (see ui_backend.h). Coordinates of a control are in its own client
// area; screen positions follow the fake frames of ui::headless::FrameOf
// (a tool window's client area starts 3, 19 inside its outer rectangle).

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/headless/fake_icons.h"
#include "platform/headless/ui_backend.h"
#include "platform/ui/application.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/spin_button.h"
#include "platform/ui/hot_key_edit.h"
#include "platform/ui/hot_keys.h"
#include "platform/ui/image_list.h"
#include "platform/ui/list_view.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/tab_control.h"
#include "platform/ui/tray_icon.h"

namespace ui::test {

using headless::FileDialogRecord;
using headless::MenuEntryRecord;
using headless::MessageBoxRecord;
using headless::PopupRecord;
using headless::PopupUser;

// The pointer and the keyboard.
void MoveMouse(Control& control, Point at, ShiftState shift = {});
void Press(Control& control, MouseButton button, Point at, ShiftState shift = {});
void Release(Control& control, MouseButton button, Point at, ShiftState shift = {});
// Press and release at the same point; a left click also clicks in between.
void Click(Control& control, MouseButton button, Point at, ShiftState shift = {});
// A character typed while the form is the active window.
void KeyPress(Form& form, char key);
// The dialog keys of the active form: Tab and Shift+Tab move the focus in
// the tab order, Enter and Esc press a button (see Form).
enum class Key { Tab, ShiftTab, Enter, Escape };
void PressKey(Form& form, Key key);
// The windowed controls, as the user works them (the control must be usable).
void ClickButton(Button& button);
void ToggleCheckBox(CheckBox& box);
void ChooseRadio(RadioButton& button);
void ChooseTab(TabControl& tabs, int index);
// Presses the combination while the hot-key box has the focus.
void PressInHotKeyBox(HotKeyEdit& box, KeyCombination combination);
void SelectRow(ComboBox& box, int row);
// Clicks a row of the list; -1 clicks below the rows, which selects none.
void SelectRow(ListView& list, int row);
// Replaces the text as the user would by typing (not into a read-only edit).
void Type(Edit& edit, std::string text);
// The same with text as an input method gives it, which may hold characters
// that code page 932 does not.
void Type(Edit& edit, std::u16string_view typed);
void ClickArrow(SpinButton& spin, SpinArrow arrow);
// A right click at a point of the control that asks for its context menu.
void RightClickForMenu(WinControl& control, Point at);
// Files dropped from the shell (nothing happens on a form that does not accept
// files), by their ANSI names (without short forms) or as the system names them.
void DropFiles(Form& form, const std::vector<std::string>& files);
void DropWideFiles(Form& form, const std::vector<platform::SystemName>& files);
// The close box of a tool window's caption.
void ClickCloseBox(Form& form);
// The user clicks the form: it becomes the active window.
void Activate(Form& form);
// The user turns to another program: no form of ours stays active.
void ActivateOtherProgram(Application& app);
void ClickTrayIcon(TrayIcon& icon, MouseButton button);
// Whether the icon is in the notification area now.
bool InNotificationArea(const TrayIcon& icon);
// The shell restarts: the notification area starts empty.
void RebuildNotificationArea(Application& app);
// Returns whether one of our registrations took the combination.
bool PressHotKey(Application& app, unsigned modifiers, unsigned virtualKey);

// The desktop.
void SetCursor(Application& app, Point screenPos);
void SetScreenSize(Application& app, Size size);
// Several monitors (or one with taskbars), the primary one first; they
// replace the screen above.
void SetMonitors(Application& app, std::vector<Monitor> monitors);
// Lets time pass; due timers fire in time order (ties in creation order).
void AdvanceClock(Application& app, unsigned milliseconds);
// Milliseconds passed on the virtual clock since the application was made.
std::uint64_t Now(Application& app);
// What the messages waiting at each Application::ProcessMessages call do.
void SetPendingMessages(Application& app, std::function<void()> pending);
// Another program holds the combination: registering it fails.
void ReserveHotKey(Application& app, unsigned modifiers, unsigned virtualKey);
const std::vector<headless::HotKeyRegistration>& HotKeyRegistrations(Application& app);
bool TaskbarButtonHidden(Application& app);
// A system without layered windows (set before the forms are made).
void SetTranslucencyAvailable(Application& app, bool available);
// Every message box and popup menu shown, scripted or not, in order.
const std::vector<MessageBoxRecord>& MessageBoxesShown(Application& app);
const std::vector<PopupRecord>& PopupsShown(Application& app);

// Where the control's client area starts on the screen.
Point ScreenPosition(Control& control);

// The control of that name on the form, at any depth; throws when there is none.
Control& FindControl(Form& form, const std::string& name);
template <class T>
T& Find(Form& form, const std::string& name) {
  T* control = dynamic_cast<T*>(&FindControl(form, name));
  if (control == nullptr) throw std::logic_error(headless::Concat("control ", name, " has another type"));
  return *control;
}

// The properties the control's peer was told about since it was made (or cleared).
const std::vector<Property>& PeerUpdates(const Control& control);
const std::vector<Property>& PeerUpdates(const Component& component);
void ClearPeerUpdates(Control& control);
// What the image list's copies show, in order.
std::vector<std::string> ImageListIcons(const ImageList& list);

class MessageBoxExpectation {
 public:
  explicit MessageBoxExpectation(std::shared_ptr<headless::Expectation> step) : step_(std::move(step)) {}
  bool Used() const { return step_->used; }
  // What was shown; throw while the step has not been reached.
  const std::string& Text() const;
  const std::string& Caption() const;
  platform::MessageStyle Style() const;

 private:
  std::shared_ptr<headless::Expectation> step_;
};

class ModalExpectation {
 public:
  explicit ModalExpectation(std::shared_ptr<headless::Expectation> step) : step_(std::move(step)) {}
  bool Used() const { return step_->used; }

 private:
  std::shared_ptr<headless::Expectation> step_;
};

class FileDialogExpectation {
 public:
  explicit FileDialogExpectation(std::shared_ptr<headless::Expectation> step) : step_(std::move(step)) {}
  bool Used() const { return step_->used; }
  // How it came up; throws while the step has not been reached.
  const FileDialogRecord& Shown() const;

 private:
  std::shared_ptr<headless::Expectation> step_;
};

class CommonDialogExpectation {
 public:
  explicit CommonDialogExpectation(std::shared_ptr<headless::Expectation> step) : step_(std::move(step)) {}
  bool Used() const { return step_->used; }
  // What the font or colour dialog held when it came up; throw while the step has not been reached.
  const FontSpec& InitialFont() const;
  ColorValue InitialColor() const;

 private:
  std::shared_ptr<headless::Expectation> step_;
};

class PopupExpectation {
 public:
  explicit PopupExpectation(std::shared_ptr<headless::Expectation> step) : step_(std::move(step)) {}
  bool Used() const { return step_->used; }
  // What was shown and picked; throws while the step has not been reached.
  const PopupRecord& Shown() const;

 private:
  std::shared_ptr<headless::Expectation> step_;
};

// The user's part in everything modal, queued in the order it will come up.
// Call Done() at the end: it throws std::logic_error naming every failure
// recorded since the script began and every step that never came.
class Script {
 public:
  explicit Script(Application& app);
  ~Script();
  Script(const Script&) = delete;
  Script& operator=(const Script&) = delete;

  MessageBoxExpectation ExpectMessageBox(platform::MessageResult answer);
  // user runs while the form is up; it ends the modal run by setting a ModalResult or closing the form.
  ModalExpectation ExpectModal(std::string formName, std::function<void(Form&)> user);
  // menuName is the popup menu's name, or "Form.Menu" where several forms have one of that name.
  PopupExpectation ExpectPopup(std::string menuName, PopupUser user);
  // The user chooses that file or folder, or cancels (std::nullopt).
  // An ANSI name has no short form; a SystemName gives the system's names.
  FileDialogExpectation ExpectFileOpen(std::optional<std::string> chosen);
  FileDialogExpectation ExpectFolderBrowse(std::optional<std::string> chosen);
  FileDialogExpectation ExpectFileOpen(platform::SystemName chosen);
  FileDialogExpectation ExpectFolderBrowse(platform::SystemName chosen);
  // The user picks that font (face, height, colour) or colour, or cancels (std::nullopt).
  CommonDialogExpectation ExpectFontDialog(std::optional<FontSpec> chosen);
  CommonDialogExpectation ExpectColorDialog(std::optional<ColorValue> chosen);
  void Done();

 private:
  FileDialogExpectation ExpectFileDialog(headless::Expectation::Kind kind, std::optional<platform::SystemName> chosen);

  headless::ApplicationPeer& peer_;
};

// Popup users: pick the entry of that name (at any depth), or close the menu.
PopupUser Pick(std::string entryName);
PopupUser Dismiss();

}  // namespace ui::test
