#include <gtest/gtest.h>

#include "skin/paint/border_strips.h"
#include "skin/paint/pictures.h"
#include "skin/paint/region.h"

namespace vl {
namespace {

using testing::NumberedPicture;
using testing::SourceX;
using testing::SourceY;

// The carried skin's window: a 285 x 210 picture with these FORMINFO values.
constexpr TRect kPicture{0, 0, 285, 210};
constexpr TskSkinPoints kForm{{9, 29}, {274, 30}, {8, 200}, {274, 200}, {4, 27, 281, 206}};
constexpr TRect kMaskRectArea{4, 3, 282, 206};

struct WindowSize {
  int width, height;
};
constexpr WindowSize kSizes[] = {{200, 300}, {285, 210}, {826, 502}, {1920, 1080}};

TskSkinPoints Sized(const TskSkinPoints& p, WindowSize size) {
  return SizePoints(p, size.width - kPicture.Width(), size.height - kPicture.Height());
}

// The picture column that column x of a top strip W wide shows: fixed ends, and between them
// the band 9..274 repeated from x = 0.
int TopStripSource(int x, int width) {
  int right_start = 274 + width - 285;
  if (x < 9) return x;
  if (x >= right_start) return 274 + (x - right_start);
  return 9 + x % 265;
}

TEST(BuildBorderStrips, CarriedFrameAtEveryWidth) {
  PixelBitmap picture = NumberedPicture(285, 210);
  TskNineArea area{kPicture, kForm, {}, false, TskStretchType::stFull};
  for (WindowSize size : kSizes) {
    SCOPED_TRACE(size.width);
    TskBorderStrips s =
        BuildBorderStrips(picture, area, size.width, size.height, Sized(kForm, size));
    ASSERT_EQ(s.top.Width(), size.width);
    ASSERT_EQ(s.top.Height(), 27);
    ASSERT_EQ(s.bottom.Height(), 4);
    int middle = size.height - 31;
    ASSERT_EQ(s.left.Width(), 4);
    ASSERT_EQ(s.left.Height(), middle);
    ASSERT_EQ(s.right.Width(), 4);
    ASSERT_EQ(s.right.Height(), middle);
    for (int x = 0; x < size.width; ++x) {
      ASSERT_EQ(SourceX(s.top.At(x, 10)), TopStripSource(x, size.width)) << x;
      ASSERT_EQ(SourceY(s.bottom.At(x, 0)), 206) << x;
    }
    // Side strips: the rows above the corner points stay at the top, those below them at the
    // bottom, and the band between repeats from the top of the strip.
    for (int y = 0; y < middle; ++y) {
      int left = y < 2 ? 27 + y : y >= middle - 6 ? 200 + y - (middle - 6) : 29 + y % 171;
      int right = y < 3 ? 27 + y : y >= middle - 6 ? 200 + y - (middle - 6) : 30 + y % 170;
      ASSERT_EQ(SourceY(s.left.At(0, y)), left) << y;
      ASSERT_EQ(SourceY(s.right.At(0, y)), right) << y;
      ASSERT_EQ(SourceX(s.right.At(3, y)), 284) << y;
    }
  }
}

TEST(BuildBorderStrips, StripsWithoutRoomAreNotMade) {
  PixelBitmap picture = NumberedPicture(285, 210);
  TskNineArea area{kPicture, kForm, {}, false, TskStretchType::stFull};
  WindowSize flat{300, 31};
  TskBorderStrips s = BuildBorderStrips(picture, area, flat.width, flat.height, Sized(kForm, flat));
  EXPECT_FALSE(s.top.Empty());
  EXPECT_FALSE(s.bottom.Empty());
  EXPECT_TRUE(s.left.Empty());
  EXPECT_TRUE(s.right.Empty());
}

using Art = std::vector<std::string>;

// Each strip of a 15 x 12 frame around the lettered skin, as text.
struct StripArt {
  Art top, bottom, left, right;
};

void ExpectStrips(const TskBorderStrips& got, const StripArt& expected, const char* what) {
  EXPECT_EQ(testing::ArtOf(got.top), expected.top) << what << ": top";
  EXPECT_EQ(testing::ArtOf(got.bottom), expected.bottom) << what << ": bottom";
  EXPECT_EQ(testing::ArtOf(got.left), expected.left) << what << ": left";
  EXPECT_EQ(testing::ArtOf(got.right), expected.right) << what << ": right";
}

TEST(BuildBorderStrips, EachStripFromItsOwnBandsAndPieces) {
  PixelBitmap src = testing::PictureFromArt(testing::LetteredSkin());
  TskSkinPoints points = testing::LetteredSkinPoints();
  TskSkinPoints sized = SizePoints(points, 5, 3);
  struct Case {
    const char* what;
    TskStretchFlags stretch;
    StripArt expected;
  } cases[] = {
      {"repeated from the strip's start, ends copied over",
       {},
       {{"AAAdabcdabcdBBB", "AAAdabcdabcdBBB"},
        {"EEHyzvwxyzvwxII", "EEHyzvwxyzvwxII"},
        {"CC", "ff", "ee", "ff", "ee", "ff", "EE", "EE"},
        {"DDD", "DDD", "ggg", "hhh", "ggg", "hhh", "ggg", "GGG"}}},
      {"stretched between the fixed rows and columns",
       {true, true, true, true},
       {{"AAAaabbbccddBBB", "AAAaabbbccddBBB"},
        {"EEHvvwwxxyyzzII", "EEHvvwwxxyyzzII"},
        {"CC", "ee", "ee", "ee", "ff", "ff", "EE", "EE"},
        {"DDD", "DDD", "ggg", "ggg", "ggg", "hhh", "hhh", "GGG"}}},
  };
  for (const auto& c : cases) {
    TskNineArea area{src.Bounds(), points, c.stretch, false, TskStretchType::stFull};
    ExpectStrips(BuildBorderStrips(src, area, 15, 12, sized), c.expected, c.what);
  }
}

TEST(BuildTiledBorderStrips, BandsRepeatFromTheSizedCornerPoints) {
  PixelBitmap mask = testing::PictureFromArt(testing::LetteredSkin());
  TskSkinPoints points = testing::LetteredSkinPoints();
  ExpectStrips(BuildTiledBorderStrips(mask, points, 15, SizePoints(points, 5, 3)),
               {{"AAAabcdabcdaBBB", "AAAabcdabcdaBBB"},
                {"EEHvwxyzvwxyzII", "EEHvwxyzvwxyzII"},
                {"CC", "ff", "ee", "ff", "ee", "ff", "EE", "EE"},
                {"DDD", "DDD", "ggg", "hhh", "ggg", "hhh", "ggg", "GGG"}},
               "15 x 12");
}

// A mask in the carried layout: black, with the three outer pixels of every corner cut off and
// a notch of three white columns in the top band.
PixelBitmap CarriedMask() {
  PixelBitmap mask(285, 210, 0);
  const Pixel white = MakePixel(255, 255, 255);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 2 - y; ++x) {
      mask.At(x, y) = mask.At(284 - x, y) = white;
      mask.At(x, 209 - y) = mask.At(284 - x, 209 - y) = white;
    }
  }
  for (int x = 100; x < 103; ++x) mask.At(x, 0) = mask.At(x, 1) = white;
  return mask;
}

