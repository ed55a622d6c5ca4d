#pragma once
// The window states a skinned frame keeps itself: where a maximized window goes, which slot of
// the bottom row a minimized one takes, and what restoring gives back.

#include <vector>

#include "framework/form_styles.h"
#include "framework/geometry.h"

namespace vl {

enum class TskWindowState { wsNormal, wsMinimized, wsMaximized };

// The bounds of a maximized window: the work area (or the whole monitor), one pixel in on every
// side when the work area is the whole primary screen, so that an auto-hidden task bar can still
// be reached.
TRect MaximizedBounds(const TRect& work_area, const TRect& monitor, int screen_width,
                      int screen_height);

// The top-left corner of the first free slot for a minimized window of min_width x min_height:
// along the bottom of the work area from its left edge, then a row higher, and the bottom-left
// slot when every row is taken. `taken` holds the top-left corners of the other minimized
// windows.
TPoint MinimizedSlot(const TRect& work_area, int min_width, int min_height,
                     const std::vector<TPoint>& taken);

// The bounds a restore gives: the saved ones, or the current ones when none were saved.
TRect RestoredBounds(const TRect& saved, const TRect& current);

// The width a nudge steps to before going back: one pixel wider unless that passes max_width
// (0: no limit), else one pixel narrower unless that passes min_width; the width itself when
// neither is allowed.
int NudgeWidth(int width, int min_width, int max_width);

// The next step of a fade-in by 10 towards target (0..255); it lands on the target and stays
// there instead of passing it.
int NextFadeAlpha(int alpha, int target);

// Whether a skinned window of this border style loses its caption style bits on a platform of
// this major version: the older platforms would otherwise draw parts of their own caption
// over the skinned one.
bool DropsCaptionStyle(int major_version, TFormBorderStyle style);

// Whether the window may be resized by its frame.
bool IsResizable(TFormBorderStyle style, bool always_resize);

}  // namespace vl
