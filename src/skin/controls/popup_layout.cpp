#include "skin/controls/popup_layout.h"

#include <algorithm>

#include "skin/paint/effect_steps.h"

namespace vl {
namespace {

// Moves a start coordinate so that a span of `size` stays inside [low, high); a span larger
// than the range starts at `low`.
int ClampSpan(int start, int size, int low, int high) {
  return std::max(low, std::min(start, high - size));
}

}  // namespace

TskPopupSize PopupSize(const TskPopupMetrics& m, int widest_text, const std::vector<int>& heights,
                       int item_height, int work_area_height) {
  TskPopupSize size;
  const int frame_width =
      m.skinned ? (m.picture_width - m.items_rect.Width()) + (m.item_skin_width - m.item_text_width)
                : 10;
  size.width = widest_text + 2 + m.glyph_column + 19 + frame_width;
  const int frame_height = m.skinned ? m.picture_height - m.items_rect.Height() : 4;
  int items = 0;
  for (int h : heights) items += h;
  size.height = items + frame_height;
  const int count = int(heights.size());
  if (m.max_items_in_window > 0 && m.max_items_in_window < count) {
    size.height = m.max_items_in_window * item_height + frame_height + 2 * kPopupMarkerHeight;
    size.overflowing = true;
    size.limited = true;
  }
  if (size.height > work_area_height) {
    size.height = work_area_height;
    size.overflowing = true;
    size.limited = false;
  }
  return size;
}

TRect PopupItemsRect(const TskPopupMetrics& m, int width, int height) {
  if (!m.skinned) return {2, 2, width - 2, height - 2};
  const int dx = width - m.picture_width;
  const int dy = height - m.picture_height;
  return {m.items_rect.left, m.items_rect.top, m.items_rect.right + dx, m.items_rect.bottom + dy};
}

TRect ItemsArea(const TRect& items_rect, bool overflowing) {
  if (!overflowing) return items_rect;
  return {items_rect.left, items_rect.top + kPopupMarkerHeight, items_rect.right,
          items_rect.bottom - kPopupMarkerHeight};
}

TskItemsLayout LayoutItems(const std::vector<int>& heights, const TRect& items_rect,
                           bool overflowing, int first_visible) {
  TskItemsLayout layout;
  const int count = int(heights.size());
  layout.rects.assign(heights.size(), TRect{});
  layout.first_visible = std::clamp(first_visible, 0, std::max(0, count - 1));
  const TRect area = ItemsArea(items_rect, overflowing);
  int y = area.top;
  for (int i = layout.first_visible; i < count; ++i) {
    const int bottom = y + heights[std::size_t(i)];
    if (bottom > area.bottom) break;
    layout.rects[std::size_t(i)] = {area.left, y, area.right, bottom};
    ++layout.visible_count;
    y = bottom;
  }
  return layout;
}

TRect UpMarkerRect(const TRect& items_rect, bool skinned, int width) {
  if (!skinned) return {3, 3, width - 3, 3 + kPopupMarkerHeight};
  return {items_rect.left, items_rect.top, items_rect.right, items_rect.top + kPopupMarkerHeight};
}

TRect DownMarkerRect(const TRect& items_rect, bool skinned, int width, int height) {
  if (!skinned) return {3, height - 3 - kPopupMarkerHeight, width - 3, height - 3};
  return {items_rect.left, items_rect.bottom - kPopupMarkerHeight, items_rect.right,
          items_rect.bottom};
}

TPoint PlacePopup(const TskPlacementRequest& r) {
  const TRect& w = r.work_area;
  const TRect& a = r.anchor;
  const bool upper_half = a.top < w.top + w.Height() / 2;
  const bool free_overflow = r.overflowing && !r.limited;
  bool overlapping = false;
  int y = 0;
  if (free_overflow) {
    y = w.top;
  } else if (r.sub_menu) {
    if (a.top - r.items_top + r.height <= w.bottom) {
      y = a.top - r.items_top;
    } else if (upper_half) {
      y = w.bottom - r.height;
    } else {
      y = std::max(w.top, a.bottom + r.items_top - r.height);
    }
  } else if (r.popup_up) {
    if (a.top - r.height >= w.top) {
      y = a.top - r.height;
    } else if (upper_half && a.bottom + r.height <= w.bottom) {
      y = a.bottom;
    } else {
      y = upper_half ? w.bottom - r.height : w.top;
      overlapping = true;
    }
  } else if (a.bottom + r.height <= w.bottom) {
    y = a.bottom;
  } else if (upper_half) {
    y = w.bottom - r.height;
    overlapping = true;
  } else if (a.top - r.height >= w.top) {
    y = a.top - r.height;
  } else {
    y = w.top;
    overlapping = true;
  }

  int x = 0;
  if (!r.sub_menu && !overlapping && !free_overflow) {
    x = a.left;
  } else if (a.right + r.width + 1 <= w.right) {
    x = a.right + 1;
  } else {
    x = a.left - r.width - 1;
  }
  // Whatever the rules above chose, nothing of the popup may hang off the monitor that holds
  // the anchor: a sub-menu beside a popup at the left edge would otherwise open off-screen.
  return {ClampSpan(x, r.width, w.left, w.right), ClampSpan(y, r.height, w.top, w.bottom)};
}

int NextSelectable(const std::vector<bool>& selectable, int active, bool down) {
  const int count = int(selectable.size());
  if (count == 0) return -1;
  int start;
  if (down) {
    start = (active < 0 || active >= count - 1) ? 0 : active + 1;
  } else {
    start = (active <= 0 || active >= count) ? count - 1 : active - 1;
  }
  for (int step = 0; step < count; ++step) {
    const int i = down ? (start + step) % count : (start - step + count) % count;
    if (selectable[std::size_t(i)]) return i;
  }
  return -1;
}

int LastPageFirst(const std::vector<int>& heights, int area_height) {
  int first = int(heights.size());
  int used = 0;
  while (first > 0 && used + heights[std::size_t(first - 1)] <= area_height) {
    used += heights[std::size_t(first - 1)];
    --first;
  }
  return std::min(first, std::max(0, int(heights.size()) - 1));
}

int ScrollToShow(const std::vector<int>& heights, int area_height, int first_visible, int from,
                 int target, bool down) {
  if (target < 0) return first_visible;
  const bool wrapped = from >= 0 && (down ? target < from : target > from);
  if (wrapped) return down ? 0 : LastPageFirst(heights, area_height);
  if (target < first_visible) return target;
  // Moves down one item at a time until the target's bottom fits.
  int first = first_visible;
  auto fits = [&](int top) {
    int used = 0;
    for (int i = top; i <= target; ++i) used += heights[std::size_t(i)];
    return used <= area_height;
  };
  while (first < target && !fits(first)) ++first;
  return first;
}

bool StepItemEffect(TskItemEffect& effect, bool hot, bool morphing, int framecount) {
  bool changed = false;
  if (morphing) changed = effect.morph.Step(hot);
  if (framecount > 0) {
    TskFrameCounter counter(framecount, 0);
    counter.SetFrame(effect.frame);
    if (counter.Step(hot)) {
      effect.frame = counter.Frame();
      changed = true;
    }
  }
  return changed;
}

TRect PopupItemFrameRect(const TRect& strip, int item_width, int framecount, int k) {
  return StripFrame(strip, framecount, k, StripLayoutByWidth(strip, item_width));
}

TskItemParts SkinnedItemParts(const TRect& textrect, const TRect& imagerect, int skin_width,
                              int item_width, int image_list_width, int arrow_width) {
  TskItemParts parts;
  parts.text = textrect;
  parts.text.right += item_width - skin_width;
  const int glyph_offset =
      !imagerect.IsEmpty() ? 0 : (image_list_width > 0 ? image_list_width : 16);
  parts.caption = {parts.text.left + glyph_offset, parts.text.top, parts.text.right - 16,
                   parts.text.bottom};
  parts.shortcut_right = parts.text.right - 16;
  parts.arrow_box = {parts.text.right - arrow_width - 5, parts.text.top, parts.text.right,
                     parts.text.bottom};
  if (!imagerect.IsEmpty()) {
    parts.glyph = {imagerect.left + imagerect.Width() / 2 - 4,
                   imagerect.top + imagerect.Height() / 2 - 4};
  } else {
    parts.glyph = {parts.text.left + 2, parts.text.top + parts.text.Height() / 2 - 4};
  }
  return parts;
}

}  // namespace vl
