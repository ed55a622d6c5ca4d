#include "statusbar/progress_bar_win.h"

#include <algorithm>
#include <string>

#include "framework/handles_win.h"

namespace vl {
namespace {

void TextInside(HDC dc, TPoint at, const TRect& clip, const std::wstring& text, COLORREF fore,
                COLORREF back) {
  if (clip.IsEmpty()) return;
  SetTextColor(dc, fore);
  SetBkColor(dc, back);
  RECT rc = ToRECT(clip);
  ExtTextOutW(dc, at.x, at.y, ETO_CLIPPED | ETO_OPAQUE, &rc, text.data(), UINT(text.size()),
              nullptr);
}

}  // namespace

TFlCustomProgressBar::TFlCustomProgressBar(TComponent* owner) : TFlGraphicControl(owner) {
  model_.SetLoading(true);
  model_.on_percent_change = [this] { PercentChanged(); };
  SetBounds(0, 0, 200, 24);
}

void TFlCustomProgressBar::Loaded() {
  model_.SetLoading(false);
}

void TFlCustomProgressBar::PercentChanged() {
  if (OnChange) OnChange();
  Repaint();
}

void TFlCustomProgressBar::BoundsChanged() {
  model_.SetBounds(Width(), Height());
}

void TFlCustomProgressBar::SetShowPercent(bool show) {
  show_percent_ = show;
  Repaint();
}

void TFlCustomProgressBar::SetBackColor(TColor color) {
  back_color_ = color;
  Repaint();
}

void TFlCustomProgressBar::SetBarColor(TColor color) {
  bar_color_ = color;
  Font().SetColor(ColorToRGB(color));
  Repaint();
}

void TFlCustomProgressBar::SetBorderColor(TColor color) {
  border_color_ = color;
  Repaint();
}

void TFlCustomProgressBar::SetBorderOuter(TFrameStyleEx style) {
  border_outer_ = style;
  Repaint();
}

void TFlCustomProgressBar::SetBorderInner(TFrameStyleEx style) {
  border_inner_ = style;
  Repaint();
}

void TFlCustomProgressBar::SetBorderWidth(int width) {
  border_width_ = std::max(width, 0);
  Repaint();
}

void TFlCustomProgressBar::SetInteriorOffset(std::uint8_t offset) {
  interior_offset_ = offset;
  Repaint();
}

void TFlCustomProgressBar::SetFlatColor(TColor color) {
  flat_color_ = color;
  Repaint();
}

void TFlCustomProgressBar::SetFlatColorAdjustment(int amount) {
  flat_color_adjustment_ = amount;
  Repaint();
}

TProgressLook TFlCustomProgressBar::Look() const {
  return {border_outer_,
          border_inner_,
          border_width_,
          interior_offset_,
          ColorToRGB(border_color_),
          ColorToRGB(back_color_),
          ColorToRGB(bar_color_)};
}

void TFlCustomProgressBar::Paint(TBitmap& picture) {
  TRect b = BoundsRect();
  if (b.IsEmpty()) return;
  TProgressLook look = Look();
  PixelBitmap pixels(b.Width(), b.Height());
  TProgressParts parts = PaintProgress(pixels, look, Percent(), Orientation(),
                                       SystemFrameColors(flat_color_, flat_color_adjustment_));
  TBitmap own(b.Width(), b.Height());
  own.Canvas().DrawPixels(0, 0, pixels);

  HDC dc = own.DC();
  TSelectObject font(dc, DrawingFont().Handle());
  std::string percent = PercentText(Percent(), show_percent_);
  std::wstring text(percent.begin(), percent.end());
  SIZE text_size{}, x_size{};
  GetTextExtentPoint32W(dc, text.data(), int(text.size()), &text_size);
  GetTextExtentPoint32W(dc, L"X", 1, &x_size);
  TPoint at = PercentTextOrigin(parts.interior, text_size.cx, x_size.cy);
  // The same text twice, each copy clipped to its side of the bar's end, so the part the bar
  // has passed reads in inverted colours.
  TextInside(dc, at, parts.filled, text, look.back_color, look.bar_color);
  TextInside(dc, at, parts.rest, text, look.bar_color, look.back_color);
  own.Draw(picture.DC(), b.left, b.top);
}

}  // namespace vl
