#include "skin/paint/text_fit.h"

namespace vl {
namespace {

// The length of text before its last character.
std::size_t WithoutLastCharacter(std::string_view text, const LeadByteTest& is_lead_byte) {
  std::size_t start = 0, last = 0;
  while (start < text.size()) {
    last = start;
    bool pair = is_lead_byte && is_lead_byte((unsigned char)text[start]) && start + 1 < text.size();
    start += pair ? 2 : 1;
  }
  return last;
}

std::size_t WithoutLastCharacter(std::wstring_view text) {
  std::size_t n = text.size() - 1;
  bool low = text[n] >= 0xDC00 && text[n] <= 0xDFFF;
  if (low && n > 0 && text[n - 1] >= 0xD800 && text[n - 1] <= 0xDBFF) --n;
  return n;
}

template <typename Char, typename Measure, typename Shorten>
std::basic_string<Char> Fit(std::basic_string_view<Char> text, int width, const Measure& measure,
                            const std::basic_string<Char>& dots, Shorten shorten) {
  if (measure(text) <= width) return std::basic_string<Char>(text);
  std::basic_string<Char> candidate;
  while (!text.empty()) {
    text = text.substr(0, shorten(text));
    candidate.assign(text);
    candidate += dots;
    if (measure(candidate) <= width) return candidate;
  }
  return dots;
}

}  // namespace

std::string FitTextWithEllipsis(std::string_view text, int width, const TextMeasure& measure,
                                const LeadByteTest& is_lead_byte) {
  return Fit<char>(text, width, measure, std::string("..."),
                   [&](std::string_view t) { return WithoutLastCharacter(t, is_lead_byte); });
}

std::wstring FitTextWithEllipsis(std::wstring_view text, int width,
                                 const WideTextMeasure& measure) {
  return Fit<wchar_t>(text, width, measure, std::wstring(L"..."),
                      [](std::wstring_view t) { return WithoutLastCharacter(t); });
}

}  // namespace vl
