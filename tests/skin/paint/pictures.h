#pragma once
// Generated pictures whose every pixel names where it came from, so that a misplaced copy shows
// which source pixel landed where, and pictures drawn as text with a letter per region.

#include <string>
#include <vector>

#include "framework/pixel_bitmap.h"
#include "skin/paint/skin_geometry.h"

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

// A picture drawn as text: each character is a colour of its own, '.' the undrawn 0.
inline PixelBitmap PictureFromArt(const std::vector<std::string>& rows) {
  PixelBitmap b(rows.empty() ? 0 : int(rows[0].size()), int(rows.size()));
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) {
      char c = rows[std::size_t(y)][std::size_t(x)];
      b.At(x, y) = c == '.' ? 0 : Pixel(static_cast<unsigned char>(c));
    }
  }
  return b;
}

inline std::vector<std::string> ArtOf(const PixelBitmap& b) {
  std::vector<std::string> rows;
  for (int y = 0; y < b.Height(); ++y) {
    std::string row;
    for (int x = 0; x < b.Width(); ++x) row += b.At(x, y) == 0 ? '.' : char(b.At(x, y));
    rows.push_back(row);
  }
  return rows;
}

// A skin rectangle 10 x 9 with a letter per region: capitals for the corners and fixed pieces,
// a small letter for each column of the top and bottom bands and each row of the side bands,
// and the client 5 x 5 in digits and letters; LetteredSkinPoints are its corner points and client.
inline std::vector<std::string> LetteredSkin() {
  return {
      "AAAabcdBBB",  // top-left, top band 3..7, top-right
      "AAAabcdBBB",  //
      "CC01234DDD",  // left, upper; client; right, upper
      "ee56789DDD",  // left band 3..5
      "ffijklmggg",  // right band 4..6
      "EEnopqrhhh",  // left, lower
      "EESTUVWGGG",  // right, lower
      "EEHvwxyzII",  // bottom-left 2..3, bottom band 3..8, bottom-right
      "EEHvwxyzII",  //
  };
}
inline TskSkinPoints LetteredSkinPoints() {
  return {{3, 3}, {7, 4}, {3, 5}, {8, 6}, {2, 2, 7, 7}};
}

}  // namespace vl::testing
