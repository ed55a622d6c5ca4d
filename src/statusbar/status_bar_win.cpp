#include "statusbar/status_bar_win.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/handles_win.h"
#include "statusbar/status_layout.h"

namespace vl {

TColor SystemColorRGB(int index) {
  return GetSysColor(index);
}

TFrameColors SystemFrameColors(TColor flat_color, int flat_color_adjustment) {
  return FrameColorsFor(flat_color, flat_color_adjustment, &SystemColorRGB);
}

// ---- TFlCustomPanel ----

TFlCustomPanel::TFlCustomPanel(TComponent* owner) : TCustomControl(owner) {}

void TFlCustomPanel::SetBorderOuter(TFrameStyleEx style) {
  look_.border_outer = style;
  BorderChanged();
}

void TFlCustomPanel::SetBorderInner(TFrameStyleEx style) {
  look_.border_inner = style;
  BorderChanged();
}

void TFlCustomPanel::SetBorderSides(unsigned sides) {
  look_.sides = sides & kAllSides;
  BorderChanged();
}

void TFlCustomPanel::SetBorderWidth(int width) {
  look_.border_width = std::max(width, 0);
  BorderChanged();
}

void TFlCustomPanel::BorderChanged() {
  Realign();
  Invalidate();
}

void TFlCustomPanel::AdjustClientRect(TRect& rect) const {
  rect = PanelInterior(rect, look_);
}

void TFlCustomPanel::Paint(HDC dc) {
  TRect client = ClientRect();
  if (client.IsEmpty()) return;
  TBitmap picture(client.Width(), client.Height());
  PixelBitmap background(client.Width(), client.Height());
  TPanelLook look = look_;
  look.color = ColorToRGB(Color());
  PaintPanel(background, look, SystemFrameColors(clBtnShadow, 30));
  picture.Canvas().DrawPixels(0, 0, background);
  PaintContents(picture);
  picture.Draw(dc, 0, 0);
}

// ---- TFlGraphicControl ----

TFlGraphicControl::TFlGraphicControl(TComponent* owner) : TComponent(owner) {
  font_.OnChange = [this] { Repaint(); };
}

TFlGraphicControl::~TFlGraphicControl() {
  font_.OnChange = nullptr;
  if (parent_) parent_->RemovePane(this);
}

void TFlGraphicControl::SetParent(TFlStatusBar* bar) {
  if (bar == parent_) return;
  if (parent_) parent_->RemovePane(this);
  parent_ = bar;
  if (bar) bar->InsertPane(this);
}

void TFlGraphicControl::SetBounds(int left, int top, int width, int height) {
  TRect wanted = RectOfSize(left, top, std::max(width, 0), std::max(height, 0));
  if (wanted == bounds_) return;
  bounds_ = wanted;
  if (parent_) {
    // The bar keeps the left edge only as the pane's place in the row.
    parent_->LayoutPanes();
    parent_->Invalidate();
  }
  BoundsChanged();
}

void TFlGraphicControl::SetBoundsFromBar(const TRect& r) {
  if (r == bounds_) return;
  bounds_ = r;
  BoundsChanged();
}

void TFlGraphicControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (!parent_) return;
  // A hidden pane gives up its place in the row; shown again, it takes it back.
  parent_->LayoutPanes();
  parent_->Invalidate();
}

void TFlGraphicControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Repaint();
}

TColor TFlGraphicControl::Color() const {
  return parent_color_ && parent_ ? parent_->Color() : color_;
}

void TFlGraphicControl::SetColor(TColor color) {
  color_ = color;
  parent_color_ = false;
  Repaint();
}

void TFlGraphicControl::SetParentColor(bool parent_color) {
  parent_color_ = parent_color;
  Repaint();
}

const TFont& TFlGraphicControl::DrawingFont() const {
  return parent_font_ && parent_ ? parent_->Font() : font_;
}

void TFlGraphicControl::SetParentFont(bool parent_font) {
  parent_font_ = parent_font;
  Repaint();
}

void TFlGraphicControl::Repaint() {
  RepaintRect(bounds_);
}

void TFlGraphicControl::RepaintRect(const TRect& r) {
  if (parent_ && visible_) parent_->RepaintRect(r);
}

void TFlGraphicControl::MarkLoaded() {
  if (loaded_) return;
  loaded_ = true;
  Loaded();
}

// ---- TFlStatusBar ----

TFlStatusBar::TFlStatusBar(TComponent* owner) : TFlCustomPanel(owner) {
  SetBounds(0, 0, 200, 19);
  SetAlign(TAlign::alBottom);
  SetColor(clBtnFace);
}

TFlStatusBar::~TFlStatusBar() {
  for (TFlGraphicControl* pane : panes_) pane->parent_ = nullptr;
}

void TFlStatusBar::SetShowSizeGrip(bool show) {
  if (show == show_size_grip_) return;
  show_size_grip_ = show;
  Invalidate();
}

