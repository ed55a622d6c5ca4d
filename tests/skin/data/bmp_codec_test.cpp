#include "skin/data/bmp_codec.h"

#include <gtest/gtest.h>

#include "framework/errors.h"

namespace vl {
namespace {

SkinPicture Pattern(int width, int height, int bit_count, std::vector<Pixel> palette = {}) {
  SkinPicture p{PixelBitmap(width, height), bit_count, palette};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      p.bitmap.At(x, y) = palette.empty() ? MakePixel(std::uint8_t(x * 20), std::uint8_t(y * 30), 7)
                                          : palette[std::size_t(x + 2 * y) % palette.size()];
    }
  }
  return p;
}

std::vector<Pixel> Grays(int n) {
  std::vector<Pixel> palette;
  for (int i = 0; i < n; ++i) {
    auto v = std::uint8_t(i * 255 / (n - 1));
    palette.push_back(MakePixel(v, v, v));
  }
  return palette;
}

TEST(BmpCodec, EveryDepthRoundTripsWithItsPalette) {
  for (auto picture : {Pattern(5, 3, 24), Pattern(9, 4, 1, Grays(2)), Pattern(7, 5, 4, Grays(16)),
                       Pattern(3, 6, 8, Grays(256)), Pattern(11, 2, 4, Grays(5))}) {
    Bytes file = EncodeBmp(picture);
    EXPECT_EQ(DecodeBmp(file), picture) << picture.bit_count;
  }
}

TEST(BmpCodec, RowsArePaddedBottomUp) {
  Bytes file = EncodeBmp(Pattern(5, 3, 24));
  // 14 + 40 header bytes, then rows of 15 bytes padded to 16.
  EXPECT_EQ(file.size(), 54u + 3 * 16);
  EXPECT_EQ(file[10], 54);
  // The first stored row is the bottom one: pixel (0, 2) is (0, 60, 7), stored B G R.
  EXPECT_EQ(file[54], 7);
  EXPECT_EQ(file[55], 60);
}

TEST(BmpCodec, ExtentFollowsClrUsedAndSizeImage) {
  Bytes file = EncodeBmp(Pattern(4, 2, 4, Grays(5)));
  // Five table entries declared, then an image size with 8 spare bytes: the reader stops after
  // them, where the next item begins.
  EXPECT_EQ(file[46], 5);
  std::uint32_t image = 8;
  file[34] = std::uint8_t(image + 8);
  file.insert(file.end(), 8, 0xEE);
  file.push_back(0x42);
  ByteReader reader(file);
  ReadBmp(reader);
  EXPECT_EQ(reader.Remaining(), 1u);
}

TEST(BmpCodec, TopDownPicturesReadUpright) {
  SkinPicture picture = Pattern(3, 4, 24);
  Bytes file = EncodeBmp(picture);
  // Flip the stored rows and mark the height negative.
  std::size_t row = 12;
  Bytes flipped(file.begin(), file.begin() + 54);
  for (int y = 3; y >= 0; --y) {
    flipped.insert(flipped.end(), file.begin() + 54 + std::ptrdiff_t(y * row),
                   file.begin() + 54 + std::ptrdiff_t((y + 1) * row));
  }
  std::int32_t height = -4;
  for (int i = 0; i < 4; ++i)
    flipped[22 + std::size_t(i)] = std::uint8_t(std::uint32_t(height) >> (8 * i));
  EXPECT_EQ(DecodeBmp(flipped).bitmap, picture.bitmap);
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}

TEST(BmpCodec, DamagedPicturesAreNotValid) {
  const Bytes good = EncodeBmp(Pattern(4, 4, 8, Grays(256)));
  struct Case {
    const char* what;
    std::function<void(Bytes&)> damage;
  } cases[] = {
      {"signature", [](Bytes& b) { b[0] = 'X'; }},
      {"header cut", [](Bytes& b) { b.resize(30); }},
      {"pixels cut", [](Bytes& b) { b.pop_back(); }},
      {"palette cut", [](Bytes& b) { b.resize(54 + 100); }},
      {"info size", [](Bytes& b) { Put32(b, 14, 12); }},
      {"huge info size", [](Bytes& b) { Put32(b, 14, 0x7FFFFFFF); }},
      {"zero width", [](Bytes& b) { Put32(b, 18, 0); }},
      {"negative width", [](Bytes& b) { Put32(b, 18, 0xFFFFFFFF); }},
      {"zero height", [](Bytes& b) { Put32(b, 22, 0); }},
      {"huge",
       [](Bytes& b) {
         Put32(b, 18, 30000);
         Put32(b, 22, 30000);
       }},
      {"depth", [](Bytes& b) { b[28] = 16; }},
      {"compression", [](Bytes& b) { Put32(b, 30, 1); }},
      {"too many colours", [](Bytes& b) { Put32(b, 46, 257); }},
      {"colour count past the end",
       [](Bytes& b) {
         Put32(b, 46, 0xFFFFFFFF);
         b[28] = 24;
       }},
      {"image size short of the rows", [](Bytes& b) { Put32(b, 34, 4); }},
      {"image size past the end", [](Bytes& b) { Put32(b, 34, 0xFFFFFFF0); }},
  };
  for (const auto& c : cases) {
    Bytes bad = good;
    c.damage(bad);
    try {
      DecodeBmp(bad);
      ADD_FAILURE() << c.what;
    } catch (const FormatError& e) {
      EXPECT_STREQ(e.what(), "Bitmap image is not valid") << c.what;
    }
  }
}

TEST(BmpCodec, IndexesPastTheTableShowBlack) {
  Bytes file = EncodeBmp(Pattern(2, 1, 8, Grays(3)));
  file[54 + 3 * 4] = 200;
  EXPECT_EQ(DecodeBmp(file).bitmap.At(0, 0), 0u);
}

}  // namespace
}  // namespace vl
