#include "skin/form/window_states.h"

#include <algorithm>

namespace vl {

TRect MaximizedBounds(const TRect& work, const TRect& monitor, int screen_width,
                      int screen_height) {
  const bool whole_screen = monitor == TRect{0, 0, screen_width, screen_height};
  if (work.Width() == monitor.Width() && work.Height() == monitor.Height() && whole_screen) {
    return {work.left + 1, work.top + 1, work.right - 1, work.bottom - 1};
  }
  return work;
}

TPoint MinimizedSlot(const TRect& work, int min_width, int min_height,
                     const std::vector<TPoint>& taken) {
  const TPoint first{work.left, work.bottom - min_height};
  if (min_width <= 0 || min_height <= 0) return first;
  auto is_taken = [&](TPoint p) { return std::find(taken.begin(), taken.end(), p) != taken.end(); };
  // Every slot is visited at most once: the search moves right along a row and up row by row, and
  // stops at the top of the work area.
  TPoint slot = first;
  while (is_taken(slot)) {
    if (slot.x + 2 * min_width <= work.right) {
      slot.x += min_width;
      continue;
    }
    slot = {work.left, slot.y - min_height};
    if (slot.y < work.top) return first;
  }
  return slot;
}

TRect RestoredBounds(const TRect& saved, const TRect& current) {
  return saved.IsEmpty() ? current : saved;
}

int NudgeWidth(int width, int min_width, int max_width) {
  if (max_width <= 0 || width + 1 <= max_width) return width + 1;
  if (width - 1 >= min_width) return width - 1;
  return width;
}

int NextFadeAlpha(int alpha, int target) {
  target = std::clamp(target, 0, 255);
  return alpha >= target ? target : std::min(alpha + 10, target);
}

bool DropsCaptionStyle(int major_version, TFormBorderStyle style) {
  return major_version <= 5 &&
         (style == TFormBorderStyle::bsSingle || style == TFormBorderStyle::bsSizeable);
}

bool IsResizable(TFormBorderStyle style, bool always_resize) {
  return always_resize || style == TFormBorderStyle::bsSizeable ||
         style == TFormBorderStyle::bsSizeToolWin;
}

}  // namespace vl
