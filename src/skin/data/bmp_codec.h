#pragma once
// The pictures of a skin package are device-independent bitmap files: a 14-byte file header
// ("BM"), a 40-byte information header, the colour table and the pixel rows bottom-up, each
// padded to 4 bytes. Colour pictures are 24-bit; masks are 8-, 4- or 1-bit paletted pictures.
//
// A reader finds the end of one picture from its headers alone: file header, information header
// (biSize bytes), colour table (biClrUsed entries of 4 bytes, or 2^biBitCount entries when
// biClrUsed is 0 and biBitCount is 8 or less), then biSizeImage bytes of pixels (row size times
// height when biSizeImage is 0). The next item of the package begins right after.

#include <cstdint>
#include <string_view>
#include <vector>

#include "framework/pixel_bitmap.h"
#include "skin/data/byte_stream.h"

namespace vl {

inline constexpr std::string_view kBitmapNotValid = "Bitmap image is not valid";

// Skins are small; a picture header claiming more than this is damaged, whatever the bytes
// behind it, and is refused before anything is allocated for it.
inline constexpr int kMaxBitmapSide = 32767;
inline constexpr std::int64_t kMaxBitmapPixels = std::int64_t(1) << 24;

// A picture as the package stores it: its pixels, and for a paletted mask the bit depth and
// colour table it is written back with.
struct SkinPicture {
  PixelBitmap bitmap;
  int bit_count = 24;          // 1, 4, 8 (paletted) or 24
  std::vector<Pixel> palette;  // the colour table of a paletted picture

  bool Empty() const { return bitmap.Empty(); }
  friend bool operator==(const SkinPicture&, const SkinPicture&) = default;
};

// Reads one bitmap file at the reader's position and leaves the reader right after its extent.
// Any damage, or more pixels than max_pixels, fails with "Bitmap image is not valid".
SkinPicture ReadBmp(ByteReader& reader, std::int64_t max_pixels = kMaxBitmapPixels);

// One whole bitmap file.
SkinPicture DecodeBmp(ByteView file);

// Writes a bottom-up bitmap file: 24-bit for a colour picture, or the picture's own bit depth
// and colour table for a paletted one (each pixel takes the nearest table entry).
void WriteBmp(const SkinPicture& picture, ByteWriter& writer);
Bytes EncodeBmp(const SkinPicture& picture);

}  // namespace vl
