#pragma once
// The menu bar's arithmetic, kept apart from the window code so that it is tested on its own:
// the bar's height and items area, where each item goes and which items no longer fit, the
// overflow strip, and which item the keyboard selects next.

#include <vector>

#include "framework/geometry.h"

namespace vl {

// Width of the arrow strip at the right end of the items area that stands for the hidden items.
inline constexpr int kOverflowStripWidth = 5;

// What the bar's skin section says about its size; `has_section` is false for the default look.
struct TskMenuBarFrame {
  bool has_section = false;
  TRect skin_rect;
  TRect items_rect;
  int default_height = 22;
};

int MenuBarHeight(const TskMenuBarFrame& frame);
// The items area of a bar `width` x `height`.
TRect MenuBarItemsArea(const TskMenuBarFrame& frame, int width, int height);
// The strip of the overflow marker within the items area.
TRect OverflowStrip(const TRect& items_area);

struct TskBarSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const TskBarSize&, const TskBarSize&) = default;
};

// What an item's skin object says about its size; `skinned` is false for the default look.
struct TskBarItemFrame {
  bool skinned = false;
  TRect skin_rect;
  TRect text_rect;
};

// An item's size for a caption `text_width` wide in a bar whose items area is `area_height` high.
TskBarSize BarItemSize(const TskBarItemFrame& frame, int text_width, int area_height);
// Where the caption goes inside an item `item_width` wide: the skin's text rectangle widened with
// the item (default look: the whole item).
TRect BarItemTextRect(const TskBarItemFrame& frame, int item_width, int item_height);

// One item as the layout sees it. `enabled` is its state as shown; while it does not fit it is
// disabled, and `saved_enabled` holds what it gets back once it fits again.
struct TskBarSlot {
  TskBarSize size;
  TRect rect;
  bool fits = true;
  bool enabled = true;
  bool saved_enabled = true;
};

// Places the items one after the other from the items area's top-left corner. An item that passes
// the area's right edge (the strip's left edge with `scroll_menu`) is hidden and disabled; one that
// fits again gets its saved enabled state back. Returns whether any item did not fit.
bool PlaceBarItems(std::vector<TskBarSlot>& slots, const TRect& items_area, bool scroll_menu);
// How many items, from the first, fit.
int FittingCount(const std::vector<TskBarSlot>& slots);

// An item as keyboard selection sees it.
struct TskBarPick {
  bool enabled = true;
  bool fits = true;
  bool hot = false;
  bool down = false;
};

// The first selectable (enabled and fitting) item that is hot or down; -1 when none is.
int SelectedBarItem(const std::vector<TskBarPick>& items);
// The selectable item after (`forward`) or before `from`, wrapping around; the first (or last)
// selectable item when `from` is -1; -1 when none is selectable.
int StepBarItem(const std::vector<TskBarPick>& items, int from, bool forward);
// The first selectable item whose caption has `key` as its accelerator; -1 when none has.
int AcceleratorBarItem(const std::vector<TskBarPick>& items, const std::vector<wchar_t>& accels,
                       wchar_t key);

}  // namespace vl
