#include "skin/controls/skin_panel_win.h"

namespace vl {

TskSkinPanel::TskSkinPanel(TComponent* owner) : TskSkinCustomControl(owner, "panel") {
  SetBounds(0, 0, 150, 150);
}

void TskSkinPanel::CreateParams(TCreateParams& params) {
  TskSkinCustomControl::CreateParams(params);
  // Children paint themselves; the panel must not draw over them, and Tab must reach them.
  params.style |= WS_CLIPCHILDREN;
  params.ex_style |= WS_EX_CONTROLPARENT;
}

void TskSkinPanel::SetBorderStyle(TskBorderStyle style) {
  if (style == border_style_) return;
  border_style_ = style;
  Invalidate();
  Realign();
}

void TskSkinPanel::AdjustClientRect(TRect& rect) const {
  if (border_style_ == TskBorderStyle::bvNone) return;
  rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
}

void TskSkinPanel::CreateDefaultImage(TBitmap& bitmap) {
  TCanvas& canvas = bitmap.Canvas();
  const TRect all{0, 0, bitmap.Width(), bitmap.Height()};
  canvas.FillRect(all, ColorToRGB(clBtnFace));
  FrameByStyle(canvas, all, border_style_);
}

}  // namespace vl
