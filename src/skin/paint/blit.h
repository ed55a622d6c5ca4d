#pragma once
// The copies every fitting operation is made of: a clipped rectangle copy, a stretch copy that
// samples the way the platform's plain stretch copy does (nearest source pixel, no blending),
// and repetition of a piece along a band; and the plain fills, frames and crops every drawing
// on a picture uses. Every operation is cut to the target's bounds (and to a clip rectangle
// where it takes one), and never reads outside the source picture.

#include <vector>

#include "framework/geometry.h"
#include "framework/pixel_bitmap.h"

namespace vl {

enum class StretchAxis { kColumns, kRows };

// For each of dst_size target pixels, the source index (0 to src_size - 1) it takes.
// Enlarging picks the source pixel under a point just before the target pixel's centre;
// shrinking keeps the last source column of each group, but the first source row, and a row
// shrunk to one column keeps the next-to-last source column. This is what the platform's
// stretch copy does with COLORONCOLOR, measured pixel by pixel; the Windows tests compare it
// with StretchBlt itself.
std::vector<int> StretchSampleMap(int src_size, int dst_size, StretchAxis axis);

// Copies src_rect of src with its top-left corner at (x, y), cut to clip and to dst.
void CopyRect(PixelBitmap& dst, int x, int y, const PixelBitmap& src, const TRect& src_rect,
              const TRect& clip);
void CopyRect(PixelBitmap& dst, int x, int y, const PixelBitmap& src, const TRect& src_rect);

// Stretches src_rect of src into dst_rect, drawing only inside clip and dst.
void StretchCopy(PixelBitmap& dst, const TRect& dst_rect, const PixelBitmap& src,
                 const TRect& src_rect, const TRect& clip);
void StretchCopy(PixelBitmap& dst, const TRect& dst_rect, const PixelBitmap& src,
                 const TRect& src_rect);

// Copies of src_rect at x = from + i * width for i = 0 to (to - from) div width, each cut where
// it would pass `to`, with their top at y. A piece without width draws nothing.
void RepeatAcross(PixelBitmap& dst, int from, int to, int y, const PixelBitmap& src,
                  const TRect& src_rect, const TRect& clip);
// The same downwards: copies at y = from + j * height, cut at `to`, their left at x.
void RepeatDown(PixelBitmap& dst, int from, int to, int x, const PixelBitmap& src,
                const TRect& src_rect, const TRect& clip);
// Copies over area from its top-left corner, in columns and rows, cut at its right and bottom.
void RepeatOver(PixelBitmap& dst, const TRect& area, const PixelBitmap& src, const TRect& src_rect);

// A picture holding src_rect of src stretched to width x height.
PixelBitmap StretchedPiece(const PixelBitmap& src, const TRect& src_rect, int width, int height);

TRect Intersect(const TRect& a, const TRect& b);

// Fills the part of `r` that lies on the picture.
void FillPixels(PixelBitmap& dst, const TRect& r, Pixel colour);
// A frame `width` pixels wide just inside `r`, cut to the picture.
void FramePixels(PixelBitmap& dst, const TRect& r, Pixel colour, int width = 1);
// The part of the picture under `r`, cut to the picture; empty when nothing of it is there.
PixelBitmap CropPixels(const PixelBitmap& src, const TRect& r);

}  // namespace vl
