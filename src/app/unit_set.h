#pragma once
// The text the root editor shows: the root list file's bytes with every line break made CR LF,
// or, when there is no root list yet, one line for every drive present.

#include <cstdint>
#include <string>
#include <string_view>

#include "search/path_ops.h"

namespace vl {

// The native editor lays the whole text out again when it is set: in time that grows with the
// square of a line's length while it wraps lines, with its length when it does not, and with
// the number of lines either way. A list with a line longer than any folder path the user can
// read on screen is shown unwrapped; a list the editor could not take within seconds is not
// shown at all, so that nothing of it can be lost by a Save.
inline constexpr std::size_t kLongestWrappedLine = 1024;
// The longest path the platform takes is 32,767 UTF-16 characters, each at most three bytes.
inline constexpr std::size_t kLongestEditorLine = 3 * 32767;
inline constexpr std::size_t kLargestEditorText = std::size_t(2) << 20;

struct EditorText {
  std::string text;
  std::size_t longest_line = 0;  // in bytes, without the line break
};

enum class EditorFit { kWrapped, kUnwrapped, kTooLarge };

// The bytes up to the first NUL, with CR LF, a lone CR and a lone LF each shown as one CR LF.
// The second byte of a double-byte character is never taken for a break.
EditorText EditorTextFromFile(std::string_view bytes, const LeadBytes& lead);

// How the editor can show the text (see kLongestWrappedLine).
EditorFit FitOf(const EditorText& shown);

// "A:\" CR LF for bit 0 of the drive mask, "B:\" CR LF for bit 1, ..., up to Z.
std::string DrivesText(std::uint32_t drive_mask);

}  // namespace vl
