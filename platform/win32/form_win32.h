#pragma once
// A form's window. It paints and hit-tests its graphic children (Label,
// Image, Bevel) itself, double-buffered, and hosts their tips.

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/ui/form.h"
#include "platform/win32/tooltips_win32.h"
#include "platform/win32/window.h"

namespace ui::win32 {

class ApplicationWin32;

constexpr char kFormClassName[] = "PelorinForm";

// A component that takes messages of its form's window (the tray icon's
// callback message, WM_HOTKEY). Returns whether it handled the message.
class MessageHandler {
 public:
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

 protected:
  ~MessageHandler() = default;
};

class FormWin32 final : public Peer, public Window {
 public:
  FormWin32(Form& form, ApplicationWin32& app);
  ~FormWin32() override;

  static FormWin32& Of(Form& form);

  void Update(Property property) override;

  void AddMessageHandler(UINT message, MessageHandler& handler);
  void RemoveMessageHandler(MessageHandler& handler);

  // For the graphic children: repaint a rectangle of the client area, the
  // tips, and forgetting a control that goes away.
  void Invalidate(const RECT& area);
  Tooltips& Tips() { return *tips_; }
  void ControlGone(const Control& control);

  // The window that was active before this one was activated.
  HWND ActivatedFrom() const { return activatedFrom_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  DWORD Style() const;
  DWORD ExStyle() const;
  RECT OuterRectFor(Size client) const;
  void ApplyBounds();
  void ApplyClientSize();
  void ApplyTopMost();
  void ReportGeometry();

  void Paint();
  // The topmost visible, enabled graphic child under the point, else the form.
  Control& ControlAt(POINT at);
  bool Hits(const Control& control, POINT at) const;
  Point LocalPoint(const Control& control, POINT at) const;
  void MouseDown(MouseButton button, WPARAM wParam, POINT at);
  void MouseUp(MouseButton button, WPARAM wParam, POINT at);
  void MouseMove(WPARAM wParam, POINT at);
  void DropFiles(HDROP drop);

  struct HandlerEntry {
    UINT message;
    MessageHandler* handler;
  };

  Form& form_;
  ApplicationWin32& app_;
  // Made once the window exists.
  std::unique_ptr<Tooltips> tips_;
  std::vector<HandlerEntry> handlers_;
  // The control that got the last press; it gets the moves and the release.
  Control* pressed_ = nullptr;
  // The control that a left release over it would click.
  Control* clickCandidate_ = nullptr;
  HWND activatedFrom_ = nullptr;
};

}  // namespace ui::win32
