#pragma once
// The order of texts a user of the Windows file manager expects in a sorted column: letters
// without regard to case, runs of digits by their value ("file2" before "file10"), everything
// else by character.
//
// A text is read as UTF-8 (the program's code page); a byte that does not begin a well-formed
// UTF-8 character is read as the Latin-1 character of that value, so names written in a legacy
// code page still sort near their letters. Letters are compared after Unicode simple case
// folding. A run of ASCII digits is one token that sorts where a digit does among the other
// characters and, against another number, by value; leading zeros do not count, so "a02" and
// "a2" are equal. Equal texts keep the order they had (the callers sort stably).
//
// The order is that of a sort key: a byte string compared byte by byte, shorter first. A
// character gives the UTF-8 bytes of its folded code point; a number gives "0", the count of
// its digits without leading zeros (one byte below 255, else 255 and four bytes), and those
// digits. "0" starts nothing else, since a digit is always part of a number, and UTF-8 keeps the
// order of code points, so comparing keys is comparing the texts. The first eight bytes of a
// key, as a number, sort most texts without looking at them again.

#include <cstdint>
#include <string>
#include <string_view>

namespace vl {

// The sort key of text.
std::string NaturalKey(std::string_view text);

// Bytes offset .. offset + 7 of the key of text, big-endian, zero past its end; more tells
// whether the key goes on past them.
std::uint64_t NaturalKeyPart(std::string_view text, std::size_t offset, bool& more);

// Below zero, zero or above zero as a sorts before, with or after b.
int CompareNatural(std::string_view a, std::string_view b);

}  // namespace vl
