#include "platform/headless/ui_backend.h"

#include <iconv.h>

#include <algorithm>
#include <stdexcept>

#include "platform/headless/fake_icons.h"
#include "platform/text.h"
#include "platform/ui/bevel.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/file_open_dialog.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "platform/ui/spin_button.h"
#include "platform/ui/popup_menu.h"
#include "platform/ui/tray_icon.h"

namespace ui::headless {

namespace {

// Failure messages are read on a UTF-8 terminal; the texts are Shift-JIS bytes.
std::string Readable(const std::string& ansi) {
  iconv_t converter = iconv_open("UTF-8", "CP932");
  if (converter == reinterpret_cast<iconv_t>(-1)) return ansi;
  std::string input = ansi;
  std::string output(ansi.size() * 3 + 1, '\0');
  char* in = input.data();
  char* out = output.data();
  std::size_t inLeft = input.size();
  std::size_t outLeft = output.size();
  const bool ok = iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(converter);
  if (!ok) return ansi;
  output.resize(output.size() - outLeft);
  return output;
}

std::string Quoted(const std::string& ansi) { return Concat("\"", Readable(ansi), "\""); }

std::string ShownName(const platform::SystemName& name) {
  std::string ansi;
  platform::Cp932FromWide(name.Long, ansi);
  return ansi;
}

const char* StyleName(platform::MessageStyle style) {
  switch (style) {
    case platform::MessageStyle::Plain:
      return "Plain";
    case platform::MessageStyle::Confirm:
      return "Confirm";
    case platform::MessageStyle::Error:
      return "Error";
  }
  return "?";
}

bool HasVisibleChild(const MenuItem& item) {
  for (int i = 0; i < item.Count(); ++i) {
    if (item[i].Visible()) return true;
  }
  return false;
}

std::vector<MenuEntryRecord> RecordEntries(const MenuItem& parent) {
  std::vector<MenuEntryRecord> entries;
  for (int i = 0; i < parent.Count(); ++i) {
    const MenuItem& item = parent[i];
    if (!item.Visible()) continue;
    entries.push_back({item.Name(), item.Caption(), item.IsSeparator(), item.Checked(), item.Enabled(),
                       item.ImageIndex(), RecordEntries(item)});
  }
  return entries;
}

const MenuEntryRecord* FindIn(const std::vector<MenuEntryRecord>& entries, const std::string& name) {
  for (const auto& entry : entries) {
    if (const MenuEntryRecord* found = entry.Find(name)) return found;
  }
  return nullptr;
}

}  // namespace

Frame FrameOf(BorderStyle border) {
  switch (border) {
    case BorderStyle::ToolWindow:
    case BorderStyle::ToolWindowNoButtons:
      return {{3, 19}, {6, 22}};
    case BorderStyle::DialogNoButtons:
      return {{3, 22}, {6, 25}};
    case BorderStyle::None:
      return {};
  }
  return {};
}

const MenuEntryRecord* MenuEntryRecord::Find(const std::string& entryName) const {
  if (name == entryName) return this;
  return FindIn(items, entryName);
}

const MenuEntryRecord* PopupRecord::Find(const std::string& entryName) const { return FindIn(entries, entryName); }

std::string Expectation::Describe() const {
  const std::string place = Concat("#", std::to_string(number), " ");
  switch (kind) {
    case Kind::MessageBox:
      return Concat(place, "message box answered ", answer == platform::MessageResult::Ok ? "Ok" : "Cancel");
    case Kind::Modal:
      return Concat(place, "modal form ", Quoted(name));
    case Kind::Popup:
      return Concat(place, "popup menu ", Quoted(name));
    case Kind::FileOpen:
      return Concat(place, "file-open dialog answered ", chosenFile ? Quoted(ShownName(*chosenFile)) : "Cancel");
    case Kind::FolderBrowse:
      return Concat(place, "folder browser answered ", chosenFile ? Quoted(ShownName(*chosenFile)) : "Cancel");
    case Kind::Font:
      return Concat(place, "font dialog answered ", chosenFont ? Quoted(chosenFont->name) : "Cancel");
    case Kind::Color:
      return Concat(place, "colour dialog answered ", chosenColor ? std::to_string(*chosenColor) : "Cancel");
  }
  return place;
}

ApplicationPeer::ApplicationPeer(Application& app) : app_(app) {}

ApplicationPeer& PeerOf(Application& app) { return static_cast<ApplicationPeer&>(app.Peer()); }

void ApplicationPeer::ProcessMessages() {
  if (!pending_) return;
  auto pending = pending_;
  pending();
}

void ApplicationPeer::RunModal(Form& form) {
  const std::string what = Concat("modal form ", Quoted(form.Name()));
  auto step = Next(what);
  if (step->kind != Expectation::Kind::Modal || step->name != form.Name()) {
    Fail(Concat(what, " was shown where the script expected ", step->Describe()));
  }
  modalForms_.push_back(&form);
  struct Pop {
    std::vector<Form*>& forms;
    ~Pop() { forms.pop_back(); }
  } pop{modalForms_};
  if (step->modal) step->modal(form);
  if (form.GetModalResult() == ModalResult::None && form.Visible()) {
    Fail(Concat("the script left ", what, " open: set a ModalResult or close it"));
  }
}

void ApplicationPeer::BringToForeground(Form& form) {
  if (form.Visible()) Activate(form);
}

Size ApplicationPeer::ScreenSize() {
  if (monitors_.empty()) return screen_;
  return {monitors_.front().bounds.width, monitors_.front().bounds.height};
}

std::vector<Monitor> ApplicationPeer::Monitors() {
  if (!monitors_.empty()) return monitors_;
  const Rect screen{0, 0, screen_.width, screen_.height};
  return {Monitor{screen, screen}};
}

MenuItem* ApplicationPeer::TrackPopup(PopupMenu& menu, Point screenPos) {
  const std::string owner = menu.Owner().Name();
  const std::string qualified = Concat(owner, ".", menu.Name());
  PopupRecord record{menu.Name(), owner, screenPos, RecordEntries(menu.Items()), {}};
  const std::size_t index = popups_.size();
  popups_.push_back(record);
  const std::string what = Concat("popup menu ", Quoted(qualified));
  auto step = Next(what);
  if (step->kind != Expectation::Kind::Popup || (step->name != menu.Name() && step->name != qualified)) {
    Fail(Concat(what, " was opened where the script expected ", step->Describe()));
  }
  std::string pick;
  {
    popupOpen_ = true;
    struct Closed {
      bool& open;
      ~Closed() { open = false; }
    } closed{popupOpen_};
    if (step->popup) pick = step->popup(record);
  }
  MenuItem* item = nullptr;
  if (!pick.empty()) {
    const std::string entry = Concat("entry ", Quoted(pick), " of ", what);
    item = menu.Items().Find(pick);
    if (item == nullptr) Fail(Concat(what, " has no entry ", Quoted(pick)));
    for (MenuItem* level = item; level != &menu.Items(); level = level->Parent()) {
      if (!level->Visible()) Fail(Concat(entry, " cannot be picked: ", Quoted(level->Name()), " is hidden"));
      if (!level->Enabled()) Fail(Concat(entry, " cannot be picked: ", Quoted(level->Name()), " is disabled"));
    }
    if (item->IsSeparator()) Fail(Concat(entry, " is a separator"));
    if (HasVisibleChild(*item)) Fail(Concat(entry, " opens a submenu: pick one of its entries"));
  }
  record.picked = pick;
  popups_[index] = record;
  step->shownPopup = record;
  return item;
}

platform::MessageResult ApplicationPeer::ShowMessage(const std::string& text, const std::string& caption,
                                                     platform::MessageStyle style) {
  const std::size_t index = messageBoxes_.size();
  messageBoxes_.push_back({text, caption, style, platform::MessageResult::Ok});
  const std::string what =
      Concat("message box ", Quoted(text), " (caption ", Quoted(caption), ", style ", StyleName(style), ")");
  auto step = Next(what);
  if (step->kind != Expectation::Kind::MessageBox) {
    Fail(Concat(what, " was shown where the script expected ", step->Describe()));
  }
  if (step->answer == platform::MessageResult::Cancel && style != platform::MessageStyle::Confirm) {
    Fail(Concat(what, " has no Cancel button, yet the script's ", step->Describe()));
  }
  messageBoxes_[index].answer = step->answer;
  step->box = messageBoxes_[index];
  return step->answer;
}

std::optional<platform::IncomingPath> ApplicationPeer::ChooseFileToOpen(FileOpenDialog& dialog) {
  return RunFileDialog(Expectation::Kind::FileOpen,
                       {dialog.Owner().Name(), dialog.Filter(), dialog.Title(), dialog.FileName(), {}});
}

std::optional<platform::IncomingPath> ApplicationPeer::BrowseForFolder(Form& owner, const std::string& title,
                                                                      const std::string& root) {
  return RunFileDialog(Expectation::Kind::FolderBrowse, {owner.Name(), {}, title, root, {}});
}

std::optional<platform::IncomingPath> ApplicationPeer::RunFileDialog(Expectation::Kind kind,
                                                                    FileDialogRecord record) {
  const std::string what = Concat(kind == Expectation::Kind::FileOpen ? "file-open dialog" : "folder browser",
                                  " of ", Quoted(record.owner));
  auto step = NextOfKind(kind, what);
  if (step->chosenFile) record.chosen = platform::Incoming(*step->chosenFile);
  step->fileDialog = record;
  return record.chosen;
}

void ApplicationPeer::Activate(Form& form) {
  const std::vector<Form*> forms = app_.Forms();
  for (Form* other : forms) {
    if (other != &form && other->Active()) other->SignalActivate(false);
  }
  form.SignalActivate(true);
}

void ApplicationPeer::DeactivateAll() {
  const std::vector<Form*> forms = app_.Forms();
  for (Form* form : forms) {
    if (form->Active()) form->SignalActivate(false);
  }
}

void ApplicationPeer::AdvanceClock(std::uint64_t milliseconds) {
  const std::uint64_t target = now_ + milliseconds;
  for (;;) {
    TimerPeer* next = nullptr;
    for (TimerPeer* timer : timers_) {
      if (timer->Scheduled() && timer->Due() <= target && (next == nullptr || timer->Due() < next->Due())) {
        next = timer;
      }
    }
    if (next == nullptr) break;
    now_ = std::max(now_, next->Due());
    // The next tick is due a whole interval later; a handler that changes the interval restarts it from now.
    next->Restart();
    next->GetTimer().SignalTimer();
  }
  now_ = std::max(now_, target);
}

void ApplicationPeer::RemoveTimer(TimerPeer& timer) { std::erase(timers_, &timer); }

bool ApplicationPeer::RegisterHotKey(HotKeysPeer& owner, int id, unsigned modifiers, unsigned virtualKey) {
  for (const auto& registration : hotKeys_) {
    if (registration.modifiers == modifiers && registration.virtualKey == virtualKey) return false;
  }
  hotKeys_.push_back({&owner, id, modifiers, virtualKey});
  return true;
}

void ApplicationPeer::UnregisterHotKey(HotKeysPeer& owner, int id) {
  std::erase_if(hotKeys_, [&](const HotKeyRegistration& r) { return r.owner == &owner && r.id == id; });
}

void ApplicationPeer::UnregisterAll(HotKeysPeer& owner) {
  std::erase_if(hotKeys_, [&](const HotKeyRegistration& r) { return r.owner == &owner; });
}

void ApplicationPeer::ReserveHotKey(unsigned modifiers, unsigned virtualKey) {
  hotKeys_.push_back({nullptr, 0, modifiers, virtualKey});
}

bool ApplicationPeer::PressHotKey(unsigned modifiers, unsigned virtualKey) {
  for (const auto& registration : hotKeys_) {
    if (registration.modifiers != modifiers || registration.virtualKey != virtualKey) continue;
    if (registration.owner == nullptr) return false;
    // The handler may change the table: take what it needs first.
    HotKeys& keys = registration.owner->Keys();
    const int id = registration.id;
    keys.SignalHotKey(id);
    return true;
  }
  return false;
}

void ApplicationPeer::AttachScript() {
  if (scriptAttached_) throw std::logic_error("a script is already attached to this application");
  scriptAttached_ = true;
  failures_.clear();
}

void ApplicationPeer::DetachScript() {
  scriptAttached_ = false;
  expectations_.clear();
}

std::shared_ptr<Expectation> ApplicationPeer::Expect(Expectation expectation) {
  expectation.number = ++expectationCount_;
  expectations_.push_back(std::make_shared<Expectation>(std::move(expectation)));
  return expectations_.back();
}

std::vector<std::string> ApplicationPeer::TakeProblems() {
  std::vector<std::string> problems = std::move(failures_);
  failures_.clear();
  for (const auto& step : expectations_) problems.push_back(Concat("the script's ", step->Describe(), " never happened"));
  expectations_.clear();
  return problems;
}

void ApplicationPeer::Fail(const std::string& message) {
  failures_.push_back(message);
  throw std::logic_error(message);
}

std::shared_ptr<Expectation> ApplicationPeer::NextOfKind(Expectation::Kind kind, const std::string& what) {
  auto step = Next(what);
  if (step->kind != kind) Fail(Concat(what, " came up where the script expected ", step->Describe()));
  return step;
}

std::shared_ptr<Expectation> ApplicationPeer::Next(const std::string& what) {
  ++modalRuns_;
  if (expectations_.empty()) {
    Fail(Concat("unscripted ", what, scriptAttached_ ? ": the script has no step left" : ": no script is attached"));
  }
  auto step = expectations_.front();
  expectations_.pop_front();
  step->used = true;
  return step;
}

FormPeer::FormPeer(Form& form) : form_(form) {
  const Frame frame = FrameOf(form.Border());
  const Size client = form.ClientSize();
  form.SignalBoundsChanged({form.Left(), form.Top(), client.width + frame.extra.width, client.height + frame.extra.height});
}

void FormPeer::Apply(Property property) {
  const Frame frame = FrameOf(form_.Border());
  switch (property) {
    case Property::Bounds:
      form_.SignalClientSize({std::max(0, form_.Width() - frame.extra.width), std::max(0, form_.Height() - frame.extra.height)});
      break;
    case Property::ClientSize: {
      const Size client = form_.ClientSize();
      form_.SignalBoundsChanged({form_.Left(), form_.Top(), client.width + frame.extra.width, client.height + frame.extra.height});
      break;
    }
    case Property::Visible:
      // As on the desktop: a window shown becomes the active one; a hidden one loses activation.
      if (form_.Visible()) {
        PeerOf(form_.Program()).Activate(form_);
      } else if (form_.Active()) {
        form_.SignalActivate(false);
      }
      break;
    default:
      break;
  }
}

TimerPeer::TimerPeer(Timer& timer) : timer_(timer), app_(PeerOf(timer.Owner().Program())) {
  app_.AddTimer(*this);
  Restart();
}

TimerPeer::~TimerPeer() { app_.RemoveTimer(*this); }

void TimerPeer::Restart() {
  scheduled_ = timer_.Running();
  if (scheduled_) due_ = app_.Now() + timer_.Interval();
}

void TimerPeer::Apply(Property property) {
  if (property == Property::Interval) Restart();
}

void ImageListPeer::Add(const platform::Icon& icon) {
  // The platform's list keeps a copy of its own; an empty icon keeps its place.
  copies_.push_back(icon ? platform::headless::MakeFakeIcon(platform::headless::FakeIconDescription(icon))
                         : platform::Icon());
}

HotKeysPeer::HotKeysPeer(HotKeys& keys) : keys_(keys), app_(PeerOf(keys.Owner().Program())) {}

// The registrations end with their window.
HotKeysPeer::~HotKeysPeer() { app_.UnregisterAll(*this); }

bool HotKeysPeer::Register(int id, unsigned modifiers, unsigned virtualKey) {
  return app_.RegisterHotKey(*this, id, modifiers, virtualKey);
}

void HotKeysPeer::Unregister(int id) { app_.UnregisterHotKey(*this, id); }

}  // namespace ui::headless

