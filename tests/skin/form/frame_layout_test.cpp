// The frame arithmetic against the carried skin's FORMINFO (main picture 285 x 210): borders,
// object places at the sizes the windows use, hit-test answers and track sizes.
#include "skin/form/frame_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace vl {
namespace {

void SetCarriedFormInfo(TskFormInfo& f) {
  f.masked = true;
  f.lefttoppoint = {9, 29};
  f.righttoppoint = {274, 30};
  f.leftbottompoint = {8, 200};
  f.rightbottompoint = {274, 200};
  f.clientrect = {4, 27, 281, 206};
  f.maskrectarea = {4, 3, 282, 206};
  f.hittestlefttoppoint = {7, 6};
  f.hittestrighttoppoint = {279, 8};
  f.hittestleftbottompoint = {9, 202};
  f.hittestrightbottompoint = {276, 203};
  f.captionrect = {3, 5, 282, 24};
  f.buttonsoffset = 2;
  f.borderwidth = 3;
  f.formminwidth = 200;
}

class FrameLayoutTest : public ::testing::Test {
 protected:
  FrameLayoutTest() { SetCarriedFormInfo(info); }

  TskFormInfo info;
  TskFrameSkin skin{&info, 285, 210};

  // The carried skin's frame objects in their list order.
  std::vector<TskLayoutItem> CarriedObjects() const {
    auto button = [](TStdCommand c, TRect r) {
      TskLayoutItem item;
      item.command = c;
      item.is_button = true;
      item.auto_placed = true;
      item.skin_rect = r;
      return item;
    };
    TskLayoutItem caption;
    caption.is_caption = true;
    caption.skin_rect = {5, 4, 280, 24};
    std::vector<TskLayoutItem> items{
        button(TStdCommand::cmClose, {2, 2, 23, 23}),
        button(TStdCommand::cmMaximize, {2, 25, 23, 46}),
        button(TStdCommand::cmMinimize, {2, 48, 23, 69}),
        button(TStdCommand::cmRollUp, {2, 71, 23, 92}),
        button(TStdCommand::cmSysMenu, {2, 210, 16, 222}),
        caption,
        button(TStdCommand::cmMinimizeToTray, {2, 94, 23, 115}),
    };
    items[3].visible = false;
    items[6].visible = false;
    return items;
  }
};

TEST_F(FrameLayoutTest, BordersAreTheClientRectangleInsetsOfThePicture) {
  EXPECT_EQ(SkinFrameInsets(skin), (TskFrameInsets{4, 27, 4, 4}));
  EXPECT_EQ(DefaultFrameInsets(19), (TskFrameInsets{3, 22, 3, 3}));
  EXPECT_EQ(ClientOfWindow({100, 50, 934, 579}, {4, 27, 4, 4}), (TRect{104, 77, 930, 575}));
  // A window smaller than its borders gets an empty client area, never one turned inside out.
  EXPECT_EQ(ClientOfWindow({-300, -20, -295, 0}, {4, 27, 4, 4}), (TRect{-296, 7, -296, 7}));
}

TEST_F(FrameLayoutTest, GeometryFollowsTheWindowSize) {
  const TskFrameGeometry g = SizeFrameGeometry(skin, 834, 533);
  EXPECT_EQ(g.points.client, (TRect{4, 27, 830, 529}));
  EXPECT_EQ(g.points.rt, (TPoint{823, 30}));
  EXPECT_EQ(g.points.lb, (TPoint{8, 523}));
  EXPECT_EQ(g.caption, (TRect{3, 5, 831, 24}));
  EXPECT_EQ(g.mask_area, (TRect{4, 3, 831, 529}));
  EXPECT_EQ(g.hit_lt, (TPoint{7, 6}));
  EXPECT_EQ(g.hit_rb, (TPoint{825, 526}));
  EXPECT_TRUE(g.buttons.IsEmpty());
}

TEST_F(FrameLayoutTest, ButtonsSitAtTheRightAndTheSystemMenuAtTheLeftAtEverySize) {
  for (int w : {200, 285, 428, 834, 1928}) {
    SCOPED_TRACE(w);
    std::vector<TskLayoutItem> items = CarriedObjects();
    LayoutFrameObjects(items, skin, SizeFrameGeometry(skin, w, 336));
    EXPECT_EQ(items[0].rect, (TRect{w - 24, 5, w - 3, 26}));
    EXPECT_EQ(items[1].rect, (TRect{w - 47, 5, w - 26, 26}));
    EXPECT_EQ(items[2].rect, (TRect{w - 70, 5, w - 49, 26}));
    EXPECT_EQ(items[4].rect, (TRect{3, 8, 17, 20}));
    EXPECT_EQ(items[5].rect, (TRect{17, 4, w - 70, 24}));
  }
}

TEST_F(FrameLayoutTest, AHiddenButtonLeavesNoGap) {
  std::vector<TskLayoutItem> items = CarriedObjects();
  items[1].visible = false;
  items[4].visible = false;
  LayoutFrameObjects(items, skin, SizeFrameGeometry(skin, 400, 300));
  EXPECT_EQ(items[2].rect, (TRect{353, 5, 374, 26}));
  // Without a system-menu button the caption keeps its own left edge.
  EXPECT_EQ(items[5].rect, (TRect{5, 4, 353, 24}));
}

TEST_F(FrameLayoutTest, ButtonsOnTheLeftRunLeftToRightWithTheSystemMenuLast) {
  info.buttonsinleft = true;
  std::vector<TskLayoutItem> items = CarriedObjects();
  LayoutFrameObjects(items, skin, SizeFrameGeometry(skin, 400, 300));
  EXPECT_EQ(items[0].rect, (TRect{3, 5, 24, 26}));
  EXPECT_EQ(items[1].rect, (TRect{26, 5, 47, 26}));
  EXPECT_EQ(items[2].rect, (TRect{49, 5, 70, 26}));
  EXPECT_EQ(items[4].rect, (TRect{72, 5, 86, 17}));
  EXPECT_EQ(items[5].rect.left, 90);
}

TEST_F(FrameLayoutTest, ObjectsThatKeepTheirPlaceFollowTheirCorner) {
  struct Case {
    TRect in;
    TRect out;
  } cases[] = {
      {{1, 1, 8, 8}, {1, 1, 8, 8}},                  // top-left corner
      {{276, 2, 283, 9}, {376, 2, 383, 9}},          // top-right
      {{1, 202, 7, 209}, {1, 252, 7, 259}},          // bottom-left
      {{276, 202, 283, 209}, {376, 252, 383, 259}},  // bottom-right
      {{5, 4, 280, 24}, {5, 4, 380, 24}},            // top-left to top-right: wider
      {{1, 10, 8, 205}, {1, 10, 8, 255}},            // top-left to bottom-left: higher
      {{276, 10, 283, 205}, {376, 10, 383, 255}},    // right edge: moved and higher
      {{2, 202, 283, 209}, {2, 252, 383, 259}},      // bottom edge: moved down and wider
      {{2, 2, 283, 209}, {2, 2, 383, 259}},          // the whole picture
      {{100, 100, 120, 120}, {100, 100, 120, 120}},  // in the middle: unchanged
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FollowFrame(c.in, skin, 100, 50), c.out) << c.in.left << "," << c.in.top;
  }
}

