#include "statusbar/frame.h"

#include "skin/paint/blit.h"

namespace vl {
namespace {

void SetPixel(PixelBitmap& bmp, int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= bmp.Width() || y >= bmp.Height()) return;
  bmp.At(x, y) = ColorToPixel(color);
}

void HLine(PixelBitmap& bmp, int x0, int x1, int y, TColor color) {
  FillPixels(bmp, {x0, y, x1, y + 1}, ColorToPixel(color));
}

void VLine(PixelBitmap& bmp, int x, int y0, int y1, TColor color) {
  FillPixels(bmp, {x, y0, x + 1, y1}, ColorToPixel(color));
}

// One ring of a bevel: top and left in one colour, bottom and right in the other, the way the
// system's edges share their corners (top-right and bottom-left belong to the bottom-right).
void Bevel(PixelBitmap& bmp, const TRect& r, TColor top_left, TColor bottom_right) {
  if (r.IsEmpty()) return;
  HLine(bmp, r.left, r.right - 1, r.top, top_left);
  VLine(bmp, r.left, r.top, r.bottom - 1, top_left);
  HLine(bmp, r.left, r.right, r.bottom - 1, bottom_right);
  VLine(bmp, r.right - 1, r.top, r.bottom, bottom_right);
}

// One ring of a single colour whose sides stop `inset` pixels short of each corner.
void FlatRing(PixelBitmap& bmp, const TRect& r, TColor color, int inset) {
  if (r.IsEmpty()) return;
  HLine(bmp, r.left + inset, r.right - inset, r.top, color);
  HLine(bmp, r.left + inset, r.right - inset, r.bottom - 1, color);
  VLine(bmp, r.left, r.top + inset, r.bottom - inset, color);
  VLine(bmp, r.right - 1, r.top + inset, r.bottom - inset, color);
}

void RoundedCorners(PixelBitmap& bmp, const TRect& r, TColor color) {
  SetPixel(bmp, r.left + 1, r.top + 1, color);
  SetPixel(bmp, r.right - 2, r.top + 1, color);
  SetPixel(bmp, r.left + 1, r.bottom - 2, color);
  SetPixel(bmp, r.right - 2, r.bottom - 2, color);
}

void TwoRings(PixelBitmap& bmp, const TRect& r, TColor outer_tl, TColor outer_br, TColor inner_tl,
              TColor inner_br) {
  Bevel(bmp, r, outer_tl, outer_br);
  Bevel(bmp, InsetBy(r, 1), inner_tl, inner_br);
}

}  // namespace

TFrameColors FrameColorsFor(TColor flat_color, int flat_adjustment, SystemColorLookup lookup) {
  return {lookup(kColorBtnHighlight), lookup(kColorBtnShadow), lookup(kColor3DDkShadow),
          lookup(kColor3DLight), ShiftLightness(flat_color, flat_adjustment, lookup)};
}

int FrameWidth(TFrameStyleEx style) {
  switch (style) {
    case fsNone:
      return 0;
    case fsGroove:
    case fsBump:
    case fsButtonDown:
    case fsButtonUp:
    case fsFlatBold:
      return 2;
    default:
      return 1;
  }
}

TRect InsetBy(const TRect& r, int d) {
  return {r.left + d, r.top + d, r.right - d, r.bottom - d};
}

TRect PaneTextRect(const TRect& pane, TFrameStyleEx style, int border_width) {
  switch (style) {
    case fsNone:
    case fsFlatRounded:
      return InsetBy(pane, border_width);
    case fsFlat:
    case fsStatus:
    case fsPopup:
      return InsetBy(pane, border_width + 1);
    default:
      return InsetBy(pane, border_width + 2);
  }
}

void DrawFrame(PixelBitmap& bmp, const TRect& r, TFrameStyleEx style, const TFrameColors& c) {
  switch (style) {
    case fsNone:
      return;
    case fsFlat:
      return FlatRing(bmp, r, c.flat, 1);
    case fsFlatBold:
      FlatRing(bmp, r, c.flat, 1);
      return FlatRing(bmp, InsetBy(r, 1), c.flat, 0);
    case fsFlatRounded:
      FlatRing(bmp, r, c.flat, 2);
      return RoundedCorners(bmp, r, c.flat);
    case fsLowered:
    case fsStatus:
      return Bevel(bmp, r, c.shadow, c.highlight);
    case fsRaised:
      return Bevel(bmp, r, c.highlight, c.shadow);
    case fsPopup:
      return Bevel(bmp, r, c.light, c.dark_shadow);
    case fsGroove:
      return TwoRings(bmp, r, c.shadow, c.highlight, c.highlight, c.shadow);
    case fsBump:
      return TwoRings(bmp, r, c.highlight, c.shadow, c.shadow, c.highlight);
    case fsButtonDown:
      return TwoRings(bmp, r, c.shadow, c.highlight, c.dark_shadow, c.light);
    case fsButtonUp:
      return TwoRings(bmp, r, c.light, c.dark_shadow, c.highlight, c.shadow);
  }
}

}  // namespace vl