TEST(BuildWindowRegion, CarriedMaskAtEveryWidth) {
  PixelBitmap mask = CarriedMask();
  TskSkinPoints points = kForm;
  points.client = kMaskRectArea;
  for (WindowSize size : kSizes) {
    SCOPED_TRACE(size.width);
    int w = size.width, h = size.height;
    auto region = BuildWindowRegion(mask, points, w, Sized(points, size));
    ASSERT_TRUE(region);
    EXPECT_EQ(region->parts.size(), 5u);
    struct Probe {
      int x, y;
      bool inside;
    } probes[] = {
        {0, 0, false},        {1, 0, false},    {0, 1, false},        {2, 0, true},
        {w - 1, 0, false},    {w - 3, 0, true}, {0, h - 1, false},    {w - 1, h - 1, false},
        {w - 2, h - 2, true}, {100, 0, false},  {102, 1, false},      {103, 0, true},
        {w / 2, h / 2, true}, {0, h / 2, true}, {w - 1, h / 2, true}, {w / 2, h - 1, true},
        {w / 2, 2, true},
    };
    for (const Probe& p : probes) {
      EXPECT_EQ(region->Contains({p.x, p.y}), p.inside) << p.x << "," << p.y;
    }
    // The notch repeats with the top band, every 265 columns until the right corner.
    for (int x = 100 + 265; x < 274 + w - 285; x += 265) {
      EXPECT_FALSE(region->Contains({x, 0})) << x;
    }
    EXPECT_FALSE(region->Contains({w, 0}));
  }
}

