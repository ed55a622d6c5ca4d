#include "skin/paint/effect_steps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vl {
namespace {

TEST(TskMorphFactor, FiveStepsLandExactlyOnOneAndBackOnZero) {
  TskMorphFactor f;
  EXPECT_EQ(f.Value(), 0.0);
  int steps = 0;
  while (f.Step(true)) ++steps;
  EXPECT_EQ(steps, 5);
  EXPECT_EQ(f.Value(), 1.0);
  EXPECT_TRUE(f.Full());
  EXPECT_FALSE(f.Step(true));
  EXPECT_EQ(f.Value(), 1.0);
  f.Step(false);
  EXPECT_TRUE(f.Between());
  EXPECT_DOUBLE_EQ(f.Value(), 0.8);
  f.Step(true);
  EXPECT_TRUE(f.Full());
  f.Set(false);
  EXPECT_EQ(f.Value(), 0.0);
  EXPECT_FALSE(f.Between());
}

// The ticks a morph takes from where it is to its end, stepping while a step is pending: what
// every widget's morph timer does.
std::vector<double> MorphRun(TskMorphFactor f, bool towards_full) {
  std::vector<double> seen;
  while (f.Pending(towards_full)) {
    f.Step(towards_full);
    seen.push_back(f.Value());
  }
  return seen;
}

TEST(TskMorphFactor, EveryRunTakesFifthsAndEndsExactlyWhereItAimed) {
  struct Case {
    double start;
    bool towards_full;
    std::vector<double> ticks;
  } cases[] = {
      {0.0, true, {0.2, 0.4, 0.6, 0.8, 1.0}},
      {1.0, false, {0.8, 0.6, 0.4, 0.2, 0.0}},
      {0.6, false, {0.4, 0.2, 0.0}},
      {0.6, true, {0.8, 1.0}},
      {1.0, true, {}},
      {0.0, false, {}},
      // A value set from outside is taken to the nearest fifth first.
      {0.59, true, {0.8, 1.0}},
      {1.7, false, {0.8, 0.6, 0.4, 0.2, 0.0}},
      {-0.3, true, {0.2, 0.4, 0.6, 0.8, 1.0}},
  };
  for (const auto& c : cases) {
    TskMorphFactor f;
    f.SetValue(c.start);
    const std::vector<double> seen = MorphRun(f, c.towards_full);
    ASSERT_EQ(seen.size(), c.ticks.size()) << c.start << (c.towards_full ? " up" : " down");
    // Exact: the last value is 0 or 1 to the bit, and no run drifts past its end.
    for (std::size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i], c.ticks[i]) << c.start;
  }
}

TEST(TskMorphFactor, TurningRoundHalfWayRetracesTheSameValues) {
  TskMorphFactor f;
  f.Step(true);
  f.Step(true);
  f.Step(true);
  EXPECT_EQ(f.Value(), 0.6);
  EXPECT_EQ(MorphRun(f, false), (std::vector<double>{0.4, 0.2, 0.0}));
}

// The frames a counter shows, tick by tick, until a step changes nothing (or a cycle has gone
// round `limit` ticks).
std::string Frames(TskFrameCounter c, bool forward, int limit = 12) {
  std::string out = std::to_string(c.Frame());
  for (int i = 0; i < limit && c.Step(forward); ++i) {
    out += ' ';
    out += std::to_string(c.Frame());
  }
  return out;
}

TEST(TskFrameCounter, StepsBetweenItsRestingAndLastFrames) {
  struct Case {
    const char* what;
    int count, rest;
    bool cycle;
    int start;
    bool forward;
    const char* frames;
  } cases[] = {
      {"from no frame up to the last", 3, 0, false, 0, true, "0 1 2 3"},
      {"from the last down to no frame", 3, 0, false, 3, false, "3 2 1 0"},
      {"turned round half way", 3, 0, false, 2, false, "2 1 0"},
      {"resting on frame 1", 3, 1, false, 1, true, "1 2 3"},
      {"back to frame 1, never to no frame", 3, 1, false, 3, false, "3 2 1"},
      {"a cycle starts again from the resting frame", 3, 1, true, 2, true,
       "2 3 1 2 3 1 2 3 1 2 3 1 2"},
      {"a cycle runs back like any other", 3, 1, true, 3, false, "3 2 1"},
      {"a one-frame cycle has nothing to show", 1, 1, true, 1, true, "1"},
      {"no frames", 0, 0, false, 0, true, "0"},
      {"a start outside is kept inside", 3, 1, false, 9, true, "3"},
      {"a start below rest is kept inside", 3, 1, false, -4, false, "1"},
  };
  for (const auto& c : cases) {
    TskFrameCounter counter(c.count, c.rest, c.cycle);
    EXPECT_EQ(counter.Frame(), counter.Rest()) << c.what;
    counter.SetFrame(c.start);
    EXPECT_EQ(Frames(counter, c.forward), c.frames) << c.what;
    EXPECT_EQ(counter.Pending(c.forward), std::string(c.frames).find(' ') != std::string::npos)
        << c.what;
  }
}

TEST(StripFrame, EqualSlicesSideBySideOrStacked) {
  using L = TskStripLayout;
  struct Case {
    TRect strip;
    int count, n;
    L layout;
    TRect frame;
  } cases[] = {
      {{0, 100, 168, 122}, 4, 1, L::kSideBySide, {0, 100, 42, 122}},
      {{0, 100, 168, 122}, 4, 4, L::kSideBySide, {126, 100, 168, 122}},
      {{10, 0, 52, 66}, 3, 2, L::kStacked, {10, 22, 52, 44}},
      {{0, 10, 100, 76}, 3, 3, L::kStacked, {0, 54, 100, 76}},
      // A remainder that does not divide stays unused at the far end.
      {{0, 0, 10, 5}, 3, 3, L::kSideBySide, {6, 0, 9, 5}},
      {{10, 0, 52, 66}, 3, 0, L::kStacked, {}},
      {{10, 0, 52, 66}, 3, 4, L::kStacked, {}},
      {{10, 0, 52, 66}, 0, 1, L::kStacked, {}},
      {{10, 0, 52, 66}, -2, 1, L::kStacked, {}},
      {{}, 3, 1, L::kSideBySide, {}},
      {{0, 0, 2, 20}, 3, 1, L::kSideBySide, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StripFrame(c.strip, c.count, c.n, c.layout), c.frame)
        << c.count << " frames, n " << c.n;
  }
}

TEST(StripFrame, TheTwoLayoutRulesDifferOnlyForAStripLargerBothWays) {
  const TRect wide{0, 0, 120, 20};
  const TRect tall{0, 0, 40, 60};
  const TRect both{0, 0, 120, 60};
  EXPECT_EQ(StripLayoutByWidth(wide, 40), TskStripLayout::kSideBySide);
  EXPECT_EQ(StripLayoutByHeight(wide, 20), TskStripLayout::kSideBySide);
  EXPECT_EQ(StripLayoutByWidth(tall, 40), TskStripLayout::kStacked);
  EXPECT_EQ(StripLayoutByHeight(tall, 20), TskStripLayout::kStacked);
  EXPECT_EQ(StripLayoutByWidth(both, 40), TskStripLayout::kSideBySide);
  EXPECT_EQ(StripLayoutByHeight(both, 20), TskStripLayout::kStacked);
}

}  // namespace
}  // namespace vl
