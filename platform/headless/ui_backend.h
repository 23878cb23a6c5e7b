#pragma once
// The headless widget backend: peers that only record what they were told,
// and an application peer that stands for the desktop. It has a virtual clock
// (timers fire in time order when a test advances it), a settable pointer and
// screen, a system-wide hot-key table, and a script that plays the user in
// everything modal. Tests reach it through platform/headless/testing.h.
//
// Failures: anything modal that the script did not foresee (a message box, a
// modal form, a popup menu) is a test failure, never a hang. It is recorded
// here and thrown as std::logic_error at once; the record survives a handler
// that swallows the exception, and ui::test::Script::Done() reports it. The
// library knows no test framework.

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "platform/ui/hot_keys.h"
#include "platform/ui/image_list.h"
#include "platform/ui/timer.h"
#include "platform/ui/tray_icon.h"

namespace ui::headless {

// Joins texts for failure messages by appending (GCC 12 at -O3 warns wrongly about "literal" + std::string).
template <class... Parts>
std::string Concat(const Parts&... parts) {
  std::string text;
  (text += ... += parts);
  return text;
}

// The fake window frame: where the client area starts inside the outer
// rectangle, and how much the outer size exceeds the client size.
struct Frame {
  Point clientOrigin;
  Size extra;
};
Frame FrameOf(BorderStyle border);

struct MessageBoxRecord {
  std::string text;
  std::string caption;
  platform::MessageStyle style = platform::MessageStyle::Plain;
  platform::MessageResult answer = platform::MessageResult::Ok;
};

// A visible entry of an open popup menu, with its visible sub-entries.
struct MenuEntryRecord {
  std::string name;
  std::string caption;
  bool separator = false;
  bool checked = false;
  bool enabled = true;
  int imageIndex = -1;
  std::vector<MenuEntryRecord> items;

  // The entry of that name in this subtree (this one included), or nullptr.
  const MenuEntryRecord* Find(const std::string& entryName) const;
};

struct PopupRecord {
  std::string menu;   // the popup menu's name
  std::string owner;  // its form's name
  Point position;     // screen position it opened at
  std::vector<MenuEntryRecord> entries;
  std::string picked;  // the entry picked, empty when dismissed

  const MenuEntryRecord* Find(const std::string& entryName) const;
};

// Plays the user in an open popup menu: returns the name of the entry to pick,
// or an empty text to dismiss the menu.
using PopupUser = std::function<std::string(const PopupRecord&)>;

// A file-open dialog or folder browser as it came up, and the user's answer.
struct FileDialogRecord {
  std::string owner;      // the owning form's name
  std::string filter;     // file-open only
  std::string title;
  std::string fileName;   // file-open: the initial file name; browser: the root
  std::optional<platform::IncomingPath> chosen;
};

// One step of the script, in the order the test queued it.
struct Expectation {
  enum class Kind { MessageBox, Modal, Popup, FileOpen, FolderBrowse, Font, Color };
  Kind kind = Kind::MessageBox;
  int number = 0;    // place in the script, from 1
  std::string name;  // modal form, or popup menu ("Menu" or "Form.Menu")
  platform::MessageResult answer = platform::MessageResult::Ok;
  std::function<void(Form&)> modal;
  PopupUser popup;
  std::optional<platform::SystemName> chosenFile;  // FileOpen and FolderBrowse: nothing cancels
  std::optional<FontSpec> chosenFont;     // Font: nothing cancels
  std::optional<ColorValue> chosenColor;  // Color: nothing cancels

  bool used = false;
  MessageBoxRecord box;
  PopupRecord shownPopup;
  FileDialogRecord fileDialog;
  FontSpec initialFont;     // what the dialogs held when they came up
  ColorValue initialColor = 0;

  std::string Describe() const;
};

class TimerPeer;
class HotKeysPeer;

struct HotKeyRegistration {
  HotKeysPeer* owner = nullptr;  // nullptr: held by another program
  int id = 0;
  unsigned modifiers = 0;
  unsigned virtualKey = 0;
};

class ApplicationPeer : public ui::ApplicationPeer {
 public:
  explicit ApplicationPeer(Application& app);

