#include "framework/color.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace vl {
namespace {

TEST(Color, TheDefinitionTextsSystemColoursBecomeTheOneEncodingAndGoBackAsTheyCame) {
  struct Case {
    std::int32_t text;
    TColor color;
  } cases[] = {
      {-16777201, SystemColor(kColorBtnFace)},  // 15 - 16777216
      {-16777211, clWindow},
      {-16777216, SystemColor(0)},
      {-1, SystemColor(0xFFFFFF)},
      {0, 0},
      {16111036, 16111036},  // a plain colour value
      {0x00FFFFFF, RGBColor(255, 255, 255)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ColorFromDefinition(c.text), c.color) << c.text;
    EXPECT_EQ(ColorToDefinition(c.color), c.text) << c.text;
    EXPECT_EQ(IsSystemColor(c.color), c.text < 0) << c.text;
  }
  EXPECT_EQ(SystemColorIndex(ColorFromDefinition(-16777201)), kColorBtnFace);
}

TEST(Color, AColourOfTheOneEncodingWrittenInTheTextReadsBackTheSame) {
  // A system colour the program itself made is written the text's way.
  for (TColor c : {clBtnFace, clBtnShadow, clGrayText, SystemColor(kColor3DLight)}) {
    EXPECT_EQ(ColorFromDefinition(ColorToDefinition(c)), c) << std::hex << c;
    EXPECT_LT(ColorToDefinition(c), 0) << std::hex << c;
  }
}

TEST(Color, ChannelsOfAColourValue) {
  const TColor c = RGBColor(10, 36, 106);
  EXPECT_EQ(c, 0x006A240Au);
  EXPECT_EQ(RedOf(c), 10);
  EXPECT_EQ(GreenOf(c), 36);
  EXPECT_EQ(BlueOf(c), 106);
  EXPECT_FALSE(IsSystemColor(c));
}

}  // namespace
}  // namespace vl
