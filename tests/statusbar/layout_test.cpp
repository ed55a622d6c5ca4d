#include "statusbar/status_layout.h"

#include <gtest/gtest.h>

#include "statusbar/widget_paint.h"

namespace vl {
namespace {

constexpr TColor kFace = RGBColor(212, 208, 200);
constexpr TColor kHighlight = RGBColor(255, 255, 255);
constexpr TColor kShadow = RGBColor(128, 128, 128);

TEST(StatusLayout, PanesRunLeftToRightPastTheEdge) {
  // The main window's bar at its first width: 217, 217, the progress bar, the clock, the version.
  std::vector<TPaneSlot> slots = {{0, 217}, {217, 217}, {434, 200}, {634, 264}, {898, 150}};
  std::vector<TRect> r = LayoutPanes({0, 0, 826, 19}, slots);
  ASSERT_EQ(r.size(), 5u);
  EXPECT_EQ(r[3], (TRect{634, 0, 898, 19}));
  EXPECT_EQ(r[4], (TRect{898, 0, 1048, 19}));
}

TEST(StatusLayout, OrderFollowsTheLeftEdges) {
  std::vector<TPaneSlot> slots = {{300, 10}, {0, 20}, {150, 30}, {150, 40}};
  std::vector<TRect> r = LayoutPanes({1, 2, 500, 17}, slots);
  EXPECT_EQ(r[1], (TRect{1, 2, 21, 17}));
  EXPECT_EQ(r[2], (TRect{21, 2, 51, 17}));
  EXPECT_EQ(r[3], (TRect{51, 2, 91, 17}));  // a tie keeps the given order
  EXPECT_EQ(r[0], (TRect{91, 2, 101, 17}));
}

TEST(StatusLayout, GripDots) {
  PixelBitmap bar(826, 19, ColorToPixel(kFace));
  PaintGrip(bar, kHighlight, kShadow);
  int highlight = 0, shadow = 0;
  for (Pixel p : bar.Pixels()) {
    highlight += p == ColorToPixel(kHighlight);
    shadow += p == ColorToPixel(kShadow);
  }
  // Each shadow square covers one pixel of its highlight square.
  EXPECT_EQ(highlight, 6 * 3);
  EXPECT_EQ(shadow, 6 * 4);
  // W = 826, B = 18: the top dot at (821, 6), the bottom-left one at (813, 14).
  struct Probe {
    int x, y;
    TColor c;
  } probes[] = {{822, 7, kHighlight},  {821, 7, kHighlight}, {822, 6, kHighlight},
                {821, 6, kShadow},     {820, 5, kShadow},    {819, 5, kFace},
                {814, 15, kHighlight}, {812, 13, kShadow},   {823, 16, kFace},
                {825, 18, kFace}};
  for (const auto& p : probes) EXPECT_EQ(bar.At(p.x, p.y), ColorToPixel(p.c)) << p.x << "," << p.y;
}

TEST(StatusLayout, GripHitStrip) {
  EXPECT_TRUE(InGrip({813, 0}, 826, 19));
  EXPECT_TRUE(InGrip({825, 18}, 826, 19));
  EXPECT_FALSE(InGrip({812, 10}, 826, 19));
  EXPECT_FALSE(InGrip({826, 10}, 826, 19));
  EXPECT_FALSE(InGrip({820, 19}, 826, 19));
}

TEST(PaneFrame, TextRectanglePerStyle) {
  TRect pane{0, 0, 100, 19};
  struct Case {
    TFrameStyleEx style;
    int border_width, inset;
  } cases[] = {{fsNone, 1, 1},       {fsFlatRounded, 1, 1}, {fsFlat, 1, 2},     {fsStatus, 1, 2},
               {fsPopup, 0, 1},      {fsGroove, 1, 3},      {fsBump, 1, 3},     {fsLowered, 1, 3},
               {fsButtonDown, 1, 3}, {fsRaised, 1, 3},      {fsButtonUp, 2, 4}, {fsFlatBold, 1, 3}};
  for (const auto& c : cases) {
    EXPECT_EQ(PaneTextRect(pane, c.style, c.border_width), InsetBy(pane, c.inset)) << int(c.style);
  }
}

TEST(PaneFrame, FlatFrameLeavesItsCornersUnpainted) {
  TFrameColors colors{};
  colors.flat = RGBColor(159, 159, 159);
  PixelBitmap bmp(12, 8, 0x123456);
  TRect text = PaintPane(bmp, bmp.Bounds(), {fsFlat, 1, kFace}, colors);
  EXPECT_EQ(text, (TRect{2, 2, 10, 6}));
  Pixel face = ColorToPixel(kFace), flat = ColorToPixel(colors.flat);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 12; ++x) {
      bool on_ring =
          (x == 1 || x == 10 || y == 1 || y == 6) && x >= 1 && x <= 10 && y >= 1 && y <= 6;
      bool corner = (x == 1 || x == 10) && (y == 1 || y == 6);
      EXPECT_EQ(bmp.At(x, y), on_ring && !corner ? flat : face) << x << "," << y;
    }
  }
}

