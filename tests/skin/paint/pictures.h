#pragma once
// Generated pictures whose every pixel names where it came from, so that a misplaced copy shows
// which source pixel landed where.

#include "framework/pixel_bitmap.h"

namespace vl::testing {

// Pixel (x, y) holds x + 1 in its upper 12 colour bits and y + 1 in the lower 12, so no pixel
// is 0 (an undrawn one); pictures up to 4094 x 4094.
inline Pixel SourcePixel(int x, int y) {
  return (Pixel(x + 1) << 12) | Pixel(y + 1);
}
inline int SourceX(Pixel p) {
  return int((p >> 12) & 0xFFF) - 1;
}
inline int SourceY(Pixel p) {
  return int(p & 0xFFF) - 1;
}

inline PixelBitmap NumberedPicture(int width, int height) {
  PixelBitmap b(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) b.At(x, y) = SourcePixel(x, y);
  }
  return b;
}

}  // namespace vl::testing
