#include "skin/controls/button_skin.h"

#include <gtest/gtest.h>

#include "skin/data/skin_data.h"
#include "skin/paint/fitting.h"
#include "skin/paint/pictures.h"

namespace vl {
namespace {

class Silent : public TskFormNotifier {
 public:
  void NotifyForms(TskSkinData&, unsigned) override {}
};

// The rectangles of the carried skin's button section, with a focused look and animation
// frames added where a case needs them.
TskButtonSkin CarriedRects() {
  TskButtonSkin s;
  s.skinrect = {458, 272, 500, 294};
  s.activeskinrect = {458, 298, 500, 320};
  s.downskinrect = {458, 324, 500, 346};
  s.disabledskinrect = {503, 272, 545, 294};
  return s;
}

TEST(CopyButtonSkin, EmptyStateRectanglesFallBackAndASameDisabledColourTurnsGrey) {
  Silent silent;
  TskSkinData data(nullptr, silent);
  struct Case {
    TRect active, down;
    TColor font, disabled;
    TRect want_active, want_down;
    TColor want_disabled;
  } cases[] = {
      {{}, {}, 0, 0, {0, 0, 42, 22}, {0, 0, 42, 22}, kDisabledGrey},
      {{0, 30, 42, 52}, {}, 5, 15916233, {0, 30, 42, 52}, {0, 30, 42, 52}, 15916233},
      {{0, 30, 42, 52}, {0, 60, 42, 82}, 77, 77, {0, 30, 42, 52}, {0, 60, 42, 82}, kDisabledGrey},
  };
  for (const auto& c : cases) {
    TskDataSkinButtonControl d("button");
    d.skinrect = {0, 0, 42, 22};
    d.activeskinrect = c.active;
    d.downskinrect = c.down;
    d.fontcolor = c.font;
    d.disabledfontcolor = c.disabled;
    const TskButtonSkin s = CopyButtonSkin(data, d);
    EXPECT_EQ(s.activeskinrect, c.want_active);
    EXPECT_EQ(s.downskinrect, c.want_down);
    EXPECT_EQ(s.disabledfontcolor, c.want_disabled);
    EXPECT_EQ(s.glow, nullptr);
  }
}

TEST(PickButtonFace, FirstMatchingStateWins) {
  TskButtonSkin s = CarriedRects();
  TskButtonSkin focused = s;
  focused.focusedskinrect = {0, 0, 42, 22};
  TskButtonSkin no_disabled = s;
  no_disabled.disabledskinrect = {};
  struct Case {
    const char* what;
    const TskButtonSkin* skin;
    TskButtonInputs in;
    TskButtonFace face;
  } cases[] = {
      {"normal", &s, {}, {s.skinrect}},
      {"hot", &s, {.state = {.mouse_in = true}}, {s.activeskinrect, true}},
      {"focused without its own look", &s, {.state = {.focused = true}}, {s.activeskinrect, true}},
      {"focused with its own look", &focused, {.state = {.focused = true}}, {{0, 0, 42, 22}, true}},
      {"pressed",
       &s,
       {.state = {.down = true, .mouse_in = true, .mouse_down = true}},
       {s.downskinrect, true, true}},
      {"held and dragged off, focused",
       &s,
       {.state = {.down = true, .mouse_down = true, .focused = true}},
       {s.activeskinrect, true}},
      {"held by Space",
       &s,
       {.state = {.down = true, .focused = true}},
       {s.downskinrect, true, true}},
      {"down in a group",
       &s,
       {.state = {.down = true, .grouped = true}},
       {s.downskinrect, true, true}},
      {"disabled", &s, {.state = {.mouse_in = true}, .enabled = false}, {s.disabledskinrect}},
      {"disabled without its own look",
       &no_disabled,
       {.state = {}, .enabled = false},
       {s.skinrect}},
      {"morphed all the way to hot",
       &s,
       {.state = {}, .morphed_to_active = true},
       {s.activeskinrect, true}},
  };
  for (const auto& c : cases) {
    const TskButtonFace f = PickButtonFace(*c.skin, c.in);
    EXPECT_EQ(f.rect, c.face.rect) << c.what;
    EXPECT_EQ(f.active, c.face.active) << c.what;
    EXPECT_EQ(f.down, c.face.down) << c.what;
  }
}

TEST(PickButtonFace, AnAnimationFrameStandsInForTheLookItRunsTowards) {
  TskButtonSkin s = CarriedRects();
  s.animateskinrect = {0, 100, 126, 122};  // three frames side by side
  s.framecount = 3;
  s.focusedskinrect = {0, 0, 42, 22};
  const TRect second{42, 100, 84, 122};
  struct Case {
    const char* what;
    TskButtonInputs in;
    TRect rect;
  } cases[] = {
      {"entering",
       {.state = {.mouse_in = true}, .animating = true, .animating_up = true, .frame = 2},
       second},
      {"leaving", {.state = {}, .animating = true, .frame = 2}, second},
      {"focused: the frame, not the focused look",
       {.state = {.focused = true}, .animating = true, .animating_up = true, .frame = 2},
       second},
      {"counting up with the pointer gone",
       {.state = {}, .animating = true, .animating_up = true, .frame = 2},
       s.skinrect},
      {"frame 0 ends on the normal look", {.state = {}, .animating = true, .frame = 0}, s.skinrect},
      {"pressed over a running animation",
       {.state = {.down = true, .mouse_in = true},
        .animating = true,
        .animating_up = true,
        .frame = 2},
       s.downskinrect},
  };
  for (const auto& c : cases) EXPECT_EQ(PickButtonFace(s, c.in).rect, c.rect) << c.what;
}

TEST(AnimationFrame, SideBySideWhenWiderElseStackedAndNoneWithoutCountOrPace) {
  TskButtonSkin s = CarriedRects();
  struct Case {
    TRect animate;
    int count, interval, k;
    TRect frame;
  } cases[] = {
      {{0, 100, 168, 122}, 4, 20, 1, {0, 100, 42, 122}},
      {{0, 100, 168, 122}, 4, 20, 4, {126, 100, 168, 122}},
      {{10, 0, 52, 66}, 3, 20, 2, {10, 22, 52, 44}},
      {{10, 0, 52, 66}, 3, 20, 0, {}},
      {{10, 0, 52, 66}, 3, 20, 4, {}},
      {{10, 0, 52, 66}, 0, 20, 1, {}},
      {{10, 0, 52, 66}, -2, 20, 1, {}},
      {{10, 0, 52, 66}, 3, 0, 1, {}},
      {{}, 3, 20, 1, {}},
  };
  for (const auto& c : cases) {
    s.animateskinrect = c.animate;
    s.framecount = c.count;
    s.animateinterval = c.interval;
    EXPECT_EQ(AnimationFrame(s, c.k), c.frame)
        << c.count << " frames, interval " << c.interval << ", k " << c.k;
    EXPECT_EQ(s.CanAnimate(), c.count >= 1 && c.interval >= 1 && !c.animate.IsEmpty());
  }
}

TEST(ClampNumGlyphs, OneToFourCells) {
  EXPECT_EQ(ClampNumGlyphs(0), 1);
  EXPECT_EQ(ClampNumGlyphs(-3), 1);
  EXPECT_EQ(ClampNumGlyphs(3), 3);
  EXPECT_EQ(ClampNumGlyphs(9), 4);
}

// A width-only skin like the carried button: 42 x 22 at (10, 20) of a numbered picture.
TskControlSkin WidthOnlySkin(const PixelBitmap& picture) {
  TskControlSkin skin;
  skin.picture = &picture;
  skin.skin_rect = {10, 20, 52, 42};
  skin.points = {{3, 9}, {35, 11}, {0, 0}, {0, 0}, {2, 2, 40, 20}};
  skin.rule = SizeRuleOf(skin.skin_rect, skin.points);
  return skin;
}

TEST(DrawButtonPicture, KeepingItsSizeTheLookIsFittedByItsClientCorners) {
  const PixelBitmap picture = testing::NumberedPicture(80, 60);
  const TskControlSkin skin = WidthOnlySkin(picture);
  const TskButtonPicture b =
      DrawButtonPicture(skin, KeepSize(skin, 57, 55), skin.skin_rect, false, 57, 55);
  ASSERT_EQ(b.picture.Width(), 57);
  ASSERT_EQ(b.picture.Height(), 55);
  EXPECT_EQ(b.text_rect, (TRect{2, 2, 55, 53}));
  struct Probe {
    int x, y, sx, sy;  // control pixel, and the source pixel it must come from
  } probes[] = {{0, 0, 10, 20},   {56, 0, 51, 20}, {0, 54, 10, 41},
                {56, 54, 51, 41}, {1, 1, 11, 21},  {55, 53, 50, 40}};
  for (const auto& p : probes) {
    const Pixel got = b.picture.At(p.x, p.y);
    EXPECT_EQ(testing::SourceX(got), p.sx) << p.x << "," << p.y;
    EXPECT_EQ(testing::SourceY(got), p.sy) << p.x << "," << p.y;
  }
  // The client's middle is stretched from the client part, never from the frame.
  const Pixel mid = b.picture.At(28, 27);
  EXPECT_GE(testing::SourceX(mid), 12);
  EXPECT_LT(testing::SourceX(mid), 50);
  EXPECT_GE(testing::SourceY(mid), 22);
  EXPECT_LT(testing::SourceY(mid), 40);

  // A fixed look is stretched whole over the button.
  TskControlSkin fixed = skin;
  fixed.points = {};
  fixed.points.client = {2, 2, 40, 20};
  fixed.rule = SizeRuleOf(fixed.skin_rect, fixed.points);
  ASSERT_EQ(fixed.rule, TskSizeRule::srFixed);
  const TskButtonPicture f =
      DrawButtonPicture(fixed, KeepSize(fixed, 84, 44), fixed.skin_rect, false, 84, 44);
  EXPECT_EQ(testing::SourceX(f.picture.At(83, 43)), 51);
  EXPECT_EQ(testing::SourceY(f.picture.At(83, 43)), 41);
  EXPECT_EQ(testing::SourceX(f.picture.At(42, 22)), 31);
  EXPECT_EQ(testing::SourceY(f.picture.At(42, 22)), 31);
  EXPECT_EQ(f.text_rect, (TRect{2, 2, 82, 42}));

  // Nothing to draw from: an empty picture, so the button draws its default look.
  TskControlSkin none = skin;
  none.picture = nullptr;
  EXPECT_TRUE(DrawButtonPicture(none, KeepSize(none, 57, 55), none.skin_rect, false, 57, 55)
                  .picture.Empty());
}

TEST(SizeGlow, OnlyMatchingPicturesAndOnlyTheRulesThatSayHow) {
  const PixelBitmap glow = testing::NumberedPicture(50, 30);
  const PixelBitmap mask(50, 30, 0xFFFFFF);
  const PixelBitmap small_mask(49, 30, 0xFFFFFF);
  const PixelBitmap picture = testing::NumberedPicture(80, 60);
  const TskControlSkin width_only = WidthOnlySkin(picture);
  TskButtonSkin b;
  b.glow = &glow;
  b.glow_mask = &mask;
  b.glowlayeroffsetleft = 5;
  b.glowlayeroffsetright = 6;
  b.glowlayeroffsettop = 4;
  b.glowlayeroffsetbottom = 3;

  // Widened by the button's excess over the skin width, the ends kept.
  auto wide = SizeGlow(b, width_only, true, 75, 22);
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->glow.Width(), 50 + 75 - 42);
  EXPECT_EQ(wide->glow.Height(), 30);
  EXPECT_EQ(wide->mask.Width(), wide->glow.Width());
  EXPECT_EQ(testing::SourceX(wide->glow.At(4, 7)), 4);
  EXPECT_EQ(testing::SourceX(wide->glow.At(wide->glow.Width() - 1, 7)), 49);
  EXPECT_EQ(testing::SourceX(wide->glow.At(wide->glow.Width() - 6, 7)), 44);
  EXPECT_FALSE(SizeGlow(b, width_only, false, 57, 55)) << "a button keeping its own size";

