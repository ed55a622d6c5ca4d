#include "skin/controls/skin_listview_win.h"

#include "skin/data/resource_strings.h"
#include "skin/data/skin_data.h"

namespace vl {
namespace {

unsigned StyleBits(const TFontStyles& style) {
  return (style.bold ? fsBold : 0u) | (style.italic ? fsItalic : 0u) |
         (style.underline ? fsUnderline : 0u) | (style.strikeout ? fsStrikeOut : 0u);
}

}  // namespace

TskSkinListView::TskSkinListView(TComponent* owner)
    : TListView(owner),
      TskSkinnable(*this, "listview"),
      header_(std::make_unique<TskListViewHeader>(*this)) {
  default_font_.OnChange = [this] {
    if (!ListDefinition()) ApplyLook();
  };
}

void TskSkinListView::Notification(TComponent* component, TOperation operation) {
  TListView::Notification(component, operation);
  if (operation == TOperation::opRemove) SkinDataRemoved(component);
}

void TskSkinListView::SetHeaderSkinDataName(std::string name) {
  header_skin_data_name_ = std::move(name);
  RedrawHeader();
}

void TskSkinListView::SetDefaultColor(TColor color) {
  default_color_ = color;
  if (!ListDefinition()) ApplyLook();
}

void TskSkinListView::ApplySkinData() {
  LookUpDefinition();
  header_skin_.reset();
  skin_applied_ = true;
  ApplyLook();
}

void TskSkinListView::BeforeApplySkinData() {
  ForgetSkin();
}

void TskSkinListView::ForgetSkin() {
  TskSkinnable::BeforeApplySkinData();
  header_skin_.reset();
  skin_applied_ = false;
  if (!Destroying()) ApplyLook();
}

const TskHeaderSkin* TskSkinListView::HeaderSkin() {
  header_skin_.reset();
  if (skin_applied_) header_skin_ = FindHeaderSkin(SkinData(), header_skin_data_name_);
  return header_skin_ ? &*header_skin_ : nullptr;
}

const TskDataSkinListView* TskSkinListView::ListDefinition() const {
  // A section of another kind holds nothing the list could take: the default look.
  return DefinitionAs<TskDataSkinListView>();
}

void TskSkinListView::ApplyLook() {
  if (!HandleAllocated()) return;
  const TskSkinData* data = SkinData();
  const TskDataSkinListView* definition = ListDefinition();
  TFont font = default_font_;
  COLORREF background = ColorToRGB(default_color_);
  if (definition) {
    if (use_skin_font_) {
      font.SetName(definition->fontname);
      font.SetHeight(definition->fontheight);
      font.SetStyle(StyleBits(definition->fontstyle));
    }
    font.SetColor(ColorToRGB(definition->fontcolor));
    background = ColorToRGB(definition->bgcolor);
  }
  const TskResourceStrData* strings = data ? data->ResourceStrData() : nullptr;
  font.SetCharset(strings ? BYTE(strings->CharSet) : default_font_.Charset());
  Font().Assign(font);
  SetColors(background, font.Color());
  RedrawHeader();
}

void TskSkinListView::SetSortMark(int column, bool descending) {
  if (column == sort_column_ && descending == sort_descending_) return;
  sort_column_ = column;
  sort_descending_ = descending;
  RedrawHeader();
}

void TskSkinListView::RedrawHeader() {
  // The captions are drawn in the list's font, which the header is not told to redraw with.
  if (header_->HandleAllocated()) InvalidateRect(header_->Handle(), nullptr, TRUE);
}

void TskSkinListView::CreateParams(TCreateParams& params) {
  TListView::CreateParams(params);
  params.style &= ~(WS_BORDER | WS_HSCROLL | WS_VSCROLL);
  params.ex_style &= ~WS_EX_CLIENTEDGE;
}

void TskSkinListView::HandleCreated() {
  TListView::HandleCreated();
  HookHeader();
  // A skin set before the window existed is applied now, not replaced by the default look.
  ApplySkinData();
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

LRESULT TskSkinListView::WndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_NOTIFY && header_->HandleAllocated() &&
      reinterpret_cast<const NMHDR*>(lparam)->hwndFrom == header_->Handle()) {
    // The header is ours for its looks only: what it tells the list (a click on a section, a
    // column resized) goes to the native list, which answers with notifications of its own.
    return DefaultHandler(msg, wparam, lparam);
  }
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
