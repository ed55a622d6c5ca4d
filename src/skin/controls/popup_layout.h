#pragma once
// The geometry of one popup menu level, apart from any window: its size, where its items lie,
// which of them show when the popup is taller than the screen allows, where it goes against the
// monitor's work area, and which item the Up and Down keys move to.

#include <vector>

#include "framework/geometry.h"
#include "skin/paint/effect_steps.h"

namespace vl {

// Height of each scroll-marker strip of an overflowing popup.
constexpr int kPopupMarkerHeight = 10;

// What the size of a popup depends on besides its items.
struct TskPopupMetrics {
  // The popup draws its frame from a window picture; otherwise it has the default look.
  bool skinned = false;
  int picture_width = 0;
  int picture_height = 0;
  TRect items_rect;         // in the window picture
  int item_skin_width = 0;  // the item picture's skinrect width
  int item_text_width = 0;  // its textrect width
  int glyph_column = 19;    // image-list width + 5, or 19 without an image list
  int max_items_in_window = 0;
};

struct TskPopupSize {
  int width = 0;
  int height = 0;
  // Taller than allowed: scroll markers show and only part of the items.
  bool overflowing = false;
  // The bound came from the item-count limit, not from the work area.
  bool limited = false;
};

// `widest_text` is the widest caption (with two spaces and its short-cut text) in the popup
// font; `heights` are the item heights in order; `item_height` is that of a normal item.
TskPopupSize PopupSize(const TskPopupMetrics& m, int widest_text, const std::vector<int>& heights,
                       int item_height, int work_area_height);

// The items rectangle of a popup of `size`, in popup coordinates.
TRect PopupItemsRect(const TskPopupMetrics& m, int width, int height);

// The part of the items rectangle items are stacked in: less the marker strips when overflowing.
TRect ItemsArea(const TRect& items_rect, bool overflowing);

struct TskItemsLayout {
  // One rectangle per item; empty for the items outside the visible range.
  std::vector<TRect> rects;
  int first_visible = 0;
  int visible_count = 0;
  int LastVisible() const { return first_visible + visible_count - 1; }
  bool IsVisible(int index) const {
    return index >= first_visible && index < first_visible + visible_count;
  }
};

// Items stacked from `first_visible` on; the first one whose bottom passes the area ends the
// visible range.
TskItemsLayout LayoutItems(const std::vector<int>& heights, const TRect& items_rect,
                           bool overflowing, int first_visible);

// The marker strips of an overflowing popup.
TRect UpMarkerRect(const TRect& items_rect, bool skinned, int width);
TRect DownMarkerRect(const TRect& items_rect, bool skinned, int width, int height);

struct TskPlacementRequest {
  TRect work_area;
  TRect anchor;  // screen coordinates; zero-size for a point
  int width = 0;
  int height = 0;
  bool sub_menu = false;
  bool popup_up = false;
  bool overflowing = false;
  bool limited = false;
  int items_top = 0;  // the items rectangle's top in popup coordinates
};

// The popup's top-left corner, always inside the work area as far as the popup's size allows.
TPoint PlacePopup(const TskPlacementRequest& r);

// The item the Down (`down`) or Up key moves to from `active` (-1 for none): the next
// selectable one in that direction, wrapping once; -1 when none is selectable.
int NextSelectable(const std::vector<bool>& selectable, int active, bool down);

// The first visible index after a keyboard move to `target` from `from`: the range moves just
// far enough to show the target, to the top after a wrap downwards and to the last page after a
// wrap upwards.
int ScrollToShow(const std::vector<int>& heights, int area_height, int first_visible, int from,
                 int target, bool down);
// The first index of the last page: the smallest first index whose items all fit the area.
int LastPageFirst(const std::vector<int>& heights, int area_height);

// The morph factor and animation frame of one item, stepped by the popup's effect timer.
struct TskItemEffect {
  TskMorphFactor morph;  // none: the normal look, full: the active look
  int frame = 0;         // 0 none, else 1 to the frame count
};

// One tick: the morph factor (when morphing) moves by 0.2 and the frame (when animating with
// `framecount` frames) by one, towards the active look while `hot`, else back; true when
// anything changed.
bool StepItemEffect(TskItemEffect& effect, bool hot, bool morphing, int framecount);

// Frame `k` (from 1) of an animation strip of `framecount` frames: side by side when the strip is
// wider than the item picture, else stacked; empty for other `k`.
TRect PopupItemFrameRect(const TRect& strip, int item_width, int framecount, int k);

// Where the parts of a skinned item go, in item coordinates.
struct TskItemParts {
  TRect text;     // textrect with its right edge following the item width
  TRect caption;  // the caption box before centring
  int shortcut_right = 0;
  TRect arrow_box;  // for an arrow picture of `arrow_width`
  TPoint glyph;     // top-left of an 8 x 8 glyph (check, radio dot, system glyphs)
};

TskItemParts SkinnedItemParts(const TRect& textrect, const TRect& imagerect, int skin_width,
                              int item_width, int image_list_width, int arrow_width);

}  // namespace vl
