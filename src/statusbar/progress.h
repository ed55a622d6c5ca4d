#pragma once
// The arithmetic of the progress bar: its counters, its percentage, and which part of its
// interior is filled. The window side draws what this says.

#include <cstdint>
#include <functional>
#include <string>

#include "framework/geometry.h"

namespace vl {

enum class TProgressOrientation { poHorizontal, poVertical };
using enum TProgressOrientation;

// Rounds numerator / denominator to the nearest whole number, halves to the even neighbour.
// The denominator must be positive.
std::int64_t DivRoundHalfEven(std::int64_t numerator, std::int64_t denominator);

class TProgressModel {
 public:
  // Called after `Percent` took a new value; the bar redraws from it.
  std::function<void()> on_percent_change;

  std::int32_t TotalParts() const { return total_parts_; }
  std::int32_t PartsComplete() const { return parts_complete_; }
  std::uint16_t Percent() const { return percent_; }
  TProgressOrientation Orientation() const { return orientation_; }

  void SetTotalParts(std::int32_t v);
  void SetPartsComplete(std::int32_t v);
  void SetPercent(std::uint16_t p);
  // While loading, the counters are stored without touching the percentage.
  void SetLoading(bool loading) { loading_ = loading; }
  void SetBounds(int width, int height);

 private:
  std::int32_t total_parts_ = 0;
  std::int32_t parts_complete_ = 0;
  std::uint16_t percent_ = 0;
  TProgressOrientation orientation_ = poHorizontal;
  bool loading_ = false;
};

// The filled part of the interior: from the left when horizontal, from the bottom when vertical.
TRect FilledRect(const TRect& interior, unsigned percent, TProgressOrientation orientation);

std::string PercentText(unsigned percent, bool show_percent);

// Top-left corner of the percentage text: centred on half the interior's right edge (in the
// control's own coordinates) and centred vertically on the interior by the height of "X".
TPoint PercentTextOrigin(const TRect& interior, int text_width, int x_height);

}  // namespace vl
