#pragma once
// How a section of the result list's header fits its caption: cut short with "..." when it is
// too wide for the section, and placed by the column's alignment. Kept apart from the window
// code so that the rule is tested on its own.

#include <functional>
#include <string>
#include <string_view>

#include "skin/data/skin_values.h"

namespace vl {

using TTextWidth = std::function<int(std::wstring_view)>;

// The caption whole when it is no wider than `limit`; otherwise the longest head of it that fits
// with "..." after it, or "..." alone when no head does.
std::wstring ShortenedCaption(std::wstring_view text, int limit, const TTextWidth& width);

// The left edge of a caption `text_width` wide in the span from `left` to `right`.
int CaptionLeft(int left, int right, int text_width, TAlignment alignment);

}  // namespace vl
