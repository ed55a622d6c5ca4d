#include "statusbar/widget_paint.h"

#include "skin/paint/blit.h"

namespace vl {
namespace {

TRect RestOf(const TRect& interior, const TRect& filled, TProgressOrientation orientation) {
  if (orientation == poHorizontal)
    return {filled.right, interior.top, interior.right, interior.bottom};
  return {interior.left, interior.top, interior.right, filled.top};
}

// Moves the sides that carry no frame outwards by `d`, so a frame drawn there falls outside.
TRect WithoutSides(const TRect& r, unsigned sides, int d) {
  return {r.left - ((sides & sdLeft) ? 0 : d), r.top - ((sides & sdTop) ? 0 : d),
          r.right + ((sides & sdRight) ? 0 : d), r.bottom + ((sides & sdBottom) ? 0 : d)};
}

}  // namespace

TRect PanelInterior(const TRect& panel, const TPanelLook& look) {
  int frames = FrameWidth(look.border_outer) + FrameWidth(look.border_inner);
  return WithoutSides(InsetBy(panel, frames + look.border_width), look.sides, frames);
}

void PaintPanel(PixelBitmap& bmp, const TPanelLook& look, const TFrameColors& colors) {
  FillPixels(bmp, bmp.Bounds(), ColorToPixel(look.color));
  int outer = FrameWidth(look.border_outer);
  DrawFrame(bmp, WithoutSides(bmp.Bounds(), look.sides, outer), look.border_outer, colors);
  TRect inner = InsetBy(bmp.Bounds(), outer + look.border_width);
  int width = FrameWidth(look.border_inner);
  DrawFrame(bmp, WithoutSides(inner, look.sides, outer + look.border_width + width),
            look.border_inner, colors);
}

TRect PaintPane(PixelBitmap& bmp, const TRect& pane, const TPaneLook& look,
                const TFrameColors& colors) {
  FillPixels(bmp, pane, ColorToPixel(look.color));
  DrawFrame(bmp, InsetBy(pane, look.border_width), look.frame_style, colors);
  return PaneTextRect(pane, look.frame_style, look.border_width);
}

TRect ProgressInterior(const TRect& bounds, const TProgressLook& look) {
  int inset = FrameWidth(look.border_outer) + look.border_width + FrameWidth(look.border_inner) +
              look.interior_offset;
  return InsetBy(bounds, inset);
}

TProgressParts ProgressParts(const TRect& bounds, const TProgressLook& look, unsigned percent,
                             TProgressOrientation orientation) {
  TRect interior = ProgressInterior(bounds, look);
  TRect filled = FilledRect(interior, percent, orientation);
  return {interior, filled, RestOf(interior, filled, orientation)};
}

TProgressParts PaintProgress(PixelBitmap& bmp, const TProgressLook& look, unsigned percent,
                             TProgressOrientation orientation, const TFrameColors& colors) {
  TRect r = bmp.Bounds();
  FillPixels(bmp, r, ColorToPixel(look.border_color));
  DrawFrame(bmp, r, look.border_outer, colors);
  r = InsetBy(r, FrameWidth(look.border_outer));
  FramePixels(bmp, r, ColorToPixel(look.border_color), look.border_width);
  r = InsetBy(r, look.border_width);
  DrawFrame(bmp, r, look.border_inner, colors);
  r = InsetBy(r, FrameWidth(look.border_inner));
  FramePixels(bmp, r, ColorToPixel(look.back_color), look.interior_offset);
  TProgressParts parts = ProgressParts(bmp.Bounds(), look, percent, orientation);
  FillPixels(bmp, parts.filled, ColorToPixel(look.bar_color));
  FillPixels(bmp, parts.rest, ColorToPixel(look.back_color));
  return parts;
}

}  // namespace vl
