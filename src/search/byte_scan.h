#pragma once
// The inner loops of loading and searching the index, written for SSE2 (the baseline of both
// Windows targets) with a plain fallback.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <xmmintrin.h>
#define VL_PREFETCH 1
#endif

namespace vl {

// Asks for the cache line holding at to be on its way: a scan that jumps from line to line
// stalls on every jump unless the next few lines are fetched while this one is read.
inline void PrefetchForRead(const void* at) {
#if VL_PREFETCH
  _mm_prefetch(static_cast<const char*>(at), _MM_HINT_T0);
#else
  (void)at;
#endif
}

// Offset of the first CR, LF or NUL at or after from; text.size() when there is none.
std::size_t FindBreakOrNul(std::string_view text, std::size_t from);
// The same, stopping at a "\" too.
std::size_t FindBreakNulOrSeparator(std::string_view text, std::size_t from);

// Calls line(start, end, break_length) for every line of a text-list file's bytes: CR, LF and
// CR LF end a line, the text ends at the first NUL, and a break at the very end adds no empty
// line. break_length is 0 for a last line that has no break. Returns the offset where the text
// ends (after the last break, or at the end of an unbroken last line).
template <typename LineFn>
std::size_t SplitLines(std::string_view bytes, LineFn&& line) {
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t brk = FindBreakOrNul(bytes, start);
    if (brk == bytes.size() || bytes[brk] == '\0') {
      if (brk == start) return start;
      line(start, brk, std::size_t(0));
      return brk;
    }
    std::size_t length =
        (bytes[brk] == '\r' && brk + 1 < bytes.size() && bytes[brk + 1] == '\n') ? 2 : 1;
    line(start, brk, length);
    start = brk + length;
  }
  return start;
}

// Sums every byte of the text: one pass that touches each byte once, the floor for any scan.
std::uint64_t ReadPass(std::string_view text);

// True when text, with ASCII letters folded, equals folded (a text already folded).
bool EqualsFolded(std::string_view text, std::string_view folded);

// Finds a keyword with ASCII letters folded on both sides. Case is folded only where the
// keyword byte is a letter, since setting bit 0x20 on other bytes would join "@" with "`",
// "[" with "{" and 0x80..0x9F with 0xA0..0xBF.
class FoldedSearch {
 public:
  explicit FoldedSearch(std::string_view keyword);
  // The first offset at or after from where the keyword starts; npos when there is none.
  std::size_t Find(std::string_view text, std::size_t from) const;
  // Whether the keyword starts somewhere in [from, before): a test of one line among many,
  // which looks no further than the line.
  bool StartsWithin(std::string_view text, std::size_t from, std::size_t before) const;
  // For texts that each end in LF, text k running from starts[k] to its LF at starts[k + 1] - 1,
  // appends first + k for every k in [from, to) whose text holds the keyword (which must hold no
  // LF). Each text counts once however often it holds the keyword, and the search goes on from
  // the next text after a match, so texts full of matches cost no more than texts without any.
  void FindTexts(std::string_view text, std::span<const std::uint32_t> starts, std::size_t from,
                 std::size_t to, std::uint32_t first, std::vector<std::uint32_t>& out) const;

 private:
  bool MatchesAt(const unsigned char* at) const;
  template <bool kTwoAnchors>
  std::size_t FindWithAnchors(std::string_view text, std::size_t from) const;
  template <bool kTwoAnchors>
  void FindTextsWithAnchors(std::string_view text, std::span<const std::uint32_t> starts,
                            std::size_t from, std::size_t to, std::uint32_t first,
                            std::vector<std::uint32_t>& out) const;

  std::string folded_;
  // The two keyword bytes least likely in a path sift the candidates; with one byte only,
  // both are the same.
  std::size_t anchor1_ = 0;
  std::size_t anchor2_ = 0;
};

}  // namespace vl