  // Nothing waits on the host: Run returns at once and the test acts afterwards.
  void Run() override {}
  void ProcessMessages() override;
  void Terminate() override {}
  void RunModal(Form& form) override;
  void BringToForeground(Form& form) override;
  MenuItem* TrackPopup(PopupMenu& menu, Point screenPos) override;
  platform::MessageResult ShowMessage(const std::string& text, const std::string& caption,
                                      platform::MessageStyle style) override;
  std::optional<platform::IncomingPath> ChooseFileToOpen(FileOpenDialog& dialog) override;
  std::optional<FontSpec> RunFontDialog(FontDialog& dialog) override;
  std::optional<ColorValue> RunColorDialog(ColorDialog& dialog) override;
  std::optional<platform::IncomingPath> BrowseForFolder(Form& owner, const std::string& title,
                                                        const std::string& root) override;
  Point CursorPos() override { return cursor_; }
  Size FrameSize(BorderStyle border) override { return FrameOf(border).extra; }
  Size ScreenSize() override;
  // One monitor of the screen's size (its work area all of it), or the
  // layout a test set.
  std::vector<Monitor> Monitors() override;
  void TitleChanged() override {}
  void HideTaskbarButton() override { taskbarButtonHidden_ = true; }
  // Available unless a test takes it away (a system without layered windows).
  bool TranslucencyAvailable() override { return translucencyAvailable_; }

  // The pointer and the screen.
  void SetCursorPos(Point screenPos) { cursor_ = screenPos; }
  void SetScreenSize(Size size) { screen_ = size; }
  void SetMonitors(std::vector<Monitor> monitors) { monitors_ = std::move(monitors); }
  bool TaskbarButtonHidden() const { return taskbarButtonHidden_; }
  void SetTranslucencyAvailable(bool available) { translucencyAvailable_ = available; }
  // What the messages waiting at a ProcessMessages call do.
  void SetPendingMessages(std::function<void()> pending) { pending_ = std::move(pending); }

  // Activation: the form becomes the active window, the one active before is deactivated.
  void Activate(Form& form);
  void DeactivateAll();

  // The virtual clock.
  std::uint64_t Now() const { return now_; }
  void AdvanceClock(std::uint64_t milliseconds);
  void AddTimer(TimerPeer& timer) { timers_.push_back(&timer); }
  void RemoveTimer(TimerPeer& timer);

  // The system-wide hot-key table.
  bool RegisterHotKey(HotKeysPeer& owner, int id, unsigned modifiers, unsigned virtualKey);
  void UnregisterHotKey(HotKeysPeer& owner, int id);
  void UnregisterAll(HotKeysPeer& owner);
  void ReserveHotKey(unsigned modifiers, unsigned virtualKey);
  // Delivers the key combination to the registration that holds it; false when none of ours does.
  bool PressHotKey(unsigned modifiers, unsigned virtualKey);
  const std::vector<HotKeyRegistration>& HotKeyRegistrations() const { return hotKeys_; }

  // The notification area: which of the program's tray icons are in it.
  void AddTrayIcon(TrayIcon& icon) { trayIcons_.push_back(&icon); }
  void RemoveTrayIcon(TrayIcon& icon);
  void SetInNotificationArea(const TrayIcon& icon, bool in);
  bool InNotificationArea(const TrayIcon& icon) const;
  // The shell restarted: the area is empty, and every icon's owner is told.
  void RebuildNotificationArea();

  // The script.
  void AttachScript();
  void DetachScript();
  std::shared_ptr<Expectation> Expect(Expectation expectation);
  // The expectations not reached yet and the failures recorded since the script began; clears both.
  std::vector<std::string> TakeProblems();
  // Records a failure and throws it as std::logic_error.
  [[noreturn]] void Fail(const std::string& message);

