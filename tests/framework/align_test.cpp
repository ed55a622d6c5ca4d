#include "framework/align.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(AlignItems, TopAndBottomStackThenLeftAndRightShareTheMiddleAndClientTakesTheRest) {
  const TRect client{0, 0, 826, 502};
  std::vector<TAlignItem> items = {
      {TAlign::alTop, {0, 0, 10, 57}},   {TAlign::alTop, {0, 0, 10, 35}},
      {TAlign::alClient, {5, 5, 6, 6}},  {TAlign::alBottom, {0, 0, 10, 19}},
      {TAlign::alLeft, {0, 0, 100, 10}}, {TAlign::alRight, {0, 0, 50, 10}},
      {TAlign::alNone, {7, 8, 9, 10}},   {TAlign::alTop, {0, 0, 10, 30}, false},
  };
  std::vector<TRect> expected = {
      {0, 0, 826, 57},   {0, 57, 826, 92},    {100, 92, 776, 483}, {0, 483, 826, 502},
      {0, 92, 100, 483}, {776, 92, 826, 483}, {7, 8, 9, 10},       {0, 0, 10, 30},
  };
  EXPECT_EQ(AlignItems(client, items), expected);
}

TEST(AlignItems, LeftAlignedChildrenFollowEachOtherInOrder) {
  const TRect inside_frame{1, 1, 825, 56};
  std::vector<TAlignItem> items;
  for (int w : {120, 354, 65, 57, 57, 57, 57, 57}) items.push_back({TAlign::alLeft, {0, 0, w, 55}});
  std::vector<TRect> placed = AlignItems(inside_frame, items);
  EXPECT_EQ(placed.front(), (TRect{1, 1, 121, 56}));
  EXPECT_EQ(placed[1], (TRect{121, 1, 475, 56}));
  EXPECT_EQ(placed.back(), (TRect{768, 1, 825, 56}));
}

TEST(AlignItems, ChildrenLargerThanTheRoomOverlapRatherThanVanish) {
  std::vector<TAlignItem> items = {{TAlign::alTop, {0, 0, 5, 80}}, {TAlign::alClient, {}}};
  std::vector<TRect> placed = AlignItems({0, 0, 50, 60}, items);
  EXPECT_EQ(placed[0], (TRect{0, 0, 50, 80}));
  EXPECT_TRUE(placed[1].IsEmpty());
}

}  // namespace
}  // namespace vl
