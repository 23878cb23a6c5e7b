#pragma once
// A form's window: a container of controls (see ContainerWin32) with a
// frame, a caption, activation, the dialog keys and dropped files.

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/ui/form.h"
#include "platform/win32/container_win32.h"

namespace ui::win32 {

class ApplicationWin32;

class FormWin32 final : public Peer, public ContainerWin32 {
 public:
  FormWin32(Form& form, ApplicationWin32& app);
  ~FormWin32() override;

  // The form's peer; makes the form's window first when it has none.
  static FormWin32& Of(Form& form);
  // How much the outer size of a form with that border exceeds its client size.
  static Size FrameSize(BorderStyle border);

  void Update(Property property) override;

  // Whether the form has controls that take the keyboard: then the message
  // loops pass its messages through the dialog-message handling.
  bool IsDialog() const { return !form_.TabOrder().empty(); }

  // The window that was active before this one was activated.
  HWND ActivatedFrom() const { return activatedFrom_; }

  // Draws the default frame on the button Enter presses now (the focused
  // button, else the default one) and on no other. The system's dialog
  // handling does the same on Windows; Wine's leaves the frame off when the
  // focus moves from a button to another kind of control, and never moves
  // it on a click, so the message loops call this after each message.
  void ShowDefaultFrame();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static DWORD StyleOf(BorderStyle border);
  static DWORD ExStyleOf(BorderStyle border);
  DWORD Style() const { return StyleOf(form_.Border()); }
  DWORD ExStyle() const { return ExStyleOf(form_.Border()); }
  RECT OuterRectFor(Size client) const;
  void ApplyBounds();
  void ApplyClientSize();
  void CorrectClientSize();
  void ApplyTopMost();
  void ApplyAcceptFiles();
  void ReportGeometry();
  // Puts the windowed controls' windows in the form's tab order.
  void ApplyTabOrder();
  // Gives the focus to the form's ActiveControl (after an activation).
  void FocusActiveControl();
  // Before the form goes inactive, as a dialog does: the tab strip and the
  // hot-key box do not report getting the focus.
  void RememberFocus();
  // Enter and Esc as the dialog-message handling reports them.
  bool DialogKey(WPARAM wParam, LPARAM lParam);
  // DM_GETDEFID: the default button's id, for the dialog-message handling's
  // Enter and Tab; none while it cannot be pressed.
  LRESULT DefaultId() const;
  // DM_SETDEFID.
  void SetDefaultId(WPARAM id);
  // visit(button, peer) for each push button of the form that has its window.
  template <class Visit>
  void ForEachButtonPeer(Visit visit) const;
  void DropFiles(HDROP drop);

  Form& form_;
  ApplicationWin32& app_;
  HWND activatedFrom_ = nullptr;
  // The tips of the form and its panels; their window comes with the first pointing.
  std::unique_ptr<Tooltips> tips_;
};

}  // namespace ui::win32
