#include "search/byte_scan.h"

#include <algorithm>
#include <array>
#include <bit>
#include <span>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define VL_SSE2 1
#include <emmintrin.h>
#endif

namespace vl {
namespace {

constexpr std::array<unsigned char, 256> kFold = [] {
  std::array<unsigned char, 256> t{};
  for (int b = 0; b < 256; ++b) t[std::size_t(b)] = static_cast<unsigned char>(b);
  for (int b = 'A'; b <= 'Z'; ++b) t[std::size_t(b)] = static_cast<unsigned char>(b + 32);
  return t;
}();

const unsigned char* Bytes(std::string_view text) {
  return reinterpret_cast<const unsigned char*>(text.data());
}

bool IsBreakOrNul(unsigned char b) {
  return b == '\r' || b == '\n' || b == 0;
}

bool IsLowerLetter(unsigned char b) {
  return b >= 'a' && b <= 'z';
}

#if VL_SSE2
__m128i Load(const unsigned char* at) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
}

// One anchor byte of a folded keyword, compared at 16 candidate starts at once: a letter anchor
// accepts both cases through bit 0x20, any other anchor only itself.
class SimdAnchor {
 public:
  explicit SimdAnchor(char folded)
      : want_(_mm_set1_epi8(folded)),
        fold_(_mm_set1_epi8(IsLowerLetter(static_cast<unsigned char>(folded)) ? 0x20 : 0)) {}
  __m128i Hits(const unsigned char* at) const {
    return _mm_cmpeq_epi8(_mm_or_si128(Load(at), fold_), want_);
  }

 private:
  __m128i want_;
  __m128i fold_;
};
#endif

}  // namespace

namespace {

// The first offset at or after from whose byte is CR, LF, NUL or (with kSeparator) "\".
template <bool kSeparator>
std::size_t FindStop(std::string_view text, std::size_t from) {
  const unsigned char* d = Bytes(text);
  std::size_t n = text.size();
  std::size_t p = from;
#if VL_SSE2
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i nul = _mm_setzero_si128();
  const __m128i separator = _mm_set1_epi8('\\');
  for (; p + 16 <= n; p += 16) {
    __m128i v = Load(d + p);
    __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)),
                               _mm_cmpeq_epi8(v, nul));
    if (kSeparator) hit = _mm_or_si128(hit, _mm_cmpeq_epi8(v, separator));
    auto mask = static_cast<unsigned>(_mm_movemask_epi8(hit));
    if (mask != 0) return p + std::size_t(std::countr_zero(mask));
  }
#endif
  for (; p < n; ++p) {
    if (IsBreakOrNul(d[p]) || (kSeparator && d[p] == '\\')) return p;
  }
  return n;
}

}  // namespace

std::size_t FindBreakOrNul(std::string_view text, std::size_t from) {
  return FindStop<false>(text, from);
}

std::size_t FindBreakNulOrSeparator(std::string_view text, std::size_t from) {
  return FindStop<true>(text, from);
}

std::uint64_t ReadPass(std::string_view text) {
  const unsigned char* d = Bytes(text);
  std::size_t n = text.size();
  std::size_t p = 0;
  std::uint64_t sum = 0;
#if VL_SSE2
  const __m128i zero = _mm_setzero_si128();
  __m128i acc0 = zero;
  __m128i acc1 = zero;
  for (; p + 32 <= n; p += 32) {
    acc0 = _mm_add_epi64(acc0, _mm_sad_epu8(Load(d + p), zero));
    acc1 = _mm_add_epi64(acc1, _mm_sad_epu8(Load(d + p + 16), zero));
  }
  alignas(16) std::uint64_t lanes[2];
  _mm_store_si128(reinterpret_cast<__m128i*>(lanes), _mm_add_epi64(acc0, acc1));
  sum = lanes[0] + lanes[1];
#endif
  for (; p < n; ++p) sum += d[p];
  return sum;
}

bool EqualsFolded(std::string_view text, std::string_view folded) {
  if (text.size() != folded.size()) return false;
  const unsigned char* t = Bytes(text);
  const unsigned char* f = Bytes(folded);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (kFold[t[i]] != f[i]) return false;
  }
  return true;
}

namespace {

// How common a byte is in paths, 0 (never) to 9 (everywhere): separators, dots and the
// frequent letters score high, so the anchors fall on the rare bytes of a keyword.
int Commonness(unsigned char b) {
  static constexpr std::string_view by_frequency = "etaoinsrhldcumfpgwybvkxjqz";
  if (b == '\\' || b == '.') return 9;
  if (b == ' ' || b == ':' || (b >= '0' && b <= '9')) return 5;
  std::size_t rank = by_frequency.find(char(kFold[b]));
  if (rank == std::string_view::npos) return b >= 0x80 ? 1 : 2;
  return 8 - int(rank * 6 / by_frequency.size());
}

}  // namespace

