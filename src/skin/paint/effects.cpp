#include "skin/paint/effects.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>

namespace vl {
namespace {

std::uint8_t Channel(double value) {
  return std::uint8_t(std::clamp(RoundHalfEven(value), 0, 255));
}

Pixel WithChannels(Pixel p, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return (p & 0xFF000000u) | MakePixel(r, g, b);
}

template <typename F>
void ForEachPixel(PixelBitmap& picture, F f) {
  for (Pixel& p : picture.Pixels()) p = f(p);
}

// weight * a + (1 - weight) * b, channel by channel.
Pixel Mix(Pixel a, Pixel b, double weight) {
  auto mix = [weight](int ca, int cb) { return Channel(weight * ca + (1 - weight) * cb); };
  return WithChannels(a, mix(PixelRed(a), PixelRed(b)), mix(PixelGreen(a), PixelGreen(b)),
                      mix(PixelBlue(a), PixelBlue(b)));
}

int RoundedShare(int size, double progress) {
  return RoundHalfEven(size * progress);
}

// The column the slides and the left gradient run to: at least 1 and at most size - 1, but
// never outside a picture only one column wide.
int SlideWidth(int size, double progress) {
  return std::max(1, std::min(RoundedShare(size, progress), size - 1));
}

// Weight d for the n-th column or row away from where a gradient starts: n steps, at most 1.
double GradientWeight(int n, double step) {
  return std::min(1.0, n * step);
}

}  // namespace

int RoundHalfEven(double value) {
  double floor = std::floor(value);
  double fraction = value - floor;
  if (std::fabs(fraction - 0.5) < 1e-9) {
    return std::fmod(floor, 2.0) == 0 ? int(floor) : int(floor) + 1;
  }
  return int(std::lround(value));
}

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  long long product = (long long)a * b;
  long long half = std::llabs(c) / 2;
  bool negative = (product < 0) != (c < 0);
  long long q = (std::llabs(product) + half) / std::llabs(c);
  return int(negative ? -q : q);
}

std::uint32_t DarkenColour(std::uint32_t colour, int percent) {
  auto darken = [percent](std::uint32_t c) {
    c &= 0xFF;
    return std::uint32_t(std::clamp(int(c) - MulDiv(int(c), percent, 100), 0, 255));
  };
  return darken(colour) | (darken(colour >> 8) << 8) | (darken(colour >> 16) << 16);
}

void TskEffectBmp::Brightness(double amount) {
  double x = std::clamp(amount, 0.0, 1.0);
  auto lift = [x](int c) { return Channel((1 - x) * c + 255 * x); };
  ForEachPixel(picture_, [&](Pixel p) {
    return WithChannels(p, lift(PixelRed(p)), lift(PixelGreen(p)), lift(PixelBlue(p)));
  });
}

void TskEffectBmp::Darkness(double amount) {
  double x = std::clamp(amount, 0.0, 1.0);
  auto lower = [x](int c) { return Channel((1 - x) * c); };
  ForEachPixel(picture_, [&](Pixel p) {
    return WithChannels(p, lower(PixelRed(p)), lower(PixelGreen(p)), lower(PixelBlue(p)));
  });
}

void TskEffectBmp::GrayScale() {
  ForEachPixel(picture_, [](Pixel p) {
    std::uint8_t g = Channel(0.3 * PixelRed(p) + 0.59 * PixelGreen(p) + 0.11 * PixelBlue(p));
    return WithChannels(p, g, g, g);
  });
}

void TskEffectBmp::Noise(int amount, std::uint32_t seed) {
  if (amount <= 0) return;
  std::minstd_rand random(seed);
  std::uniform_int_distribution<int> draw(0, amount - 1);
  ForEachPixel(picture_, [&](Pixel p) {
    int n = draw(random) - amount / 2;
    auto add = [n](int c) { return std::uint8_t(std::clamp(c + n, 0, 255)); };
    return WithChannels(p, add(PixelRed(p)), add(PixelGreen(p)), add(PixelBlue(p)));
  });
}

void TskEffectBmp::SplitBlur(int amount) {
  if (amount <= 0) return;
  int w = Width(), h = Height();
  // Past the far edge the neighbour mirrors to size - index; for index 0 that would be one
  // past the last pixel, so it stops at the last one.
  auto before = [amount](int i) { return i - amount < 0 ? i : i - amount; };
  auto after = [amount](int i, int size) {
    return i + amount >= size ? std::min(size - i, size - 1) : i + amount;
  };
  for (int i = 0; i < h; ++i) {
    const Pixel* upper = picture_.Row(before(i));
    const Pixel* lower = picture_.Row(after(i, h));
    Pixel* row = picture_.Row(i);
    for (int j = 0; j < w; ++j) {
      Pixel q[4] = {upper[before(j)], lower[before(j)], upper[after(j, w)], lower[after(j, w)]};
      auto mean = [&q](int shift) {
        int sum = 0;
        for (Pixel p : q) sum += int((p >> shift) & 0xFF);
        return std::uint8_t(sum / 4);
      };
      row[j] = WithChannels(row[j], mean(16), mean(8), mean(0));
    }
  }
}