TEST_F(FrameLayoutTest, HitTestsAtEveryBorderCornerCaptionAndButton) {
  const int w = 834;
  const int h = 533;
  const TskFrameGeometry g = SizeFrameGeometry(skin, w, h);
  const std::vector<TRect> captions{{17, 4, w - 70, 24}};
  // No mask: the probes decide against the window rectangle.
  struct Case {
    TPoint p;
    int code;
  } cases[] = {
      {{0, 0}, kHtTopLeft},        {{w - 1, 0}, kHtTopRight},
      {{0, h - 1}, kHtBottomLeft}, {{w - 1, h - 1}, kHtBottomRight},
      {{400, 0}, kHtTop},          {{400, h - 1}, kHtBottom},
      {{0, 200}, kHtLeft},         {{w - 1, 200}, kHtRight},
      {{400, 12}, kHtCaption},     {{w - 14, 15}, kHtObject},
      {{10, 14}, kHtObject},       {{400, 300}, kHtClient},
      {{3, 200}, kHtObject},       {{400, h - 3}, kHtBottom},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SkinFrameHitTest(g, info, captions, {false, false, true}, nullptr, c.p), c.code)
        << c.p.x << "," << c.p.y;
  }
}

TEST_F(FrameLayoutTest, TheMaskDecidesWhereTheEdgeIs) {
  const TskFrameGeometry g = SizeFrameGeometry(skin, 400, 300);
  // A mask whose inside is the window less a 2-pixel rim.
  auto inside = [](TPoint q) { return q.x >= 2 && q.y >= 2 && q.x < 398 && q.y < 298; };
  EXPECT_EQ(SkinFrameHitTest(g, info, {}, {false, false, true}, inside, {3, 150}), kHtLeft);
  EXPECT_EQ(SkinFrameHitTest(g, info, {}, {false, false, true}, inside, {397, 150}), kHtRight);
  // Inside the mask area the frame is never an edge, however close the rim.
  EXPECT_EQ(SkinFrameHitTest(g, info, {}, {false, false, true}, inside, {200, 4}), kHtObject);
}

