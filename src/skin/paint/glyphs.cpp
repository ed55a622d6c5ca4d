#include "skin/paint/glyphs.h"

#include <cstdlib>

#include "skin/paint/blit.h"
#include "skin/paint/effect_steps.h"

namespace vl {
namespace {

void Plot(PixelBitmap& surface, int x, int y, Pixel colour) {
  if (x >= 0 && y >= 0 && x < surface.Width() && y < surface.Height()) surface.At(x, y) = colour;
}

// Inclusive at both ends: the arrows are given as rows and columns they cover.
void Span(PixelBitmap& surface, int x1, int x2, int y, Pixel colour) {
  for (int x = x1; x <= x2; ++x) Plot(surface, x, y, colour);
}

void Column(PixelBitmap& surface, int x, int y1, int y2, Pixel colour) {
  for (int y = y1; y <= y2; ++y) Plot(surface, x, y, colour);
}

TPoint Centre(const TRect& r) {
  return {r.left + r.Width() / 2, r.top + r.Height() / 2};
}

void DrawTriangleRows(PixelBitmap& surface, int x, int y, bool downward, Pixel colour) {
  for (int i = 0; i <= 4; ++i) {
    if (downward) {
      DrawLine(surface, {x + 5 - i, y + 6 - i}, {x + 5 + i, y + 6 - i}, colour);
    } else {
      DrawLine(surface, {x + 1 + i, y + 6 - i}, {x + 9 - i, y + 6 - i}, colour);
    }
  }
}

}  // namespace

void DrawLine(PixelBitmap& surface, TPoint from, TPoint to, Pixel colour) {
  int dx = std::abs(to.x - from.x), dy = std::abs(to.y - from.y);
  int sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
  int err = dx - dy;
  TPoint p = from;
  while (p != to) {
    Plot(surface, p.x, p.y, colour);
    int e2 = 2 * err;
    if (e2 > -dy) {
      err -= dy;
      p.x += sx;
    }
    if (e2 < dx) {
      err += dx;
      p.y += sy;
    }
  }
}

void DrawFocusDots(PixelBitmap& surface, const TRect& rect, Pixel colour) {
  int l = rect.left, t = rect.top, r = rect.right - 1, b = rect.bottom - 1;
  int w = r - l, h = b - t;
  if (w < 0 || h < 0) return;
  // One walk around the outline, each corner visited once, every second pixel set.
  int step = 0;
  bool skip_first = w % 2 == 0 && h % 2 == 0;
  auto dot = [&](int x, int y) {
    if (step % 2 == 0 && !(step == 0 && skip_first)) Plot(surface, x, y, colour);
    ++step;
  };
  for (int x = l; x < r; ++x) dot(x, t);
  for (int y = t; y < b; ++y) dot(r, y);
  for (int x = r; x > l; --x) dot(x, b);
  for (int y = b; y > t; --y) dot(l, y);
}

void DrawArrow(PixelBitmap& surface, const TRect& rect, Pixel colour, TskArrowDirection direction) {
  TPoint c = Centre(rect);
  for (int i = 0; i <= 3; ++i) {
    int n = 3 - i;
    switch (direction) {
      case TskArrowDirection::kLeft:
        Column(surface, c.x - 2 + i, c.y - i, c.y + i, colour);
        break;
      case TskArrowDirection::kRight:
        Column(surface, c.x + 2 - n, c.y - n, c.y + n, colour);
        break;
      case TskArrowDirection::kUp:
        Span(surface, c.x - i, c.x + i, c.y - 2 + i, colour);
        break;
      case TskArrowDirection::kDown:
        Span(surface, c.x - n, c.x + n, c.y + 2 - n, colour);
        break;
    }
  }
}

void DrawDropMarker(PixelBitmap& surface, const TRect& rect, Pixel colour) {
  TPoint c = Centre(rect);
  for (int n = 2; n >= 0; --n) Span(surface, c.x - n, c.x + n, c.y + 2 - n, colour);
}

void DrawCheckMark(PixelBitmap& surface, int x, int y, Pixel colour) {
  for (int i = 0; i <= 2; ++i) {
    DrawLine(surface, {x, y + 5 - i}, {x + 2, y + 7 - i}, colour);
    DrawLine(surface, {x + 2, y + 7 - i}, {x + 7, y + 2 - i}, colour);
  }
}

void DrawCaptionGlyph(PixelBitmap& surface, TskCaptionGlyph glyph, int x, int y, Pixel colour) {
  switch (glyph) {
    case TskCaptionGlyph::kCross:
      DrawLine(surface, {x + 1, y + 1}, {x + 9, y + 9}, colour);
      DrawLine(surface, {x + 9, y + 1}, {x + 1, y + 9}, colour);
      DrawLine(surface, {x + 2, y + 1}, {x + 10, y + 9}, colour);
      DrawLine(surface, {x + 8, y + 1}, {x, y + 9}, colour);
      return;
    case TskCaptionGlyph::kFlatBox:
      return FramePixels(surface, {x + 1, y + 3, x + 9, y + 6}, colour);
    case TskCaptionGlyph::kBar:
      DrawLine(surface, {x + 1, y + 8}, {x + 9, y + 8}, colour);
      DrawLine(surface, {x + 1, y + 9}, {x + 9, y + 9}, colour);
      return;
    case TskCaptionGlyph::kBox:
      FramePixels(surface, {x, y, x + 11, y + 10}, colour);
      return FramePixels(surface, {x, y, x + 11, y + 2}, colour);
    case TskCaptionGlyph::kTwoBoxes:
      FramePixels(surface, {x + 2, y, x + 10, y + 6}, colour);
      FramePixels(surface, {x + 2, y, x + 10, y + 2}, colour);
      FramePixels(surface, {x, y + 4, x + 7, y + 10}, colour);
      return FramePixels(surface, {x, y + 4, x + 7, y + 6}, colour);
    case TskCaptionGlyph::kDownTriangle:
      return DrawTriangleRows(surface, x, y, true, colour);
    case TskCaptionGlyph::kUpTriangle:
      return DrawTriangleRows(surface, x, y, false, colour);
    case TskCaptionGlyph::kSquare:
      return FillPixels(surface, {x + 2, y + 2, x + 7, y + 7}, colour);
  }
}

void DrawStripFrame(PixelBitmap& surface, int x, int y, int n, int count, const PixelBitmap& strip,
                    Pixel transparent) {
  const TRect frame = StripFrame(strip.Bounds(), count, n, TskStripLayout::kSideBySide);
  for (int row = 0; row < frame.Height(); ++row) {
    for (int col = 0; col < frame.Width(); ++col) {
      const Pixel p = strip.At(frame.left + col, row);
      if (p != transparent) Plot(surface, x + col, y + row, p);
    }
  }
}

Pixel DefaultTransparentColour(const PixelBitmap& picture) {
  return picture.Empty() ? 0 : picture.At(0, picture.Height() - 1);
}

}  // namespace vl