FoldedSearch::FoldedSearch(std::string_view keyword) : folded_(keyword) {
  for (char& c : folded_) c = static_cast<char>(kFold[static_cast<unsigned char>(c)]);
  auto score = [&](std::size_t i) { return Commonness(static_cast<unsigned char>(folded_[i])); };
  for (std::size_t i = 1; i < folded_.size(); ++i) {
    if (score(i) < score(anchor1_)) anchor1_ = i;
  }
  anchor2_ = anchor1_ == 0 && folded_.size() > 1 ? 1 : 0;
  for (std::size_t i = 0; i < folded_.size(); ++i) {
    if (i != anchor1_ && score(i) < score(anchor2_)) anchor2_ = i;
  }
  if (folded_.size() == 1) anchor2_ = anchor1_;
}

bool FoldedSearch::MatchesAt(const unsigned char* at) const {
  for (std::size_t i = 0; i < folded_.size(); ++i) {
    if (kFold[at[i]] != static_cast<unsigned char>(folded_[i])) return false;
  }
  return true;
}

std::size_t FoldedSearch::Find(std::string_view text, std::size_t from) const {
  if (folded_.empty() || folded_.size() > text.size()) return std::string_view::npos;
  return anchor1_ == anchor2_ ? FindWithAnchors<false>(text, from)
                              : FindWithAnchors<true>(text, from);
}

bool FoldedSearch::StartsWithin(std::string_view text, std::size_t from, std::size_t before) const {
  const unsigned char* d = Bytes(text);
  const std::size_t n = text.size();
  const std::size_t m = folded_.size();
  if (m == 0 || m > n) return false;
  before = std::min(before, n - m + 1);
  std::size_t p = from;
#if VL_SSE2
  const SimdAnchor anchor1(folded_[anchor1_]);
  const SimdAnchor anchor2(folded_[anchor2_]);
  // Blocks of 16 starts while their anchor bytes lie inside the text; the starts at or past
  // before are masked off.
  for (; p < before && p + m + 15 <= n; p += 16) {
    __m128i hit = _mm_and_si128(anchor1.Hits(d + p + anchor1_), anchor2.Hits(d + p + anchor2_));
    auto mask = static_cast<unsigned>(_mm_movemask_epi8(hit));
    if (before - p < 16) mask &= (1u << (before - p)) - 1;
    for (; mask != 0; mask &= mask - 1) {
      if (MatchesAt(d + p + std::size_t(std::countr_zero(mask)))) return true;
    }
  }
#endif
  for (; p < before; ++p) {
    if (MatchesAt(d + p)) return true;
  }
  return false;
}

template <bool kTwoAnchors>
std::size_t FoldedSearch::FindWithAnchors(std::string_view text, std::size_t from) const {
  const unsigned char* d = Bytes(text);
  const std::size_t n = text.size();
  const std::size_t m = folded_.size();
  std::size_t p = from;
#if VL_SSE2
  const SimdAnchor anchor1(folded_[anchor1_]);
  const SimdAnchor anchor2(folded_[anchor2_]);
  const unsigned char* d1 = d + anchor1_;
  const unsigned char* d2 = d + anchor2_;
  auto sift = [&](std::size_t at) {
    __m128i hit = anchor1.Hits(d1 + at);
    if (kTwoAnchors) {
      hit = _mm_and_si128(hit, anchor2.Hits(d2 + at));
    }
    return hit;
  };
  auto first_match = [&](std::size_t at, unsigned mask) {
    for (; mask != 0; mask &= mask - 1) {
      std::size_t start = at + std::size_t(std::countr_zero(mask));
      if (MatchesAt(d + start)) return start;
    }
    return std::string_view::npos;
  };
  // A scan that resumes after a match often finds the next one at once (a common keyword,
  // one on nearly every line), so one block goes first.
  if (p + m + 15 <= n) {
    std::size_t found = first_match(p, unsigned(_mm_movemask_epi8(sift(p))));
    if (found != std::string_view::npos) return found;
    p += 16;
  }
  // Four blocks a round, with one test for the common case of no candidate at all.
  for (; p + m + 63 <= n; p += 64) {
    __m128i h0 = sift(p), h1 = sift(p + 16), h2 = sift(p + 32), h3 = sift(p + 48);
    if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(h0, h1), _mm_or_si128(h2, h3))) == 0) {
      continue;
    }
    const __m128i blocks[] = {h0, h1, h2, h3};
    for (std::size_t b = 0; b < 4; ++b) {
      std::size_t at = p + 16 * b;
      std::size_t found = first_match(at, unsigned(_mm_movemask_epi8(blocks[b])));
      if (found != std::string_view::npos) return found;
    }
  }
  for (; p + m + 15 <= n; p += 16) {
    std::size_t found = first_match(p, unsigned(_mm_movemask_epi8(sift(p))));
    if (found != std::string_view::npos) return found;
  }
