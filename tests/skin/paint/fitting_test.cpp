#include "skin/paint/fitting.h"

#include <gtest/gtest.h>

#include "skin/paint/blit.h"
#include "skin/paint/pictures.h"

namespace vl {
namespace {

using testing::NumberedPicture;
using testing::SourcePixel;
using testing::SourceX;
using testing::SourceY;

// A 20 x 16 skin rectangle at (2, 1) of a larger picture, so that offsets into the picture
// are exercised too.
TskNineArea SmallArea() {
  TskNineArea a;
  a.skin_rect = {2, 1, 22, 17};
  a.points = {{5, 4}, {14, 4}, {5, 12}, {14, 12}, {3, 3, 17, 13}};
  return a;
}

// The source pixel (relative to S) that target pixel (x, y) shows.
TPoint Origin(const PixelBitmap& target, int x, int y, const TRect& s) {
  Pixel p = target.At(x, y);
  return {SourceX(p) - s.left, SourceY(p) - s.top};
}

TEST(PaintNineArea, TargetOfTheSourceSizeReproducesIt) {
  PixelBitmap src = NumberedPicture(24, 18);
  TskNineArea a = SmallArea();
  PixelBitmap out = PaintNineArea(src, a, true, 20, 16);
  PixelBitmap expected(20, 16);
  CopyRect(expected, 0, 0, src, a.skin_rect);
  EXPECT_EQ(out, expected);
}

TEST(PaintNineArea, BandsRepeatFromTheirStartAndAreCutAtTheirEnd) {
  PixelBitmap src = NumberedPicture(24, 18);
  TskNineArea a = SmallArea();
  PixelBitmap out = PaintNineArea(src, a, true, 40, 30);  // dx 20, dy 14
  const TRect& s = a.skin_rect;
  struct Case {
    int x, y;
    TPoint from;
    const char* what;
  } cases[] = {
      {0, 0, {0, 0}, "top-left corner"},         {5, 1, {5, 1}, "top band, first copy"},
      {14, 1, {5, 1}, "top band, second copy"},  {33, 2, {6, 2}, "top band, last copy cut"},
      {34, 2, {14, 2}, "top-right corner"},      {39, 0, {19, 0}, "top-right corner, far end"},
      {1, 12, {1, 4}, "left band, second copy"}, {1, 26, {1, 12}, "left, lower piece"},
      {37, 26, {17, 12}, "right, lower piece"},  {25, 28, {7, 14}, "bottom band"},
      {39, 29, {19, 15}, "bottom-right corner"}, {3, 3, {3, 3}, "client, first tile"},
      {17, 13, {3, 3}, "client, tiles repeat"},  {36, 26, {8, 6}, "client, last tile cut"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Origin(out, c.x, c.y, s), c.from) << c.what << " at " << c.x << "," << c.y;
  }
}

// The lettered skin inside a picture with a border of Z, so that a piece cut from the wrong
// place, or read without the skin rectangle's offset, shows up as a letter out of place.
TEST(PaintNineArea, EveryBandAndPieceLandsInItsPlace) {
  std::vector<std::string> art = testing::LetteredSkin();
  for (std::string& row : art) row = "Z" + row + "Z";
  art.insert(art.begin(), std::string(12, 'Z'));
  art.push_back(std::string(12, 'Z'));
  PixelBitmap src = testing::PictureFromArt(art);
  struct Case {
    const char* what;
    TskStretchFlags stretch;
    bool stretch_effect;
    bool draw_client;
    std::vector<std::string> expected;
  } cases[] = {
      {"repeated bands cut at their ends, client tiled",
       {},
       false,
       true,
       {"AAAabcdabcdaBBB", "AAAabcdabcdaBBB", "CC0123401234DDD", "ee5678956789DDD",
        "ffijklmijklmggg", "eenopqrnopqrhhh", "ffSTUVWSTUVWggg", "ee0123401234hhh",
        "EE5678956789ggg", "EEijklmijklmGGG", "EEHvwxyzvwxyzII", "EEHvwxyzvwxyzII"}},
      {"client left undrawn",
       {},
       false,
       false,
       {"AAAabcdabcdaBBB", "AAAabcdabcdaBBB", "CC..........DDD", "ee..........DDD",
        "ff..........ggg", "ee..........hhh", "ff..........ggg", "ee..........hhh",
        "EE..........ggg", "EE..........GGG", "EEHvwxyzvwxyzII", "EEHvwxyzvwxyzII"}},
      {"every band and the client stretched",
       {true, true, true, true},
       true,
       true,
       {"AAAaabbbccddBBB", "AAAaabbbccddBBB", "CC0011223344DDD", "ee0011223344DDD",
        "ee5566778899ggg", "eeiijjkkllmmggg", "ffiijjkkllmmggg", "ffnnooppqqrrhhh",
        "EESSTTUUVVWWhhh", "EESSTTUUVVWWGGG", "EEHvvwwxxyyzzII", "EEHvvwwxxyyzzII"}},
  };
  for (const auto& c : cases) {
    TskNineArea area{{1, 1, 11, 10},
                     testing::LetteredSkinPoints(),
                     c.stretch,
                     c.stretch_effect,
                     TskStretchType::stFull};
    EXPECT_EQ(testing::ArtOf(PaintNineArea(src, area, c.draw_client, 15, 12)), c.expected)
        << c.what;
  }
  TskNineArea area{
      {1, 1, 11, 10}, testing::LetteredSkinPoints(), {}, false, TskStretchType::stFull};
  EXPECT_EQ(testing::ArtOf(PaintNineArea(src, area, true, 8, 7)),
            (std::vector<std::string>{"AAAabBBB", "AAAabBBB", "CC012DDD", "EE567DDD", "EEijkGGG",
                                      "EEHvwxII", "EEHvwxII"}))
      << "smaller than the skin: no room for the side bands, the pieces cut by the target";
}

TEST(PaintNineArea, StretchFlagsStretchTheirBandOnly) {
  PixelBitmap src = NumberedPicture(24, 18);
  TskNineArea a = SmallArea();
  a.stretch.top = true;
  PixelBitmap out = PaintNineArea(src, a, false, 40, 30);
  std::vector<int> cols = StretchSampleMap(9, 29, StretchAxis::kColumns);
  for (int x = 5; x < 34; ++x) EXPECT_EQ(Origin(out, x, 2, a.skin_rect).x, 5 + cols[x - 5]) << x;
  EXPECT_EQ(Origin(out, 1, 12, a.skin_rect), (TPoint{1, 4})) << "left band still repeats";
  EXPECT_EQ(out.At(10, 10), 0u) << "client not drawn without the flag";
}

TEST(PaintNineArea, ClientStretchTypes) {
  PixelBitmap src = NumberedPicture(24, 18);
  TskNineArea a = SmallArea();
  a.stretch_effect = true;
  const TRect client{3, 3, 37, 27};  // the sized client of a 40 x 30 target: 34 x 24
  std::vector<int> cols = StretchSampleMap(14, 34, StretchAxis::kColumns);
  std::vector<int> rows = StretchSampleMap(10, 24, StretchAxis::kRows);
  std::vector<int> strip_rows = StretchSampleMap(10, 24, StretchAxis::kRows);
  std::vector<int> strip_cols = StretchSampleMap(14, 34, StretchAxis::kColumns);

  a.stretch_type = TskStretchType::stFull;
  PixelBitmap full = PaintNineArea(src, a, true, 40, 30);
  a.stretch_type = TskStretchType::stHorz;
  PixelBitmap horz = PaintNineArea(src, a, true, 40, 30);
  a.stretch_type = TskStretchType::stVert;
  PixelBitmap vert = PaintNineArea(src, a, true, 40, 30);
  for (int y = client.top; y < client.bottom; ++y) {
    for (int x = client.left; x < client.right; ++x) {
      int cx = x - client.left, cy = y - client.top;
      ASSERT_EQ(Origin(full, x, y, a.skin_rect), (TPoint{3 + cols[cx], 3 + rows[cy]}));
      ASSERT_EQ(Origin(horz, x, y, a.skin_rect), (TPoint{3 + cx % 14, 3 + strip_rows[cy]}));
      ASSERT_EQ(Origin(vert, x, y, a.skin_rect), (TPoint{3 + strip_cols[cx], 3 + cy % 10}));
    }
  }
}

TEST(PaintNineArea, NothingIsDrawnWithoutSourceOrMiddle) {
  PixelBitmap src = NumberedPicture(24, 18);
  TskNineArea a = SmallArea();
  EXPECT_EQ(PaintNineArea(PixelBitmap(), a, true, 30, 20), PixelBitmap(30, 20));
  a.points.rb = {a.points.lt.x, 12};
  EXPECT_EQ(PaintNineArea(src, a, true, 30, 20), PixelBitmap(30, 20));
  a = SmallArea();
  a.points.rb = {14, a.points.lt.y};
  EXPECT_EQ(PaintNineArea(src, a, true, 30, 20), PixelBitmap(30, 20));
}

TEST(PaintNineArea, TargetSmallerThanItsCornersKeepsTheCornersCut) {
  PixelBitmap src = NumberedPicture(24, 18);
  TskNineArea a = SmallArea();
  PixelBitmap out = PaintNineArea(src, a, true, 8, 6);
  ASSERT_EQ(out.Width(), 8);
  EXPECT_EQ(Origin(out, 0, 0, a.skin_rect), (TPoint{0, 0}));
  // The bottom-right corner (source columns 14..19) now starts at column 2.
  EXPECT_EQ(Origin(out, 7, 5, a.skin_rect), (TPoint{19, 15}));
}

TEST(PaintStretchedBorder, StretchesEverythingAroundTheClient) {
  PixelBitmap src = NumberedPicture(10, 10);
  PixelBitmap target(30, 20);
  PaintStretchedBorder(target, src, {0, 0, 10, 10}, {2, 2, 8, 8}, true);
  std::vector<int> cols = StretchSampleMap(6, 26, StretchAxis::kColumns);
  std::vector<int> rows = StretchSampleMap(6, 16, StretchAxis::kRows);
  EXPECT_EQ(target.At(0, 0), SourcePixel(0, 0));
  EXPECT_EQ(target.At(29, 19), SourcePixel(9, 9));
  EXPECT_EQ(target.At(29, 0), SourcePixel(9, 0));
  for (int x = 2; x < 28; ++x) EXPECT_EQ(target.At(x, 1), SourcePixel(2 + cols[x - 2], 1));
  for (int y = 2; y < 18; ++y) {
    EXPECT_EQ(target.At(0, y), SourcePixel(0, 2 + rows[y - 2]));
    EXPECT_EQ(target.At(15, y), SourcePixel(2 + cols[13], 2 + rows[y - 2]));
  }
}

TEST(PaintThreePartHorz, ButtonWidenedByRepeatingItsMiddle) {
  // A 42 x 22 button look with corner points 3,9 and 35,11: ends of 3 and 7 columns.
  PixelBitmap src = NumberedPicture(50, 30);
  TRect s{4, 2, 46, 24};
  PixelBitmap out = PaintThreePartHorz(src, s, 3, 7, false, 100);
  ASSERT_EQ(out.Height(), 22);
  for (int x = 0; x < 100; ++x) {
    int from = x < 3 ? x : x >= 93 ? 35 + (x - 93) : 3 + (x - 3) % 32;
    EXPECT_EQ(out.At(x, 5), SourcePixel(s.left + from, s.top + 5)) << x;
  }
}

TEST(PaintThreePartHorz, StretchedMiddleAndZeroWidthMiddle) {
  PixelBitmap src = NumberedPicture(12, 2);
  PixelBitmap out = PaintThreePartHorz(src, src.Bounds(), 3, 4, true, 20);
  std::vector<int> cols = StretchSampleMap(5, 13, StretchAxis::kColumns);
  for (int x = 3; x < 16; ++x) EXPECT_EQ(out.At(x, 1), SourcePixel(3 + cols[x - 3], 1));
  // With no middle left, the first column of the right end fills the gap.
  PixelBitmap narrow = PaintThreePartHorz(src, src.Bounds(), 6, 6, false, 16);
  for (int x = 6; x < 10; ++x) EXPECT_EQ(narrow.At(x, 0), SourcePixel(6, 0));
  EXPECT_EQ(narrow.At(10, 0), SourcePixel(6, 0)) << "right end starts at width - 6";
}

TEST(PaintTwoPartHorz, MiddleRunsToTheRightEdge) {
  PixelBitmap src = NumberedPicture(10, 1);
  PixelBitmap out = PaintTwoPartHorz(src, src.Bounds(), 2, 3, false, 15);
  const int expected[] = {0, 1, 2, 3, 4, 5, 6, 2, 3, 4, 5, 6, 2, 3, 4};
  for (int x = 0; x < 15; ++x) EXPECT_EQ(out.At(x, 0), SourcePixel(expected[x], 0)) << x;
}

TEST(PaintTwoPartNineArea, TargetOfTheSourceSizeReproducesIt) {
  PixelBitmap src = NumberedPicture(24, 18);
  TskNineArea a = SmallArea();
  PixelBitmap expected(20, 16);
  CopyRect(expected, 0, 0, src, a.skin_rect);
  EXPECT_EQ(PaintTwoPartNineArea(src, a, 20, 16), expected);
}

TEST(PaintTwoPartNineArea, LeftPiecesStayAndTheRestStretchesToTheRightEdge) {
  PixelBitmap src = NumberedPicture(24, 18);
  TskNineArea a = SmallArea();
  const int w = 40, h = 22;  // dy 6: the left-bottom point moves to row 18, the client to 19
  const std::vector<int> top_cols = StretchSampleMap(15, 35, StretchAxis::kColumns);
  const std::vector<int> mid_cols = StretchSampleMap(17, 37, StretchAxis::kColumns);
  const std::vector<int> mid_rows = StretchSampleMap(10, 16, StretchAxis::kRows);
  for (bool left_stretch : {false, true}) {
    a.stretch.left = left_stretch;
    PixelBitmap out = PaintTwoPartNineArea(src, a, w, h);
    const std::vector<int> band_rows = StretchSampleMap(8, 14, StretchAxis::kRows);
    struct Case {
      int x, y;
      TPoint from;
      const char* what;
    } cases[] = {
        {0, 0, {0, 0}, "top-left corner"},
        {4, 2, {4, 2}, "top-left corner, inner end"},
        {1, 3, {1, 3}, "left, upper piece"},
        {2, 21, {2, 15}, "left, lower piece"},
        {0, 18, {0, 12}, "left, lower piece, first row"},
        {4, 19, {4, 13}, "bottom-left piece"},
        {5, 0, {5 + top_cols[0], 0}, "top band starts at the left-top point"},
        {39, 1, {5 + top_cols[34], 1}, "top band ends at the right edge"},
        {39, 1, {19, 1}, "with the top-right corner's last column"},
        {3, 3, {3 + mid_cols[0], 3 + mid_rows[0]}, "client, first pixel"},
        {37, 10, {3 + mid_cols[34], 3 + mid_rows[7]}, "client and right edge as one piece"},
        {39, 18, {19, 12}, "right edge's last column, last middle row"},
        {20, 20, {5 + top_cols[15], 14}, "bottom band"},
        {39, 21, {19, 15}, "bottom-right corner's last pixel"},
    };
    for (const auto& c : cases) {
      EXPECT_EQ(Origin(out, c.x, c.y, a.skin_rect), c.from)
          << c.what << " at " << c.x << "," << c.y << (left_stretch ? ", left stretched" : "");
    }
    // The nine-area fit would show the right edge's first column (17) at w - 3; here it is
    // stretched with the client and lies further right.
    EXPECT_NE(Origin(out, w - 3, 10, a.skin_rect).x, 17);
    for (int y = 4; y < 18; ++y) {
      const int from = left_stretch ? 4 + band_rows[y - 4] : 4 + (y - 4) % 8;
      EXPECT_EQ(Origin(out, 1, y, a.skin_rect), (TPoint{1, from})) << "left band at " << y;
    }
  }
}

TEST(PaintTwoPartNineArea, EveryPixelIsDrawnEvenBelowTheCornersHeight) {
  PixelBitmap src = NumberedPicture(24, 18);
  TskNineArea a = SmallArea();
  for (int h : {8, 5, 1}) {
    PixelBitmap out = PaintTwoPartNineArea(src, a, 30, h);
    ASSERT_EQ(out.Height(), h);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < 30; ++x) ASSERT_NE(out.At(x, y), 0u) << x << "," << y << " of " << h;
    }
  }
  EXPECT_EQ(PaintTwoPartNineArea(PixelBitmap(), a, 30, 20), PixelBitmap(30, 20));
}

TEST(PaintThreePartVert, RowsRepeatAndAZeroMiddleRepeatsNothing) {
  PixelBitmap src = NumberedPicture(2, 8);
  PixelBitmap out = PaintThreePartVert(src, src.Bounds(), 2, 3, false, 12);
  const int expected[] = {0, 1, 2, 3, 4, 2, 3, 4, 2, 5, 6, 7};
  for (int y = 0; y < 12; ++y) EXPECT_EQ(out.At(1, y), SourcePixel(1, expected[y])) << y;
  PixelBitmap gap = PaintThreePartVert(src, src.Bounds(), 4, 4, false, 12);
  for (int y = 4; y < 8; ++y) EXPECT_EQ(gap.At(0, y), 0u) << y;
}

}  // namespace
}  // namespace vl
