#include "framework/pixel_bitmap.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(PixelBitmap, PlatformColoursSwapRedAndBlue) {
  struct Case {
    std::uint32_t color;
    Pixel pixel;
  } cases[] = {
      {0x000000FF, 0x00FF0000},  // red
      {0x00FF0000, 0x000000FF},  // blue
      {0x0000FF00, 0x0000FF00},  // green stays
      {0x00FDEEE3, 0x00E3EEFD},  // RGB(227,238,253)
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ColorToPixel(c.color), c.pixel) << std::hex << c.color;
    EXPECT_EQ(PixelToColor(c.pixel), c.color) << std::hex << c.pixel;
  }
}

TEST(PixelBitmap, NonPositiveSizeIsEmpty) {
  for (auto [w, h] : {std::pair{0, 5}, {5, 0}, {-3, 4}, {4, -3}}) {
    PixelBitmap b(w, h);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.Width(), 0);
    EXPECT_EQ(b.Height(), 0);
    EXPECT_TRUE(b.Pixels().empty());
  }
  PixelBitmap b(3, 2, 7);
  b.At(2, 1) = 9;
  EXPECT_EQ(b.Pixels()[5], 9u);
  EXPECT_EQ(b.Row(1)[0], 7u);
}

}  // namespace
}  // namespace vl
