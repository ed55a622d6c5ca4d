#include "framework/canvas_win.h"

#include <algorithm>

namespace vl {

RECT ToRECT(const TRect& r) {
  return RECT{r.left, r.top, r.right, r.bottom};
}
TRect FromRECT(const RECT& r) {
  return TRect{r.left, r.top, r.right, r.bottom};
}

TCanvas::TCanvas(HDC dc) : dc_(dc) {
  SetBkMode(dc_, TRANSPARENT);
  SelectCurrentFont();
}

TCanvas::~TCanvas() {
  if (old_font_) SelectObject(dc_, old_font_);
}

void TCanvas::SetFont(const TFont& font) {
  if (old_font_) SelectObject(dc_, old_font_);
  old_font_ = nullptr;
  font_.Assign(font);
  SelectCurrentFont();
}

void TCanvas::SelectCurrentFont() {
  HGDIOBJ previous = SelectObject(dc_, font_.Handle());
  if (!old_font_) old_font_ = previous;
  SetTextColor(dc_, font_.Color());
}

void TCanvas::FillRect(const TRect& r, COLORREF color) {
  if (r.IsEmpty()) return;
  RECT rc = ToRECT(r);
  SetBkColor(dc_, color);
  ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
}

void TCanvas::FrameRect(const TRect& r, COLORREF color) {
  Bevel(r, color, color);
}

void TCanvas::Bevel(const TRect& r, COLORREF top_left, COLORREF bottom_right) {
  if (r.IsEmpty()) return;
  FillRect({r.left, r.top, r.right, r.top + 1}, top_left);
  FillRect({r.left, r.top, r.left + 1, r.bottom}, top_left);
  FillRect({r.left, r.bottom - 1, r.right, r.bottom}, bottom_right);
  FillRect({r.right - 1, r.top, r.right, r.bottom}, bottom_right);
}

void TCanvas::DrawText(std::wstring_view text, const TRect& r, UINT flags) {
  RECT rc = ToRECT(r);
  SetBkMode(dc_, TRANSPARENT);
  ::DrawTextW(dc_, text.data(), int(text.size()), &rc, flags);
}

void TCanvas::TextOut(int x, int y, std::wstring_view text) {
  SetBkMode(dc_, TRANSPARENT);
  ::TextOutW(dc_, x, y, text.data(), int(text.size()));
}

SIZE TCanvas::TextExtent(std::wstring_view text) {
  SIZE size{};
  GetTextExtentPoint32W(dc_, text.data(), int(text.size()), &size);
  if (text.empty()) {
    TEXTMETRICW tm{};
    GetTextMetricsW(dc_, &tm);
    size.cy = tm.tmHeight;
  }
  return size;
}

SIZE TCanvas::WrappedTextExtent(std::wstring_view text, int width) {
  RECT rc{0, 0, std::max(width, 0), 0};
  ::DrawTextW(dc_, text.data(), int(text.size()), &rc, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
  return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

BITMAPINFO TopDownDibInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

void TCanvas::DrawPixels(int x, int y, const PixelBitmap& pixels) {
  if (pixels.Empty()) return;
  const BITMAPINFO bi = TopDownDibInfo(pixels.Width(), pixels.Height());
  SetDIBitsToDevice(dc_, x, y, DWORD(pixels.Width()), DWORD(pixels.Height()), 0, 0, 0,
                    UINT(pixels.Height()), pixels.Pixels().data(), &bi, DIB_RGB_COLORS);
}

TBitmap::TBitmap(int width, int height) : width_(std::max(width, 1)), height_(std::max(height, 1)) {
  const BITMAPINFO bi = TopDownDibInfo(width_, height_);
  void* bits = nullptr;
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<Pixel*>(bits);
  old_bitmap_ = SelectObject(dc_, bitmap_);
  canvas_ = std::make_unique<TCanvas>(dc_);
}

TBitmap::~TBitmap() {
  canvas_.reset();
  SelectObject(dc_, old_bitmap_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

PixelBitmap TBitmap::ToPixels() const {
  GdiFlush();
  PixelBitmap out(width_, height_);
  if (bits_)
    std::copy(bits_, bits_ + std::size_t(width_) * std::size_t(height_), out.Pixels().begin());
  return out;
}

void TBitmap::Draw(HDC dest, int x, int y) const {
  BitBlt(dest, x, y, width_, height_, dc_, 0, 0, SRCCOPY);
}

}  // namespace vl
