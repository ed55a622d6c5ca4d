#include "skin/controls/memo_skin.h"

#include <gtest/gtest.h>

#include "skin/data/skin_data.h"
#include "skin/paint/pictures.h"

namespace vl {
namespace {

using testing::NumberedPicture;
using testing::SourceX;
using testing::SourceY;

class SilentNotifier : public TskFormNotifier {
 public:
  void NotifyForms(TskSkinData&, unsigned) override {}
};

// A memo section 12 x 10 at (1, 1) of a numbered picture, its active look 13 pixels to the right:
// a two-pixel frame, wider at the bottom-right, around an 8 x 6 client part.
struct MemoSkinFixture : ::testing::Test {
  MemoSkinFixture() : picture(NumberedPicture(40, 30)) {
    skin.frame.picture = &picture;
    skin.frame.skin_rect = {1, 1, 13, 11};
    skin.frame.points = {{3, 3}, {9, 3}, {2, 8}, {10, 8}, {2, 2, 10, 8}};
    skin.frame.rule = SizeRuleOf(skin.frame.skin_rect, skin.frame.points);
    skin.active_skin_rect = {14, 1, 26, 11};
  }
  PixelBitmap picture;
  TskMemoSkin skin;
};

TEST_F(MemoSkinFixture, TheTextRectangleFollowsTheSectionsClientAreaOrTheDefaultInsets) {
  // The carried skin's memo section: skinrect 59 x 52, clientrect 2,2,57,50.
  TskMemoSkin carried;
  carried.frame.skin_rect = {67, 130, 126, 182};
  carried.frame.points.client = {2, 2, 57, 50};
  struct Case {
    const TskMemoSkin* skin;
    bool bitmap_bg;
    int w, h;
    TRect expected;
  } cases[] = {
      {nullptr, true, 183, 264, {3, 2, 179, 262}},
      {nullptr, false, 183, 264, {6, 2, 179, 262}},
      {&carried, true, 183, 264, {3, 3, 178, 260}},
      {&carried, false, 183, 264, {5, 4, 178, 260}},
      // Too small for the insets: the rectangle shrinks to nothing at its left-top corner.
      {nullptr, true, 5, 3, {3, 2, 3, 2}},
      {&carried, true, 6, 5, {3, 3, 3, 3}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MemoTextRect(c.skin, c.bitmap_bg, c.w, c.h), c.expected)
        << c.w << "x" << c.h << " skin " << (c.skin != nullptr) << " bg " << c.bitmap_bg;
  }
  EXPECT_EQ(MemoFieldRect(nullptr, 183, 264), (TRect{2, 2, 181, 262}));
  EXPECT_EQ(MemoFieldRect(&carried, 183, 264), (TRect{2, 2, 181, 262}));
}

TEST(MemoDefaultLook, AFieldInsideAShadowAndAFacePixel) {
  const TskMemoDefaultColors colors{0xFFFFFF, 0x808080, 0xC0C0C0};
  const PixelBitmap b = DrawMemoDefault(7, 6, colors);
  ASSERT_EQ(b.Width(), 7);
  struct Probe {
    int x, y;
    Pixel expected;
  } probes[] = {{0, 0, 0x808080}, {6, 5, 0x808080}, {3, 0, 0x808080}, {1, 1, 0xC0C0C0},
                {5, 3, 0xC0C0C0}, {3, 4, 0xC0C0C0}, {2, 2, 0xFFFFFF}, {4, 3, 0xFFFFFF}};
  for (const auto& p : probes) EXPECT_EQ(b.At(p.x, p.y), p.expected) << p.x << "," << p.y;
  EXPECT_TRUE(DrawMemoDefault(0, 6, colors).Empty());
}

TEST_F(MemoSkinFixture, TheFrameKeepsItsCornersAndTheClientPartRepeatsFromTheTopLeft) {
  const int w = 30, h = 25;
  for (bool active : {false, true}) {
    const PixelBitmap b = DrawMemoSkin(skin, active, true, 0, w, h);
    ASSERT_EQ(b.Width(), w);
    const int dx = active ? 13 : 0;  // where the state's rectangle lies in the picture
    struct Probe {
      int x, y;    // in the memo
      int sx, sy;  // the source pixel, in the normal rectangle
    } probes[] = {
        {0, 0, 1, 1},
        {1, 1, 2, 2},
        {w - 1, 0, 12, 1},
        {0, h - 1, 1, 10},
        {w - 1, h - 1, 12, 10},
        {w - 2, h - 2, 11, 9},
        // Inside the frame, the client part tiled from (0, 0), not from the client's corner.
        {2, 2, 3 + 2 % 8, 3 + 2 % 6},
        {5, 7, 3 + 5, 3 + 1},
        {17, 20, 3 + 1, 3 + 2},
        {27, 22, 3 + 3, 3 + 4},
    };
    for (const auto& p : probes) {
      const Pixel got = b.At(p.x, p.y);
      EXPECT_EQ(SourceX(got), p.sx + dx) << p.x << "," << p.y << " active " << active;
      EXPECT_EQ(SourceY(got), p.sy) << p.x << "," << p.y << " active " << active;
    }
    // The two frame columns at the right and the two frame rows at the bottom.
    for (int y = 2; y < h - 2; ++y) EXPECT_GE(SourceX(b.At(w - 2, y)), 11 + dx) << y;
    for (int x = 2; x < w - 2; ++x) EXPECT_GE(SourceY(b.At(x, h - 2)), 9) << x;
  }
}

TEST_F(MemoSkinFixture, StretchedClientAndThePlainFieldWithoutThePictureBehindTheText) {
  skin.frame.stretch_effect = true;
  skin.frame.stretch_type = TskStretchType::stFull;
  const PixelBitmap stretched = DrawMemoSkin(skin, false, true, 0, 30, 25);
  // Eight client columns stretched over 30: neighbouring columns share their source column.
  EXPECT_EQ(SourceX(stretched.At(8, 10)), SourceX(stretched.At(9, 10)));
  EXPECT_NE(SourceX(stretched.At(8, 10)), SourceX(stretched.At(18, 10)));

  const PixelBitmap plain = DrawMemoSkin(skin, false, false, 0x123456, 30, 25);
  EXPECT_EQ(plain.At(15, 12), 0x123456u);
  EXPECT_EQ(plain.At(2, 2), 0x123456u);
  EXPECT_EQ(SourceX(plain.At(0, 0)), 1);
}

TEST_F(MemoSkinFixture, NoPictureOrNoSizeDrawsNothingSoTheCallerDrawsTheDefault) {
  EXPECT_TRUE(DrawMemoSkin(skin, false, true, 0, 0, 10).Empty());
  skin.frame.picture = nullptr;
  EXPECT_TRUE(DrawMemoSkin(skin, false, true, 0, 30, 25).Empty());
}

TEST(CopyMemoSkin, WithoutAnActiveLookTheNormalOneServesForBoth) {
  SilentNotifier notifier;
  TskSkinData data(nullptr, notifier);
  TskDataSkinMemoControl d("memo");
  d.skinrect = {67, 130, 126, 182};
  EXPECT_EQ(CopyMemoSkin(data, d).StateRect(true), d.skinrect);
  d.activeskinrect = {0, 0, 59, 52};
  EXPECT_EQ(CopyMemoSkin(data, d).StateRect(true), d.activeskinrect);
  EXPECT_EQ(CopyMemoSkin(data, d).StateRect(false), d.skinrect);
}

}  // namespace
}  // namespace vl
