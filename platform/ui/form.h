#pragma once
// A top-level window. Forms are created once at start-up and shown, hidden
// and shown modally again; they are never destroyed before the program ends.
// A form and its controls get their platform windows on first use (the first
// show, or the first need of the form's handle); until then the widgets only
// hold their properties, which the peers mirror when they are made.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/incoming_path.h"
#include "platform/ui/callback.h"
#include "platform/ui/control.h"

namespace ui {

class Button;
class WinControl;

// Every form has a fixed size.
enum class BorderStyle {
  ToolWindow,           // small caption with a close box only
  ToolWindowNoButtons,  // small caption, no close box: closes through its own buttons
  DialogNoButtons,      // ordinary dialog frame and caption, no title-bar buttons
  None,                 // no frame and no caption (the edge strip)
};

class Form : public Control {
 public:
  Form(Application& app, std::string name, std::string caption, BorderStyle border);
  ~Form() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  // Whether the form has its platform window (and its controls theirs).
  bool HasWindow() const { return GetPeer() != nullptr; }
  // Makes the form's window, then its controls' in creation order (parents
  // before children), unless it has one. Showing calls it; so does a backend
  // that needs the form's handle (an owner, a hot key's or the tray icon's window).
  void HandleNeeded();
  BorderStyle Border() const { return border_; }
  bool IsContainer() const override { return true; }

  // The client area; the backend derives the outer size from its frame.
  const Size& ClientSize() const { return clientSize_; }
  void SetClientSize(Size size);

  // Showing fires onShow first (also when it comes back after a Hide).
  void SetVisible(bool visible) override;
  // Asks onClose, then hides; closing the application's main form ends the program.
  void Close();

  // Shows the form, runs until ModalResult is set (or the form is closed),
  // hides it again and returns the result.
  ModalResult ShowModal();
  ModalResult GetModalResult() const { return modalResult_; }
  void SetModalResult(ModalResult result);
  bool IsModal() const { return modal_; }

  bool Active() const { return active_; }
  // Makes the form the foreground window.
  void BringToForeground();
  // Places the form in the middle of the screen.
  void CentreOnScreen();

  // Files dropped from the shell arrive through onDropFiles, each as the
  // path the launcher can keep (or none).
  bool AcceptsFiles() const { return acceptFiles_; }
  void SetAcceptFiles(bool accept);

  // Translucency: an opacity 0..255, or none for an opaque window. The backend
  // applies it only where the platform offers layered windows.
  std::optional<std::uint8_t> Alpha() const { return alpha_; }
  void SetAlpha(std::optional<std::uint8_t> alpha);

  bool TopMost() const { return topMost_; }
  void SetTopMost(bool topMost);

  // Keyboard in dialogs, the same on every backend. The tab order lists the
  // form's windowed controls, in creation order unless set; Tab and
  // Shift+Tab visit those that CanFocus. Enter presses the focused button,
  // else the default button; Esc presses the cancel button; a button pressed
  // by key must be visible and enabled.
  const std::vector<WinControl*>& TabOrder() const { return tabOrder_; }
  void SetTabOrder(std::vector<WinControl*> order);
  // The next control Tab (or Shift+Tab, backwards) reaches from from (from
  // the start when nullptr); nullptr when none can take the focus.
  WinControl* NextTabStop(const WinControl* from, bool backwards) const;
  // The control that has (or, while the form is inactive, gets back) the focus.
  WinControl* ActiveControl() const { return activeControl_; }
  // The first button marked default (nullptr when none).
  Button* DefaultButton() const;
  // What Enter presses while focused has the focus: that control when it is
  // a button, else the default button. The platform draws the default frame
  // on it.
  Button* ButtonForEnter(const WinControl* focused) const;

  Callback<void()> onShow;
  Callback<void()> onHide;
  Callback<void()> onClose;
  Callback<void()> onActivate;
  Callback<void()> onDeactivate;
  Callback<void(char)> onKeyPress;
  Callback<void(const std::vector<platform::IncomingPath>&)> onDropFiles;

  void SignalCloseRequest() { Close(); }
  // Activation gives the focus back to ActiveControl, or to the first tab
  // stop when that cannot take it; the backend applies the result.
  void SignalActivate(bool active);
  void SignalDialogKey(DialogKey key);
  void SignalFocusChanged(WinControl* control);
  // The platform was told to make button the default one.
  void SignalDefaultButton(Button& button);
  // Called by WinControl's constructor and destructor.
  void AddToTabOrder(WinControl& control);
  void RemoveFromTabOrder(WinControl& control);
  void SignalKeyPress(char key);
  void SignalDropFiles(const std::vector<platform::IncomingPath>& files);
  // The backend reports the client size that goes with the outer size it set.
  void SignalClientSize(Size size) { clientSize_ = size; }
  // Called by Control's constructor and destructor.
  void AddMember(Control& control) { members_.push_back(&control); }
  void RemoveMember(Control& control);

 protected:
  std::unique_ptr<Peer> MakePeer() override;
  // Without a window the form keeps its outer and client sizes in step itself.
  void ChangedWithoutPeer(Property property) override;

 private:
  Button* FindButton(const Callback<bool(const Button&)>& wanted) const;

  std::string caption_;
  BorderStyle border_;
  Size clientSize_;
  ModalResult modalResult_ = ModalResult::None;
  bool modal_ = false;
  bool active_ = false;
  bool acceptFiles_ = false;
  std::optional<std::uint8_t> alpha_;
  bool topMost_ = false;
  std::vector<WinControl*> tabOrder_;
  bool tabOrderSet_ = false;
  WinControl* activeControl_ = nullptr;
  // Every control on the form, at any depth, in creation order.
  std::vector<Control*> members_;
  bool makingWindow_ = false;
};

namespace backend {
std::unique_ptr<Peer> CreatePeer(Form& form);
}

}  // namespace ui