  TskControlSkin fixed = width_only;
  fixed.rule = TskSizeRule::srFixed;
  auto same = SizeGlow(b, fixed, true, 42, 22);
  ASSERT_TRUE(same);
  EXPECT_EQ(same->glow, glow);

  TskControlSkin free_rule = width_only;
  free_rule.rule = TskSizeRule::srFree;
  auto grown = SizeGlow(b, free_rule, true, 52, 40);
  ASSERT_TRUE(grown);
  EXPECT_EQ(grown->glow.Width(), 60);
  EXPECT_EQ(grown->glow.Height(), 48);
  EXPECT_EQ(testing::SourceX(grown->glow.At(59, 47)), 49);
  EXPECT_EQ(testing::SourceY(grown->glow.At(59, 47)), 29);

  TskControlSkin height_only = width_only;
  height_only.rule = TskSizeRule::srHeightOnly;
  EXPECT_FALSE(SizeGlow(b, height_only, true, 42, 30));

  TskButtonSkin mismatched = b;
  mismatched.glow_mask = &small_mask;
  EXPECT_FALSE(SizeGlow(mismatched, fixed, true, 42, 22));
  TskButtonSkin no_mask = b;
  no_mask.glow_mask = nullptr;
  EXPECT_FALSE(SizeGlow(no_mask, fixed, true, 42, 22));
}

}  // namespace
}  // namespace vl
