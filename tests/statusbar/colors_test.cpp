#include "statusbar/colors.h"
#include "statusbar/edit_colors.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

struct ShiftCase {
  TColor in;
  int amount;
  TColor out;
};

TEST(ShiftLightness, Table) {
  const ShiftCase cases[] = {
      {RGBColor(128, 128, 128), 30, RGBColor(159, 159, 159)},  // the flat frames' grey
      {RGBColor(128, 128, 128), -30, RGBColor(96, 96, 96)},
      {RGBColor(0, 0, 0), 30, RGBColor(32, 32, 32)},
      {RGBColor(0, 0, 0), -30, RGBColor(0, 0, 0)},             // lightness stops at 0
      {RGBColor(255, 255, 255), 30, RGBColor(255, 255, 255)},  // channels stop at 255
      {RGBColor(200, 200, 200), 100, RGBColor(255, 255, 255)},
      {RGBColor(255, 0, 0), 30, RGBColor(255, 64, 64)},
      // The hue goes back through 239 steps, not 240, which tints pure blue and green.
      {RGBColor(0, 0, 255), 30, RGBColor(67, 64, 255)},
      {RGBColor(0, 255, 0), 30, RGBColor(64, 255, 65)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShiftLightness(c.in, c.amount), c.out)
        << std::hex << c.in << " by " << std::dec << c.amount;
  }
}

TEST(ShiftLightness, ZeroKeepsTheColourExactly) {
  // These do not survive a round trip through the 240-step scale.
  for (TColor c : {RGBColor(1, 2, 3), RGBColor(10, 36, 106), RGBColor(212, 208, 200)}) {
    EXPECT_EQ(ShiftLightness(c, 0), c) << std::hex << c;
  }
}

TEST(ShiftLightness, ResolvesSystemColoursFirst) {
  auto lookup =
      +[](int index) { return index == 16 ? RGBColor(128, 128, 128) : RGBColor(1, 1, 1); };
  EXPECT_EQ(ShiftLightness(SystemColor(kColorBtnShadow), 30, lookup), RGBColor(159, 159, 159));
  EXPECT_EQ(ShiftLightness(SystemColor(kColorBtnShadow), 0, lookup), RGBColor(128, 128, 128));
  EXPECT_EQ(ShiftLightness(TColor(0x00808080), 30, lookup), RGBColor(159, 159, 159));
}

TEST(EditColors, FocusColourFollowsUntilSetApart) {
  TEditColors c;
  c.SetColor(SystemColor(kColorBtnFace));
  EXPECT_EQ(c.Current(true, false), SystemColor(kColorBtnFace));
  EXPECT_EQ(c.Current(true, true), SystemColor(kColorBtnFace));
  EXPECT_EQ(c.Current(false, true), SystemColor(kColorBtnFace));  // the disabled default
  c.SetFocusColor(RGBColor(255, 255, 0));
  c.SetColor(RGBColor(1, 2, 3));
  EXPECT_EQ(c.Current(true, false), RGBColor(1, 2, 3));
  EXPECT_EQ(c.Current(true, true), RGBColor(255, 255, 0));
  c.SetDisabledColor(RGBColor(9, 9, 9));
  EXPECT_EQ(c.Current(false, false), RGBColor(9, 9, 9));
}

}  // namespace
}  // namespace vl
