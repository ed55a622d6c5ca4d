#include "skin/controls/header_section.h"

#include <gtest/gtest.h>

#include <string>

#include "skin/data/skin_data.h"
#include "skin/data/skin_package.h"
#include "skin/data/zlib_codec.h"
#include "skin/paint/blit.h"
#include "skin/paint/pictures.h"

namespace vl {
namespace {

using testing::NumberedPicture;
using testing::SourcePixel;

class SilentNotifier : public TskFormNotifier {
 public:
  void NotifyForms(TskSkinData&, unsigned) override {}
};

// Sections of every kind the lookup has to tell apart, drawn from two numbered pictures.
const char* kText =
    "[VERSION]\r\nskinname=Test\r\n[PICTURES]\r\npicture=main.bmp\r\n[FORMINFO]\r\n"
    "[SKINOBJECTS]\r\ncount=0\r\n"
    "[SKINCONTROLS]\r\ncount=7\r\n0=hdr:button\r\n1=asbutton:panel\r\n2=nopic:button\r\n"
    "3=farpic:button\r\n4=menu:menubutton\r\n5=noactive:button\r\n6=emptyrect:button\r\n"
    "[hdr]\r\npictureindex=1\r\nskinrect=10,20,50,59\r\nlefttoppoint=5,5\r\n"
    "leftbottompoint=5,33\r\nrightbottompoint=35,32\r\nclientrect=2,2,38,37\r\n"
    "fontcolor=255\r\nactivefontcolor=65280\r\ndownfontcolor=16711680\r\n"
    "activeskinrect=60,20,100,59\r\ndownskinrect=110,20,150,59\r\n"
    "[asbutton]\r\npictureindex=1\r\nskinrect=10,20,50,59\r\n"
    "[nopic]\r\npictureindex=-1\r\nskinrect=10,20,50,59\r\n"
    "[farpic]\r\npictureindex=2\r\nskinrect=10,20,50,59\r\n"
    "[menu]\r\npictureindex=0\r\nskinrect=1,1,11,11\r\n"
    "[noactive]\r\npictureindex=0\r\nskinrect=1,1,11,11\r\ndownskinrect=0,0,0,0\r\n"
    "[emptyrect]\r\npictureindex=0\r\nskinrect=1,1,1,11\r\n";

class HeaderSkinLookup : public ::testing::Test {
 protected:
  HeaderSkinLookup() {
    SkinPackageContents c;
    c.picture = {PixelBitmap(4, 3), 24, {}};
    c.active_pictures.push_back({NumberedPicture(20, 20), 24, {}});
    c.active_pictures.push_back({NumberedPicture(160, 70), 24, {}});
    c.text = kText;
    TskCompressedStoredSkin stored;
    stored.SetCompressedData(DeflateZlib(WriteInnerPackage(c)));
    data.LoadPackage(stored);
  }
  SilentNotifier notifier;
  TskSkinData data{nullptr, notifier};
};

TEST_F(HeaderSkinLookup, OnlyAButtonSectionWithAPictureDrawsTheHeader) {
  ASSERT_FALSE(data.Empty());
  TskSkinData empty(nullptr, notifier);
  struct Case {
    const TskSkinData* data;
    const char* name;
    bool found;
  } cases[] = {
      {nullptr, "hdr", false},     {&empty, "hdr", false},    {&data, "hdr", true},
      {&data, "Hdr", false},       {&data, "missing", false}, {&data, "asbutton", false},
      {&data, "nopic", false},     {&data, "farpic", false},  {&data, "menu", true},
      {&data, "emptyrect", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindHeaderSkin(c.data, c.name).has_value(), c.found) << c.name;
  }
}

TEST_F(HeaderSkinLookup, StateRectanglesFallBackInTurn) {
  auto hdr = FindHeaderSkin(&data, "hdr");
  ASSERT_TRUE(hdr);
  EXPECT_EQ(hdr->skin.picture, data.ActivePicture(1));
  EXPECT_EQ(hdr->active_rect, (TRect{60, 20, 100, 59}));
  EXPECT_EQ(hdr->down_rect, (TRect{110, 20, 150, 59}));
  EXPECT_EQ(hdr->CaptionColor(false), 255u);
  EXPECT_EQ(hdr->CaptionColor(true), 16711680u);
  auto plain = FindHeaderSkin(&data, "noactive");
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->active_rect, (TRect{1, 1, 11, 11}));
  EXPECT_EQ(plain->down_rect, (TRect{1, 1, 11, 11}));
}

// The header section of the carried skin's geometry on a numbered picture: skin rectangle 40 x
// 39 at (10, 20), the pressed look at (110, 20), every band stretched.
TskHeaderSkin CarriedLikeHeader(const PixelBitmap& picture) {
  TskHeaderSkin h;
  h.skin.picture = &picture;
  h.skin.skin_rect = {10, 20, 50, 59};
  h.skin.points = {{5, 5}, {34, 4}, {5, 33}, {35, 32}, {2, 2, 38, 37}};
  h.skin.stretch = {true, true, true, true};
  h.skin.stretch_effect = true;
  h.skin.rule = TskSizeRule::srFree;
  h.active_rect = {60, 20, 100, 59};
  h.down_rect = {110, 20, 150, 59};
  return h;
}

TEST(DrawHeaderSection, CornersComeFromTheLookOfTheState) {
  const PixelBitmap picture = NumberedPicture(160, 70);
  const TskHeaderSkin h = CarriedLikeHeader(picture);
  struct Case {
    bool pressed;
    int left;  // of the state rectangle in the picture
  } cases[] = {{false, 10}, {true, 110}};
  for (const auto& c : cases) {
    // A section 180 x 19: shorter than the skin, so the left-bottom point moves up.
    const PixelBitmap out = DrawHeaderSection(h, 180, 19, c.pressed);
    ASSERT_EQ(out.Width(), 180);
    ASSERT_EQ(out.Height(), 19);
    EXPECT_EQ(out.At(0, 0), SourcePixel(c.left, 20)) << c.pressed;
    EXPECT_EQ(out.At(4, 1), SourcePixel(c.left + 4, 21)) << c.pressed;
    EXPECT_EQ(out.At(179, 0), SourcePixel(c.left + 39, 20)) << c.pressed;
    EXPECT_EQ(out.At(179, 18), SourcePixel(c.left + 39, 58)) << c.pressed;
    EXPECT_EQ(out.At(0, 18), SourcePixel(c.left, 58)) << c.pressed;
    for (int y = 0; y < 19; ++y) {
      for (int x = 0; x < 180; ++x) ASSERT_NE(out.At(x, y), 0u) << x << "," << y;
    }
  }
  // At the skin's own size the section is the state rectangle itself.
  PixelBitmap expected(40, 39);
  CopyRect(expected, 0, 0, picture, {110, 20, 150, 59});
  EXPECT_EQ(DrawHeaderSection(h, 40, 39, true), expected);
}

TEST(DrawHeaderSection, WithoutALeftBottomPointThreePartsAcrossThenStretchedDown) {
  const PixelBitmap picture = NumberedPicture(160, 70);
  TskHeaderSkin h = CarriedLikeHeader(picture);
  h.skin.points = {{3, 9}, {35, 11}, {}, {}, {2, 2, 40, 20}};
  h.skin.stretch_effect = false;
  h.skin.rule = TskSizeRule::srWidthOnly;
  const PixelBitmap out = DrawHeaderSection(h, 100, 20, false);
  const std::vector<int> rows = StretchSampleMap(39, 20, StretchAxis::kRows);
  for (int y = 0; y < 20; ++y) {
    const int sy = 20 + rows[std::size_t(y)];
    EXPECT_EQ(out.At(0, y), SourcePixel(10, sy)) << y;
    EXPECT_EQ(out.At(3, y), SourcePixel(13, sy)) << "middle repeated from column 3, row " << y;
    EXPECT_EQ(out.At(35, y), SourcePixel(13, sy)) << "second copy of the middle, row " << y;
    EXPECT_EQ(out.At(99, y), SourcePixel(49, sy)) << "right end, row " << y;
  }
}

TEST(DrawHeaderRemainder, LeftEdgeFixedAndNoRightEdge) {
  const PixelBitmap picture = NumberedPicture(160, 70);
  const TskHeaderSkin h = CarriedLikeHeader(picture);
  const PixelBitmap out = DrawHeaderRemainder(h, 150, 19);
  ASSERT_EQ(out.Width(), 150);
  EXPECT_EQ(out.At(0, 0), SourcePixel(10, 20));
  EXPECT_EQ(out.At(1, 3), SourcePixel(11, 23)) << "left, upper piece";
  EXPECT_EQ(out.At(1, 17), SourcePixel(11, 57)) << "left, lower piece";
  EXPECT_EQ(out.At(149, 0), SourcePixel(49, 20));
  EXPECT_EQ(out.At(149, 9), SourcePixel(49, testing::SourceY(out.At(149, 9))));
  EXPECT_EQ(out.At(149, 18), SourcePixel(49, 58));

  // Without a left-bottom point: the left part, then the middle repeated to the end.
  TskHeaderSkin across = h;
  across.skin.points = {{3, 9}, {35, 11}, {}, {}, {2, 2, 40, 20}};
  across.skin.stretch_effect = false;
  const PixelBitmap strip = DrawHeaderRemainder(across, 100, 39);
  for (int x = 0; x < 100; ++x) {
    const int from = x < 3 ? x : 3 + (x - 3) % 32;
    EXPECT_EQ(strip.At(x, 7), SourcePixel(10 + from, 27)) << x;
  }
}

}  // namespace
}  // namespace vl
