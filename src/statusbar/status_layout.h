#pragma once
// Where the bar puts its panes and its size grip, and where a pane puts its text.

#include <array>
#include <vector>

#include "framework/geometry.h"
#include "framework/pixel_bitmap.h"
#include "statusbar/colors.h"
#include "statusbar/frame.h"

namespace vl {

// Width of the strip at the bar's right end that works as the size grip.
constexpr int kGripHitWidth = 13;

struct TPaneSlot {
  int left = 0;  // the pane's current left edge, which decides its place in the row
  int width = 0;
};

// Lays the panes out left to right from the client area's left edge, in the order of their
// current left edges (ties keep their given order), each as high as the client area. Panes
// that reach past the right edge keep their width; the bar's edge cuts them off when drawn.
std::vector<TRect> LayoutPanes(const TRect& client, const std::vector<TPaneSlot>& panes);

// Top-left corners of the grip's six highlight squares on a bar of the given size; each
// shadow square lies one pixel up and to the left of its highlight square.
std::array<TPoint, 6> GripDots(int bar_width, int bar_height);

bool InGrip(TPoint p, int bar_width, int bar_height);

// Draws the grip over whatever is already on the bitmap (the bar's picture).
void PaintGrip(PixelBitmap& bmp, TColor highlight, TColor shadow);

// Top-left corner of a single line of text of the given size inside a pane's text rectangle.
// `line_height` is the height of the text "Pp" in the pane's font.
TPoint PaneTextOrigin(const TRect& text_rect, TFlAlignment alignment, int caption_offset,
                      int text_width, int line_height);

}  // namespace vl
