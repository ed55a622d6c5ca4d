#include "skin/paint/region.h"

#include <algorithm>

#include "skin/paint/border_strips.h"

namespace vl {
namespace {

bool Inside(Pixel p) {
  return (p & 0x00FFFFFFu) == 0;
}

void AddRowRuns(const Pixel* row, int width, int y, TPoint origin, std::vector<TRect>& out) {
  int x = 0;
  while (x < width) {
    while (x < width && !Inside(row[x])) ++x;
    int start = x;
    while (x < width && Inside(row[x])) ++x;
    if (x > start) out.push_back({start + origin.x, y + origin.y, x + origin.x, y + origin.y + 1});
  }
}

void AddStrip(std::vector<TskRegionRects>& parts, const PixelBitmap& strip, int x, int y) {
  if (auto region = MaskToRegion(strip, x, y)) parts.push_back(std::move(*region));
}

}  // namespace

std::optional<TskRegionRects> MaskToRegion(const PixelBitmap& picture, int x0, int y0) {
  if (picture.Empty()) return std::nullopt;
  TskRegionRects region{{x0, y0, x0 + picture.Width(), y0 + picture.Height()}, {}};
  for (int y = 0; y < picture.Height(); ++y) {
    AddRowRuns(picture.Row(y), picture.Width(), y, {x0, y0}, region.rects);
  }
  return region;
}

std::vector<std::span<const TRect>> RegionBatches(const TskRegionRects& region) {
  std::vector<std::span<const TRect>> batches;
  std::span<const TRect> rest(region.rects);
  while (!rest.empty()) {
    std::size_t n = std::min(rest.size(), std::size_t(kMaxRegionRuns));
    batches.push_back(rest.first(n));
    rest = rest.subspan(n);
  }
  return batches;
}

bool TskWindowRegion::Contains(TPoint p) const {
  return std::any_of(parts.begin(), parts.end(), [p](const TskRegionRects& part) {
    return std::any_of(part.rects.begin(), part.rects.end(),
                       [p](const TRect& r) { return r.Contains(p); });
  });
}

std::optional<TskWindowRegion> BuildWindowRegion(const PixelBitmap& mask,
                                                 const TskSkinPoints& points, int width,
                                                 const TskSkinPoints& sized) {
  if (sized.rt.x < sized.lt.x || sized.lb.y < sized.lt.y) return std::nullopt;
  const TRect& client = sized.client;
  if (client.IsEmpty()) return std::nullopt;
  TskBorderStrips strips = BuildTiledBorderStrips(mask, points, width, sized);
  TskWindowRegion region;
  region.parts.push_back({client, {client}});
  AddStrip(region.parts, strips.top, 0, 0);
  AddStrip(region.parts, strips.bottom, 0, client.bottom);
  AddStrip(region.parts, strips.left, 0, client.top);
  AddStrip(region.parts, strips.right, client.right, client.top);
  return region;
}

}  // namespace vl
