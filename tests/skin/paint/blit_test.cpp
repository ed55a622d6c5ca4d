#include "skin/paint/blit.h"

#include <gtest/gtest.h>

#include "skin/paint/pictures.h"

namespace vl {
namespace {

using testing::NumberedPicture;
using testing::SourcePixel;

// Read from StretchBlt (COLORONCOLOR) under the platform, one row and one column at a time.
TEST(StretchSampleMap, MatchesThePlatformsStretchCopy) {
  struct Case {
    int src, dst;
    StretchAxis axis;
    std::vector<int> expected;
  } cases[] = {
      {3, 5, StretchAxis::kColumns, {0, 0, 1, 2, 2}},
      {4, 5, StretchAxis::kRows, {0, 1, 1, 2, 3}},
      {2, 5, StretchAxis::kColumns, {0, 0, 0, 1, 1}},
      {5, 5, StretchAxis::kColumns, {0, 1, 2, 3, 4}},
      {3, 2, StretchAxis::kColumns, {1, 2}},
      {3, 2, StretchAxis::kRows, {0, 2}},
      {12, 5, StretchAxis::kColumns, {1, 4, 6, 9, 11}},
      {12, 5, StretchAxis::kRows, {0, 2, 5, 7, 10}},
      {7, 5, StretchAxis::kColumns, {0, 2, 3, 5, 6}},
      {7, 5, StretchAxis::kRows, {0, 1, 3, 4, 6}},
      {5, 1, StretchAxis::kColumns, {3}},
      {2, 1, StretchAxis::kColumns, {0}},
      {5, 1, StretchAxis::kRows, {0}},
      {0, 3, StretchAxis::kColumns, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StretchSampleMap(c.src, c.dst, c.axis), c.expected)
        << c.src << " -> " << c.dst << (c.axis == StretchAxis::kRows ? " rows" : " columns");
  }
}

TEST(CopyRect, CutsAtSourceTargetAndClip) {
  PixelBitmap src = NumberedPicture(4, 4);
  PixelBitmap dst(5, 5);
  // The source rectangle runs past the picture on the left and the copy past the target's
  // bottom: only the overlapping pixels move, each to the place it would have had.
  CopyRect(dst, 1, 3, src, {-1, 0, 3, 4});
  EXPECT_EQ(dst.At(0, 3), 0u);
  EXPECT_EQ(dst.At(2, 3), SourcePixel(0, 0));
  EXPECT_EQ(dst.At(4, 4), SourcePixel(2, 1));

  PixelBitmap clipped(5, 5);
  CopyRect(clipped, 0, 0, src, src.Bounds(), {1, 1, 3, 2});
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 5; ++x) {
      bool inside = x >= 1 && x < 3 && y == 1;
      EXPECT_EQ(clipped.At(x, y), inside ? SourcePixel(x, y) : 0u) << x << "," << y;
    }
  }
}

TEST(StretchCopy, SameSizeIsACopyAndStretchesAreSeparable) {
  PixelBitmap src = NumberedPicture(6, 4);
  PixelBitmap same(6, 4);
  StretchCopy(same, same.Bounds(), src, src.Bounds());
  EXPECT_EQ(same, src);

  PixelBitmap wide(5, 2);
  StretchCopy(wide, wide.Bounds(), src, {0, 0, 3, 3});
  std::vector<int> cols = StretchSampleMap(3, 5, StretchAxis::kColumns);
  std::vector<int> rows = StretchSampleMap(3, 2, StretchAxis::kRows);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 5; ++x) EXPECT_EQ(wide.At(x, y), SourcePixel(cols[x], rows[y]));
  }
}

TEST(Repeat, CopiesAreCutAtTheEndAndNegativeSpansDrawNothing) {
  PixelBitmap src = NumberedPicture(3, 1);
  PixelBitmap dst(10, 1);
  RepeatAcross(dst, 1, 8, 0, src, src.Bounds(), dst.Bounds());
  const int expected[] = {-1, 0, 1, 2, 0, 1, 2, 0, -1, -1};
  for (int x = 0; x < 10; ++x) {
    EXPECT_EQ(dst.At(x, 0), expected[x] < 0 ? 0u : SourcePixel(expected[x], 0)) << x;
  }
  PixelBitmap untouched(10, 1);
  RepeatAcross(untouched, 6, 2, 0, src, src.Bounds(), untouched.Bounds());
  RepeatAcross(untouched, 0, 10, 0, src, {0, 0, 0, 1}, untouched.Bounds());
  EXPECT_EQ(untouched, PixelBitmap(10, 1));
}

TEST(FillsAndFrames, AreCutToThePictureAndDrawNothingForEmptyRectangles) {
  const Pixel x = Pixel('#');
  struct Case {
    const char* what;
    void (*draw)(PixelBitmap&, Pixel);
    std::vector<std::string> art;
  } cases[] = {
      {"fill",
       [](PixelBitmap& b, Pixel p) {
         FillPixels(b, {1, 1, 4, 3}, p);
       },
       {".....", ".###.", ".###.", "....."}},
      {"fill past every edge",
       [](PixelBitmap& b, Pixel p) {
         FillPixels(b, {-2, 2, 9, 9}, p);
       },
       {".....", ".....", "#####", "#####"}},
      {"empty fill",
       [](PixelBitmap& b, Pixel p) {
         FillPixels(b, {3, 1, 3, 4}, p);
       },
       {".....", ".....", ".....", "....."}},
      {"frame",
       [](PixelBitmap& b, Pixel p) {
         FramePixels(b, {0, 0, 5, 4}, p);
       },
       {"#####", "#...#", "#...#", "#####"}},
      {"frame two wide",
       [](PixelBitmap& b, Pixel p) {
         FramePixels(b, {0, 0, 5, 4}, p, 2);
       },
       {"#####", "#####", "#####", "#####"}},
      {"frame two high",
       [](PixelBitmap& b, Pixel p) {
         FramePixels(b, {1, 1, 4, 3}, p);
       },
       {".....", ".###.", ".###.", "....."}},
      {"frame half outside",
       [](PixelBitmap& b, Pixel p) {
         FramePixels(b, {2, -1, 7, 3}, p);
       },
       {"..#..", "..#..", "..###", "....."}},
      {"frame of no width",
       [](PixelBitmap& b, Pixel p) {
         FramePixels(b, {0, 0, 5, 4}, p, 0);
       },
       {".....", ".....", ".....", "....."}},
  };
  for (const auto& c : cases) {
    PixelBitmap b(5, 4);
    c.draw(b, x);
    EXPECT_EQ(testing::ArtOf(b), c.art) << c.what;
  }
}

TEST(CropPixels, TakesThePartOnThePicture) {
  const PixelBitmap src = NumberedPicture(6, 4);
  const PixelBitmap inside = CropPixels(src, {1, 2, 4, 4});
  ASSERT_EQ(inside.Width(), 3);
  ASSERT_EQ(inside.Height(), 2);
  EXPECT_EQ(inside.At(0, 0), SourcePixel(1, 2));
  EXPECT_EQ(inside.At(2, 1), SourcePixel(3, 3));
  const PixelBitmap cut = CropPixels(src, {4, -3, 10, 1});
  ASSERT_EQ(cut.Width(), 2);
  ASSERT_EQ(cut.Height(), 1);
  EXPECT_EQ(cut.At(0, 0), SourcePixel(4, 0));
  EXPECT_TRUE(CropPixels(src, {6, 0, 9, 4}).Empty());
  EXPECT_TRUE(CropPixels(src, {2, 2, 2, 3}).Empty());
}

}  // namespace
}  // namespace vl
