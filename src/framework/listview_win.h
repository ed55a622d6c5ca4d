#pragma once
// The native list view in report view with owner data: it holds a row count only and asks for
// the texts of a row whenever it needs them (OnData), so a list of any length costs only the
// rows on show. Single selection, whole-row selection.

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/control_win.h"

namespace vl {

class TListView : public TWinControl {
 public:
  explicit TListView(TComponent* owner);

  void AddColumn(std::string_view caption_utf8, int width);
  int ColumnCount() const { return int(columns_.size()); }
  int ColumnWidth(int column) const;

  int ItemCount() const { return item_count_; }
  void SetItemCount(int count);
  // The selected row, or -1 when none is selected.
  int ItemIndex() const;
  void SetItemIndex(int row);
  int TopIndex() const;
  // Scrolls so that row is the first one on show, as far as the rows below it allow.
  void SetTopIndex(int row);
  int VisibleRowCount() const;

  void SetColors(COLORREF background, COLORREF text);

  // The texts of `row` as the list shows them (what OnData gives, ANSI bytes).
  std::string ItemText(int row, int column) const;

  // Fills `texts` with the row's caption and then its sub-items, as ANSI bytes.
  std::function<void(int row, std::vector<std::string>& texts)> OnData;
  std::function<void()> OnDblClick;
  // A click on a column's header section (not on a divider).
  std::function<void(int column)> OnColumnClick;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  LRESULT Notify(NMHDR& header) override;
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override;

 private:
  struct Column {
    std::wstring caption;
    int width;
  };
  void InsertColumn(int index);
  void FillDisplayInfo(LVITEMW& item);
  void FillDisplayInfo(LVITEMA& item);
  std::string FetchText(int row, int column) const;

  std::vector<Column> columns_;
  int item_count_ = 0;
  // While the list paints, it asks for each column of a row in turn: the row's texts are made
  // once for all its columns (one size lookup a row). Outside a paint every request is fresh.
  bool painting_ = false;
  mutable int painted_row_ = -1;
  mutable std::vector<std::string> painted_texts_;
};

}  // namespace vl
