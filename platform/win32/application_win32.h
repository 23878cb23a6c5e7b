#pragma once
// The application on Win32: a hidden owner window that owns every form,
// carries the taskbar button and takes the timers' and components' messages;
// the message loops, popup menus and message boxes.

#include <windows.h>

#include <array>
#include <cstdint>
#include <utility>
#include <memory>
#include <optional>
#include <vector>

#include "platform/ui/application.h"

namespace ui {
class Timer;
}

namespace ui::win32 {

class FormWin32;

// The backend's window classes, each registered with its first window.
enum class WindowClass { Owner, Form, Panel };

// A component that takes messages of the owner window (the tray icon's
// callback message, WM_HOTKEY). Returns whether it handled the message.
class MessageHandler {
 public:
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

 protected:
  ~MessageHandler() = default;
};

class ApplicationWin32 final : public ApplicationPeer {
 public:
  explicit ApplicationWin32(Application& app);
  ~ApplicationWin32() override;

  static ApplicationWin32& Of(Application& app);

  void Run() override;
  void ProcessMessages() override;
  void Terminate() override;
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
  Point CursorPos() override;
  Size FrameSize(BorderStyle border) override;
  Size ScreenSize() override;
  std::vector<Monitor> Monitors() override;
  void TitleChanged() override;
  void HideTaskbarButton() override;
  // Looks SetLayeredWindowAttributes up in user32.dll, once.
  bool TranslucencyAvailable() override;

  // The owner of every form and of the popup menus.
  HWND OwnerHandle();
  void AddMessageHandler(UINT message, MessageHandler& handler);
  void RemoveMessageHandler(MessageHandler& handler);
  const wchar_t* ClassName(WindowClass windowClass);
  // The program's icon (resource 1 of the executable, else the system's).
  HICON LargeIcon();
  HICON SmallIcon();

  // An id for a new windowed control; none is IDOK or IDCANCEL, which stand
  // for Enter and Esc in a dialog.
  WORD NewControlId() { return nextControlId_++; }

  // Timers run on the owner window, one timer id per Timer.
  UINT_PTR AddTimer(Timer& timer);
  void RemoveTimer(UINT_PTR id);
  void StartTimer(UINT_PTR id, unsigned interval);
  void StopTimer(UINT_PTR id);

  // Opacity through SetLayeredWindowAttributes, looked up at run time; a
  // system without it leaves the window opaque.
  void SetAlpha(HWND window, std::optional<std::uint8_t> alpha);

  // A modal form that is about to hide hands the activation back first, so
  // that the system does not activate another program's window.
  void BeforeHide(Form& form);
  // The owner window carries the taskbar button; it appears with the first
  // form shown, unless the button was removed before.
  void BeforeShow();

 private:
  class OwnerWindow;
  struct ModalFrame;

  // The window comes with its first use (the first form, timer or
  // component), so a copy that ends at the single-instance check makes none.
  OwnerWindow& Owner();
  HWND ActiveFormOrMain();
  // Translates and dispatches one message, through the dialog-message
  // handling where it belongs to a form with controls.
  void Dispatch(MSG& msg);
  void EndModalFrame(ModalFrame& frame);
  void FireTimer(UINT_PTR id);

  Application& app_;
  HICON largeIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  std::unique_ptr<OwnerWindow> owner_;
  std::vector<std::pair<UINT, MessageHandler*>> handlers_;
  std::array<bool, 3> classRegistered_ = {};
  std::vector<std::pair<UINT_PTR, Timer*>> timers_;
  UINT_PTR nextTimerId_ = 1;
  WORD nextControlId_ = 100;
  std::vector<ModalFrame*> modalFrames_;
  // The colour dialog's custom colours, kept while the program runs.
  std::array<COLORREF, 16> customColors_;
  bool ownerShown_ = false;
  bool taskbarButtonHidden_ = false;
  bool layeredLookedUp_ = false;
  using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  SetLayeredWindowAttributesFn setLayeredWindowAttributes_ = nullptr;
};

}  // namespace ui::win32
