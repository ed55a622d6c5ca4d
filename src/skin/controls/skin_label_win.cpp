#include "skin/controls/skin_label_win.h"

namespace vl {

TskSkinLabel::TskSkinLabel(TComponent* owner) : TskSkinCustomControl(owner, "label") {
  SetBounds(0, 0, 75, 21);
}

void TskSkinLabel::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  Invalidate();
}

void TskSkinLabel::SetBorderStyle(TskBorderStyle style) {
  border_style_ = style;
  Invalidate();
}

void TskSkinLabel::SetAutoSize(bool auto_size) {
  auto_size_ = auto_size;
  if (auto_size) AdjustWidthToText();
}

void TskSkinLabel::TextChanged() {
  if (auto_size_) AdjustWidthToText();
  Invalidate();
}

void TskSkinLabel::AdjustWidthToText() {
  if (Align() == TAlign::alTop || Align() == TAlign::alBottom || Align() == TAlign::alClient) {
    return;
  }
  TBitmap scratch(1, 1);
  scratch.Canvas().SetFont(DefaultFont());
  const int excess = scratch.Canvas().TextWidth(Caption()) + 4 - Width();
  if (excess != 0) SetWidth(Width() + excess);
}

void TskSkinLabel::CreateDefaultImage(TBitmap& bitmap) {
  TCanvas& canvas = bitmap.Canvas();
  const TRect all{0, 0, bitmap.Width(), bitmap.Height()};
  canvas.FillRect(all, ColorToRGB(clBtnFace));
  FrameByStyle(canvas, all, border_style_);

  const TRect r{3, 3, bitmap.Width() - 3, bitmap.Height() - 3};
  if (r.IsEmpty()) return;
  canvas.SetFont(DefaultFont());
  const SIZE text = canvas.TextExtent(Caption());
  int x = r.left;
  if (alignment_ == TAlignment::taRightJustify) x = r.right - text.cx;
  if (alignment_ == TAlignment::taCenter) x = r.left + (r.Width() - text.cx) / 2;
  const int y = r.top + r.Height() / 2 - text.cy / 2;
  IntersectClipRect(canvas.Handle(), r.left, r.top, r.right, r.bottom);
  canvas.TextOut(x, y, Caption());
  SelectClipRgn(canvas.Handle(), nullptr);
}

}  // namespace vl
