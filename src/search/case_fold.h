#pragma once
// Unicode simple case folding of UTF-8 text, for keywords that hold more than ASCII. The table
// is the Unicode Character Database's own (CaseFolding.txt, its common and simple mappings),
// made at build time, so every script that has case folds as the standard says: "Ü" and "ü",
// "К" and "к", "Σ", "σ" and "ς" each fold to one character.
//
// A byte that does not start a whole UTF-8 character (a name in a code page of old, a cut
// character) is kept as it is, so such text folds its ASCII letters and nothing else.

#include <string>
#include <string_view>

#include "search/utf8.h"

namespace vl {

// The simple case folding of a code point (the code point itself when it has none).
char32_t FoldCodePoint(char32_t c);

// Appends text to out with every character folded.
void AppendFolded(std::string_view text, std::string& out);
std::string FoldText(std::string_view text);

}  // namespace vl
