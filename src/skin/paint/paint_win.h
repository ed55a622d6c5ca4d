#pragma once
// The last step of the picture operations: pictures into device contexts, rectangle lists
// into regions, and text measured on a device context.

#include <windows.h>

#include <string>
#include <string_view>

#include "framework/pixel_bitmap.h"
#include "skin/paint/region.h"

namespace vl {

class TBitmap;

// Copies a picture into an off-screen bitmap with its top-left corner at (x, y), cut to the
// bitmap; and the part of the bitmap under `r` (cut to the bitmap) as a picture of r's size.
void PutPixels(TBitmap& bitmap, const PixelBitmap& picture, int x = 0, int y = 0);
PixelBitmap GrabPixels(const TBitmap& bitmap, const TRect& r);

// Copies the whole picture, or src_rect of it, 1:1 with its top-left corner at (x, y).
void DrawPixelBitmap(HDC dc, int x, int y, const PixelBitmap& picture);
void DrawPixelBitmap(HDC dc, int x, int y, const PixelBitmap& picture, const TRect& src_rect);

// A region holding the rectangles, built kMaxRegionRuns at a time. The caller owns it.
HRGN CreateRegionFromRects(const TskRegionRects& region);
// The union of a window region's parts, or nullptr for none. The caller owns it (a window
// takes it over with SetWindowRgn).
HRGN CreateWindowRegion(const std::optional<TskWindowRegion>& region);

// FitTextWithEllipsis with the widths of the device context's current font; an ANSI text keeps
// its double-byte characters whole.
std::string FitTextWithEllipsis(HDC dc, std::string_view text, int width);
std::wstring FitTextWithEllipsis(HDC dc, std::wstring_view text, int width);

// Draws a wide text with DrawTextW on the Unicode-capable platform family, otherwise through
// the ANSI code page with DrawTextA, with the same format flags.
int DrawWideText(HDC dc, std::wstring_view text, RECT& rect, UINT format);

// The work area (or the whole area) of the monitor nearest to the window when there is more
// than one monitor; otherwise the system work area, or the whole screen.
TRect WorkAreaOf(HWND window, bool whole_area);

}  // namespace vl
