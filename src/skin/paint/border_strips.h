#pragma once
// The four strips of a frame around its client area, made as separate pictures so that a
// frame can paint them into its non-client area, and so that a mask can be turned into the
// window's shape strip by strip. A strip that is not made is an empty picture.

#include "framework/pixel_bitmap.h"
#include "skin/paint/fitting.h"
#include "skin/paint/skin_geometry.h"

namespace vl {

struct TskBorderStrips {
  PixelBitmap top;     // width x sized client top
  PixelBitmap bottom;  // width x (height - sized client bottom)
  PixelBitmap left;    // the rows between top and bottom
  PixelBitmap right;
};

// Cuts skin_rect of src (corner points and stretch flags of `area`) for a target
// width x height with the sized points.
TskBorderStrips BuildBorderStrips(const PixelBitmap& src, const TskNineArea& area, int width,
                                  int height, const TskSkinPoints& sized);

// Cuts a whole mask picture, repeating its bands and never stretching them; the left and
// right strips are as high as the sized client rectangle.
TskBorderStrips BuildTiledBorderStrips(const PixelBitmap& mask, const TskSkinPoints& points,
                                       int width, const TskSkinPoints& sized);

}  // namespace vl
