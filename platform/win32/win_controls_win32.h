#pragma once
// Peers of the windowed controls: child windows of the standard classes
// (EDIT, BUTTON, COMBOBOX, msctls_updown32) and of the panel class, each with
// an id of its own and the control's font. Their container hands them the
// notifications they send (WM_COMMAND, WM_NOTIFY). A change made from code is
// applied with the peer's own notifications muted, so that it never reaches
// the control as the user's.

#include <windows.h>

#include <string>

#include "platform/ui/peer.h"
#include "platform/ui/win_control.h"
#include "platform/win32/handles.h"

namespace ui::win32 {

class ContainerWin32;

// Posted by WinControlPeer::Defer to its container: WPARAM the value, LPARAM the child.
constexpr UINT kDeferredMessage = WM_APP + 1;

class WinControlPeer : public Peer {
 public:
  // The peer of one of our child windows, or nullptr.
  static WinControlPeer* FromHandle(HWND hwnd);

  void Update(Property property) override;
  // A WM_COMMAND notification code the window sent.
  virtual void OnCommand(WORD) {}
  // A WM_NOTIFY the window sent; the result goes back to it.
  virtual LRESULT OnNotify(const NMHDR&) { return 0; }
  // What Defer posted, now that the window has finished its own handling.
  virtual void OnDeferred(WPARAM) {}
  // A WM_CTLCOLOR... the window sent: the colours set on dc and the brush
  // of its background, or nullptr to keep the platform's colours.
  virtual HBRUSH ControlColors(HDC) { return nullptr; }

  HWND Hwnd() const { return hwnd_; }
  WORD Id() const { return id_; }
  WinControl& Widget() const { return control_; }

 protected:
  explicit WinControlPeer(WinControl& control);
  ~WinControlPeer() override;

  // Creates the child window of a standard class in the control's container.
  void CreateChild(const wchar_t* className, DWORD style, DWORD exStyle, const std::string& text);
  // Takes a window made elsewhere (a panel makes its own).
  void Attach(HWND hwnd);
  // The properties beyond the common ones.
  virtual void Apply(Property) {}
  // The window's height; a drop-down list is taller than its box.
  virtual int WindowHeight() const { return control_.Height(); }
  // WS_GROUP where a run of radio buttons starts or ends among the parent's
  // windowed controls: the arrow keys move the choice within such a group.
  DWORD GroupStyle() const;
  // Runs a change of the window made from code with notifications muted.
  template <class Change>
  void Muted(Change change) {
    const bool was = muted_;
    muted_ = true;
    change();
    muted_ = was;
  }
  bool IsMuted() const { return muted_; }
  // Runs OnDeferred(value) once the current message is done: the control's
  // effect must not pump messages inside the window's own handling of a
  // click (an up-down control would miss its button release and repeat).
  void Defer(WPARAM value);
  // For ControlColors: the control's Color and font colour.
  HBRUSH OwnColors(HDC dc);
  ContainerWin32& Container() const { return container_; }

 private:
  void ApplyBounds();
  void UpdateTip();

  WinControl& control_;
  ContainerWin32& container_;
  HWND hwnd_ = nullptr;
  WORD id_;
  bool ownsWindow_ = false;
  bool muted_ = false;
  bool hasTip_ = false;
  Font font_;
  Brush brush_;
  ColorValue brushColor_ = 0;
};

}  // namespace ui::win32
