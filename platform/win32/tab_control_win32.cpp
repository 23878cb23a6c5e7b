// The tab strip's peer: a SysTabControl32 with as many rows as its tabs need.
// The pages are the caller's controls, siblings placed over the strip's page
// area; so that they (windows, and what the container paints: labels, group
// boxes) show and take the pointer there, the strip's window region leaves
// that area out. Its z-order stays the tab order, which the form keeps. The
// same area is reported to the widget, so that the pages can follow the rows.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/ui/tab_control.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win_controls_win32.h"

namespace ui::win32 {

namespace {

class TabControlWin32 final : public WinControlPeer {
 public:
  explicit TabControlWin32(TabControl& tabs) : WinControlPeer(tabs), tabs_(tabs) {
    CreateChild(WC_TABCONTROLW, TCS_MULTILINE, 0, "");
    InsertTabs();
    Apply(Property::ItemIndex);
    LeavePageArea();
  }

  void Update(Property property) override {
    WinControlPeer::Update(property);
    // The rows, and with them the page area, follow the size and the font.
    if (property == Property::Bounds || property == Property::Font) LeavePageArea();
  }

  LRESULT OnNotify(const NMHDR& header) override {
    if (header.code == TCN_SELCHANGE && !IsMuted()) {
      tabs_.SignalTabChosen(static_cast<int>(SendMessageW(Hwnd(), TCM_GETCURSEL, 0, 0)));
    }
    return 0;
  }

 private:
  void Apply(Property property) override {
    if (property == Property::ItemIndex) {
      Muted([&] { SendMessageW(Hwnd(), TCM_SETCURSEL, static_cast<WPARAM>(tabs_.TabIndex()), 0); });
    }
  }

  void InsertTabs() {
    const auto& captions = tabs_.Tabs();
    for (std::size_t i = 0; i < captions.size(); ++i) {
      std::wstring caption = platform::win32::Wide(captions[i]);
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = caption.data();
      SendMessageW(Hwnd(), TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
  }

  // Keeps the tabs and the frame around the page area, not the area itself.
  void LeavePageArea() {
    RECT whole;
    GetClientRect(Hwnd(), &whole);
    RECT page = whole;
    SendMessageW(Hwnd(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    tabs_.SignalDisplayArea(Rect{static_cast<int>(page.left), static_cast<int>(page.top),
                                 static_cast<int>(std::max(page.right - page.left, LONG{0})),
                                 static_cast<int>(std::max(page.bottom - page.top, LONG{0}))});
    if (IsRectEmpty(&page)) {
      SetWindowRgn(Hwnd(), nullptr, TRUE);
      return;
    }
    HRGN frame = CreateRectRgnIndirect(&whole);
    HRGN inside = CreateRectRgnIndirect(&page);
    if (frame != nullptr && inside != nullptr && CombineRgn(frame, frame, inside, RGN_DIFF) != ERROR) {
      // The system owns the region from here on.
      if (SetWindowRgn(Hwnd(), frame, TRUE)) frame = nullptr;
    }
    if (frame != nullptr) DeleteObject(frame);
    if (inside != nullptr) DeleteObject(inside);
  }

  TabControl& tabs_;
};

}  // namespace

}  // namespace ui::win32

namespace ui {

std::unique_ptr<Peer> backend::CreatePeer(TabControl& tabs) { return std::make_unique<win32::TabControlWin32>(tabs); }

}  // namespace ui
