// The geometry of a popup level: its size in both looks and with the overflow bounds, the item
// stacking and visible range, placement against a work area (including the clamps onto the
// anchor's monitor), the Up/Down search with its scrolling, and the item effects' steps.
#include "skin/controls/popup_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace vl {
namespace {

// The carried skin's popup: a 93 x 55 picture with items in 2,2,91,53; items 89 wide with an
// 63-pixel text rectangle.
TskPopupMetrics CarriedMetrics() {
  TskPopupMetrics m;
  m.skinned = true;
  m.picture_width = 93;
  m.picture_height = 55;
  m.items_rect = {2, 2, 91, 53};
  m.item_skin_width = 89;
  m.item_text_width = 63;
  return m;
}

TEST(PopupSize, SizesInBothLooksAndOverflowBounds) {
  struct Case {
    const char* name;
    bool skinned;
    int max_items;
    std::vector<int> heights;
    int work_height;
    TskPopupSize expected;
  };
  const Case cases[] = {
      {"carried skin, three items", true, 0, {22, 22, 22}, 1000, {100 + 70, 70, false, false}},
      {"carried skin with a divider", true, 0, {22, 3, 22}, 1000, {170, 51, false, false}},
      {"default look", false, 0, {20, 4, 20}, 1000, {100 + 2 + 19 + 19 + 10, 48, false, false}},
      {"limit by item count", true, 2, {22, 22, 22}, 1000, {170, 2 * 22 + 4 + 20, true, true}},
      {"limit not reached", true, 3, {22, 22, 22}, 1000, {170, 70, false, false}},
      {"taller than the work area", true, 0, {22, 22, 22}, 60, {170, 60, true, false}},
      {"the work area beats the limit", true, 2, {22, 22, 22}, 50, {170, 50, true, false}},
  };
  for (const Case& c : cases) {
    TskPopupMetrics m = c.skinned ? CarriedMetrics() : TskPopupMetrics{};
    m.max_items_in_window = c.max_items;
    const TskPopupSize got = PopupSize(m, 100, c.heights, c.skinned ? 22 : 20, c.work_height);
    EXPECT_EQ(got.width, c.expected.width) << c.name;
    EXPECT_EQ(got.height, c.expected.height) << c.name;
    EXPECT_EQ(got.overflowing, c.expected.overflowing) << c.name;
    EXPECT_EQ(got.limited, c.expected.limited) << c.name;
  }
}

TEST(LayoutItems, StacksFromTheFirstVisibleAndEndsAtTheFirstThatPasses) {
  const std::vector<int> heights{22, 3, 22, 22, 22};
  const TRect items{2, 2, 100, 71};  // 69 high: three items and the divider fit
  TskItemsLayout all = LayoutItems(heights, items, false, 0);
  EXPECT_EQ(all.visible_count, 4);
  EXPECT_EQ(all.rects[0], (TRect{2, 2, 100, 24}));
  EXPECT_EQ(all.rects[1], (TRect{2, 24, 100, 27}));
  EXPECT_EQ(all.rects[3], (TRect{2, 49, 100, 71}));
  EXPECT_TRUE(all.rects[4].IsEmpty());

  // Overflowing: 10-pixel marker strips leave 49 pixels, so from item 2 on two items fit.
  TskItemsLayout scrolled = LayoutItems(heights, items, true, 2);
  EXPECT_EQ(scrolled.first_visible, 2);
  EXPECT_EQ(scrolled.visible_count, 2);
  EXPECT_EQ(scrolled.rects[2], (TRect{2, 12, 100, 34}));
  EXPECT_TRUE(scrolled.rects[0].IsEmpty());
  EXPECT_FALSE(scrolled.IsVisible(4));
}

enum class Opened { kDown, kUp, kSub, kOverflow };

TEST(PlacePopup, FirstLevelsSubMenusAndClamps) {
  // Every popup is 170 wide; the items rectangle starts 2 pixels down.
  const TRect work{0, 0, 1000, 700};
  const TRect shifted{100, 0, 1000, 700};
  const TRect low{0, 0, 1000, 400};
  const TRect flat{0, 0, 1000, 100};
  const TRect narrow{0, 0, 300, 700};
  const TRect west{-1280, 0, 0, 1024};
  const TRect band{0, 50, 1000, 350};
  struct Case {
    const char* name;
    TRect work;
    TRect anchor;
    int height;
    Opened opened;
    TPoint expected;
  };
  const Case cases[] = {
      {"below a point", work, {100, 100, 100, 100}, 70, Opened::kDown, {100, 100}},
      {"below a bar item", work, {10, 20, 50, 40}, 70, Opened::kDown, {10, 40}},
      {"past the right edge", work, {950, 100, 950, 100}, 70, Opened::kDown, {830, 100}},
      {"left of the work area", shifted, {50, 100, 50, 100}, 70, Opened::kDown, {100, 100}},
      {"no room below, upper half", work, {100, 300, 140, 320}, 500, Opened::kDown, {141, 200}},
      {"no room below, lower half", work, {100, 600, 140, 620}, 90, Opened::kDown, {100, 510}},
      {"upwards", work, {100, 600, 140, 620}, 70, Opened::kUp, {100, 530}},
      {"upwards, upper half: below", work, {100, 30, 140, 50}, 70, Opened::kUp, {100, 50}},
      {"upwards, lower half: top", low, {100, 300, 140, 320}, 390, Opened::kUp, {141, 0}},
      {"sub-menu beside its parent", work, {100, 100, 266, 122}, 70, Opened::kSub, {267, 98}},
      {"sub-menu flips left", work, {800, 100, 966, 122}, 70, Opened::kSub, {629, 98}},
      {"sub-menu low, lower half", work, {100, 660, 266, 682}, 70, Opened::kSub, {267, 614}},
      {"sub-menu low, upper half", flat, {100, 40, 266, 62}, 70, Opened::kSub, {267, 30}},
      {"unlimited overflow", work, {100, 300, 100, 300}, 700, Opened::kOverflow, {101, 0}},
      {"beside, clamped", narrow, {100, 100, 266, 122}, 70, Opened::kSub, {0, 98}},
      {"monitor left of primary", west, {-20, 500, -20, 500}, 70, Opened::kDown, {-170, 500}},
      {"taller than the work area", band, {10, 100, 10, 100}, 400, Opened::kDown, {11, 50}},
  };
  for (const Case& c : cases) {
    TskPlacementRequest r;
    r.work_area = c.work;
    r.anchor = c.anchor;
    r.width = 170;
    r.height = c.height;
    r.sub_menu = c.opened == Opened::kSub;
    r.popup_up = c.opened == Opened::kUp;
    r.overflowing = c.opened == Opened::kOverflow;
    r.items_top = 2;
    EXPECT_EQ(PlacePopup(r), c.expected) << c.name;
  }
}

TEST(NextSelectable, SearchesWrapsAndSkips) {
  // Item 1 is a separator, item 3 disabled.
  const std::vector<bool> s{true, false, true, false, true};
  struct Case {
    int active;
    bool down;
    int expected;
  };
  const Case cases[] = {
      {-1, true, 0},  {0, true, 2},  {2, true, 4},  {4, true, 0},
      {-1, false, 4}, {4, false, 2}, {2, false, 0}, {0, false, 4},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NextSelectable(s, c.active, c.down), c.expected)
        << "from " << c.active << (c.down ? " down" : " up");
  }
  EXPECT_EQ(NextSelectable({false, false}, -1, true), -1);
  EXPECT_EQ(NextSelectable({}, -1, false), -1);
  EXPECT_EQ(NextSelectable({false, true, false}, 1, true), 1);
}

