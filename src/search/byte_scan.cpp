#include "search/byte_scan.h"

#include <array>
#include <bit>

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
#endif

}  // namespace

std::size_t FindBreakOrNul(std::string_view text, std::size_t from) {
  const unsigned char* d = Bytes(text);
  std::size_t n = text.size();
  std::size_t p = from;
#if VL_SSE2
  const __m128i cr = _mm_set1_epi8('\r');
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i nul = _mm_setzero_si128();
  for (; p + 16 <= n; p += 16) {
    __m128i v = Load(d + p);
    __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)),
                               _mm_cmpeq_epi8(v, nul));
    auto mask = static_cast<unsigned>(_mm_movemask_epi8(hit));
    if (mask != 0) return p + std::size_t(std::countr_zero(mask));
  }
#endif
  for (; p < n; ++p) {
    if (IsBreakOrNul(d[p])) return p;
  }
  return n;
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

FoldedSearch::FoldedSearch(std::string_view keyword) : folded_(keyword) {
  for (char& c : folded_) c = static_cast<char>(kFold[static_cast<unsigned char>(c)]);
}

bool FoldedSearch::MiddleMatches(const unsigned char* at) const {
  for (std::size_t i = 1; i + 1 < folded_.size(); ++i) {
    if (kFold[at[i]] != static_cast<unsigned char>(folded_[i])) return false;
  }
  return true;
}

std::size_t FoldedSearch::Find(std::string_view text, std::size_t from) const {
  const unsigned char* d = Bytes(text);
  const std::size_t n = text.size();
  const std::size_t m = folded_.size();
  if (m == 0 || m > n) return std::string_view::npos;
  const auto first = static_cast<unsigned char>(folded_.front());
  const auto last = static_cast<unsigned char>(folded_.back());
  std::size_t p = from;
#if VL_SSE2
  // Two anchors, the keyword's first and last byte, sift 16 start positions at once; a letter
  // anchor accepts both cases through bit 0x20, any other anchor only itself.
  const __m128i want_first = _mm_set1_epi8(static_cast<char>(first));
  const __m128i want_last = _mm_set1_epi8(static_cast<char>(last));
  const __m128i fold_first = _mm_set1_epi8(IsLowerLetter(first) ? 0x20 : 0);
  const __m128i fold_last = _mm_set1_epi8(IsLowerLetter(last) ? 0x20 : 0);
  for (; p + m + 15 <= n; p += 16) {
    __m128i head = _mm_cmpeq_epi8(_mm_or_si128(Load(d + p), fold_first), want_first);
    __m128i tail = _mm_cmpeq_epi8(_mm_or_si128(Load(d + p + m - 1), fold_last), want_last);
    auto mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(head, tail)));
    for (; mask != 0; mask &= mask - 1) {
      std::size_t at = p + std::size_t(std::countr_zero(mask));
      if (MiddleMatches(d + at)) return at;
    }
  }
#endif
  for (; p + m <= n; ++p) {
    if (kFold[d[p]] == first && kFold[d[p + m - 1]] == last && MiddleMatches(d + p)) return p;
  }
  return std::string_view::npos;
}

}  // namespace vl
