#pragma once
// Where a button puts its glyph and its caption, and which of its plain looks it shows. Kept
// apart from the window code so that the arithmetic is tested on its own.

#include <string_view>

#include "framework/geometry.h"

namespace vl {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct TCaptionPlacement {
  TPoint glyph;
  TPoint text;
  TRect text_rect;  // where the (wrapped, centred) caption is drawn
};

// Glyph of gw x gh (0 x 0 for none, and then spacing counts as 0) and text of tw x th inside
// `rect`. A margin of -1 centres glyph and text together; a margin of 0 or more keeps that
// distance from the edge the layout names. Divisions truncate toward zero.
TCaptionPlacement PlaceGlyphAndCaption(const TRect& rect, int margin, int spacing,
                                       TButtonLayout layout, int gw, int gh, int tw, int th);

// The plain look of a button when no skin draws it.
enum class TButtonLook { kNormal, kHot, kPressed };

struct TButtonState {
  bool down = false;        // held by the mouse or Space
  bool mouse_in = false;    // pointer over the button
  bool mouse_down = false;  // left button pressed on it and not yet released
  bool focused = false;     // has the input focus and may take it
  bool grouped = false;     // one of a group, whose Down is a lasting state
};

// A grouped button looks held while it is down; any other only while held with the pointer
// over it, or held by the keyboard while focused.
bool ShowsDown(const TButtonState& state);

// Pressed as ShowsDown says; hot while the pointer is over it or it has the focus; normal
// otherwise.
TButtonLook DefaultButtonLook(const TButtonState& state);

// Whether `ch` is the accelerator the caption marks with "&" (a doubled "&&" is a plain "&"),
// letter case ignored.
bool IsAccelerator(wchar_t ch, std::wstring_view caption);

}  // namespace vl
