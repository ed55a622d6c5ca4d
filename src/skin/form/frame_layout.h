#pragma once
// The arithmetic of a skinned window frame: where its pieces lie at a window size, how wide its
// borders are, where the caption buttons and the caption go, which part of the frame moves or
// sizes the window, and how small or large the window may become. All of it is in window
// coordinates (the window's top-left corner is (0, 0)) and works on signed values throughout.

#include <functional>
#include <vector>

#include "framework/geometry.h"
#include "skin/data/skin_values.h"
#include "skin/data/window_sections.h"
#include "skin/paint/skin_geometry.h"

namespace vl {

// The platform's hit-test answers the frame gives.
enum TskHitCode : int {
  kHtClient = 1,
  kHtCaption = 2,
  kHtLeft = 10,
  kHtRight = 11,
  kHtTop = 12,
  kHtTopLeft = 13,
  kHtTopRight = 14,
  kHtBottom = 15,
  kHtBottomLeft = 16,
  kHtBottomRight = 17,
  kHtObject = 19,
};

// The frame's definition with the size of the main picture it was drawn for.
struct TskFrameSkin {
  const TskFormInfo* info = nullptr;
  int picture_width = 0;
  int picture_height = 0;
};

// The frame fitted to a window width x height.
struct TskFrameGeometry {
  int width = 0;
  int height = 0;
  TskSkinPoints points;  // corner points and client rectangle
  TRect caption;
  TRect buttons;
  TRect mask_area;
  TPoint hit_lt;
  TPoint hit_rt;
  TPoint hit_lb;
  TPoint hit_rb;
};

TskFrameGeometry SizeFrameGeometry(const TskFrameSkin& skin, int width, int height);

// The corner points and client rectangle as FORMINFO gives them, unsized.
TskSkinPoints FramePoints(const TskFormInfo& info);

struct TskFrameInsets {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const TskFrameInsets&, const TskFrameInsets&) = default;
};

TskFrameInsets SkinFrameInsets(const TskFrameSkin& skin);
// The default look: a 3-pixel border with the caption strip on top.
TskFrameInsets DefaultFrameInsets(int caption_height);
// The client rectangle of a window rectangle; it never turns inside out.
TRect ClientOfWindow(const TRect& window, const TskFrameInsets& insets);

// Where an object that keeps its place in the frame picture goes when the window is dw wider
// and dh higher than the picture.
TRect FollowFrame(const TRect& skin_rect, const TskFrameSkin& skin, int dw, int dh);

// One frame object as the automatic layout sees it.
struct TskLayoutItem {
  TStdCommand command = TStdCommand::cmDefault;
  bool is_button = false;  // a standard button or an animate object: has a command
  bool is_caption = false;
  bool auto_placed = false;  // skinrectinapicture: placed in the caption or buttons area
  bool visible = true;
  TRect skin_rect;  // its size for the automatic layout, its place otherwise
  TRect rect;       // out: where it is drawn
};

// Places every object: frame-following objects first, then the automatic layout.
void LayoutFrameObjects(std::vector<TskLayoutItem>& items, const TskFrameSkin& skin,
                        const TskFrameGeometry& geometry);

// The default look: caption buttons s x s from the right at y = 4, the system-menu button at the
// left, s x s too unless it shows the window's icon (menu_size: its width and height).
struct TskDefaultLayout {
  TRect caption_area;
  std::vector<TRect> buttons;  // close, maximize, minimize, roll-up, tray (visible ones only)
  TRect system_menu;
};
TskDefaultLayout LayoutDefaultFrame(int width, int caption_height, int button_size,
                                    int visible_buttons, bool system_menu);
TskDefaultLayout LayoutDefaultFrame(int width, int caption_height, int button_size,
                                    int visible_buttons, bool system_menu, TPoint menu_size);

struct TskHitTestState {
  bool rolled_up_or_minimized = false;
  bool maximized = false;
  bool resizable = false;
  bool size_move_loop = false;
  bool object_hovered = false;
};

// The hit-test answer of a skinned frame at p. mask_inside tells whether a window point lies on
// the mask's inside pixels; without a mask it is empty.
int SkinFrameHitTest(const TskFrameGeometry& g, const TskFormInfo& info,
                     const std::vector<TRect>& captions, const TskHitTestState& state,
                     const std::function<bool(TPoint)>& mask_inside, TPoint p);

int DefaultFrameHitTest(int width, int height, int caption_height, const TRect& caption_area,
                        const TskHitTestState& state, TPoint p);

struct TskSizeLimits {
  int min_width = 0;
  int min_height = 0;
  int max_width = 0;  // 0: none
  int max_height = 0;
};

struct TskTrackSize {
  int min_width = 0;
  int min_height = 0;
  friend bool operator==(const TskTrackSize&, const TskTrackSize&) = default;
};

TskTrackSize SkinMinTrackSize(const TskFrameSkin& skin, const TskSizeLimits& limits, bool minimized,
                              bool rolled_up);
TskTrackSize DefaultMinTrackSize(int caption_height, const TskSizeLimits& limits, bool minimized,
                                 bool rolled_up);

// The caption text's top-left corner for a text of text_width x text_height in text_rect.
TPoint CaptionTextOrigin(const TRect& text_rect, int text_width, int text_height,
                         TAlignment alignment);
// The caption object's text rectangle, relative to the object: textrect widened with the
// object, and moved in by the text frame when there is one.
TRect CaptionTextRect(const TRect& textrect, const TRect& skin_rect, const TRect& object_rect,
                      const TRect& framerect, const TRect& frametextrect);

// Frame `n` (1 to `count`) of an animated frame object: one of `count` equal slices of its strip,
// stacked when the strip is taller than the object, else side by side. A frame outside 1..count
// gives an empty rectangle.
TRect FrameObjectAnimationRect(const TRect& strip, const TRect& skin_rect, int count, int n);

// An animated object's progress on the frame's 25 ms animation timer. Frames count from 1, as
// everywhere in the skin; an animated object always shows a piece of its strip, so it rests on
// frame 1. It steps forwards while the pointer is over it (round again with `cycle`) and back to
// 1 after the pointer has left.
struct TskObjectAnimation {
  static constexpr int kTick = 25;
  int count = 1;
  int interval = kTick;  // milliseconds per frame, never below one tick
  bool cycle = false;
  int frame = 1;
  int elapsed = kTick;
};
TskObjectAnimation MakeObjectAnimation(int count, int interval, bool cycle);
// Whether a tick still has work to do.
bool AnimationPending(const TskObjectAnimation& a, bool pointer_over);
// One timer tick; true when the frame changed.
bool StepAnimation(TskObjectAnimation& a, bool pointer_over);

}  // namespace vl