  const std::vector<MessageBoxRecord>& MessageBoxes() const { return messageBoxes_; }
  const std::vector<PopupRecord>& Popups() const { return popups_; }
  // The innermost form running modally, or nullptr.
  Form* ModalForm() const { return modalForms_.empty() ? nullptr : modalForms_.back(); }
  bool PopupOpen() const { return popupOpen_; }
  // How many message boxes, modal runs and popup menus have come up so far.
  int ModalRuns() const { return modalRuns_; }

 private:
  std::shared_ptr<Expectation> Next(const std::string& what);
  // The next step, which must be of that kind (a failure otherwise).
  std::shared_ptr<Expectation> NextOfKind(Expectation::Kind kind, const std::string& what);
  std::optional<platform::IncomingPath> RunFileDialog(Expectation::Kind kind, FileDialogRecord record);

  Application& app_;
  Point cursor_;
  Size screen_{1024, 768};
  std::vector<Monitor> monitors_;
  bool taskbarButtonHidden_ = false;
  bool translucencyAvailable_ = true;
  std::function<void()> pending_;

  std::uint64_t now_ = 0;
  std::vector<TimerPeer*> timers_;

  std::vector<HotKeyRegistration> hotKeys_;
  std::vector<TrayIcon*> trayIcons_;
  std::vector<const TrayIcon*> inNotificationArea_;

  bool scriptAttached_ = false;
  int expectationCount_ = 0;
  std::deque<std::shared_ptr<Expectation>> expectations_;
  std::vector<std::string> failures_;
  std::vector<MessageBoxRecord> messageBoxes_;
  std::vector<PopupRecord> popups_;
  std::vector<Form*> modalForms_;
  bool popupOpen_ = false;
  int modalRuns_ = 0;
};

ApplicationPeer& PeerOf(Application& app);

// Every headless peer of a control or component records the properties it was told about.
class RecordingPeer : public ui::Peer {
 public:
  void Update(Property property) override {
    updates_.push_back(property);
    Apply(property);
  }
  const std::vector<Property>& Updates() const { return updates_; }
  void ClearUpdates() { updates_.clear(); }

 protected:
  virtual void Apply(Property) {}

 private:
  std::vector<Property> updates_;
};

// A form's peer keeps the outer and client sizes consistent with the fake
// frame and models activation: a form shown becomes the active window.
class FormPeer : public RecordingPeer {
 public:
  explicit FormPeer(Form& form);

 protected:
  void Apply(Property property) override;

 private:
  Form& form_;
};

// A timer's peer keeps the time of its next tick on the virtual clock.
class TimerPeer : public RecordingPeer {
 public:
  explicit TimerPeer(Timer& timer);
  ~TimerPeer() override;

  Timer& GetTimer() { return timer_; }
  bool Scheduled() const { return scheduled_; }
  std::uint64_t Due() const { return due_; }
  // Schedules the next tick a whole interval from now, or none when stopped.
  void Restart();

 protected:
  void Apply(Property property) override;

 private:
  Timer& timer_;
  ApplicationPeer& app_;
  bool scheduled_ = false;
  std::uint64_t due_ = 0;
};

// An image list's peer holds the copies of the icons added, as the platform's list does.
class ImageListPeer : public ui::ImageListPeer {
 public:
  void Update(Property) override {}
  void Add(const platform::Icon& icon) override;
  void Clear() override { copies_.clear(); }
  const std::vector<platform::Icon>& Copies() const { return copies_; }

 private:
  std::vector<platform::Icon> copies_;
};

class HotKeysPeer : public ui::HotKeysPeer {
 public:
  explicit HotKeysPeer(HotKeys& keys);
  ~HotKeysPeer() override;
  bool Register(int id, unsigned modifiers, unsigned virtualKey) override;
  void Unregister(int id) override;
  HotKeys& Keys() { return keys_; }

 private:
  HotKeys& keys_;
  ApplicationPeer& app_;
};

}  // namespace ui::headless
