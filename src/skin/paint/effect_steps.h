#pragma once
// How the skin's effects advance, one timer tick at a time, for every skinned widget alike: the
// morph factor that blends an object's normal look into its hot look, the frame number of an
// animation, and which piece of an animation or glyph strip a frame number shows.
//
// Frame numbers count from 1 to the frame count everywhere; 0 stands for no frame, the
// object's own look.

#include "framework/geometry.h"

namespace vl {

// The morph factor, counted in fifths: every step moves it by exactly 0.2, so it lands on 0
// and 1 exactly and takes five steps each way, whatever the direction changes on the way.
class TskMorphFactor {
 public:
  static constexpr int kSteps = 5;
  double Value() const { return double(fifths_) / kSteps; }
  // Strictly between the two looks: the blend is drawn.
  bool Between() const { return fifths_ > 0 && fifths_ < kSteps; }
  bool Full() const { return fifths_ == kSteps; }
  bool None() const { return fifths_ == 0; }
  // Jumps to the hot look (full) or to the normal look.
  void Set(bool full) { fifths_ = full ? kSteps : 0; }
  // A value between 0 and 1, taken to the nearest fifth.
  void SetValue(double value);
  // Another step towards full (or towards none) is still to come.
  bool Pending(bool towards_full) const { return towards_full ? fifths_ < kSteps : fifths_ > 0; }
  // One step towards full (or towards none); true when the factor moved.
  bool Step(bool towards_full);

 private:
  int fifths_ = 0;
};

// The frame an animation shows, stepped one frame a tick between its resting frame and its
// last frame `count`. Most animations rest on no frame (0, the object's own look); one that
// always shows a piece of its strip rests on frame 1. A cycling animation starts again from
// its resting frame once it has shown the last one.
class TskFrameCounter {
 public:
  TskFrameCounter() = default;
  TskFrameCounter(int count, int rest, bool cycle = false);

  int Frame() const { return frame_; }
  int Count() const { return count_; }
  int Rest() const { return rest_; }
  void ToRest() { frame_ = rest_; }
  void ToLast() { frame_ = count_; }
  // Sets the frame, kept between the resting frame and the last one.
  void SetFrame(int frame);
  // A step forwards (towards the last frame) or backwards would change the frame.
  bool Pending(bool forward) const;
  // One frame forwards or backwards; true when the frame changed.
  bool Step(bool forward);

 private:
  int count_ = 0;
  int rest_ = 0;
  bool cycle_ = false;
  int frame_ = 0;
};

// How the frames lie in a strip picture.
enum class TskStripLayout { kSideBySide, kStacked };

// Frames side by side when the strip is wider than the object's own picture, else stacked.
TskStripLayout StripLayoutByWidth(const TRect& strip, int object_width);
// Frames stacked when the strip is taller than the object's own picture, else side by side.
TskStripLayout StripLayoutByHeight(const TRect& strip, int object_height);

// The piece of `strip` that frame `n` (1 to `count`) shows: the n-th of `count` equal slices.
// Empty for a frame outside 1..count, for an empty strip and for slices under one pixel.
TRect StripFrame(const TRect& strip, int count, int n, TskStripLayout layout);

}  // namespace vl
