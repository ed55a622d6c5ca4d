#include "framework/listview_win.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "framework/text_win.h"

namespace vl {

TListView::TListView(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetColor(clWindow);
}

void TListView::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.class_name = WC_LISTVIEWW;
  params.style |= LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
  params.ex_style |= WS_EX_CLIENTEDGE;
}

void TListView::HandleCreated() {
  ListView_SetExtendedListViewStyle(Handle(), LVS_EX_FULLROWSELECT);
  for (int i = 0; i < int(columns_.size()); ++i) InsertColumn(i);
  ListView_SetItemCountEx(Handle(), item_count_, 0);
}

void TListView::AddColumn(std::string_view caption_utf8, int width) {
  columns_.push_back({Utf8ToWide(caption_utf8), width});
  if (HandleAllocated()) InsertColumn(int(columns_.size()) - 1);
}

void TListView::InsertColumn(int index) {
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
  column.fmt = LVCFMT_LEFT;
  column.cx = columns_[std::size_t(index)].width;
  column.pszText = columns_[std::size_t(index)].caption.data();
  column.iSubItem = index;
  SendMessageW(Handle(), LVM_INSERTCOLUMNW, WPARAM(index), reinterpret_cast<LPARAM>(&column));
}

int TListView::ColumnWidth(int column) const {
  if (!HandleAllocated()) return columns_.at(std::size_t(column)).width;
  return ListView_GetColumnWidth(Handle(), column);
}

void TListView::SetItemCount(int count) {
  item_count_ = std::max(count, 0);
  if (HandleAllocated()) ListView_SetItemCountEx(Handle(), item_count_, 0);
}

int TListView::ItemIndex() const {
  if (!HandleAllocated()) return -1;
  return ListView_GetNextItem(Handle(), -1, LVNI_SELECTED);
}

void TListView::SetItemIndex(int row) {
  if (!HandleAllocated()) return;
  ListView_SetItemState(Handle(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  if (row < 0 || row >= item_count_) return;
  ListView_SetItemState(Handle(), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(Handle(), row, FALSE);
}

int TListView::TopIndex() const {
  return HandleAllocated() ? ListView_GetTopIndex(Handle()) : 0;
}

void TListView::SetTopIndex(int row) {
  if (!HandleAllocated() || item_count_ == 0) return;
  RECT rect{};
  rect.left = LVIR_BOUNDS;
  const int top = TopIndex();
  if (!ListView_GetItemRect(Handle(), top, &rect, LVIR_BOUNDS)) return;
  ListView_Scroll(Handle(), 0, (row - top) * (rect.bottom - rect.top));
}

int TListView::VisibleRowCount() const {
  return HandleAllocated() ? ListView_GetCountPerPage(Handle()) : 0;
}

void TListView::SetColors(COLORREF background, COLORREF text) {
  HandleNeeded();
  ListView_SetBkColor(Handle(), background);
  ListView_SetTextBkColor(Handle(), background);
  ListView_SetTextColor(Handle(), text);
  Invalidate();
}

std::string TListView::FetchText(int row, int column) const {
  if (!OnData || row < 0 || row >= item_count_ || column < 0) return {};
  std::vector<std::string> fresh;
  std::vector<std::string>& texts = painting_ ? painted_texts_ : fresh;
  if (!painting_ || row != painted_row_) {
    painted_row_ = -1;
    texts.clear();
    OnData(row, texts);
    if (painting_) painted_row_ = row;
  }
  return std::size_t(column) < texts.size() ? texts[std::size_t(column)] : std::string();
}

LRESULT TListView::WndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg != WM_PAINT) return TWinControl::WndProc(msg, wparam, lparam);
  struct Paint {
    TListView& list;
    explicit Paint(TListView& l) : list(l) { list.painting_ = true; }
    ~Paint() {
      list.painting_ = false;
      list.painted_row_ = -1;
    }
  } paint(*this);
  return TWinControl::WndProc(msg, wparam, lparam);
}

std::string TListView::ItemText(int row, int column) const {
  if (!HandleAllocated()) return FetchText(row, column);
  wchar_t buffer[1024] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = int(std::size(buffer));
  SendMessageW(Handle(), LVM_GETITEMTEXTW, WPARAM(row), reinterpret_cast<LPARAM>(&item));
  return WideToAnsi(buffer);
}

void TListView::FillDisplayInfo(LVITEMW& item) {
  if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
  // Only what the buffer holds is converted: no character takes more than four bytes.
  const std::string ansi = FetchText(item.iItem, item.iSubItem);
  std::wstring text =
      AnsiToWide(std::string_view(ansi).substr(0, 4 * std::size_t(item.cchTextMax)));
  std::size_t n = std::min(text.size(), std::size_t(item.cchTextMax - 1));
  std::copy_n(text.data(), n, item.pszText);
  item.pszText[n] = L'\0';
}

void TListView::FillDisplayInfo(LVITEMA& item) {
  if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
  std::string text = FetchText(item.iItem, item.iSubItem);
  std::size_t n = std::min(text.size(), std::size_t(item.cchTextMax - 1));
  std::memcpy(item.pszText, text.data(), n);
  item.pszText[n] = '\0';
}

LRESULT TListView::Notify(NMHDR& header) {
  switch (header.code) {
    case LVN_GETDISPINFOW:
      FillDisplayInfo(reinterpret_cast<NMLVDISPINFOW&>(header).item);
      return 0;
    case LVN_GETDISPINFOA:
      FillDisplayInfo(reinterpret_cast<NMLVDISPINFOA&>(header).item);
      return 0;
    case NM_DBLCLK:
      if (OnDblClick) OnDblClick();
      return 0;
    case LVN_COLUMNCLICK:
      if (OnColumnClick) OnColumnClick(reinterpret_cast<NMLISTVIEW&>(header).iSubItem);
      return 0;
    default:
      return TWinControl::Notify(header);
  }
}

}  // namespace vl