#endif
  for (; p + m <= n; ++p) {
    if (MatchesAt(d + p)) return p;
  }
  return std::string_view::npos;
}

void FoldedSearch::FindTexts(std::string_view text, std::span<const std::uint32_t> starts,
                             std::size_t from, std::size_t to, std::uint32_t first,
                             std::vector<std::uint32_t>& out) const {
  if (folded_.empty() || from >= to) return;
  if (anchor1_ == anchor2_) {
    FindTextsWithAnchors<false>(text, starts, from, to, first, out);
  } else {
    FindTextsWithAnchors<true>(text, starts, from, to, first, out);
  }
}

namespace {

// The text that holds byte pos: the last k with starts[k] <= pos, searched from hint (a text at
// or before it). Matches come in order, often a few texts on, so the search steps over the next
// few texts, then gallops, then halves.
std::size_t TextAt(std::span<const std::uint32_t> starts, std::size_t pos, std::size_t hint) {
  for (std::size_t k = hint; k < hint + 4; ++k) {
    if (starts[k + 1] > pos) return k;
  }
  std::size_t lo = hint + 4;
  std::size_t step = 1;
  std::size_t hi = lo + 1;
  while (hi < starts.size() && starts[hi] <= pos) {
    lo = hi;
    hi = lo + step;
    step *= 2;
  }
  hi = std::min(hi, starts.size());
  auto it = std::upper_bound(starts.begin() + std::ptrdiff_t(lo),
                             starts.begin() + std::ptrdiff_t(hi), std::uint32_t(pos));
  return std::size_t(it - starts.begin()) - 1;
}

}  // namespace

template <bool kTwoAnchors>
void FoldedSearch::FindTextsWithAnchors(std::string_view text,
                                        std::span<const std::uint32_t> starts, std::size_t from,
                                        std::size_t to, std::uint32_t first,
                                        std::vector<std::uint32_t>& out) const {
  const unsigned char* d = Bytes(text);
  const std::size_t n = text.size();
  const std::size_t m = folded_.size();
  const std::size_t end = starts[to];
  std::size_t k = from;  // the text of the last match, or the first text
  std::size_t p = starts[from];
  // Candidates before here lie in a text that has already matched.
  std::size_t skip = p;
  auto found = [&](std::size_t pos) {
    k = TextAt(starts, pos, k);
    out.push_back(first + std::uint32_t(k));
    skip = starts[k + 1];
  };
#if VL_SSE2
  // 64 candidate starts a round, as a bit mask of the anchors' hits.
  const SimdAnchor anchor1(folded_[anchor1_]);
  const SimdAnchor anchor2(folded_[anchor2_]);
  const unsigned char* d1 = d + anchor1_;
  const unsigned char* d2 = d + anchor2_;
  for (; p < end && p + m + 63 <= n; p += 64) {
    // The rarer anchor alone rules out most rounds; the other is read only when it hits.
    __m128i h0 = anchor1.Hits(d1 + p), h1 = anchor1.Hits(d1 + p + 16);
    __m128i h2 = anchor1.Hits(d1 + p + 32), h3 = anchor1.Hits(d1 + p + 48);
    if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(h0, h1), _mm_or_si128(h2, h3))) == 0) {
      continue;
    }
    if constexpr (kTwoAnchors) {
      h0 = _mm_and_si128(h0, anchor2.Hits(d2 + p));
      h1 = _mm_and_si128(h1, anchor2.Hits(d2 + p + 16));
      h2 = _mm_and_si128(h2, anchor2.Hits(d2 + p + 32));
      h3 = _mm_and_si128(h3, anchor2.Hits(d2 + p + 48));
    }
    auto mask16 = [](__m128i hit) {
      return std::uint64_t(static_cast<unsigned>(_mm_movemask_epi8(hit)));
    };
    std::uint64_t candidates = mask16(h0) | mask16(h1) << 16 | mask16(h2) << 32 | mask16(h3) << 48;
    if (end - p < 64) candidates &= (std::uint64_t(1) << (end - p)) - 1;
    while (candidates != 0) {
      if (skip > p) {
        if (skip - p >= 64) break;
        candidates &= ~std::uint64_t(0) << (skip - p);
        if (candidates == 0) break;
      }
      const std::size_t pos = p + std::size_t(std::countr_zero(candidates));
      candidates &= candidates - 1;
      if (MatchesAt(d + pos)) found(pos);
    }
  }
#endif
  for (p = std::max(p, skip); p < end; ++p) {
    if (p >= skip && p + m <= n && MatchesAt(d + p)) found(p);
  }
}

}  // namespace vl
