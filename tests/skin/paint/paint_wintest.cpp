#include "skin/paint/paint_win.h"

#include <gtest/gtest.h>

#include "skin/paint/blit.h"
#include "skin/paint/dib_wintest_util.h"
#include "skin/paint/pictures.h"

namespace vl {
namespace {

using testing::NumberedPicture;
using testing::TestDib;

// The portable stretch copy against the platform's own StretchBlt, over enlarging and
// shrinking in both directions, with offsets and a target partly outside the picture.
TEST(StretchCopyOnThePlatform, SamplesLikeStretchBlt) {
  PixelBitmap src = NumberedPicture(40, 30);
  TestDib source(40, 30);
  source.Set(src);
  struct Case {
    TRect from, to;
  } cases[] = {
      {{0, 0, 3, 3}, {0, 0, 50, 40}},    {{2, 1, 14, 11}, {3, 2, 8, 7}},
      {{5, 5, 10, 6}, {0, 0, 1, 1}},     {{0, 0, 40, 30}, {-7, -3, 33, 27}},
      {{1, 2, 39, 29}, {10, 4, 11, 38}}, {{0, 0, 7, 5}, {0, 0, 45, 3}},
      {{3, 3, 36, 27}, {5, 5, 50, 40}},  {{0, 0, 40, 1}, {0, 0, 17, 40}},
  };
  for (const auto& c : cases) {
    TestDib target(50, 40);
    target.Fill(0);
    SetStretchBltMode(target.DC(), COLORONCOLOR);
    StretchBlt(target.DC(), c.to.left, c.to.top, c.to.Width(), c.to.Height(), source.DC(),
               c.from.left, c.from.top, c.from.Width(), c.from.Height(), SRCCOPY);
    PixelBitmap ours(50, 40);
    StretchCopy(ours, c.to, src, c.from);
    EXPECT_EQ(target.Pixels(), ours) << c.from.Width() << "x" << c.from.Height() << " -> "
                                     << c.to.Width() << "x" << c.to.Height();
  }
}

TEST(DrawPixelBitmap, CopiesWholeOrPartInOneStep) {
  PixelBitmap picture = NumberedPicture(7, 5);
  TestDib target(12, 10);
  target.Fill(0);
  DrawPixelBitmap(target.DC(), 2, 3, picture);
  PixelBitmap expected(12, 10);
  CopyRect(expected, 2, 3, picture, picture.Bounds());
  EXPECT_EQ(target.Pixels(), expected);

  target.Fill(0);
  DrawPixelBitmap(target.DC(), 1, 1, picture, {2, 1, 6, 4});
  PixelBitmap part(12, 10);
  CopyRect(part, 1, 1, picture, {2, 1, 6, 4});
  EXPECT_EQ(target.Pixels(), part);
}

TEST(CreateRegionFromRects, KeepsEveryRunPastOneBatch) {
  // 10,100 one-pixel runs: every other pixel of 101 rows of 200.
  TskRegionRects runs{{0, 0, 200, 101}, {}};
  for (int y = 0; y < 101; ++y) {
    for (int x = y % 2; x < 200; x += 2) runs.rects.push_back({x, y, x + 1, y + 1});
  }
  ASSERT_GT(runs.rects.size(), std::size_t(kMaxRegionRuns));
  HRGN region = CreateRegionFromRects(runs);
  ASSERT_NE(region, nullptr);
  EXPECT_TRUE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, 1, 0));
  EXPECT_TRUE(PtInRegion(region, 198, 100)) << "a run of the second batch";
  EXPECT_FALSE(PtInRegion(region, 199, 100));
  DeleteObject(region);
}

TEST(CreateWindowRegion, MatchesTheRectangleListAndNoneIsNull) {
  PixelBitmap mask(285, 210, 0);
  for (int x = 0; x < 3; ++x) mask.At(x, 0) = mask.At(284 - x, 209) = 0x00FFFFFF;
  TskSkinPoints points{{9, 29}, {274, 30}, {8, 200}, {274, 200}, {4, 3, 282, 206}};
  TskSkinPoints sized = SizePoints(points, 826 - 285, 502 - 210);
  auto shape = BuildWindowRegion(mask, points, 826, sized);
  ASSERT_TRUE(shape);
  HRGN region = CreateWindowRegion(shape);
  ASSERT_NE(region, nullptr);
  for (int y = 0; y < 502; y += 3) {
    for (int x : {0, 1, 2, 3, 4, 100, 700, 822, 823, 824, 825}) {
      ASSERT_EQ(PtInRegion(region, x, y) != 0, shape->Contains({x, y})) << x << "," << y;
    }
  }
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, 825, 501));
  DeleteObject(region);
  EXPECT_EQ(CreateWindowRegion(std::nullopt), nullptr);
}

TEST(FitTextWithEllipsisOnTheScreen, ShortTextStaysAndLongTextFitsWithDots) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  auto width = [dc](std::string_view s) {
    SIZE size{};
    GetTextExtentPoint32A(dc, s.data(), int(s.size()), &size);
    return int(size.cx);
  };
  std::string text = "A rather long caption for a narrow button";
  EXPECT_EQ(FitTextWithEllipsis(dc, text, width(text)), text);
  std::string fitted = FitTextWithEllipsis(dc, text, 60);
  EXPECT_LE(width(fitted), 60);
  ASSERT_GT(fitted.size(), 3u);
  EXPECT_EQ(fitted.substr(fitted.size() - 3), "...");
  EXPECT_EQ(text.rfind(fitted.substr(0, fitted.size() - 3), 0), 0u);
  std::wstring wide =
      FitTextWithEllipsis(dc, std::wstring_view(L"Another rather long caption"), 50);
  EXPECT_EQ(wide.substr(wide.size() - 3), L"...");
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
}

TEST(DrawWideText, DrawsCharactersOutsideTheAnsiCodePage) {
  TestDib surface(120, 30);
  surface.Fill(0x00FFFFFF);
  SetBkMode(surface.DC(), TRANSPARENT);
  SetTextColor(surface.DC(), RGB(0, 0, 0));
  RECT r{0, 0, 120, 30};
  RECT measured = r;
  EXPECT_GT(DrawWideText(surface.DC(), L"\x4E2D\x6587 \xFF01", measured, DT_CALCRECT), 0);
  EXPECT_GT(measured.right, 0);
  EXPECT_GT(DrawWideText(surface.DC(), L"Wide \xFF1F", r, DT_SINGLELINE), 0);
  PixelBitmap p = surface.Pixels();
  EXPECT_NE(p, PixelBitmap(120, 30, 0x00FFFFFF)) << "something was drawn";
}

TEST(WorkAreaOf, LiesOnTheScreen) {
  TRect work = WorkAreaOf(GetDesktopWindow(), false);
  TRect whole = WorkAreaOf(GetDesktopWindow(), true);
  EXPECT_FALSE(work.IsEmpty());
  EXPECT_GE(work.left, whole.left);
  EXPECT_LE(work.right, whole.right);
  EXPECT_LE(work.bottom, whole.bottom);
}

}  // namespace
}  // namespace vl