void TFlStatusBar::SetAutoStyle(bool auto_style) {
  auto_style_ = auto_style;
  if (auto_style && HandleAllocated()) ApplyAutoStyle();
}

void TFlStatusBar::ApplyAutoStyle() {
  SetLookQuietly({fsNone, fsNone, kAllSides, 0, 0});
  TFlCustomPanel::BorderChanged();
  LayoutPanes();
}

void TFlStatusBar::BorderChanged() {
  auto_style_ = false;
  TFlCustomPanel::BorderChanged();
  LayoutPanes();
}

void TFlStatusBar::HandleCreated() {
  if (Parent()) Font().Assign(Parent()->Font());
  if (auto_style_) ApplyAutoStyle();
  LayoutPanes();
  auto panes = panes_;
  for (TFlGraphicControl* pane : panes) pane->MarkLoaded();
}

void TFlStatusBar::InsertPane(TFlGraphicControl* pane) {
  int right = AlignRect().left;
  for (const TFlGraphicControl* p : panes_) right = std::max(right, p->bounds_.right);
  pane->bounds_ = RectOfSize(right, 0, pane->Width(), pane->Height());
  panes_.push_back(pane);
  LayoutPanes();
  Invalidate();
  if (HandleAllocated()) pane->MarkLoaded();
}

void TFlStatusBar::RemovePane(TFlGraphicControl* pane) {
  panes_.erase(std::remove(panes_.begin(), panes_.end(), pane), panes_.end());
  pane->parent_ = nullptr;
  if (Destroying()) return;
  LayoutPanes();
  Invalidate();
}

void TFlStatusBar::LayoutPanes() {
  std::vector<TPaneSlot> slots;
  std::vector<TFlGraphicControl*> shown;
  for (TFlGraphicControl* p : panes_) {
    if (!p->Visible()) continue;
    slots.push_back({p->Left(), p->Width()});
    shown.push_back(p);
  }
  std::vector<TRect> rects = vl::LayoutPanes(AlignRect(), slots);
  for (std::size_t i = 0; i < shown.size(); ++i) shown[i]->SetBoundsFromBar(rects[i]);
}

void TFlStatusBar::Resized() {
  LayoutPanes();
  // The grip sits at the right edge, wherever that now is.
  Invalidate();
}

void TFlStatusBar::RepaintRect(const TRect& r) {
  if (!HandleAllocated() || r.IsEmpty()) return;
  RECT rc = ToRECT(r);
  InvalidateRect(Handle(), &rc, FALSE);
  UpdateWindow(Handle());
}

bool TFlStatusBar::SizeGripVisible() const {
  if (!show_size_grip_ || !HandleAllocated()) return false;
  HWND window = GetAncestor(Handle(), GA_ROOT);
  if (!window || window == Handle()) return false;
  LONG style = GetWindowLongW(window, GWL_STYLE);
  return (style & WS_THICKFRAME) && !IsZoomed(window);
}

void TFlStatusBar::PaintContents(TBitmap& picture) {
  TRect all{0, 0, picture.Width(), picture.Height()};
  for (TFlGraphicControl* pane : panes_) {
    TRect b = pane->BoundsRect();
    if (!pane->Visible() || b.right <= all.left || b.left >= all.right) continue;
    TSavedDC saved(picture.DC());
    IntersectClipRect(picture.DC(), b.left, b.top, b.right, b.bottom);
    pane->Paint(picture);
  }
  if (SizeGripVisible()) PaintGrip(picture);
}

void TFlStatusBar::PaintGrip(TBitmap& picture) const {
  COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  auto dots = GripDots(picture.Width(), picture.Height());
  for (TPoint d : dots) picture.Canvas().FillRect(RectOfSize(d.x, d.y, 2, 2), highlight);
  for (TPoint d : dots) picture.Canvas().FillRect(RectOfSize(d.x - 1, d.y - 1, 2, 2), shadow);
}

bool TFlStatusBar::GripHit(LPARAM lparam) const {
  return SizeGripVisible() &&
         InGrip({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}, Width(), Height());
}

void TFlStatusBar::StartSizing() {
  ReleaseCapture();
  HWND window = GetAncestor(Handle(), GA_ROOT);
  SendMessageW(window, WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, 0);
}

LRESULT TFlStatusBar::WndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_SETCURSOR:
      if (LOWORD(lparam) == HTCLIENT) {
        POINT pt;
        GetCursorPos(&pt);
        ScreenToClient(Handle(), &pt);
        if (GripHit(MAKELPARAM(pt.x, pt.y))) {
          SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_SIZENWSE)));
          return TRUE;
        }
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The second press of a quick pair comes as a double-click; it grips all the same.
      if (GripHit(lparam)) {
        StartSizing();
        return 0;
      }
      break;
    default:
      break;
  }
  return TFlCustomPanel::WndProc(msg, wparam, lparam);
}

}  // namespace vl
