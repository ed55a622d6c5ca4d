#include "skin/paint/effects.h"

#include <gtest/gtest.h>

#include <set>

namespace vl {
namespace {

PixelBitmap Row(std::vector<Pixel> pixels) {
  PixelBitmap b(int(pixels.size()), 1);
  b.Pixels() = std::move(pixels);
  return b;
}

Pixel Grey(int v) {
  return MakePixel(std::uint8_t(v), std::uint8_t(v), std::uint8_t(v));
}

const Pixel kBlack = Grey(0), kWhite = Grey(255);

TEST(Effects, KnownPixels) {
  const Pixel colour = MakePixel(100, 150, 200);
  struct Case {
    const char* what;
    void (*apply)(TskEffectBmp&);
    std::vector<Pixel> in, out;
  } cases[] = {
      {"brightness 0.5: 127.5 rounds to even",
       [](TskEffectBmp& e) { e.Brightness(0.5); },
       {kBlack, kWhite, Grey(1)},
       {Grey(128), kWhite, Grey(128)}},
      {"brightness is limited to 1", [](TskEffectBmp& e) { e.Brightness(7); }, {kBlack}, {kWhite}},
      {"darkness 0.3: 3.5 and 178.5 go to even",
       [](TskEffectBmp& e) { e.Darkness(0.3); },
       {Grey(5), kWhite, Grey(15)},
       {Grey(4), Grey(178), Grey(10)}},
      {"grey scale: 140.5 goes to even",
       [](TskEffectBmp& e) { e.GrayScale(); },
       {kBlack, kWhite, colour},
       {kBlack, kWhite, Grey(140)}},
      {"invert",
       [](TskEffectBmp& e) { e.Invert(); },
       {colour, 0xAB000000u},
       {MakePixel(155, 105, 55), 0xABFFFFFFu}},
  };
  for (const auto& c : cases) {
    TskEffectBmp e(Row(c.in));
    c.apply(e);
    EXPECT_EQ(e.Picture(), Row(c.out)) << c.what;
  }
}

TEST(Effects, NoiseShiftsAllChannelsOfAPixelAlike) {
  PixelBitmap grey(40, 40, Grey(128));
  TskEffectBmp e(grey);
  e.Noise(50, 1234);
  std::set<int> seen;
  for (Pixel p : e.Picture().Pixels()) {
    ASSERT_EQ(PixelRed(p), PixelGreen(p));
    ASSERT_EQ(PixelRed(p), PixelBlue(p));
    int n = PixelRed(p) - 128;
    ASSERT_GE(n, -25);
    ASSERT_LE(n, 24);
    seen.insert(n);
  }
  EXPECT_GT(seen.size(), 40u) << "the whole range is used";
  TskEffectBmp again(grey);
  again.Noise(50, 1234);
  EXPECT_EQ(again.Picture(), e.Picture());
  TskEffectBmp none(grey);
  none.Noise(0, 1);
  EXPECT_EQ(none.Picture(), grey);
}

TEST(Effects, SplitBlurReadsPixelsAlreadyChanged) {
  // 3 x 2, red channel only. Row 0: upper row 0, lower row 1; row 1: upper 0 (changed
  // already), lower 2 - 1 = 1. Columns likewise: left j - 1 or j, right j + 1 or 3 - j.
  PixelBitmap b(3, 2);
  const int red[2][3] = {{0, 40, 80}, {120, 160, 200}};
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) b.At(x, y) = MakePixel(std::uint8_t(red[y][x]), 0, 0);
  }
  TskEffectBmp e(b);
  e.SplitBlur(1);
  // (1,0) reads (0,0) as 80 already; row 1 reads row 0 changed and itself as it changes:
  // (2,1) = (120 + 135 + 120 + 135) / 4 = 127.5, rounded down.
  const int expected[2][3] = {{80, 120, 140}, {120, 135, 127}};
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(PixelRed(e.Picture().At(x, y)), expected[y][x]) << x << "," << y;
  }
}

TEST(Effects, SplitBlurStaysInsideAPictureOneRowHigh) {
  TskEffectBmp e(Row({Grey(8), Grey(16)}));
  e.SplitBlur(1);
  EXPECT_EQ(e.Picture(), Row({Grey(12), Grey(14)}));
  TskEffectBmp wide(Row({Grey(8)}));
  wide.SplitBlur(5);
  EXPECT_EQ(wide.Picture(), Row({Grey(8)}));
}