TEST_F(FrameLayoutTest, StatesChangeWhatTheFrameAnswers) {
  const TskFrameGeometry g = SizeFrameGeometry(skin, 400, 300);
  const std::vector<TRect> captions{{17, 4, 330, 24}};
  auto at = [&](TskHitTestState s, TPoint p) {
    return SkinFrameHitTest(g, info, captions, s, nullptr, p);
  };
  TskHitTestState maximized{false, true, true};
  EXPECT_EQ(at(maximized, {0, 0}), kHtObject);
  EXPECT_EQ(at(maximized, {0, 150}), kHtObject);
  EXPECT_EQ(at(maximized, {200, 12}), kHtCaption);
  TskHitTestState fixed{false, false, false};
  EXPECT_EQ(at(fixed, {399, 299}), kHtObject);
  TskHitTestState rolled{true, false, true};
  EXPECT_EQ(at(rolled, {200, 12}), kHtCaption);
  EXPECT_EQ(at(rolled, {200, 100}), kHtObject);
  // A hovered button keeps the pointer even at the very edge, until a size loop runs.
  TskHitTestState hovered{false, false, true, false, true};
  EXPECT_EQ(at(hovered, {399, 5}), kHtObject);
  EXPECT_EQ(at(hovered, {200, 12}), kHtCaption);
  hovered.size_move_loop = true;
  EXPECT_EQ(at(hovered, {399, 150}), kHtRight);
}

TEST_F(FrameLayoutTest, DefaultLookLayoutAndHitTests) {
  const TskDefaultLayout layout = LayoutDefaultFrame(300, 19, 17, 3, true);
  ASSERT_EQ(layout.buttons.size(), 3u);
  EXPECT_EQ(layout.buttons[0], (TRect{280, 4, 297, 21}));
  EXPECT_EQ(layout.buttons[2], (TRect{246, 4, 263, 21}));
  EXPECT_EQ(layout.system_menu, (TRect{3, 4, 20, 21}));
  EXPECT_EQ(layout.caption_area, (TRect{20, 3, 246, 19}));
  // A system-menu button showing the window's icon takes the icon's size.
  const TskDefaultLayout with_icon = LayoutDefaultFrame(300, 19, 17, 3, true, {16, 14});
  EXPECT_EQ(with_icon.system_menu, (TRect{3, 4, 19, 18}));
  EXPECT_EQ(with_icon.caption_area, (TRect{19, 3, 246, 19}));
  const TskHitTestState sizing{false, false, true};
  EXPECT_EQ(DefaultFrameHitTest(300, 200, 19, layout.caption_area, sizing, {1, 1}), kHtTopLeft);
  EXPECT_EQ(DefaultFrameHitTest(300, 200, 19, layout.caption_area, sizing, {299, 100}), kHtRight);
  EXPECT_EQ(DefaultFrameHitTest(300, 200, 19, layout.caption_area, sizing, {100, 10}), kHtCaption);
  EXPECT_EQ(DefaultFrameHitTest(300, 200, 19, layout.caption_area, sizing, {100, 100}), kHtClient);
  EXPECT_EQ(DefaultFrameHitTest(300, 200, 19, layout.caption_area, {false, true, true}, {1, 1}),
            kHtObject);
}

TEST_F(FrameLayoutTest, TrackSizes) {
  struct Case {
    TskSizeLimits limits;
    bool minimized;
    bool rolled_up;
    TskTrackSize size;
  } cases[] = {
      {{}, false, false, {200, 31}},
      {{250, 0}, false, false, {250, 31}},
      {{300, 0}, false, false, {300, 31}},  // wider than the picture
      {{300, 0}, true, false, {200, 31}},   // minimized: the bar
      {{0, 100}, false, false, {200, 100}},
      {{0, 100}, false, true, {200, 31}},  // rolled up: the frame alone
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SkinMinTrackSize(skin, c.limits, c.minimized, c.rolled_up), c.size);
  }
  info.formminwidth = 0;
  EXPECT_EQ(SkinMinTrackSize(skin, {}, false, false), (TskTrackSize{285, 31}));
  EXPECT_EQ(DefaultMinTrackSize(19, {}, false, false), (TskTrackSize{120, 25}));
  EXPECT_EQ(DefaultMinTrackSize(19, {150, 60}, false, false), (TskTrackSize{150, 60}));
}

