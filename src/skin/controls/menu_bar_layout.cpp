#include "skin/controls/menu_bar_layout.h"

#include <cwctype>

namespace vl {

int MenuBarHeight(const TskMenuBarFrame& frame) {
  return frame.has_section ? frame.skin_rect.Height() : frame.default_height;
}

TRect MenuBarItemsArea(const TskMenuBarFrame& frame, int width, int height) {
  if (!frame.has_section) return {2, 2, width - 2, height - 2};
  const TRect& items = frame.items_rect;
  return {items.left, items.top, width + items.right - frame.skin_rect.Width(), items.bottom};
}

TRect OverflowStrip(const TRect& items_area) {
  return {items_area.right - kOverflowStripWidth, items_area.top, items_area.right,
          items_area.bottom};
}

TskBarSize BarItemSize(const TskBarItemFrame& frame, int text_width, int area_height) {
  if (!frame.skinned) return {text_width + 12, area_height};
  return {frame.skin_rect.Width() - frame.text_rect.Width() + text_width + 2,
          frame.skin_rect.Height()};
}

TRect BarItemTextRect(const TskBarItemFrame& frame, int item_width, int item_height) {
  if (!frame.skinned) return {0, 0, item_width, item_height};
  const TRect& t = frame.text_rect;
  return {t.left, t.top, item_width - (frame.skin_rect.Width() - t.right), t.bottom};
}

bool PlaceBarItems(std::vector<TskBarSlot>& slots, const TRect& items_area, bool scroll_menu) {
  const int limit = items_area.right - (scroll_menu ? kOverflowStripWidth : 0);
  bool overflow = false;
  int x = items_area.left;
  for (TskBarSlot& s : slots) {
    s.rect = {x, items_area.top, x + s.size.width, items_area.top + s.size.height};
    x = s.rect.right;
    const bool fits = s.rect.right <= limit;
    if (!fits) {
      overflow = true;
      if (s.fits) s.saved_enabled = s.enabled;
      s.enabled = false;
    } else if (!s.fits) {
      s.enabled = s.saved_enabled;
    }
    s.fits = fits;
  }
  return overflow;
}

int FittingCount(const std::vector<TskBarSlot>& slots) {
  int n = 0;
  while (n < int(slots.size()) && slots[std::size_t(n)].fits) ++n;
  return n;
}

namespace {

bool Selectable(const TskBarPick& p) {
  return p.enabled && p.fits;
}

}  // namespace

int SelectedBarItem(const std::vector<TskBarPick>& items) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (Selectable(items[i]) && (items[i].hot || items[i].down)) return int(i);
  }
  return -1;
}

int StepBarItem(const std::vector<TskBarPick>& items, int from, bool forward) {
  const int n = int(items.size());
  if (n == 0) return -1;
  if (from < 0 || from >= n) from = forward ? n - 1 : 0;
  for (int step = 1; step <= n; ++step) {
    const int i = ((forward ? from + step : from - step) % n + n) % n;
    if (Selectable(items[std::size_t(i)])) return i;
  }
  return -1;
}

int AcceleratorBarItem(const std::vector<TskBarPick>& items, const std::vector<wchar_t>& accels,
                       wchar_t key) {
  if (key == 0) return -1;
  const wchar_t lower = wchar_t(std::towlower(std::wint_t(key)));
  for (std::size_t i = 0; i < items.size() && i < accels.size(); ++i) {
    if (Selectable(items[i]) && accels[i] != 0 && accels[i] == lower) return int(i);
  }
  return -1;
}

}  // namespace vl