namespace ui::backend {

std::unique_ptr<ApplicationPeer> CreateApplicationPeer(Application& app) {
  return std::make_unique<headless::ApplicationPeer>(app);
}

std::unique_ptr<Peer> CreatePeer(Form& form) { return std::make_unique<headless::FormPeer>(form); }

std::unique_ptr<Peer> CreatePeer(Label&) { return std::make_unique<headless::RecordingPeer>(); }

std::unique_ptr<Peer> CreatePeer(Image&) { return std::make_unique<headless::RecordingPeer>(); }

std::unique_ptr<Peer> CreatePeer(Bevel&) { return std::make_unique<headless::RecordingPeer>(); }

std::unique_ptr<Peer> CreatePeer(Edit&) { return std::make_unique<headless::RecordingPeer>(); }

std::unique_ptr<Peer> CreatePeer(Button&) { return std::make_unique<headless::RecordingPeer>(); }

std::unique_ptr<Peer> CreatePeer(CheckBox&) { return std::make_unique<headless::RecordingPeer>(); }

std::unique_ptr<Peer> CreatePeer(ComboBox&) { return std::make_unique<headless::RecordingPeer>(); }

std::unique_ptr<Peer> CreatePeer(SpinButton&) { return std::make_unique<headless::RecordingPeer>(); }

std::unique_ptr<Peer> CreatePeer(Panel&) { return std::make_unique<headless::RecordingPeer>(); }

std::unique_ptr<Peer> CreatePeer(Timer& timer) { return std::make_unique<headless::TimerPeer>(timer); }

std::unique_ptr<ImageListPeer> CreatePeer(ImageList&) { return std::make_unique<headless::ImageListPeer>(); }

std::unique_ptr<HotKeysPeer> CreatePeer(HotKeys& keys) { return std::make_unique<headless::HotKeysPeer>(keys); }

}  // namespace ui::backend
