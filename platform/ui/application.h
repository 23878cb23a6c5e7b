#pragma once
// The program as the platform sees it: the message loop, the screen, the
// pointer, the title and taskbar entry, message boxes, and everything modal.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/incoming_path.h"
#include "platform/message_boxes.h"
#include "platform/ui/peer.h"
#include "platform/ui/types.h"

namespace ui {

enum class BorderStyle;
class ColorDialog;
class FileOpenDialog;
class FontDialog;
class Form;
class MenuItem;
class PopupMenu;

// What the backend does for the application as a whole.
class ApplicationPeer {
 public:
  virtual ~ApplicationPeer() = default;

  // Runs the message loop until Terminate.
  virtual void Run() = 0;
  // Delivers the messages that are waiting (painting, timers, input), then returns.
  virtual void ProcessMessages() = 0;
  virtual void Terminate() = 0;
  // Runs until form.GetModalResult() is set or the form is hidden.
  virtual void RunModal(Form& form) = 0;
  // Makes the form the foreground window (Form::BringToForeground).
  virtual void BringToForeground(Form& form) = 0;
  // Shows the menu; returns the picked entry or nullptr when dismissed.
  virtual MenuItem* TrackPopup(PopupMenu& menu, Point screenPos) = 0;
  virtual platform::MessageResult ShowMessage(const std::string& text, const std::string& caption,
                                              platform::MessageStyle style) = 0;
  // The file-open dialog; the chosen file, or nothing when cancelled.
  virtual std::optional<platform::IncomingPath> ChooseFileToOpen(FileOpenDialog& dialog) = 0;
  // The font and colour dialogs over their owner, starting at what they hold;
  // the choice, or nothing when cancelled.
  virtual std::optional<FontSpec> RunFontDialog(FontDialog& dialog) = 0;
  virtual std::optional<ColorValue> RunColorDialog(ColorDialog& dialog) = 0;
  // The folder browser over the owner: the tree starts at the desktop, only
  // file-system folders can be confirmed, title is shown above the tree and
  // root (when not empty) is selected at the start. The chosen folder, or
  // nothing when cancelled.
  virtual std::optional<platform::IncomingPath> BrowseForFolder(Form& owner, const std::string& title,
                                                              const std::string& root) = 0;

  virtual Point CursorPos() = 0;
  // How much a form's outer size exceeds its client size with that border.
  virtual Size FrameSize(BorderStyle border) = 0;
  // The primary monitor's size.
  virtual Size ScreenSize() = 0;
  // Every monitor of the desktop, the primary one first.
  virtual std::vector<Monitor> Monitors() = 0;
  virtual void TitleChanged() = 0;
  virtual void HideTaskbarButton() = 0;
  // Whether forms can be made translucent (Form::SetAlpha) on this system.
  virtual bool TranslucencyAvailable() = 0;
};

class Application : public platform::MessageBoxes {
 public:
  Application();
  ~Application() override;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  const std::string& Title() const { return title_; }
  void SetTitle(std::string title);

  // The main form: the first form created; closing it ends the program.
  Form* MainForm() const { return mainForm_; }
  const std::vector<Form*>& Forms() const { return forms_; }

  // Shows the main form and runs the message loop until it closes.
  void Run();
  void ProcessMessages();
  void Terminate();
  bool Terminated() const { return terminated_; }

  Point CursorPos();
  Size ScreenSize();
  std::vector<Monitor> Monitors();
  // Removes the program's button from the taskbar.
  void HideTaskbarButton();
  // Whether forms can be made translucent here; decided once per run.
  bool TranslucencyAvailable();

  platform::MessageResult ShowMessage(const std::string& text, const std::string& caption,
                                      platform::MessageStyle style) override;

  ApplicationPeer& Peer() { return *peer_; }

  // Called by Form's constructor and destructor.
  void RegisterForm(Form& form);
  void UnregisterForm(Form& form);

 private:
  std::string title_;
  Form* mainForm_ = nullptr;
  std::vector<Form*> forms_;
  bool terminated_ = false;
  std::unique_ptr<ApplicationPeer> peer_;
};

namespace backend {
std::unique_ptr<ApplicationPeer> CreateApplicationPeer(Application& app);
}

}  // namespace ui
