#include "skin/controls/control_skin.h"

#include <gtest/gtest.h>

#include "skin/paint/pictures.h"

namespace vl {
namespace {

using testing::ArtOf;
using testing::LetteredSkin;
using testing::LetteredSkinPoints;
using testing::PictureFromArt;

TEST(SizeRuleOf, TheCornerPointsNameTheRuleInOrder) {
  const TRect skin{0, 0, 10, 9};
  struct Case {
    TRect skin_rect;
    TskSkinPoints points;
    TskSizeRule rule;
  } cases[] = {
      {{0, 0, 0, 9}, LetteredSkinPoints(), TskSizeRule::srNone},
      {{5, 5, 5, 9}, LetteredSkinPoints(), TskSizeRule::srNone},
      {skin, LetteredSkinPoints(), TskSizeRule::srFree},
      // The right-bottom point needs both coordinates for the free rule.
      {skin, {{3, 3}, {7, 4}, {3, 5}, {8, 0}, {}}, TskSizeRule::srWidthOnly},
      {skin, {{3, 3}, {0, 4}, {3, 5}, {0, 0}, {}}, TskSizeRule::srWidthOnly},
      {skin, {{3, 3}, {0, 0}, {0, 5}, {0, 0}, {}}, TskSizeRule::srHeightOnly},
      {skin, {{3, 3}, {0, 0}, {0, 0}, {0, 6}, {}}, TskSizeRule::srFixed},
  };
  for (const auto& c : cases) EXPECT_EQ(SizeRuleOf(c.skin_rect, c.points), c.rule);
}

TskControlSkin LetteredControl(const PixelBitmap& picture, TskSizeRule rule) {
  TskControlSkin skin;
  skin.picture = &picture;
  skin.skin_rect = {0, 0, 10, 9};
  skin.points = LetteredSkinPoints();
  skin.rule = rule;
  return skin;
}

TEST(CalcSize, EachRuleKeepsWhatItFixesAndMovesThePointsItFrees) {
  const PixelBitmap picture = PictureFromArt(LetteredSkin());
  struct Case {
    TskSizeRule rule;
    int width, height;
    TskSizedSkin sized;
  } cases[] = {
      {TskSizeRule::srNone, 30, 20, {30, 20, LetteredSkinPoints()}},
      {TskSizeRule::srFixed, 30, 20, {10, 9, LetteredSkinPoints()}},
      {TskSizeRule::srFree, 30, 20, {30, 20, {{3, 3}, {27, 4}, {3, 16}, {28, 17}, {2, 2, 27, 18}}}},
      {TskSizeRule::srWidthOnly, 30, 20, {30, 9, {{3, 3}, {27, 4}, {3, 5}, {8, 6}, {2, 2, 27, 7}}}},
      {TskSizeRule::srHeightOnly,
       30,
       20,
       {10, 20, {{3, 3}, {7, 4}, {3, 16}, {8, 6}, {2, 2, 7, 18}}}},
      // Smaller than the skin rectangle: the points move back just as far.
      {TskSizeRule::srFree, 6, 5, {6, 5, {{3, 3}, {3, 4}, {3, 1}, {4, 2}, {2, 2, 3, 3}}}},
  };
  for (const auto& c : cases) {
    const TskSizedSkin s = CalcSize(LetteredControl(picture, c.rule), c.width, c.height);
    EXPECT_EQ(s.width, c.sized.width) << int(c.rule);
    EXPECT_EQ(s.height, c.sized.height) << int(c.rule);
    EXPECT_EQ(s.points, c.sized.points) << int(c.rule);
  }
}

TEST(DrawBySizeRule, FixedCopiesWidthOnlyRepeatsTheMiddleFreeFitsByTheCorners) {
  const PixelBitmap picture = PictureFromArt(LetteredSkin());
  TskControlSkin fixed = LetteredControl(picture, TskSizeRule::srFixed);
  EXPECT_EQ(ArtOf(DrawBySizeRule(fixed, fixed.skin_rect, CalcSize(fixed, 40, 40))), LetteredSkin());

  // Width only: the first lt.x = 3 and last 10 - rt.x = 3 columns stay, columns 3..6 repeat.
  TskControlSkin across = LetteredControl(picture, TskSizeRule::srWidthOnly);
  const PixelBitmap wide = DrawBySizeRule(across, across.skin_rect, CalcSize(across, 14, 50));
  ASSERT_EQ(wide.Width(), 14);
  ASSERT_EQ(wide.Height(), 9);
  EXPECT_EQ(ArtOf(wide)[0], "AAAabcdabcdBBB");
  EXPECT_EQ(ArtOf(wide)[2], "CC012341234DDD");

  TskControlSkin free = LetteredControl(picture, TskSizeRule::srFree);
  const PixelBitmap same = DrawBySizeRule(free, free.skin_rect, CalcSize(free, 10, 9));
  EXPECT_EQ(ArtOf(same), LetteredSkin());
}

TEST(DrawBySizeRule, NothingToDrawFromGivesAnEmptyPictureForTheDefaultLook) {
  const PixelBitmap picture = PictureFromArt(LetteredSkin());
  TskControlSkin none = LetteredControl(picture, TskSizeRule::srNone);
  EXPECT_TRUE(DrawBySizeRule(none, none.skin_rect, CalcSize(none, 20, 20)).Empty());
  TskControlSkin no_picture = LetteredControl(picture, TskSizeRule::srFree);
  no_picture.picture = nullptr;
  EXPECT_TRUE(
      DrawBySizeRule(no_picture, no_picture.skin_rect, CalcSize(no_picture, 20, 20)).Empty());
  EXPECT_TRUE(
      DrawPiecewise(no_picture, no_picture.skin_rect, CalcSize(no_picture, 20, 20)).Empty());
  EXPECT_TRUE(DrawStretchedOver(no_picture, no_picture.skin_rect, 20, 20).Empty());
}

TEST(DrawPiecewise, FramePiecesAroundTheRepeatedClientAndNoUndrawnPixel) {
  const PixelBitmap picture = PictureFromArt(LetteredSkin());
  TskControlSkin skin = LetteredControl(picture, TskSizeRule::srFree);
  const std::vector<std::string> art =
      ArtOf(DrawPiecewise(skin, skin.skin_rect, CalcSize(skin, 12, 11)));
  ASSERT_EQ(art.size(), 11u);
  EXPECT_EQ(art[0].substr(0, 3), "AAA");
  EXPECT_EQ(art[0].substr(9), "BBB");
  // The client 2..9 x 2..8 repeats the 5 x 5 client texture from its corner.
  EXPECT_EQ(art[2].substr(2, 7), "0123401");
  EXPECT_EQ(art[7].substr(2, 7), "0123401");
  EXPECT_EQ(art[10].substr(0, 2), "EE");
  for (int size : {1, 2, 3, 6, 12}) {
    const PixelBitmap small = DrawPiecewise(skin, skin.skin_rect, CalcSize(skin, size, size));
    for (Pixel p : small.Pixels()) EXPECT_NE(p, 0u) << "undrawn pixel at size " << size;
  }
}

TEST(FillWithClient, RepeatsOrStretchesByTheKind) {
  const PixelBitmap picture = PictureFromArt(LetteredSkin());
  TskControlSkin skin = LetteredControl(picture, TskSizeRule::srFree);
  PixelBitmap out(7, 2);
  FillWithClient(out, out.Bounds(), skin, skin.skin_rect);
  EXPECT_EQ(ArtOf(out)[0], "0123401");
  skin.stretch_effect = true;
  skin.stretch_type = TskStretchType::stVert;  // stretched to the width, repeated down
  PixelBitmap tall(10, 7);
  FillWithClient(tall, tall.Bounds(), skin, skin.skin_rect);
  EXPECT_EQ(ArtOf(tall)[0], "0011223344");
  EXPECT_EQ(ArtOf(tall)[5], "0011223344");
  PixelBitmap untouched(4, 4);
  FillWithClient(untouched, {2, 2, 2, 4}, skin, skin.skin_rect);
  EXPECT_EQ(untouched, PixelBitmap(4, 4));
}

TEST(MoveWithCorners, ARectangleFollowsTheCornerItLiesIn) {
  const TskSkinPoints p = LetteredSkinPoints();  // rt.x 7, lb.y 5
  struct Case {
    TRect in, out;
  } cases[] = {
      {{0, 0, 3, 3}, {0, 0, 3, 3}},       // top-left stays
      {{7, 0, 10, 3}, {27, 0, 30, 3}},    // top-right moves across
      {{8, 6, 10, 9}, {28, 16, 30, 19}},  // bottom-right moves both ways
      {{2, 1, 9, 4}, {2, 1, 29, 4}},      // across the top: stretched
      {{2, 2, 7, 5}, {2, 2, 7, 5}},       // ends on the corners' edges: stays
  };
  for (const auto& c : cases) EXPECT_EQ(MoveWithCorners(c.in, p, 20, 10), c.out);
}

TEST(ControlRegion, AMaskShapesTheControlAndNoMaskGivesNone) {
  const PixelBitmap picture = PictureFromArt(LetteredSkin());
  TskControlSkin skin = LetteredControl(picture, TskSizeRule::srFixed);
  EXPECT_FALSE(ControlRegion(skin, CalcSize(skin, 10, 9)));
  // Black is inside: a mask with its first column white leaves it out of the shape.
  PixelBitmap mask(10, 9, 0);
  for (int y = 0; y < 9; ++y) mask.At(0, y) = MakePixel(255, 255, 255);
  skin.mask = &mask;
  const auto region = ControlRegion(skin, CalcSize(skin, 10, 9));
  ASSERT_TRUE(region);
  EXPECT_FALSE(region->Contains({0, 4}));
  EXPECT_TRUE(region->Contains({1, 4}));
  EXPECT_TRUE(region->Contains({9, 8}));
}

}  // namespace
}  // namespace vl
