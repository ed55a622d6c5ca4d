#include "skin/controls/header_caption.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

// Every character 7 pixels wide, the dots of "..." 3 each.
int Width(std::wstring_view text) {
  int w = 0;
  for (wchar_t c : text) w += c == L'.' ? 3 : 7;
  return w;
}

TEST(ShortenedCaption, FitsWholeOrEndsInDotsOrIsDotsAlone) {
  struct Case {
    const wchar_t* text;
    int limit;
    const wchar_t* shown;
  } cases[] = {
      {L"FileName", 56, L"FileName"},  // exactly as wide as the room
      {L"FileName", 100, L"FileName"},
      {L"FileName", 55, L"FileNa..."},
      {L"FileName", 51, L"FileNa..."},  // exactly as wide as the room
      {L"FileName", 50, L"FileN..."},
      {L"FileName", 16, L"F..."},
      {L"FileName", 15, L"..."},
      {L"FileName", 0, L"..."},
      {L"", 0, L""},
      {L"a.b", 10, L"..."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShortenedCaption(c.text, c.limit, Width), c.shown) << c.text << " " << c.limit;
  }
}

TEST(CaptionLeft, LeftRightAndCentred) {
  struct Case {
    TAlignment alignment;
    int left;
  } cases[] = {
      {TAlignment::taLeftJustify, 5},
      {TAlignment::taRightJustify, 75},
      {TAlignment::taCenter, 40},
  };
  for (const auto& c : cases) EXPECT_EQ(CaptionLeft(5, 105, 30, c.alignment), c.left);
}

TEST(SortMarkRows, PointUpWhenAscendingAndDownWhenDescendingAtTheRightOfTheRoom) {
  const TRect room{5, 0, 75, 20};
  const std::vector<TRect> up = SortMarkRows(room, false);
  ASSERT_EQ(up.size(), 4u);
  EXPECT_EQ(up.front(), (TRect{71, 8, 72, 9}));
  EXPECT_EQ(up.back(), (TRect{68, 11, 75, 12}));
  const std::vector<TRect> down = SortMarkRows(room, true);
  ASSERT_EQ(down.size(), 4u);
  EXPECT_EQ(down.front(), (TRect{68, 8, 75, 9}));
  EXPECT_EQ(down.back(), (TRect{71, 11, 72, 12}));
  for (const TRect& row : down) {
    EXPECT_LE(row.right, room.right);
    EXPECT_GE(row.left, room.right - kSortMarkWidth);
  }
}

TEST(SortMarkRows, NoneInARoomTooSmall) {
  EXPECT_TRUE(SortMarkRows({0, 0, kSortMarkWidth - 1, 20}, false).empty());
  EXPECT_TRUE(SortMarkRows({0, 0, 40, 3}, true).empty());
  EXPECT_EQ(SortMarkRows({0, 0, kSortMarkWidth, 4}, true).size(), 4u);
}

}  // namespace
}  // namespace vl