TEST_F(FrameLayoutTest, CaptionTextPlaces) {
  const TRect r{21, 6, 300, 24};
  EXPECT_EQ(CaptionTextOrigin(r, 50, 16, TAlignment::taLeftJustify), (TPoint{21, 7}));
  EXPECT_EQ(CaptionTextOrigin(r, 50, 16, TAlignment::taRightJustify), (TPoint{250, 7}));
  EXPECT_EQ(CaptionTextOrigin(r, 50, 16, TAlignment::taCenter), (TPoint{135, 7}));
  // The text rectangle grows with the object; a text frame moves it in.
  EXPECT_EQ(CaptionTextRect({4, 2, 274, 20}, {5, 4, 280, 24}, {17, 4, 764, 24}, {}, {}),
            (TRect{4, 2, 746, 20}));
  EXPECT_EQ(CaptionTextRect({4, 2, 274, 20}, {5, 4, 280, 24}, {5, 4, 280, 24}, {0, 0, 40, 18},
                            {3, 2, 30, 16}),
            (TRect{7, 4, 264, 20}));
}

TEST(AnimationFrameTest, FramesAreEqualSlicesOfTheStrip) {
  struct Case {
    TRect strip;
    TRect skin_rect;
    int count;
    int n;
    TRect expected;
  };
  const Case cases[] = {
      {{0, 0, 64, 16}, {0, 0, 16, 16}, 4, 1, {0, 0, 16, 16}},
      {{0, 0, 64, 16}, {0, 0, 16, 16}, 4, 4, {48, 0, 64, 16}},
      // Taller than the object: stacked.
      {{10, 16, 26, 64}, {0, 0, 16, 16}, 3, 2, {10, 32, 26, 48}},
      {{0, 0, 64, 16}, {0, 0, 16, 16}, 4, 5, {}},
      {{0, 0, 64, 16}, {0, 0, 16, 16}, 4, 0, {}},
      {{0, 0, 64, 16}, {0, 0, 16, 16}, 0, 1, {}},
      // More frames than pixels: no frame rather than an empty slice copied.
      {{0, 0, 3, 16}, {0, 0, 16, 16}, 4, 1, {}},
      {{}, {0, 0, 16, 16}, 1, 1, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.n);
    EXPECT_EQ(FrameObjectAnimationRect(c.strip, c.skin_rect, c.count, c.n), c.expected);
  }
}

// The frames a run of ticks shows, from a start frame.
std::vector<int> RunTicks(TskObjectAnimation a, bool over, int ticks) {
  std::vector<int> frames;
  for (int i = 0; i < ticks; ++i) {
    StepAnimation(a, over);
    frames.push_back(a.frame);
  }
  return frames;
}

TEST(AnimationFrameTest, TicksStepAtTheIntervalAndStopAtTheEnds) {
  struct Case {
    const char* name;
    int count;
    int interval;
    bool cycle;
    int start;
    bool over;
    std::vector<int> frames;
  };
  const Case cases[] = {
      {"every tick", 3, 25, false, 1, true, {2, 3, 3, 3}},
      {"below a tick", 3, 5, false, 1, true, {2, 3, 3}},
      {"every second tick", 3, 50, false, 1, true, {1, 2, 2, 3, 3}},
      {"cycling", 3, 25, true, 1, true, {2, 3, 1, 2}},
      {"back after leaving", 3, 25, false, 3, false, {2, 1, 1}},
      {"cycling back", 3, 25, true, 3, false, {2, 1, 1}},
      {"a single frame", 1, 25, true, 1, true, {1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TskObjectAnimation a = MakeObjectAnimation(c.count, c.interval, c.cycle);
    a.frame = c.start;
    EXPECT_EQ(RunTicks(a, c.over, int(c.frames.size())), c.frames);
  }
  TskObjectAnimation a = MakeObjectAnimation(0, 0, false);
  EXPECT_EQ(a.count, 1);
  EXPECT_EQ(a.interval, 25);
  EXPECT_FALSE(AnimationPending(a, true));
  a = MakeObjectAnimation(3, 25, false);
  a.frame = 3;
  EXPECT_FALSE(AnimationPending(a, true));
  EXPECT_TRUE(AnimationPending(a, false));
}

}  // namespace
}  // namespace vl