TEST(ScrollToShow, MovesJustFarEnoughAndJumpsAfterAWrap) {
  const std::vector<int> heights(10, 22);
  const int area = 66;  // three items
  struct Case {
    const char* name;
    int first, from, target;
    bool down;
    int expected;
  };
  const Case cases[] = {
      {"inside the range", 0, 0, 1, true, 0},
      {"one past the bottom", 0, 2, 3, true, 1},
      {"skipping a disabled item past the bottom", 0, 2, 4, true, 2},
      {"one above the top", 5, 5, 4, false, 4},
      {"wrap down to the top", 7, 9, 0, true, 0},
      {"wrap up to the last page", 0, 0, 9, false, 7},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScrollToShow(heights, area, c.first, c.from, c.target, c.down), c.expected) << c.name;
  }
  EXPECT_EQ(LastPageFirst({22, 3, 22, 22}, 50), 1);
}

TEST(StepItemEffect, MorphsAndAnimatesTowardsTheStateAndStops) {
  TskItemEffect e;
  int ticks = 0;
  while (StepItemEffect(e, true, true, 3)) ++ticks;
  EXPECT_EQ(ticks, 5);  // five morph steps; the three frames come along in the first three
  EXPECT_EQ(e.morph.Value(), 1.0);
  EXPECT_EQ(e.frame, 3);
  EXPECT_TRUE(StepItemEffect(e, false, true, 3));
  EXPECT_NEAR(e.morph.Value(), 0.8, 1e-9);
  EXPECT_EQ(e.frame, 2);
  ticks = 1;
  while (StepItemEffect(e, false, true, 3)) ++ticks;
  EXPECT_EQ(ticks, 5);
  EXPECT_EQ(e.morph.Value(), 0.0);
  EXPECT_EQ(e.frame, 0);
  // Neither effect on: nothing changes, so the timer stops at once.
  TskItemEffect still;
  EXPECT_FALSE(StepItemEffect(still, true, false, 0));
}

TEST(PopupItemFrameRect, SideBySideOrStacked) {
  EXPECT_EQ(PopupItemFrameRect({0, 0, 300, 22}, 100, 3, 2), (TRect{100, 0, 200, 22}));
  EXPECT_EQ(PopupItemFrameRect({0, 10, 100, 76}, 100, 3, 3), (TRect{0, 54, 100, 76}));
  EXPECT_TRUE(PopupItemFrameRect({0, 0, 300, 22}, 100, 3, 0).IsEmpty());
  EXPECT_TRUE(PopupItemFrameRect({0, 0, 300, 22}, 100, 3, 4).IsEmpty());
  EXPECT_TRUE(PopupItemFrameRect({}, 100, 0, 1).IsEmpty());
}

TEST(SkinnedItemParts, CarriedItemRectangles) {
  // textrect 23,1,86,20 and imagerect 1,1,20,21 of an 89-wide item drawn 166 wide.
  const TskItemParts p = SkinnedItemParts({23, 1, 86, 20}, {1, 1, 20, 21}, 89, 166, 0, 0);
  EXPECT_EQ(p.text, (TRect{23, 1, 163, 20}));
  EXPECT_EQ(p.caption, (TRect{23, 1, 147, 20}));
  EXPECT_EQ(p.shortcut_right, 147);
  EXPECT_EQ(p.glyph, (TPoint{6, 7}));
  // Without an image rectangle the caption leaves room for a 16-pixel glyph.
  const TskItemParts q = SkinnedItemParts({23, 1, 86, 20}, {}, 89, 89, 0, 9);
  EXPECT_EQ(q.caption.left, 39);
  EXPECT_EQ(q.arrow_box, (TRect{72, 1, 86, 20}));
  EXPECT_EQ(q.glyph, (TPoint{25, 6}));
}

}  // namespace
}  // namespace vl