TEST(PaneFrame, NoneDrawsOnlyTheFill) {
  PixelBitmap bmp(6, 5, 0);
  PaintPane(bmp, bmp.Bounds(), {fsNone, 1, kFace}, {1, 2, 3, 4, 5});
  for (Pixel p : bmp.Pixels()) EXPECT_EQ(p, ColorToPixel(kFace));
}

TEST(PaneFrame, BevelsLightFromTheTopLeft) {
  TFrameColors c{kHighlight, kShadow, RGBColor(64, 64, 64), kFace, 0};
  struct Case {
    TFrameStyleEx style;
    TColor outer_top_left, outer_bottom_right, inner_top_left;
  } cases[] = {{fsLowered, kShadow, kHighlight, kFace},
               {fsRaised, kHighlight, kShadow, kFace},
               {fsButtonDown, kShadow, kHighlight, c.dark_shadow},
               {fsButtonUp, kFace, c.dark_shadow, kHighlight},
               {fsGroove, kShadow, kHighlight, kHighlight},
               {fsBump, kHighlight, kShadow, kShadow}};
  for (const auto& k : cases) {
    PixelBitmap bmp(8, 8, ColorToPixel(kFace));
    DrawFrame(bmp, bmp.Bounds(), k.style, c);
    EXPECT_EQ(bmp.At(0, 3), ColorToPixel(k.outer_top_left)) << int(k.style);
    EXPECT_EQ(bmp.At(7, 3), ColorToPixel(k.outer_bottom_right)) << int(k.style);
    EXPECT_EQ(bmp.At(1, 3), ColorToPixel(k.inner_top_left)) << int(k.style);
  }
}

TEST(Panel, FramesOnlyOnTheChosenSides) {
  TFrameColors c{kHighlight, kShadow, 0, 0, 0};
  TPanelLook look{fsLowered, fsRaised, sdTop | sdBottom, 2, kFace};
  EXPECT_EQ(PanelInterior({0, 0, 40, 20}, look), (TRect{2, 4, 38, 16}));
  PixelBitmap bmp(40, 20, 0);
  PaintPanel(bmp, look, c);
  EXPECT_EQ(bmp.At(10, 0), ColorToPixel(kShadow));      // outer top
  EXPECT_EQ(bmp.At(10, 19), ColorToPixel(kHighlight));  // outer bottom
  EXPECT_EQ(bmp.At(10, 3), ColorToPixel(kHighlight));   // inner top, past the border width
  EXPECT_EQ(bmp.At(10, 16), ColorToPixel(kShadow));     // inner bottom
  for (int y = 4; y < 16; ++y) {
    EXPECT_EQ(bmp.At(0, y), ColorToPixel(kFace)) << y;
    EXPECT_EQ(bmp.At(39, y), ColorToPixel(kFace)) << y;
    EXPECT_EQ(bmp.At(3, y), ColorToPixel(kFace)) << y;
  }
  // The bar's own style: no frame at all, the interior is the whole panel.
  EXPECT_EQ(PanelInterior({0, 0, 826, 19}, {}), (TRect{0, 0, 826, 19}));
}

TEST(PaneText, Placement) {
  // With the defaults the text starts 5 pixels from the pane's left edge.
  TRect text = PaneTextRect({0, 0, 217, 19}, fsFlat, 1);
  EXPECT_EQ(PaneTextOrigin(text, TFlAlignment::taLeftJustify, 2, 50, 13), (TPoint{5, 3}));
  EXPECT_EQ(PaneTextOrigin(text, TFlAlignment::taRightJustify, 2, 50, 13),
            (TPoint{215 - 3 - 50, 3}));
  EXPECT_EQ(PaneTextOrigin(text, TFlAlignment::taCenter, 2, 51, 14), (TPoint{2 + 81, 2}));
  EXPECT_EQ(PaneTextOrigin(text, TFlAlignment::taLeftJustify, 0, 10, 16),
            (TPoint{3, 2}));  // -0.5 goes to 0
}

}  // namespace
}  // namespace vl
