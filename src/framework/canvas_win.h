#pragma once
// Drawing on a device context, and an off-screen bitmap with a canvas of its own, so that
// self-drawn controls compose their whole picture first and copy it to the screen in one step.

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "framework/font_win.h"
#include "framework/geometry.h"
#include "framework/pixel_bitmap.h"

namespace vl {

RECT ToRECT(const TRect& r);
TRect FromRECT(const RECT& r);

// The header of a 32-bit top-down device-independent bitmap: the layout of PixelBitmap.
BITMAPINFO TopDownDibInfo(int width, int height);

class TCanvas {
 public:
  explicit TCanvas(HDC dc);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  HDC Handle() const { return dc_; }

  // The font used by the text calls; the canvas keeps its own copy.
  void SetFont(const TFont& font);
  const TFont& Font() const { return font_; }

  void FillRect(const TRect& r, COLORREF color);
  // A one-pixel frame just inside the rectangle.
  void FrameRect(const TRect& r, COLORREF color);
  // Single-pixel lines on the inside edges, in the two colours of a raised or sunken bevel.
  void Bevel(const TRect& r, COLORREF top_left, COLORREF bottom_right);

  // Text in the canvas font and colour, transparent background. `flags` are DrawText flags.
  void DrawText(std::wstring_view text, const TRect& r, UINT flags);
  void TextOut(int x, int y, std::wstring_view text);
  SIZE TextExtent(std::wstring_view text);
  int TextWidth(std::wstring_view text) { return TextExtent(text).cx; }
  int TextHeight(std::wstring_view text) { return TextExtent(text).cy; }
  // The size DrawText would use for `text` wrapped inside `width` pixels.
  SIZE WrappedTextExtent(std::wstring_view text, int width);

  // Copies a picture 1:1 with its top-left corner at (x, y).
  void DrawPixels(int x, int y, const PixelBitmap& pixels);

 private:
  void SelectCurrentFont();

  HDC dc_;
  TFont font_;
  HGDIOBJ old_font_ = nullptr;
};

// A top-down 32-bit off-screen bitmap with a memory device context.
class TBitmap {
 public:
  TBitmap(int width, int height);
  ~TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  HDC DC() const { return dc_; }
  HBITMAP Handle() const { return bitmap_; }
  TCanvas& Canvas() { return *canvas_; }

  // Pixel access in the layout of PixelBitmap (0x00RRGGBB, rows top-down).
  Pixel* Bits() const { return bits_; }
  PixelBitmap ToPixels() const;

  // Copies the whole bitmap to `dest` at (x, y).
  void Draw(HDC dest, int x, int y) const;

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_bitmap_ = nullptr;
  Pixel* bits_ = nullptr;
  std::unique_ptr<TCanvas> canvas_;
};

}  // namespace vl
