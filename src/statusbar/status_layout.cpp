#include "statusbar/status_layout.h"

#include <algorithm>
#include <numeric>

#include "skin/paint/blit.h"

namespace vl {

std::vector<TRect> LayoutPanes(const TRect& client, const std::vector<TPaneSlot>& panes) {
  std::vector<std::size_t> order(panes.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return panes[a].left < panes[b].left; });
  std::vector<TRect> rects(panes.size());
  int x = client.left;
  for (std::size_t i : order) {
    rects[i] = {x, client.top, x + panes[i].width, client.bottom};
    x += panes[i].width;
  }
  return rects;
}

std::array<TPoint, 6> GripDots(int bar_width, int bar_height) {
  int w = bar_width;
  int b = bar_height - 1;
  return {{{w - 5, b - 12},
           {w - 5, b - 8},
           {w - 5, b - 4},
           {w - 9, b - 8},
           {w - 9, b - 4},
           {w - 13, b - 4}}};
}

bool InGrip(TPoint p, int bar_width, int bar_height) {
  return p.x >= bar_width - kGripHitWidth && p.x < bar_width && p.y >= 0 && p.y < bar_height;
}

void PaintGrip(PixelBitmap& bmp, TColor highlight, TColor shadow) {
  for (TPoint d : GripDots(bmp.Width(), bmp.Height())) {
    FillPixels(bmp, RectOfSize(d.x, d.y, 2, 2), ColorToPixel(highlight));
    FillPixels(bmp, RectOfSize(d.x - 1, d.y - 1, 2, 2), ColorToPixel(shadow));
  }
}

TPoint PaneTextOrigin(const TRect& text_rect, TFlAlignment alignment, int caption_offset,
                      int text_width, int line_height) {
  int y = text_rect.top + (text_rect.Height() - line_height) / 2;
  switch (alignment) {
    case TFlAlignment::taRightJustify:
      return {text_rect.right - caption_offset - 1 - text_width, y};
    case TFlAlignment::taCenter:
      return {text_rect.left + (text_rect.Width() - text_width) / 2, y};
    case TFlAlignment::taLeftJustify:
      break;
  }
  return {text_rect.left + caption_offset + 1, y};
}

}  // namespace vl
