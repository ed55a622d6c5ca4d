#include "skin/controls/skin_listview_win.h"

namespace vl {

TskSkinListView::TskSkinListView(TComponent* owner)
    : TListView(owner),
      TskSkinnable(*this, "listview"),
      header_(std::make_unique<TskListViewHeader>(*this)) {
  default_font_.OnChange = [this] { ApplyDefaultLook(); };
}

void TskSkinListView::Notification(TComponent* component, TOperation operation) {
  TListView::Notification(component, operation);
  if (operation == TOperation::opRemove) SkinDataRemoved(component);
}

void TskSkinListView::CreateParams(TCreateParams& params) {
  TListView::CreateParams(params);
  params.style &= ~(WS_BORDER | WS_HSCROLL | WS_VSCROLL);
  params.ex_style &= ~WS_EX_CLIENTEDGE;
}

void TskSkinListView::HandleCreated() {
  TListView::HandleCreated();
  HookHeader();
  ApplyDefaultLook();
  // The frame is recalculated once now, through WndProc, so the scroll bars never appear.
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TskSkinListView::HookHeader() {
  HWND header = ListView_GetHeader(Handle());
  header_->AdoptHandle(header);
  if (!header) return;
  // The list laid its header out before the hook was in place; lay it out again, widened.
  RECT rc;
  GetWindowRect(header, &rc);
  SetWindowPos(header, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TskSkinListView::SetDefaultColor(TColor color) {
  default_color_ = color;
  ApplyDefaultLook();
}

void TskSkinListView::ApplyDefaultLook() {
  if (!HandleAllocated()) return;
  Font().Assign(default_font_);
  SetColors(ColorToRGB(default_color_), default_font_.Color());
  // The captions are drawn in the list's font, which the header is not told to redraw with.
  if (header_->HandleAllocated()) InvalidateRect(header_->Handle(), nullptr, TRUE);
}

LRESULT TskSkinListView::WndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_SIZE) {
    const LRESULT result = TListView::WndProc(msg, wparam, lparam);
    if (header_->HandleAllocated()) InvalidateRect(header_->Handle(), nullptr, FALSE);
    return result;
  }
  if (msg == WM_NCCALCSIZE) {
    // The native list adds its scroll bars back whenever it scrolls; taking the styles away
    // just before it computes its frame keeps the client area the whole control.
    LONG style = GetWindowLongW(Handle(), GWL_STYLE);
    if (style & (WS_HSCROLL | WS_VSCROLL)) {
      SetWindowLongW(Handle(), GWL_STYLE, style & ~(WS_HSCROLL | WS_VSCROLL));
    }
  }
  return TListView::WndProc(msg, wparam, lparam);
}

}  // namespace vl
