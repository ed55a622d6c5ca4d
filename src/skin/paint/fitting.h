#pragma once
// Fitting a skin rectangle to a target of another size: by its corner points in both
// directions, or in width or height only. The fixed corners are copied unchanged; the bands
// between them are repeated or stretched.

#include "framework/pixel_bitmap.h"
#include "skin/paint/skin_geometry.h"

namespace vl {

// What a definition says about fitting one skin rectangle of a picture.
struct TskNineArea {
  TRect skin_rect;  // S, within the source picture
  TskSkinPoints points;
  TskStretchFlags stretch;
  bool stretch_effect = false;  // the client piece is stretched (by stretch_type), not repeated
  TskStretchType stretch_type = TskStretchType::stFull;
};

// Draws the area into target, which already has the size the target points were made for.
void DrawNineArea(PixelBitmap& target, const PixelBitmap& src, const TskNineArea& area,
                  bool draw_client, const TskSkinPoints& sized);

// A new picture width x height. The overload without target points sizes the area's own.
PixelBitmap PaintNineArea(const PixelBitmap& src, const TskNineArea& area, bool draw_client,
                          int width, int height, const TskSkinPoints& sized);
PixelBitmap PaintNineArea(const PixelBitmap& src, const TskNineArea& area, bool draw_client,
                          int width, int height);

// Fits skin_rect into the whole target by its client rectangle alone: the frame around the
// client is stretched in every direction, and so is the client piece when it is drawn.
void PaintStretchedBorder(PixelBitmap& target, const PixelBitmap& src, const TRect& skin_rect,
                          const TRect& client, bool draw_client);

// A picture width wide and as high as skin_rect: the first `left` and last `right` columns
// copied, the middle between them stretched or repeated.
PixelBitmap PaintThreePartHorz(const PixelBitmap& src, const TRect& skin_rect, int left, int right,
                               bool stretch_effect, int width);
// As above, but the last `right` columns are left out and the middle runs to the right edge.
PixelBitmap PaintTwoPartHorz(const PixelBitmap& src, const TRect& skin_rect, int left, int right,
                             bool stretch_effect, int width);
// The two-part form of the nine-area fit, for a strip that runs on past the last piece drawn
// before it: the left edge band and the left corner pieces are placed as PaintNineArea places
// them (the band stretched with the left stretch flag, otherwise repeated), while everything
// right of them (the top band with the top-right corner, the client with the right edge, the
// bottom band with the bottom-right corner) is stretched as one piece per band to the right
// edge of the target, so no right edge of its own is drawn. Vertically the top and bottom bands
// keep their height and the middle takes the rest. A new picture width x height.
PixelBitmap PaintTwoPartNineArea(const PixelBitmap& src, const TskNineArea& area, int width,
                                 int height);
// PaintThreePartHorz turned by a quarter: as wide as skin_rect and height high.
PixelBitmap PaintThreePartVert(const PixelBitmap& src, const TRect& skin_rect, int top, int bottom,
                               bool stretch_effect, int height);

}  // namespace vl
