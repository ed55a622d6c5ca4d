#include "skin/paint/glow.h"

#include <algorithm>

#include "skin/paint/effects.h"

namespace vl {
namespace {

std::uint8_t MaskAlpha(Pixel m) {
  return std::uint8_t(RoundHalfEven((PixelRed(m) + PixelGreen(m) + PixelBlue(m)) / 3.0));
}

std::uint8_t Premultiply(int c, int alpha) {
  return std::uint8_t((c * alpha + 127) / 255);
}

}  // namespace

PixelBitmap BuildGlowPicture(const PixelBitmap& glow, const PixelBitmap& mask) {
  PixelBitmap out(glow.Width(), glow.Height());
  for (int y = 0; y < glow.Height(); ++y) {
    for (int x = 0; x < glow.Width(); ++x) {
      bool masked = x < mask.Width() && y < mask.Height();
      int alpha = masked ? MaskAlpha(mask.At(x, y)) : 0;
      Pixel c = glow.At(x, y);
      out.At(x, y) = (Pixel(alpha) << 24) |
                     MakePixel(Premultiply(PixelRed(c), alpha), Premultiply(PixelGreen(c), alpha),
                               Premultiply(PixelBlue(c), alpha));
    }
  }
  return out;
}

TskGlowFade::TskGlowFade(int final_opacity)
    : final_(std::clamp(final_opacity, 0, 255)), step_(final_ / 10) {}

bool TskGlowFade::Running() const {
  return current_ < final_ && step_ > 0;
}

bool TskGlowFade::Tick() {
  if (!Running()) return false;
  current_ = std::min(current_ + step_, final_);
  return Running();
}

}  // namespace vl
