#pragma once
// A plain picture in memory: what the skin engine cuts, fits and shades before anything
// reaches the screen. Pixels are 32-bit values 0x00RRGGBB, rows top-down with no padding:
// the memory layout of a top-down 32-bit device-independent bitmap, so a finished picture
// goes to a device context in one call. Colours of the skin definition are 0x00BBGGRR
// (the platform's colour values); convert them with the helpers below.

#include <cstdint>
#include <vector>

#include "framework/geometry.h"

namespace vl {

using Pixel = std::uint32_t;

constexpr Pixel MakePixel(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return (Pixel(r) << 16) | (Pixel(g) << 8) | Pixel(b);
}
constexpr std::uint8_t PixelRed(Pixel p) {
  return std::uint8_t(p >> 16);
}
constexpr std::uint8_t PixelGreen(Pixel p) {
  return std::uint8_t(p >> 8);
}
constexpr std::uint8_t PixelBlue(Pixel p) {
  return std::uint8_t(p);
}

// Platform colour value (0x00BBGGRR) to pixel and back.
constexpr Pixel ColorToPixel(std::uint32_t color) {
  return MakePixel(std::uint8_t(color), std::uint8_t(color >> 8), std::uint8_t(color >> 16));
}
constexpr std::uint32_t PixelToColor(Pixel p) {
  return std::uint32_t(PixelRed(p)) | (std::uint32_t(PixelGreen(p)) << 8) |
         (std::uint32_t(PixelBlue(p)) << 16);
}

class PixelBitmap {
 public:
  PixelBitmap() = default;
  PixelBitmap(int width, int height, Pixel fill = 0)
      : width_(width > 0 && height > 0 ? width : 0),
        height_(width > 0 && height > 0 ? height : 0),
        pixels_(std::size_t(width_) * std::size_t(height_), fill) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0; }
  TRect Bounds() const { return {0, 0, width_, height_}; }

  Pixel* Row(int y) { return pixels_.data() + std::size_t(y) * std::size_t(width_); }
  const Pixel* Row(int y) const { return pixels_.data() + std::size_t(y) * std::size_t(width_); }
  Pixel& At(int x, int y) { return Row(y)[x]; }
  Pixel At(int x, int y) const { return Row(y)[x]; }

  const std::vector<Pixel>& Pixels() const { return pixels_; }
  std::vector<Pixel>& Pixels() { return pixels_; }

  friend bool operator==(const PixelBitmap&, const PixelBitmap&) = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Pixel> pixels_;
};

}  // namespace vl
