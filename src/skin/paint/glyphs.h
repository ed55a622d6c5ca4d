#pragma once
// The small drawings of the skin engine: focus dots, arrows, markers, check marks, the caption
// glyphs shown where a caption button has no skin look, and frames of a picture strip. All
// draw on a picture, cut to its bounds. Lines leave out their end point, as the platform's
// line drawing does.

#include "framework/pixel_bitmap.h"

namespace vl {

enum class TskArrowDirection { kLeft, kRight, kUp, kDown };

enum class TskCaptionGlyph {
  kCross,
  kFlatBox,
  kBar,
  kBox,
  kTwoBoxes,
  kDownTriangle,
  kUpTriangle,
  kSquare
};

void DrawFocusDots(PixelBitmap& surface, const TRect& rect, Pixel colour);
void DrawArrow(PixelBitmap& surface, const TRect& rect, Pixel colour, TskArrowDirection direction);
void DrawDropMarker(PixelBitmap& surface, const TRect& rect, Pixel colour);
void DrawCheckMark(PixelBitmap& surface, int x, int y, Pixel colour);
void DrawCaptionGlyph(PixelBitmap& surface, TskCaptionGlyph glyph, int x, int y, Pixel colour);

// Frame n (counted from 1) of a picture holding `count` frames of equal width side by side,
// drawn at (x, y) without its pixels of the transparent colour. Other n draw nothing.
void DrawStripFrame(PixelBitmap& surface, int x, int y, int n, int count, const PixelBitmap& strip,
                    Pixel transparent);
// The transparent colour a picture has unless told otherwise: its bottom-left pixel.
Pixel DefaultTransparentColour(const PixelBitmap& picture);

// A line from `from` towards `to`, the end point left out.
void DrawLine(PixelBitmap& surface, TPoint from, TPoint to, Pixel colour);

}  // namespace vl
