#include "statusbar/progress.h"

#include <algorithm>
#include <cstdio>

namespace vl {

std::int64_t DivRoundHalfEven(std::int64_t numerator, std::int64_t denominator) {
  std::int64_t q = numerator / denominator;
  std::int64_t r = numerator % denominator;
  if (r < 0) {
    q -= 1;
    r += denominator;
  }
  std::int64_t twice = 2 * r;
  if (twice > denominator || (twice == denominator && q % 2 != 0)) q += 1;
  return q;
}

void TProgressModel::SetTotalParts(std::int32_t v) {
  if (v == total_parts_) return;
  total_parts_ = v;
  if (loading_) return;
  SetPartsComplete(0);
  SetPercent(0);
}

void TProgressModel::SetPartsComplete(std::int32_t v) {
  if (v == parts_complete_) return;
  // Compared as unsigned so that a negative count is taken as past the end.
  parts_complete_ = std::uint32_t(v) > std::uint32_t(total_parts_) ? total_parts_ : v;
  if (loading_ || total_parts_ == 0) return;
  std::int64_t numerator = std::int64_t(parts_complete_) * 100;
  std::int64_t denominator = total_parts_;
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  // A negative total lets any count through; keep the percentage on its scale all the same.
  std::int64_t percent = DivRoundHalfEven(numerator, denominator);
  SetPercent(std::uint16_t(std::clamp<std::int64_t>(percent, 0, 100)));
}

void TProgressModel::SetPercent(std::uint16_t p) {
  if (p == percent_) return;
  percent_ = p;
  if (on_percent_change) on_percent_change();
}

void TProgressModel::SetBounds(int width, int height) {
  orientation_ = width < height ? poVertical : poHorizontal;
}

TRect FilledRect(const TRect& interior, unsigned percent, TProgressOrientation orientation) {
  if (percent >= 100) return interior;
  if (orientation == poHorizontal) {
    int w = int(DivRoundHalfEven(std::int64_t(percent) * interior.Width(), 100));
    return {interior.left, interior.top, interior.left + w, interior.bottom};
  }
  int h = int(DivRoundHalfEven(std::int64_t(percent) * interior.Height(), 100));
  return {interior.left, interior.bottom - h, interior.right, interior.bottom};
}

std::string PercentText(unsigned percent, bool show_percent) {
  if (!show_percent) return {};
  char buf[16];
  std::snprintf(buf, sizeof buf, "%u%%", percent);
  return buf;
}

TPoint PercentTextOrigin(const TRect& interior, int text_width, int x_height) {
  return {interior.right / 2 - text_width / 2, interior.top + (interior.Height() - x_height) / 2};
}

}  // namespace vl
