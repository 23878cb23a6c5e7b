#pragma once
// A list in report view: fixed columns with headers, rows of texts (the first
// text is the row's caption), at most one row selected, read-only.

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/callback.h"
#include "platform/ui/win_control.h"

namespace ui {

struct ListColumn {
  std::string caption;
  int width = 0;
};

// The texts of a row, one per column.
using ListRow = std::vector<std::string>;

class ListView : public WinControl {
 public:
  ListView(Control& parent, const ControlProps& props, std::vector<ListColumn> columns);

  const std::vector<ListColumn>& Columns() const { return columns_; }
  // Every row holds one text per column: missing ones are empty, extra ones dropped.
  const std::vector<ListRow>& Rows() const { return rows_; }
  // Replaces every row; none is selected afterwards.
  void SetRows(std::vector<ListRow> rows);
  // Appends a row; the selection stays.
  void AddRow(ListRow row);
  // The text of the first column of row.
  void SetCaption(int row, std::string caption);
  // The selected row, -1 for none.
  int ItemIndex() const { return itemIndex_; }
  // Never fires onChange: that is for the user's choice. Out of range selects none.
  void SetItemIndex(int index);

  // After the user changed the selection, also to none.
  Callback<void()> onChange;

  // The user selected a row (-1: none).
  void SignalSelected(int index);

 protected:
  std::unique_ptr<Peer> MakePeer() override;

 private:
  ListRow Fitted(ListRow row) const;

  std::vector<ListColumn> columns_;
  std::vector<ListRow> rows_;
  int itemIndex_ = -1;
};

namespace backend {
std::unique_ptr<Peer> CreatePeer(ListView& list);
}

}  // namespace ui