// Columns of A are black, of B white; the result's columns as grey levels.
std::vector<int> MorphRow(int width, TskMorphKind kind, double k) {
  TskEffectBmp a(PixelBitmap(width, 1, kBlack));
  std::vector<Pixel> b_pixels;
  for (int x = 0; x < width; ++x) b_pixels.push_back(Grey(200 + x));
  a.Morph(TskEffectBmp(Row(b_pixels)), kind, k);
  std::vector<int> out;
  for (Pixel p : a.Picture().Pixels()) out.push_back(PixelRed(p));
  return out;
}

TEST(Morph, EveryKindAtItsStages) {
  using K = TskMorphKind;
  struct Case {
    K kind;
    int width;
    double k;
    std::vector<int> row;
  } cases[] = {
      {K::mkDefault, 2, 0, {0, 0}},
      {K::mkDefault, 2, 0.5, {100, 100}},  // 100.5 goes to even
      {K::mkDefault, 2, 1, {200, 201}},
      {K::mkLeftSlide, 5, 0, {204, 0, 0, 0, 0}},
      {K::mkLeftSlide, 5, 0.5, {203, 204, 0, 0, 0}},
      {K::mkLeftSlide, 5, 1, {201, 202, 203, 204, 0}},
      {K::mkRightSlide, 5, 0.5, {0, 0, 0, 200, 201}},
      {K::mkPush, 4, 0, {203, 0, 0, 0}},
      {K::mkPush, 4, 0.5, {201, 202, 203, 0}},
      {K::mkPush, 4, 1, {200, 201, 202, 203}},
      {K::mkLeftGradient, 5, 0.5, {200, 100, 0, 0, 0}},
      {K::mkLeftGradient, 5, 1, {200, 151, 101, 51, 0}},
      {K::mkRightGradient, 5, 0.5, {0, 0, 0, 102, 204}},
      {K::mkRightGradient, 5, 0, {0, 0, 0, 0, 204}},
      {K::mkGradient, 8, 0.5, {0, 100, 202, 203, 204, 205, 206, 104}},
      {K::mkGradient, 8, 1, {200, 201, 202, 203, 204, 205, 206, 207}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MorphRow(c.width, c.kind, c.k), c.row) << "kind " << int(c.kind) << " k " << c.k;
  }
}

TEST(Morph, VerticalGradientOnATallPicture) {
  TskEffectBmp a(PixelBitmap(1, 8, kBlack));
  a.Morph(TskEffectBmp(PixelBitmap(1, 8, kWhite)), TskMorphKind::mkGradient, 0.5);
  // Band rows 2..6 take B; the step 1 / ((8 - 4 - 1) div 2) = 1 leaves the rest A.
  const int expected[] = {0, 0, 255, 255, 255, 255, 255, 0};
  for (int y = 0; y < 8; ++y) EXPECT_EQ(PixelRed(a.Picture().At(0, y)), expected[y]) << y;
}

TEST(Morph, PicturesOfDifferentSizesAreLeftAlone) {
  TskEffectBmp a(PixelBitmap(3, 2, kBlack));
  a.Morph(TskEffectBmp(PixelBitmap(2, 3, kWhite)), TskMorphKind::mkDefault, 1);
  EXPECT_EQ(a.Picture(), PixelBitmap(3, 2, kBlack));
  TskEffectBmp one(PixelBitmap(1, 1, kBlack));
  one.Morph(TskEffectBmp(PixelBitmap(1, 1, kWhite)), TskMorphKind::mkLeftGradient, 0);
  EXPECT_EQ(one.Picture(), PixelBitmap(1, 1, kWhite)) << "one column shows B, never divides by 0";
}

TEST(DarkenColour, ChannelsLoseTheirShareRoundedAsMulDiv) {
  struct Case {
    std::uint32_t colour;
    int percent;
    std::uint32_t expected;
  } cases[] = {
      {0x0003'64C8, 50, 0x0001'3264},  // 3 - 1.5 -> 3 - 2
      {0x00FF'FFFF, 0, 0x00FF'FFFF},
      {0x00FF'FFFF, 100, 0},
      {0x0080'8080, 150, 0},             // limited at 0
      {0x0080'8080, -100, 0x00FF'FFFF},  // and at 255
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DarkenColour(c.colour, c.percent), c.expected) << std::hex << c.colour;
  }
  EXPECT_EQ(MulDiv(-3, 50, 100), -2);
  EXPECT_EQ(MulDiv(7, 1, 0), -1);
}

}  // namespace
}  // namespace vl
