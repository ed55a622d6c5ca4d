#pragma once
// The text the root editor shows: the root list file's bytes with every line break made CR LF,
// or, when there is no root list yet, one line for every drive present.

#include <cstdint>
#include <string>
#include <string_view>

#include "search/path_ops.h"

namespace vl {

// The native editor lays the whole text out again when it is set: in time that grows with the
// number of lines, and while it wraps lines, with the square of each line's length besides. A
// list whose lines would take it more than a few seconds to wrap is shown unwrapped; a list the
// editor could not take within seconds even so is not shown at all, so that nothing of it can
// be lost by a Save.
inline constexpr std::uint64_t kWrapBudget = std::uint64_t(1) << 26;  // sum of squared lengths
// The longest path the platform takes is 32,767 UTF-16 characters, each at most three bytes.
inline constexpr std::size_t kLongestEditorLine = 3 * 32767;
inline constexpr std::size_t kLargestEditorText = std::size_t(2) << 20;

struct EditorText {
  std::string text;
  std::size_t longest_line = 0;  // in bytes, without the line break
  std::uint64_t wrap_cost = 0;   // the sum of the squares of the lines' lengths
};

enum class EditorFit { kWrapped, kUnwrapped, kTooLarge };

// The bytes up to the first NUL, with CR LF, a lone CR and a lone LF each shown as one CR LF.
// The second byte of a double-byte character is never taken for a break.
EditorText EditorTextFromFile(std::string_view bytes, const LeadBytes& lead);

// How the editor can show the text (see kWrapBudget).
EditorFit FitOf(const EditorText& shown);

// "A:\" CR LF for bit 0 of the drive mask, "B:\" CR LF for bit 1, ..., up to Z.
std::string DrivesText(std::uint32_t drive_mask);

}  // namespace vl
