#pragma once
// The frames the status widgets draw around themselves, as geometry and as pixels on a plain
// bitmap, so every look can be checked without a screen.

#include "framework/geometry.h"
#include "framework/pixel_bitmap.h"
#include "statusbar/colors.h"

namespace vl {

enum class TFrameStyleEx {
  fsNone,
  fsFlat,
  fsGroove,
  fsBump,
  fsLowered,
  fsButtonDown,
  fsRaised,
  fsButtonUp,
  fsStatus,
  fsPopup,
  fsFlatBold,
  fsFlatRounded,
};
using enum TFrameStyleEx;

enum class TFlAlignment { taLeftJustify, taRightJustify, taCenter };

// Resolved colours for drawing a frame; `flat` is the already shifted colour of the flat styles.
struct TFrameColors {
  TColor highlight = 0;
  TColor shadow = 0;
  TColor dark_shadow = 0;
  TColor light = 0;
  TColor flat = 0;
};

TFrameColors FrameColorsFor(TColor flat_color, int flat_adjustment, SystemColorLookup lookup);

// Pixels a frame of the style takes from each side of its rectangle.
int FrameWidth(TFrameStyleEx style);

// The rectangle shrunk by `d` on every side.
TRect InsetBy(const TRect& r, int d);

// The part of a pane's rectangle its text may use.
TRect PaneTextRect(const TRect& pane, TFrameStyleEx style, int border_width);

void DrawFrame(PixelBitmap& bmp, const TRect& r, TFrameStyleEx style, const TFrameColors& colors);

}  // namespace vl
