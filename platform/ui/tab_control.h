#pragma once
// A strip of tabs (several rows when they do not fit one). The pages are
// the caller's: controls placed over the strip, shown and hidden on onChange,
// as Windows' own dialogs do it.

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/callback.h"
#include "platform/ui/win_control.h"

namespace ui {

class TabControl : public WinControl {
 public:
  // The tabs' captions come from props.items.
  TabControl(Control& parent, const ControlProps& props);

  const std::vector<std::string>& Tabs() const { return tabs_; }
  int TabIndex() const { return tabIndex_; }
  // Never fires onChange: that is for the user's choice.
  void SetTabIndex(int index);
  // Where the pages belong: inside the frame, below the rows of tabs, in the
  // strip's client coordinates. The platform lays the rows out by the
  // captions, the width and the font, so it may take more rows than planned.
  const Rect& DisplayArea() const { return displayArea_; }

  // The user chose another tab.
  Callback<void()> onChange;

  void SignalTabChosen(int index);
  // The backend reports the display area whenever its layout of the rows changed.
  void SignalDisplayArea(Rect area) { displayArea_ = area; }

 protected:
  std::unique_ptr<Peer> MakePeer() override;

 private:
  std::vector<std::string> tabs_;
  int tabIndex_ = 0;
  Rect displayArea_;
};

namespace backend {
std::unique_ptr<Peer> CreatePeer(TabControl& tabs);
}

}  // namespace ui
