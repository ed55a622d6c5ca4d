// Where a skinned window goes when it is maximized, minimized and restored.
#include "skin/form/window_states.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(WindowStatesTest, MaximizedBoundsLeaveAMarginOnlyOnAWholePrimaryScreen) {
  // A task bar takes room: the work area as it is.
  EXPECT_EQ(MaximizedBounds({0, 0, 1280, 860}, {0, 0, 1280, 900}, 1280, 900),
            (TRect{0, 0, 1280, 860}));
  // An auto-hidden task bar: one pixel in on every side, so it can still be reached.
  EXPECT_EQ(MaximizedBounds({0, 0, 1280, 900}, {0, 0, 1280, 900}, 1280, 900),
            (TRect{1, 1, 1279, 899}));
  // A second monitor left of the primary one.
  EXPECT_EQ(MaximizedBounds({-1920, 0, 0, 1080}, {-1920, 0, 0, 1080}, 1280, 900),
            (TRect{-1920, 0, 0, 1080}));
}

TEST(WindowStatesTest, MinimizedWindowsFillTheBottomRowThenTheRowsAbove) {
  const TRect work{0, 0, 500, 300};
  EXPECT_EQ(MinimizedSlot(work, 200, 31, {}), (TPoint{0, 269}));
  EXPECT_EQ(MinimizedSlot(work, 200, 31, {{0, 269}}), (TPoint{200, 269}));
  // A third bar would not fit before the right edge: the next row up.
  EXPECT_EQ(MinimizedSlot(work, 200, 31, {{0, 269}, {200, 269}}), (TPoint{0, 238}));
  EXPECT_EQ(MinimizedSlot(work, 200, 31, {{200, 269}}), (TPoint{0, 269}));
  // A work area left of and above the primary monitor.
  EXPECT_EQ(MinimizedSlot({-800, -600, 0, 0}, 200, 31, {{-800, -31}}), (TPoint{-600, -31}));
}

TEST(WindowStatesTest, TheSlotSearchEndsWhenEveryRowIsTaken) {
  const TRect work{0, 0, 400, 62};
  std::vector<TPoint> taken{{0, 31}, {200, 31}, {0, 0}, {200, 0}};
  EXPECT_EQ(MinimizedSlot(work, 200, 31, taken), (TPoint{0, 31}));
  // Sizes that would never advance still end.
  EXPECT_EQ(MinimizedSlot(work, 0, 0, {{0, 62}}), (TPoint{0, 62}));
  // A work area narrower than one bar still goes up row by row.
  EXPECT_EQ(MinimizedSlot({0, 0, 100, 100}, 200, 31, {{0, 69}}), (TPoint{0, 38}));
}

TEST(WindowStatesTest, RestoreWithoutSavedBoundsKeepsTheCurrentOnes) {
  EXPECT_EQ(RestoredBounds({}, {10, 20, 438, 356}), (TRect{10, 20, 438, 356}));
  EXPECT_EQ(RestoredBounds({5, 5, 205, 105}, {0, 0, 1280, 900}), (TRect{5, 5, 205, 105}));
}

TEST(WindowStatesTest, TheWidthNudgeGoesWhereTheLimitsAllow) {
  EXPECT_EQ(NudgeWidth(428, 200, 1280), 429);
  // At the minimum width the nudge must not go narrower.
  EXPECT_EQ(NudgeWidth(200, 200, 1280), 201);
  EXPECT_EQ(NudgeWidth(1280, 200, 1280), 1279);
  EXPECT_EQ(NudgeWidth(428, 200, 0), 429);
  EXPECT_EQ(NudgeWidth(200, 200, 200), 200);
}

TEST(WindowStatesTest, AFadeStopsAtItsTarget) {
  EXPECT_EQ(NextFadeAlpha(0, 200), 10);
  EXPECT_EQ(NextFadeAlpha(195, 200), 200);
  EXPECT_EQ(NextFadeAlpha(200, 200), 200);
  // Steps of 10 never meet 255 exactly; the last step lands on it.
  int alpha = 0;
  int steps = 0;
  while (alpha != 255 && steps < 100) {
    alpha = NextFadeAlpha(alpha, 255);
    ++steps;
  }
  EXPECT_EQ(alpha, 255);
  EXPECT_EQ(steps, 26);
  EXPECT_EQ(NextFadeAlpha(0, 300), 10);
  EXPECT_EQ(NextFadeAlpha(250, 300), 255);
}

TEST(WindowStatesTest, OnlySizeableFramesOrAlwaysResizeAreResizable) {
  EXPECT_TRUE(IsResizable(TFormBorderStyle::bsSizeable, false));
  EXPECT_TRUE(IsResizable(TFormBorderStyle::bsSizeToolWin, false));
  EXPECT_FALSE(IsResizable(TFormBorderStyle::bsSingle, false));
  EXPECT_TRUE(IsResizable(TFormBorderStyle::bsDialog, true));
}

TEST(WindowStatesTest, OnlyOlderPlatformsLoseTheCaptionOfSingleAndSizeableFrames) {
  struct Case {
    int major;
    TFormBorderStyle style;
    bool drops;
  } cases[] = {
      {5, TFormBorderStyle::bsSizeable, true},    {5, TFormBorderStyle::bsSingle, true},
      {4, TFormBorderStyle::bsSizeable, true},    {5, TFormBorderStyle::bsDialog, false},
      {5, TFormBorderStyle::bsToolWindow, false}, {5, TFormBorderStyle::bsSizeToolWin, false},
      {5, TFormBorderStyle::bsNone, false},       {6, TFormBorderStyle::bsSizeable, false},
      {10, TFormBorderStyle::bsSingle, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DropsCaptionStyle(c.major, c.style), c.drops) << c.major << " " << int(c.style);
  }
}

}  // namespace
}  // namespace vl
