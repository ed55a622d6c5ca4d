#include "skin/paint/effect_steps.h"

#include <algorithm>
#include <cmath>

namespace vl {

void TskMorphFactor::SetValue(double value) {
  fifths_ = std::clamp(int(std::lround(value * kSteps)), 0, kSteps);
}

bool TskMorphFactor::Step(bool towards_full) {
  if (!Pending(towards_full)) return false;
  fifths_ += towards_full ? 1 : -1;
  return true;
}

TskFrameCounter::TskFrameCounter(int count, int rest, bool cycle)
    : count_(std::max(count, 0)),
      rest_(std::clamp(rest, 0, count_)),
      cycle_(cycle),
      frame_(rest_) {}

void TskFrameCounter::SetFrame(int frame) {
  frame_ = std::clamp(frame, rest_, count_);
}

bool TskFrameCounter::Pending(bool forward) const {
  if (!forward) return frame_ > rest_;
  return frame_ < count_ || (cycle_ && count_ > rest_);
}

bool TskFrameCounter::Step(bool forward) {
  if (!Pending(forward)) return false;
  if (!forward) {
    --frame_;
  } else {
    frame_ = frame_ < count_ ? frame_ + 1 : rest_;
  }
  return true;
}

TskStripLayout StripLayoutByWidth(const TRect& strip, int object_width) {
  return strip.Width() > object_width ? TskStripLayout::kSideBySide : TskStripLayout::kStacked;
}

TskStripLayout StripLayoutByHeight(const TRect& strip, int object_height) {
  return strip.Height() > object_height ? TskStripLayout::kStacked : TskStripLayout::kSideBySide;
}

TRect StripFrame(const TRect& strip, int count, int n, TskStripLayout layout) {
  if (count < 1 || n < 1 || n > count || strip.IsEmpty()) return {};
  if (layout == TskStripLayout::kStacked) {
    const int h = strip.Height() / count;
    if (h < 1) return {};
    return {strip.left, strip.top + (n - 1) * h, strip.right, strip.top + n * h};
  }
  const int w = strip.Width() / count;
  if (w < 1) return {};
  return {strip.left + (n - 1) * w, strip.top, strip.left + n * w, strip.bottom};
}

}  // namespace vl
