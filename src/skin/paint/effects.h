#pragma once
// Pixel effects on a working copy of a picture: the inactive looks of a frame and the blends
// ("morphs") of a state change. Every computed channel is rounded to the nearest integer,
// halves to even, and limited to 0..255. The alpha byte of the pixels is left as it is.

#include <cstdint>

#include "framework/pixel_bitmap.h"

namespace vl {

enum class TskMorphKind {
  mkDefault,
  mkGradient,
  mkLeftGradient,
  mkRightGradient,
  mkLeftSlide,
  mkRightSlide,
  mkPush
};

enum class TskInactiveEffect {
  ieBrightness,
  ieDarkness,
  ieGrayScale,
  ieNoise,
  ieSplitBlur,
  ieInvert
};

class TskEffectBmp {
 public:
  explicit TskEffectBmp(PixelBitmap picture) : picture_(std::move(picture)) {}

  int Width() const { return picture_.Width(); }
  int Height() const { return picture_.Height(); }
  const PixelBitmap& Picture() const { return picture_; }

  void Brightness(double amount);  // towards white; amount limited to 0..1
  void Darkness(double amount);    // towards black; amount limited to 0..1
  void GrayScale();
  // Adds one random value from -(amount div 2) to amount - 1 - amount div 2 to every channel of
  // a pixel; the seed makes the pattern repeatable.
  void Noise(int amount, std::uint32_t seed);
  // Each channel becomes the mean of the four pixels `amount` rows and columns away, read from
  // the picture as it is being changed.
  void SplitBlur(int amount);
  void Invert();
  // The look of an inactive window: the effect with the amount the frame uses for it.
  void ApplyInactiveEffect(TskInactiveEffect effect, std::uint32_t seed);

  // Moves this picture (the look being left) towards `to` (the look being reached); progress
  // runs from 0 to 1. Pictures of different sizes are left alone.
  void Morph(const TskEffectBmp& to, TskMorphKind kind, double progress);

 private:
  void MorphGradientAcross(const PixelBitmap& to, double progress);
  void MorphGradientDown(const PixelBitmap& to, double progress);

  PixelBitmap picture_;
};

// Each of red, green and blue of a colour 0x00BBGGRR less `percent` of itself, rounded as the
// platform's MulDiv and limited to 0..255.
std::uint32_t DarkenColour(std::uint32_t colour, int percent);

// The platform's MulDiv: a * b / c rounded half away from zero, -1 when c is 0.
int MulDiv(int a, int b, int c);

// Halves go to the even neighbour. Values within a hair of a half count as the half, so that
// amounts such as 0.3, which binary floating point cannot hold exactly, round as written.
int RoundHalfEven(double value);

}  // namespace vl
