#include <gtest/gtest.h>

#include "skin/paint/glow.h"
#include "skin/paint/text_fit.h"

namespace vl {
namespace {

// Every byte is 2 pixels wide, a dot 1.
int Measure(std::string_view s) {
  int w = 0;
  for (char c : s) w += c == '.' ? 1 : 2;
  return w;
}

TEST(FitTextWithEllipsis, ShortensUntilTextAndDotsFit) {
  struct Case {
    std::string text;
    int width;
    std::string expected;
  } cases[] = {
      {"abcdef", 12, "abcdef"},  // fits as it is
      {"abcdef", 11, "abcd..."}, {"abcdef", 10, "abc..."},
      {"abcdef", 4, "..."},  // nothing of the text fits
      {"abcdef", 0, "..."},      {"", 0, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FitTextWithEllipsis(c.text, c.width, Measure, nullptr), c.expected)
        << c.text << " in " << c.width;
  }
}

TEST(FitTextWithEllipsis, DoubleByteCharactersAndSurrogatePairsGoWhole) {
  // A measure under which half a character is narrower than a whole one, so that cutting a
  // character in two would look like a fit.
  auto lead = [](unsigned char c) { return c >= 0x81 && c <= 0xFE; };
  auto measure = [&](std::string_view s) {
    int w = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
      if (lead((unsigned char)s[i])) {
        w += i + 1 < s.size() ? 4 : 0;
        ++i;
      } else {
        w += s[i] == '.' ? 1 : 2;
      }
    }
    return w;
  };
  std::string text = "ab\x82\xA0\x82\xA1";
  EXPECT_EQ(FitTextWithEllipsis(text, 11, measure, lead), "ab\x82\xA0...");

  auto units = [](std::wstring_view s) {
    int w = 0;
    for (wchar_t c : s) w += c == L'.' ? 1 : c >= 0xDC00 ? 4 : c >= 0xD800 ? 0 : 2;
    return w;
  };
  EXPECT_EQ(FitTextWithEllipsis(std::wstring(L"ab\xD83D\xDE00"), 7, units), L"ab...");
}

TEST(GlowFade, TenthsOfTheFinalOpacityEvery25Milliseconds) {
  TskGlowFade full(255);
  for (int tick = 1; tick <= 10; ++tick) EXPECT_TRUE(full.Tick()) << tick;
  EXPECT_EQ(full.Current(), 250);
  EXPECT_FALSE(full.Tick());
  EXPECT_EQ(full.Current(), 255);
  EXPECT_FALSE(full.Running());

  TskGlowFade faint(5);  // a step of 0: stays transparent, nothing left to time
  EXPECT_FALSE(faint.Running());
  EXPECT_FALSE(faint.Tick());
  EXPECT_EQ(faint.Current(), 0);
}

TEST(BuildGlowPicture, AlphaIsTheMaskMeanAndColourIsPremultiplied) {
  const Pixel colour = MakePixel(200, 100, 50);
  struct Case {
    Pixel mask;
    std::uint32_t alpha;
    Pixel premultiplied;
  } cases[] = {
      {MakePixel(255, 255, 255), 255, colour},
      {MakePixel(100, 101, 0), 67, MakePixel(53, 26, 13)},
      {MakePixel(1, 1, 0), 1, MakePixel(1, 0, 0)},  // 0.67 rounds up
      {MakePixel(1, 0, 0), 0, 0},                   // 0.33 rounds down
      {0, 0, 0},
  };
  for (const auto& c : cases) {
    PixelBitmap out = BuildGlowPicture(PixelBitmap(1, 1, colour), PixelBitmap(1, 1, c.mask));
    EXPECT_EQ(out.At(0, 0), (c.alpha << 24) | c.premultiplied) << std::hex << c.mask;
  }
  PixelBitmap wider = BuildGlowPicture(PixelBitmap(2, 1, colour), PixelBitmap(1, 1, 0x00FFFFFF));
  EXPECT_EQ(wider.At(1, 0), 0u) << "outside the mask the alpha is 0";
}

TEST(PlatformVersions, LayeredWindowsFrom50) {
  struct Case {
    int major, minor;
    bool layered, v51, above5;
  } cases[] = {
      {4, 10, false, false, false}, {5, 0, true, false, false}, {5, 1, true, true, false},
      {5, 2, true, false, false},   {6, 0, true, true, true},   {10, 0, true, true, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SupportsLayeredWindows(c.major, c.minor), c.layered) << c.major << "." << c.minor;
    EXPECT_EQ(IsVersion51OrNewer(c.major, c.minor), c.v51) << c.major << "." << c.minor;
    EXPECT_EQ(IsMajorVersionAbove5(c.major), c.above5) << c.major;
  }
}

}  // namespace
}  // namespace vl