TEST(BuildWindowRegion, NoneWhenSmallerThanTheCornersOrWithoutClient) {
  PixelBitmap mask = CarriedMask();
  TskSkinPoints points = kForm;
  points.client = kMaskRectArea;
  EXPECT_FALSE(BuildWindowRegion(mask, points, 200, Sized(points, {200, 31})));
  EXPECT_FALSE(BuildWindowRegion(mask, points, 19, Sized(points, {19, 300})));
  EXPECT_TRUE(BuildWindowRegion(mask, points, 20, Sized(points, {20, 300})));
  TskSkinPoints no_client = points;
  no_client.client = {4, 3, 4, 206};
  EXPECT_FALSE(BuildWindowRegion(mask, no_client, 285, SizePoints(no_client, 0, 0)));
}

TEST(MaskToRegion, RunsOfPureBlack) {
  const Pixel w = MakePixel(255, 255, 255), k = 0, almost = MakePixel(1, 0, 0);
  struct Case {
    const char* what;
    int width;
    std::vector<Pixel> pixels;
    std::vector<TRect> rects;  // at offset (10, 20)
  } cases[] = {
      {"all black", 3, {k, k, k, k, k, k}, {{10, 20, 13, 21}, {10, 21, 13, 22}}},
      {"no black", 2, {w, w, w, w}, {}},
      {"not quite black", 2, {almost, k, k, almost}, {{11, 20, 12, 21}, {10, 21, 11, 22}}},
      {"runs per row", 5, {k, w, k, k, w}, {{10, 20, 11, 21}, {12, 20, 14, 21}}},
      {"alpha byte ignored", 1, {0xFF000000u}, {{10, 20, 11, 21}}},
  };
  for (const auto& c : cases) {
    PixelBitmap picture(c.width, int(c.pixels.size()) / c.width);
    picture.Pixels() = c.pixels;
    auto region = MaskToRegion(picture, 10, 20);
    ASSERT_TRUE(region) << c.what;
    EXPECT_EQ(region->rects, c.rects) << c.what;
    EXPECT_EQ(region->bounds, (TRect{10, 20, 10 + picture.Width(), 20 + picture.Height()}));
  }
  EXPECT_FALSE(MaskToRegion(PixelBitmap(), 0, 0));
}

TEST(MaskToRegion, MoreRunsThanOneBatchAreAllKept) {
  // A checkerboard 201 x 101: 101 or 100 runs in every row, 10,151 in all.
  PixelBitmap picture(201, 101, MakePixel(255, 255, 255));
  for (int y = 0; y < 101; ++y) {
    for (int x = y % 2; x < 201; x += 2) picture.At(x, y) = 0;
  }
  auto region = MaskToRegion(picture, 0, 0);
  ASSERT_TRUE(region);
  std::size_t runs = 0;
  for (int y = 0; y < 101; ++y) runs += y % 2 ? 100 : 101;
  EXPECT_EQ(region->rects.size(), runs);
  auto batches = RegionBatches(*region);
  ASSERT_EQ(batches.size(), 2u);
  EXPECT_EQ(batches[0].size(), std::size_t(kMaxRegionRuns));
  EXPECT_EQ(batches[1].size(), runs - kMaxRegionRuns);
  EXPECT_EQ(batches[1].back(), region->rects.back());
}

}  // namespace
}  // namespace vl
