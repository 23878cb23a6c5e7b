// The list view's peer: a SysListView32 in report view with full-row
// selection, one row selectable at a time, its columns made once.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/ui/list_view.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win_controls_win32.h"

namespace ui::win32 {

namespace {

class ListViewWin32 final : public WinControlPeer {
 public:
  explicit ListViewWin32(ListView& list) : WinControlPeer(list), list_(list) {
    // The selection stays visible while the user works the buttons beside the list.
    CreateChild(WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE, "");
    SendMessageW(Hwnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    InsertColumns();
    Apply(Property::Items);
  }

  LRESULT OnNotify(const NMHDR& header) override {
    if (header.code == NM_SETFOCUS) list_.SignalFocused();
    if (header.code == LVN_ITEMCHANGED && !IsMuted()) {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if ((change.uChanged & LVIF_STATE) != 0 && ((change.uOldState ^ change.uNewState) & LVIS_SELECTED) != 0) {
        list_.SignalSelected(SelectedRow());
      }
    }
    return 0;
  }

 private:
  int SelectedRow() const {
    return static_cast<int>(SendMessageW(Hwnd(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  }

  void InsertColumns() {
    const auto& columns = list_.Columns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
      std::wstring caption = platform::win32::Wide(columns[i].caption);
      LVCOLUMNW column{};
      column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
      column.cx = columns[i].width;
      column.pszText = caption.data();
      column.iSubItem = static_cast<int>(i);
      SendMessageW(Hwnd(), LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
  }

  void Apply(Property property) override {
    // Deleting and selecting rows sends LVN_ITEMCHANGED, which is no choice of the user's.
    Muted([&] {
      if (property == Property::Items) FillRows();
      if (property == Property::Items || property == Property::ItemIndex) ShowSelection();
    });
  }

  void FillRows() {
    SendMessageW(Hwnd(), LVM_DELETEALLITEMS, 0, 0);
    const auto& rows = list_.Rows();
    for (std::size_t r = 0; r < rows.size(); ++r) {
      for (std::size_t c = 0; c < rows[r].size(); ++c) {
        std::wstring text = platform::win32::Wide(rows[r][c]);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(r);
        item.iSubItem = static_cast<int>(c);
        item.pszText = text.data();
        if (c == 0) {
          SendMessageW(Hwnd(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        } else {
          SendMessageW(Hwnd(), LVM_SETITEMTEXTW, r, reinterpret_cast<LPARAM>(&item));
        }
      }
    }
  }

  void ShowSelection() {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = 0;
    SendMessageW(Hwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    const int row = list_.ItemIndex();
    if (row < 0) return;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(Hwnd(), LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    SendMessageW(Hwnd(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
  }

  ListView& list_;
};

}  // namespace

}  // namespace ui::win32

namespace ui {

std::unique_ptr<Peer> backend::CreatePeer(ListView& list) { return std::make_unique<win32::ListViewWin32>(list); }

}  // namespace ui
