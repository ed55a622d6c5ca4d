#pragma once
// Drawing for the carried skin's pictures: a few shapes on plain pixel bitmaps, and sheets that
// refuse to let two different looks claim the same pixels.

#include <map>
#include <string>
#include <vector>

#include "framework/geometry.h"
#include "framework/pixel_bitmap.h"

namespace vl::art {

Pixel Rgb(int r, int g, int b);
Pixel Mix(Pixel a, Pixel b, double t);

void Fill(PixelBitmap& bmp, const TRect& r, Pixel color);
void FillGradient(PixelBitmap& bmp, const TRect& r, Pixel top, Pixel bottom);
void FrameRect(PixelBitmap& bmp, const TRect& r, Pixel color);
void Plot(PixelBitmap& bmp, int x, int y, Pixel color);
void HLine(PixelBitmap& bmp, int x0, int x1, int y, Pixel color);  // x1 outside
void VLine(PixelBitmap& bmp, int x, int y0, int y1, Pixel color);  // y1 outside

struct BoxStyle {
  Pixel border;
  Pixel top;
  Pixel bottom;
  int radius = 2;
  bool inner_highlight = false;  // a white line inside the top border
  bool hot_mark = false;         // the orange line along the bottom
};
// A rounded box; corners outside the radius keep what was there (the background).
void DrawBox(PixelBitmap& bmp, const TRect& r, const BoxStyle& style);

enum class Glyph {
  kClose,
  kMaximize,
  kRestore,
  kMinimize,
  kRollUp,
  kRollDown,
  kTray,
  kArrowLeft,
  kArrowRight,
  kArrowUp,
  kArrowDown,
  kCheck,
  kDot,
  kEllipsis,
  kGrip,
  kMagnifier,
  kSmallArrowDown
};
// Draws a glyph centred in r.
void DrawGlyph(PixelBitmap& bmp, const TRect& r, Glyph glyph, Pixel color);

// One picture of the skin. Every look is drawn on its own and then placed; a pixel may be
// placed twice only with the same colour, so sections that share a rectangle must share a look.
class Sheet {
 public:
  Sheet(int width, int height, Pixel background);
  void Place(const TRect& where, const PixelBitmap& look, const std::string& owner);
  const PixelBitmap& Bitmap() const { return bitmap_; }

 private:
  PixelBitmap bitmap_;
  std::vector<int> owner_of_;  // index into owners_, -1 unclaimed
  std::vector<std::string> owners_;
};

}  // namespace vl::art
