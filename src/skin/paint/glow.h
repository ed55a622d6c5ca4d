#pragma once
// The portable half of the glow layers: the picture a layer shows, its fade-in, and which
// platform versions can show layers at all.

#include "framework/pixel_bitmap.h"

namespace vl {

// A 32-bit picture for a layered window: the colour of `glow` with, in the top byte, an alpha
// that is the rounded mean of the mask's red, green and blue at that pixel. The colour is
// premultiplied by that alpha: the platform's per-pixel blend adds the source colour as it
// stands, so a straight colour would shine through where the mask fades it out.
// Where the mask is smaller than the glow the alpha is 0.
PixelBitmap BuildGlowPicture(const PixelBitmap& glow, const PixelBitmap& mask);

// The fade of a shown layer: the opacity starts at 0 and grows by a tenth of the final one on
// every tick until it reaches it.
class TskGlowFade {
 public:
  explicit TskGlowFade(int final_opacity);
  // Advances one tick; true while further ticks would change something.
  bool Tick();
  int Current() const { return current_; }
  int Final() const { return final_; }
  bool Running() const;

 private:
  int final_;
  int step_;
  int current_ = 0;
};

constexpr int kGlowFadeMilliseconds = 25;

// Versions that can show layered windows and glows: 5.0, 5.1, 5.2 and every major version
// above 5.
constexpr bool SupportsLayeredWindows(int major, int minor) {
  return major > 5 || (major == 5 && minor >= 0 && minor <= 2);
}
// 5.1 and every major version above 5.
constexpr bool IsVersion51OrNewer(int major, int minor) {
  return major > 5 || (major == 5 && minor == 1);
}
constexpr bool IsMajorVersionAbove5(int major) {
  return major > 5;
}

}  // namespace vl
