#pragma once
// The text the root editor shows: the root list file's bytes with every line break made CR LF,
// or, when there is no root list yet, one line for every drive present.

#include <cstdint>
#include <string>
#include <string_view>

#include "search/path_ops.h"

namespace vl {

// The bytes up to the first NUL, with CR LF, a lone CR and a lone LF each shown as one CR LF.
// The second byte of a double-byte character is never taken for a break.
std::string EditorTextFromFile(std::string_view bytes, const LeadBytes& lead);

// "A:\" CR LF for bit 0 of the drive mask, "B:\" CR LF for bit 1, ..., up to Z.
std::string DrivesText(std::uint32_t drive_mask);

}  // namespace vl
