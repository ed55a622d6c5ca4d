#pragma once
// A memory device context over a 32-bit top-down section whose pixels a test can read.

#include <windows.h>

#include "framework/canvas_win.h"
#include "framework/pixel_bitmap.h"

namespace vl::testing {

class TestDib {
 public:
  TestDib(int width, int height) : width_(width), height_(height) {
    const BITMAPINFO info = TopDownDibInfo(width, height);
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_),
                               nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~TestDib() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  TestDib(const TestDib&) = delete;
  TestDib& operator=(const TestDib&) = delete;

  HDC DC() const { return dc_; }
  void Fill(Pixel p) {
    GdiFlush();
    for (int i = 0; i < width_ * height_; ++i) bits_[i] = p;
  }
  void Set(const PixelBitmap& picture) {
    GdiFlush();
    for (int i = 0; i < width_ * height_; ++i) bits_[i] = picture.Pixels()[std::size_t(i)];
  }
  PixelBitmap Pixels() const {
    GdiFlush();
    PixelBitmap out(width_, height_);
    for (int i = 0; i < width_ * height_; ++i) out.Pixels()[std::size_t(i)] = bits_[i] & 0xFFFFFF;
    return out;
  }

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  Pixel* bits_ = nullptr;
};

}  // namespace vl::testing
