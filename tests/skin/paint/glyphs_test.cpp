#include "skin/paint/glyphs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vl {
namespace {

constexpr Pixel kInk = 0x00123456;

// The picture as rows of '#' (ink) and '.' (anything else).
std::vector<std::string> Art(const PixelBitmap& b) {
  std::vector<std::string> rows;
  for (int y = 0; y < b.Height(); ++y) {
    std::string row;
    for (int x = 0; x < b.Width(); ++x) row += b.At(x, y) == kInk ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}

TEST(Glyphs, ArrowsAndMarkerAroundTheCentre) {
  const TRect rect{0, 0, 10, 10};  // centre (5, 5)
  struct Case {
    const char* what;
    void (*draw)(PixelBitmap&, const TRect&);
    std::vector<std::string> art;
  } cases[] = {
      {"left",
       [](PixelBitmap& b, const TRect& r) { DrawArrow(b, r, kInk, TskArrowDirection::kLeft); },
       {"..........", "..........", "......#...", ".....##...", "....###...", "...####...",
        "....###...", ".....##...", "......#...", ".........."}},
      {"right",
       [](PixelBitmap& b, const TRect& r) { DrawArrow(b, r, kInk, TskArrowDirection::kRight); },
       {"..........", "..........", "....#.....", "....##....", "....###...", "....####..",
        "....###...", "....##....", "....#.....", ".........."}},
      {"up",
       [](PixelBitmap& b, const TRect& r) { DrawArrow(b, r, kInk, TskArrowDirection::kUp); },
       {"..........", "..........", "..........", ".....#....", "....###...", "...#####..",
        "..#######.", "..........", "..........", ".........."}},
      {"down",
       [](PixelBitmap& b, const TRect& r) { DrawArrow(b, r, kInk, TskArrowDirection::kDown); },
       {"..........", "..........", "..........", "..........", "..#######.", "...#####..",
        "....###...", ".....#....", "..........", ".........."}},
      {"drop marker",
       [](PixelBitmap& b, const TRect& r) { DrawDropMarker(b, r, kInk); },
       {"..........", "..........", "..........", "..........", "..........", "...#####..",
        "....###...", ".....#....", "..........", ".........."}},
      {"check mark at 1,1",
       [](PixelBitmap& b, const TRect&) { DrawCheckMark(b, 1, 1, kInk); },
       {"..........", "..........", ".......#..", "......##..", ".#...###..", ".##.###...",
        ".#####....", "..###.....", "...#......", ".........."}},
  };
  for (const auto& c : cases) {
    PixelBitmap b(10, 10);
    c.draw(b, rect);
    EXPECT_EQ(Art(b), c.art) << c.what;
  }
}

TEST(Glyphs, FocusDotsAlternateAroundTheCorners) {
  PixelBitmap odd(6, 5);
  DrawFocusDots(odd, {0, 0, 6, 5}, kInk);
  EXPECT_EQ(Art(odd), (std::vector<std::string>{"#.#.#.", ".....#", "#.....", ".....#", "#.#.#."}));
  // Shrunk width and height both even: the first dot of the top edge is left out.
  PixelBitmap even(5, 5);
  DrawFocusDots(even, {0, 0, 5, 5}, kInk);
  EXPECT_EQ(Art(even), (std::vector<std::string>{"..#.#", ".....", "#...#", ".....", "#.#.#"}));
}

TEST(Glyphs, CaptionGlyphs) {
  struct Case {
    TskCaptionGlyph glyph;
    std::vector<std::string> art;  // drawn at 0,0 on 11 x 10
  } cases[] = {
      {TskCaptionGlyph::kBox,
       {"###########", "###########", "#.........#", "#.........#", "#.........#", "#.........#",
        "#.........#", "#.........#", "#.........#", "###########"}},
      {TskCaptionGlyph::kSquare,
       {"...........", "...........", "..#####....", "..#####....", "..#####....", "..#####....",
        "..#####....", "...........", "...........", "..........."}},
      {TskCaptionGlyph::kDownTriangle,
       {"...........", "...........", ".########..", "..######...", "...####....", "....##.....",
        "...........", "...........", "...........", "..........."}},
      {TskCaptionGlyph::kUpTriangle,
       {"...........", "...........", "...........", "....##.....", "...####....", "..######...",
        ".########..", "...........", "...........", "..........."}},
      {TskCaptionGlyph::kCross,
       {"...........", ".##.....##.", "..##...##..", "...##.##...", "....###....", "....###....",
        "...##.##...", "..##...##..", ".##.....##.", "..........."}},
  };
  for (const auto& c : cases) {
    PixelBitmap b(11, 10);
    DrawCaptionGlyph(b, c.glyph, 0, 0, kInk);
    EXPECT_EQ(Art(b), c.art) << int(c.glyph);
  }
}

TEST(Glyphs, StripFrameLeavesOutTheTransparentColour) {
  const Pixel clear = 0x00FF00FF;
  PixelBitmap strip(6, 1);
  strip.Pixels() = {1, 2, kInk, clear, 5, 6};
  PixelBitmap b(4, 2, 9);
  DrawStripFrame(b, 1, 1, 2, 3, strip, clear);
  EXPECT_EQ(b.At(1, 1), kInk);
  EXPECT_EQ(b.At(2, 1), 9u);
  PixelBitmap untouched(4, 2, 9);
  for (int n : {0, 4}) DrawStripFrame(untouched, 0, 0, n, 3, strip, clear);
  DrawStripFrame(untouched, 0, 0, 1, 0, strip, clear);
  EXPECT_EQ(untouched, PixelBitmap(4, 2, 9));
  EXPECT_EQ(DefaultTransparentColour(strip), 1u);
}

}  // namespace
}  // namespace vl
