#pragma once
// Painting under a control what its parent shows there, so that a control without a
// background of its own (a transparent label, a menu bar) can compose itself off-screen.

#include <windows.h>

#include <functional>

namespace vl {

// The window property a parent carries while it paints a copy of itself for a child; a parent
// that draws differently on screen (a focus mark, a caret) can leave that out.
inline constexpr char kPaintCopyProperty[] = "VlPaintCopy";

// Paints onto dc, whose origin is the control's top-left corner, the parent's background and
// (unless the parent is a top-level window) the parent itself, limited to the parent's client
// area. `paint_siblings` then paints the parent's windowless children that lie before the
// control and overlap it, in the parent's coordinates. The device context's state and the
// parent's mark are restored afterwards, also when something throws.
void PaintParentBackground(HWND control, HDC dc,
                           const std::function<void(HDC)>& paint_siblings = nullptr);

}  // namespace vl
