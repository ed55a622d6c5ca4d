#include "statusbar/progress.h"

#include <gtest/gtest.h>

#include "statusbar/widget_paint.h"

namespace vl {
namespace {

TEST(Progress, PercentRoundsHalvesToEven) {
  struct Case {
    std::int32_t total, done;
    unsigned percent;
  } cases[] = {
      {8, 1, 12}, {8, 3, 38}, {200, 1, 0}, {200, 3, 2},
      {3, 1, 33}, {3, 2, 67}, {3, 3, 100}, {2147483647, 2147483646, 100},  // no overflow on the way
  };
  for (const auto& c : cases) {
    TProgressModel m;
    m.SetTotalParts(c.total);
    m.SetPartsComplete(c.done);
    EXPECT_EQ(m.Percent(), c.percent) << c.done << " of " << c.total;
  }
}

TEST(Progress, CountPastTheTotalStoresTheTotal) {
  struct Case {
    std::int32_t done, stored;
    unsigned percent;
  } cases[] = {{5, 3, 100}, {-1, 3, 100}, {2, 2, 67}};
  for (const auto& c : cases) {
    TProgressModel m;
    m.SetTotalParts(3);
    m.SetPartsComplete(c.done);
    EXPECT_EQ(m.PartsComplete(), c.stored) << c.done;
    EXPECT_EQ(m.Percent(), c.percent) << c.done;
  }
}

TEST(Progress, NegativeTotalKeepsThePercentOnItsScale) {
  TProgressModel m;
  m.SetTotalParts(-4);
  m.SetPartsComplete(7);
  EXPECT_EQ(m.PartsComplete(), 7);
  EXPECT_EQ(m.Percent(), 0);
  m.SetPartsComplete(-8);
  EXPECT_EQ(m.Percent(), 100);
}

TEST(Progress, TotalResetsOnlyWhenItChanges) {
  TProgressModel m;
  int changes = 0;
  m.on_percent_change = [&] { ++changes; };
  m.SetTotalParts(3);
  m.SetPartsComplete(2);
  EXPECT_EQ(changes, 1);
  m.SetTotalParts(3);
  EXPECT_EQ(m.PartsComplete(), 2);
  EXPECT_EQ(m.Percent(), 67);
  m.SetPartsComplete(2);
  EXPECT_EQ(changes, 1);
  m.SetTotalParts(4);
  EXPECT_EQ(m.PartsComplete(), 0);
  EXPECT_EQ(m.Percent(), 0);
  EXPECT_EQ(changes, 2);
}

TEST(Progress, ZeroTotalOrLoadingLeavesThePercent) {
  TProgressModel m;
  m.SetPartsComplete(0);
  m.SetPercent(40);
  m.SetPartsComplete(5);  // clamps to the total of 0
  EXPECT_EQ(m.PartsComplete(), 0);
  EXPECT_EQ(m.Percent(), 40);

  TProgressModel loading;
  loading.SetPercent(10);
  loading.SetLoading(true);
  loading.SetTotalParts(4);
  loading.SetPartsComplete(2);
  EXPECT_EQ(loading.PartsComplete(), 2);
  EXPECT_EQ(loading.Percent(), 10);
}

TEST(Progress, OrientationFollowsTheShape) {
  TProgressModel m;
  m.SetBounds(10, 40);
  EXPECT_EQ(m.Orientation(), poVertical);
  m.SetBounds(40, 40);
  EXPECT_EQ(m.Orientation(), poHorizontal);
  m.SetBounds(200, 19);
  EXPECT_EQ(m.Orientation(), poHorizontal);
}

TEST(Progress, FilledExtent) {
  TRect interior{2, 2, 198, 17};  // 196 by 15
  struct Case {
    unsigned percent;
    int width;
  } cases[] = {{0, 0}, {33, 65}, {67, 131}, {100, 196}, {250, 196}, {50, 98}, {1, 2}};
  for (const auto& c : cases) {
    TRect f = FilledRect(interior, c.percent, poHorizontal);
    EXPECT_EQ(f, (TRect{2, 2, 2 + c.width, 17})) << c.percent;
  }
  EXPECT_EQ(FilledRect({0, 0, 10, 40}, 25, poVertical), (TRect{0, 30, 10, 40}));
  EXPECT_EQ(FilledRect({0, 0, 10, 41}, 50, poVertical), (TRect{0, 21, 10, 41}));  // 20.5 -> 20
}

TEST(Progress, Text) {
  EXPECT_EQ(PercentText(0, true), "0%");
  EXPECT_EQ(PercentText(42, true), "42%");
  EXPECT_EQ(PercentText(100, true), "100%");
  EXPECT_EQ(PercentText(42, false), "");
  // Centred on half of the interior's right edge, not on the interior's middle.
  EXPECT_EQ(PercentTextOrigin({2, 2, 198, 17}, 21, 13), (TPoint{89, 3}));
  EXPECT_EQ(PercentTextOrigin({2, 2, 198, 17}, 20, 16), (TPoint{89, 2}));  // -0.5 goes to 0
}

TEST(Progress, MainWindowLookLeavesAnInteriorInsetByTwo) {
  TProgressLook look{fsNone,
                     fsFlat,
                     1,
                     0,
                     RGBColor(212, 208, 200),
                     RGBColor(212, 208, 200),
                     RGBColor(10, 36, 106)};
  TFrameColors colors{};
  colors.flat = RGBColor(159, 159, 159);
  PixelBitmap bmp(200, 19, 0xABCDEF);
  TProgressParts parts = PaintProgress(bmp, look, 50, poHorizontal, colors);
  EXPECT_EQ(parts.interior, (TRect{2, 2, 198, 17}));
  EXPECT_EQ(parts.filled, (TRect{2, 2, 100, 17}));
  EXPECT_EQ(parts.rest, (TRect{100, 2, 198, 17}));
  Pixel face = ColorToPixel(RGBColor(212, 208, 200));
  Pixel flat = ColorToPixel(RGBColor(159, 159, 159));
  Pixel bar = ColorToPixel(RGBColor(10, 36, 106));
  struct Probe {
    int x, y;
    Pixel p;
  } probes[] = {{0, 0, face},  {1, 1, face},   {2, 1, flat},    {197, 1, flat},  {198, 1, face},
                {1, 2, flat},  {1, 16, flat},  {1, 17, face},   {198, 17, face}, {2, 2, bar},
                {99, 16, bar}, {100, 2, face}, {197, 16, face}, {199, 18, face}};
  for (const auto& p : probes) EXPECT_EQ(bmp.At(p.x, p.y), p.p) << p.x << "," << p.y;
}

TEST(Progress, DefaultLookAndInteriorOffset) {
  TProgressLook look{fsLowered,
                     fsNone,
                     0,
                     2,
                     RGBColor(212, 208, 200),
                     RGBColor(255, 255, 255),
                     RGBColor(10, 36, 106)};
  TFrameColors colors{RGBColor(255, 255, 255), RGBColor(128, 128, 128), 0, 0, 0};
  PixelBitmap bmp(20, 10);
  TProgressParts parts = PaintProgress(bmp, look, 100, poHorizontal, colors);
  EXPECT_EQ(parts.interior, (TRect{3, 3, 17, 7}));
  EXPECT_TRUE(parts.rest.IsEmpty());
  EXPECT_EQ(bmp.At(0, 0), ColorToPixel(RGBColor(128, 128, 128)));
  EXPECT_EQ(bmp.At(19, 9), ColorToPixel(RGBColor(255, 255, 255)));
  EXPECT_EQ(bmp.At(1, 1), ColorToPixel(RGBColor(255, 255, 255)));  // the offset ring: back colour
  EXPECT_EQ(bmp.At(3, 3), ColorToPixel(RGBColor(10, 36, 106)));
}

}  // namespace
}  // namespace vl
