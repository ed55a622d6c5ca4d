#pragma once
// The text the root editor shows: the root list file's bytes with every line break made CR LF,
// or, when there is no root list yet, one line for every drive present.

#include <cstdint>
#include <string>
#include <string_view>

#include "search/path_ops.h"

namespace vl {

// What the editor holds of a root list at most. A root is a folder path, which the walk can use
// only up to the platform's path limit; a line is shown up to four times that, and the text up
// to the length a user can type into the editor. Beyond that the native editor, which wraps
// long lines, would keep the window from answering for minutes.
inline constexpr std::size_t kLongestEditorLine = 1024;
inline constexpr std::size_t kLongestEditorText = 32767;

struct EditorText {
  std::string text;
  bool cut = false;  // a line or the end of the file was left out
};

// The bytes up to the first NUL, with CR LF, a lone CR and a lone LF each shown as one CR LF;
// each line cut after kLongestEditorLine bytes and the text after kLongestEditorText. The
// second byte of a double-byte character is never taken for a break nor cut from its first.
EditorText EditorTextFromFile(std::string_view bytes, const LeadBytes& lead);

// "A:\" CR LF for bit 0 of the drive mask, "B:\" CR LF for bit 1, ..., up to Z.
std::string DrivesText(std::uint32_t drive_mask);

}  // namespace vl
