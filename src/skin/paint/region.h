#pragma once
// Window shapes as lists of rectangles. A mask picture's pure-black pixels are inside; each
// run of them in a row becomes one rectangle one pixel high. The platform glue turns the
// lists into regions, taking the rectangles kMaxRegionRuns at a time.

#include <optional>
#include <span>
#include <vector>

#include "framework/pixel_bitmap.h"
#include "skin/paint/skin_geometry.h"

namespace vl {

// The most rectangles handed to the platform in one region; a mask with more runs is built
// from several such batches united, so no run is ever dropped.
constexpr int kMaxRegionRuns = 10000;

struct TskRegionRects {
  TRect bounds;
  std::vector<TRect> rects;  // in row order, left to right within a row
};

// The runs of inside pixels of picture, moved by (x0, y0); none for an empty picture. A picture
// without a black pixel gives a region without rectangles.
std::optional<TskRegionRects> MaskToRegion(const PixelBitmap& picture, int x0, int y0);

// The rectangles in batches of at most kMaxRegionRuns, in order.
std::vector<std::span<const TRect>> RegionBatches(const TskRegionRects& region);

// The union of its parts: the sized client rectangle first, then the region of every border
// strip that was made.
struct TskWindowRegion {
  std::vector<TskRegionRects> parts;
  bool Contains(TPoint p) const;
};

// The shape of a window `width` wide, sized by `sized`, whose mask has the layout of its window
// picture; none when the window is smaller than its fixed corners or the sized client rectangle is
// empty.
std::optional<TskWindowRegion> BuildWindowRegion(const PixelBitmap& mask,
                                                 const TskSkinPoints& points, int width,
                                                 const TskSkinPoints& sized);

}  // namespace vl