void TskEffectBmp::Invert() {
  ForEachPixel(picture_, [](Pixel p) { return p ^ 0x00FFFFFFu; });
}

void TskEffectBmp::ApplyInactiveEffect(TskInactiveEffect effect, std::uint32_t seed) {
  switch (effect) {
    case TskInactiveEffect::ieBrightness:
      return Brightness(0.5);
    case TskInactiveEffect::ieDarkness:
      return Darkness(0.3);
    case TskInactiveEffect::ieGrayScale:
      return GrayScale();
    case TskInactiveEffect::ieNoise:
      return Noise(50, seed);
    case TskInactiveEffect::ieSplitBlur:
      return SplitBlur(1);
    case TskInactiveEffect::ieInvert:
      return Invert();
  }
}

void TskEffectBmp::MorphGradientAcross(const PixelBitmap& to, double k) {
  int w = Width();
  int a = RoundedShare(w, k);
  int half = a / 2;
  int divisor = (w - a) / 2;
  double step = divisor == 0 ? 1.0 : 1.0 / divisor;
  int g = std::max(0, w / 2 - half);
  int c = std::min(w - 1, w / 2 + half);
  for (int y = 0; y < Height(); ++y) {
    Pixel* row = picture_.Row(y);
    const Pixel* b = to.Row(y);
    for (int x = g; x <= c; ++x) row[x] = b[x];
    for (int x = g; x >= 0; --x) row[x] = Mix(row[x], b[x], GradientWeight(g - x, step));
    for (int x = c; x < w; ++x) row[x] = Mix(row[x], b[x], GradientWeight(x - c, step));
  }
}

void TskEffectBmp::MorphGradientDown(const PixelBitmap& to, double k) {
  int h = Height(), w = Width();
  int a = RoundedShare(h, k);
  int half = a / 2;
  int divisor = (h - a - 1) / 2;
  double step = divisor == 0 ? 0.0 : 1.0 / divisor;
  int g = std::max(0, h / 2 - half);
  int c = std::min(h - 1, h / 2 + half);
  auto blend_row = [&](int y, double d) {
    Pixel* row = picture_.Row(y);
    const Pixel* b = to.Row(y);
    for (int x = 0; x < w; ++x) row[x] = Mix(row[x], b[x], d);
  };
  for (int y = g; y <= c; ++y) blend_row(y, 0);
  for (int y = g; y >= 0; --y) blend_row(y, GradientWeight(g - y, step));
  for (int y = c; y < h; ++y) blend_row(y, GradientWeight(y - c, step));
}

void TskEffectBmp::Morph(const TskEffectBmp& to, TskMorphKind kind, double progress) {
  if (to.Width() != Width() || to.Height() != Height() || picture_.Empty()) return;
  const PixelBitmap& b = to.picture_;
  double k = std::clamp(progress, 0.0, 1.0);
  int w = Width();
  auto each_row = [&](auto f) {
    for (int y = 0; y < Height(); ++y) f(picture_.Row(y), b.Row(y));
  };
  switch (kind) {
    case TskMorphKind::mkDefault:
      each_row([&](Pixel* row, const Pixel* from) {
        for (int x = 0; x < w; ++x) row[x] = Mix(row[x], from[x], 1 - k);
      });
      return;
    case TskMorphKind::mkGradient:
      if (w < Height()) return MorphGradientDown(b, k);
      return MorphGradientAcross(b, k);
    case TskMorphKind::mkLeftGradient: {
      int a = SlideWidth(w, k);
      int last = std::min(a, w - 1);
      each_row([&](Pixel* row, const Pixel* from) {
        for (int x = 0; x <= last; ++x) row[x] = Mix(row[x], from[x], GradientWeight(x, 1.0 / a));
      });
      return;
    }
    case TskMorphKind::mkRightGradient: {
      int start = std::clamp(w - RoundedShare(w, k), 0, w - 1);
      double step = 1.0 / (w - start);
      each_row([&](Pixel* row, const Pixel* from) {
        for (int x = w - 1; x >= start; --x) {
          row[x] = Mix(row[x], from[x], GradientWeight(w - 1 - x, step));
        }
      });
      return;
    }
    case TskMorphKind::mkLeftSlide: {
      int a = std::min(SlideWidth(w, k), w);
      each_row([&](Pixel* row, const Pixel* from) { std::copy(from + w - a, from + w, row); });
      return;
    }
    case TskMorphKind::mkRightSlide: {
      int a = std::min(SlideWidth(w, k), w);
      each_row([&](Pixel* row, const Pixel* from) { std::copy(from, from + a, row + w - a); });
      return;
    }
    case TskMorphKind::mkPush: {
      int a = std::clamp(RoundedShare(w, k), 0, w - 1);
      each_row([&](Pixel* row, const Pixel* from) {
        std::copy_backward(row, row + w - a - 1, row + w);
        std::copy(from + w - a - 1, from + w, row);
      });
      return;
    }
  }
}

}  // namespace vl
