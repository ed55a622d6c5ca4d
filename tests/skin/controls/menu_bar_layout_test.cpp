#include "skin/controls/menu_bar_layout.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

// The carried skin's bar section and item object.
const TskMenuBarFrame kCarriedBar{true, {67, 106, 117, 128}, {2, 1, 47, 21}, 22};
const TskBarItemFrame kCarriedItem{true, {2, 59, 53, 79}, {4, 3, 46, 20}};

TEST(MenuBarLayout, HeightItemsAreaAndItemSizeWithAndWithoutTheSkin) {
  const TskMenuBarFrame plain{false, {}, {}, 30};
  EXPECT_EQ(MenuBarHeight(kCarriedBar), 22);
  EXPECT_EQ(MenuBarHeight(plain), 30);
  EXPECT_EQ(MenuBarItemsArea(kCarriedBar, 300, 22), (TRect{2, 1, 297, 21}));
  EXPECT_EQ(MenuBarItemsArea(plain, 300, 30), (TRect{2, 2, 298, 28}));
  EXPECT_EQ(OverflowStrip({2, 1, 297, 21}), (TRect{292, 1, 297, 21}));

  struct Case {
    TskBarItemFrame frame;
    int text_width;
    TskBarSize size;
    TRect text;
  } cases[] = {
      {kCarriedItem, 20, {31, 20}, {4, 3, 26, 20}},
      {kCarriedItem, 0, {11, 20}, {4, 3, 6, 20}},
      {TskBarItemFrame{}, 20, {32, 26}, {0, 0, 32, 26}},
  };
  for (const auto& c : cases) {
    const TskBarSize size = BarItemSize(c.frame, c.text_width, 26);
    EXPECT_EQ(size, c.size) << c.text_width;
    EXPECT_EQ(BarItemTextRect(c.frame, size.width, size.height), c.text) << c.text_width;
  }
}

TEST(MenuBarLayout, ItemsFollowEachOtherAndThoseThatPassTheEdgeAreHiddenAndDisabled) {
  auto slots_of = [](std::initializer_list<int> widths) {
    std::vector<TskBarSlot> slots;
    for (int w : widths) {
      TskBarSlot slot;
      slot.size = {w, 20};
      slots.push_back(slot);
    }
    return slots;
  };
  std::vector<TskBarSlot> slots = slots_of({30, 40, 23, 10});
  slots[3].enabled = false;
  // With the strip the limit is 95: the third item ends exactly there and still fits.
  EXPECT_TRUE(PlaceBarItems(slots, {2, 1, 100, 21}, true));
  EXPECT_EQ(slots[0].rect, (TRect{2, 1, 32, 21}));
  EXPECT_EQ(slots[1].rect, (TRect{32, 1, 72, 21}));
  EXPECT_EQ(slots[2].rect, (TRect{72, 1, 95, 21}));
  EXPECT_EQ(slots[3].rect, (TRect{95, 1, 105, 21}));
  EXPECT_TRUE(slots[2].fits && slots[2].enabled);
  EXPECT_FALSE(slots[3].fits);
  EXPECT_EQ(FittingCount(slots), 3);

  // Narrower: the second item goes too; placing again does not lose the saved states.
  EXPECT_TRUE(PlaceBarItems(slots, {2, 1, 70, 21}, true));
  EXPECT_TRUE(PlaceBarItems(slots, {2, 1, 70, 21}, true));
  EXPECT_EQ(FittingCount(slots), 1);
  EXPECT_FALSE(slots[1].enabled);
  // Wide again: each item gets back the state it had, the disabled one stays disabled.
  EXPECT_FALSE(PlaceBarItems(slots, {2, 1, 300, 21}, true));
  EXPECT_TRUE(slots[1].enabled && slots[2].enabled);
  EXPECT_FALSE(slots[3].enabled);
  // Without the strip the whole area counts.
  slots = slots_of({30, 40, 28});
  EXPECT_FALSE(PlaceBarItems(slots, {2, 1, 100, 21}, false));
  EXPECT_TRUE(PlaceBarItems(slots, {2, 1, 100, 21}, true));
}

TEST(MenuBarLayout, KeyboardSelectionWrapsAndSkipsWhatCannotBeSelected) {
  const TskBarPick on;
  TskBarPick off, hidden;
  off.enabled = false;
  hidden.fits = false;
  TskBarPick hot = on, down = on;
  hot.hot = true;
  down.down = true;
  struct Case {
    std::vector<TskBarPick> items;
    int from;
    int next, previous;
  } cases[] = {
      {{on, on, on}, 0, 1, 2},  {{on, on, on}, 2, 0, 1},     {{on, off, on, hidden}, 0, 2, 2},
      {{on, on, on}, -1, 0, 2}, {{off, hidden}, -1, -1, -1}, {{on}, 0, 0, 0},
      {{}, -1, -1, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StepBarItem(c.items, c.from, true), c.next) << c.from;
    EXPECT_EQ(StepBarItem(c.items, c.from, false), c.previous) << c.from;
  }
  EXPECT_EQ(SelectedBarItem({on, hot, down}), 1);
  EXPECT_EQ(SelectedBarItem({on, on, down}), 2);
  EXPECT_EQ(SelectedBarItem({on, on}), -1);

  const std::vector<TskBarPick> picks{on, off, on, on};
  const std::vector<wchar_t> accels{L'f', L'c', L'h', L'f'};
  EXPECT_EQ(AcceleratorBarItem(picks, accels, L'F'), 0);
  EXPECT_EQ(AcceleratorBarItem(picks, accels, L'h'), 2);
  EXPECT_EQ(AcceleratorBarItem(picks, accels, L'c'), -1);  // disabled
  EXPECT_EQ(AcceleratorBarItem(picks, accels, L'x'), -1);
  EXPECT_EQ(AcceleratorBarItem({on}, {0}, 0), -1);
}

}  // namespace
}  // namespace vl
