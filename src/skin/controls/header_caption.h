#pragma once
// How a section of the result list's header fits its caption: cut short with "..." when it is
// too wide for the section, and placed by the column's alignment. Kept apart from the window
// code so that the rule is tested on its own.

#include <functional>
#include <vector>
#include <string>
#include <string_view>

#include "skin/data/skin_values.h"

namespace vl {

using TTextWidth = std::function<int(std::wstring_view)>;

// The caption whole when it is no wider than `limit`; otherwise the longest head of it that fits
// with "..." after it, or "..." alone when no head does.
std::wstring ShortenedCaption(std::wstring_view text, int limit, const TTextWidth& width);

// The direction mark of a sorted column: a small triangle pointing up (ascending) or down
// (descending), kSortMarkWidth wide, at the right end of a caption's room and centred on its
// height, drawn in the caption's colour so that it takes the look of the section it is on.
constexpr int kSortMarkWidth = 7;
constexpr int kSortMarkGap = 4;
// The one-pixel rows of the mark, top to bottom; none when the room is too small for it.
std::vector<TRect> SortMarkRows(const TRect& room, bool descending);

// The left edge of a caption `text_width` wide in the span from `left` to `right`.
int CaptionLeft(int left, int right, int text_width, TAlignment alignment);

}  // namespace vl
