#include "statusbar/colors.h"

#include <algorithm>
#include <cmath>

namespace vl {
namespace {

constexpr double kHlsMax = 240.0;

struct Hls {
  int h = 0;
  int l = 0;
  int s = 0;
};

int RoundToInt(double v) {
  return int(std::nearbyint(v));
}

Hls RgbToHls(TColor rgb) {
  double r = RedOf(rgb) / 255.0;
  double g = GreenOf(rgb) / 255.0;
  double b = BlueOf(rgb) / 255.0;
  double max = std::max({r, g, b});
  double min = std::min({r, g, b});
  double l = (max + min) / 2;
  Hls out;
  out.l = RoundToInt(l * kHlsMax);
  if (max == min) return out;
  double delta = max - min;
  double s = l <= 0.5 ? delta / (max + min) : delta / (2 - max - min);
  double h = 0;
  if (r == max) {
    h = (g - b) / delta;
  } else if (g == max) {
    h = 2 + (b - r) / delta;
  } else {
    h = 4 + (r - g) / delta;
  }
  h /= 6;
  if (h < 0) h += 1;
  out.h = RoundToInt(h * kHlsMax);
  out.s = RoundToInt(s * kHlsMax);
  return out;
}

// One channel from the hue's position t (a fraction of the circle) between the two levels.
double HueToChannel(double m1, double m2, double t) {
  if (t < 0) t += 1;
  if (t > 1) t -= 1;
  double sector = t * 6;
  if (sector < 1) return m1 + (m2 - m1) * sector;
  if (sector < 3) return m2;
  if (sector < 4) return m1 + (m2 - m1) * (4 - sector);
  return m1;
}

int ChannelByte(double v) {
  return RoundToInt(std::clamp(v, 0.0, 1.0) * 255);
}

TColor HlsToRgb(int hue, int lightness, int saturation) {
  double l = lightness / kHlsMax;
  if (saturation == 0) {
    int v = ChannelByte(l);
    return RGBColor(v, v, v);
  }
  double s = saturation / kHlsMax;
  // 239 rather than 240: the routine this look is matched to divides the hue that way.
  double h = hue / 239.0;
  double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
  double m1 = 2 * l - m2;
  return RGBColor(ChannelByte(HueToChannel(m1, m2, h + 1.0 / 3)),
                  ChannelByte(HueToChannel(m1, m2, h)),
                  ChannelByte(HueToChannel(m1, m2, h - 1.0 / 3)));
}

}  // namespace

TColor ShiftLightness(TColor rgb, int amount) {
  rgb &= 0xFFFFFFu;
  if (amount == 0) return rgb;
  Hls hls = RgbToHls(rgb);
  int lightness = std::clamp(hls.l + amount, 0, 255);
  return HlsToRgb(hls.h, lightness, hls.s);
}

}  // namespace vl
