#pragma once
// Shortening a text with "..." until it fits a width, given a way to measure text on the
// surface it will be drawn on. Characters are removed whole: a double-byte character of an
// ANSI text and a surrogate pair of a wide text go together.

#include <functional>
#include <string>
#include <string_view>

namespace vl {

using TextMeasure = std::function<int(std::string_view)>;
using WideTextMeasure = std::function<int(std::wstring_view)>;
using LeadByteTest = std::function<bool(unsigned char)>;

// The text itself when it fits; otherwise the longest front of it that fits followed by
// "...", or "..." alone.
std::string FitTextWithEllipsis(std::string_view text, int width, const TextMeasure& measure,
                                const LeadByteTest& is_lead_byte);
std::wstring FitTextWithEllipsis(std::wstring_view text, int width, const WideTextMeasure& measure);

}  // namespace vl
