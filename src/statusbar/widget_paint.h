#pragma once
// The pictures of a pane and of the progress bar, up to their text: the window side draws the
// text with the system's fonts into the rectangles these return.

#include "framework/geometry.h"
#include "framework/pixel_bitmap.h"
#include "statusbar/frame.h"
#include "statusbar/progress.h"

namespace vl {

// Sides of a panel that carry its frames.
enum TBorderSide : unsigned { sdLeft = 1, sdTop = 2, sdRight = 4, sdBottom = 8 };
constexpr unsigned kAllSides = sdLeft | sdTop | sdRight | sdBottom;

struct TPanelLook {
  TFrameStyleEx border_outer = fsNone;
  TFrameStyleEx border_inner = fsNone;
  unsigned sides = kAllSides;
  int border_width = 0;
  TColor color = 0;
};

// The part of the panel inside its frames, where its aligned children go.
TRect PanelInterior(const TRect& panel, const TPanelLook& look);

// Fills the panel and draws its outer and inner frames on the chosen sides.
void PaintPanel(PixelBitmap& bmp, const TPanelLook& look, const TFrameColors& colors);

struct TPaneLook {
  TFrameStyleEx frame_style = fsFlat;
  int border_width = 1;
  TColor color = 0;
};

// Fills the pane, draws its frame inside its border width and returns its text rectangle.
TRect PaintPane(PixelBitmap& bmp, const TRect& pane, const TPaneLook& look,
                const TFrameColors& colors);

struct TProgressLook {
  TFrameStyleEx border_outer = fsLowered;
  TFrameStyleEx border_inner = fsNone;
  int border_width = 0;
  int interior_offset = 0;
  TColor border_color = 0;
  TColor back_color = 0;
  TColor bar_color = 0;
};

struct TProgressParts {
  TRect interior;
  TRect filled;  // drawn in the bar colour, its text in the back colour
  TRect rest;    // the interior outside the filled part, the other way round
};

TRect ProgressInterior(const TRect& bounds, const TProgressLook& look);

// The bar's rectangles for a percentage.
TProgressParts ProgressParts(const TRect& bounds, const TProgressLook& look, unsigned percent,
                             TProgressOrientation orientation);

// Paints the whole bar but its text onto a bitmap of the control's size.
TProgressParts PaintProgress(PixelBitmap& bmp, const TProgressLook& look, unsigned percent,
                             TProgressOrientation orientation, const TFrameColors& colors);

}  // namespace vl
