#include "skin/controls/button_layout.h"

#include <cwctype>

namespace vl {
namespace {

struct Sizes {
  int gw, gh, tw, th, spacing;
};

TCaptionPlacement Centred(const TRect& r, TButtonLayout layout, const Sizes& s) {
  const int cx = r.left + r.Width() / 2;
  const int cy = r.top + r.Height() / 2;
  const int across = s.gw + s.tw + s.spacing;
  const int down = s.th + s.gh + s.spacing;
  TCaptionPlacement p;
  switch (layout) {
    case TButtonLayout::blGlyphLeft:
      p.glyph = {cx - across / 2, cy - s.gh / 2};
      p.text = {cx + across / 2 - s.tw, cy - s.th / 2};
      break;
    case TButtonLayout::blGlyphRight:
      p.text = {cx - across / 2, cy - s.th / 2};
      p.glyph = {cx + across / 2 - s.gw, cy - s.gh / 2};
      break;
    case TButtonLayout::blGlyphTop:
      p.glyph = {cx - s.gw / 2, cy - down / 2};
      p.text = {cx - s.tw / 2, cy + down / 2 - s.th};
      break;
    case TButtonLayout::blGlyphBottom:
      p.text = {cx - s.tw / 2, cy - down / 2};
      p.glyph = {cx - s.gw / 2, cy + down / 2 - s.gh};
      break;
  }
  return p;
}

TCaptionPlacement WithMargin(const TRect& r, int m, TButtonLayout layout, const Sizes& s) {
  const int cx = r.left + r.Width() / 2;
  const int cy = r.top + r.Height() / 2;
  TCaptionPlacement p;
  switch (layout) {
    case TButtonLayout::blGlyphLeft:
      p.glyph = {r.left + m, cy - s.gh / 2};
      p.text = {p.glyph.x + s.gw + s.spacing, cy - s.th / 2};
      break;
    case TButtonLayout::blGlyphRight:
      p.glyph = {r.right - s.gw - m, cy - s.gh / 2};
      p.text = {p.glyph.x - s.spacing - s.tw, cy - s.th / 2};
      break;
    case TButtonLayout::blGlyphTop:
      p.glyph = {cx - s.gw / 2, r.top + m};
      p.text = {cx - s.tw / 2, p.glyph.y + s.gh + s.spacing};
      break;
    case TButtonLayout::blGlyphBottom:
      p.glyph = {cx - s.gw / 2, r.bottom - s.gh - m};
      p.text = {cx - s.tw / 2, p.glyph.y - s.spacing - s.th};
      break;
  }
  return p;
}

}  // namespace

TCaptionPlacement PlaceGlyphAndCaption(const TRect& rect, int margin, int spacing,
                                       TButtonLayout layout, int gw, int gh, int tw, int th) {
  const bool no_glyph = gw <= 0 || gh <= 0;
  Sizes s{no_glyph ? 0 : gw, no_glyph ? 0 : gh, tw, th, no_glyph ? 0 : spacing};
  TCaptionPlacement p = margin < 0 ? Centred(rect, layout, s) : WithMargin(rect, margin, layout, s);
  p.text_rect = {p.text.x, p.text.y, p.text.x + tw + 2, p.text.y + th};
  return p;
}

bool ShowsDown(const TButtonState& state) {
  if (!state.down) return false;
  return state.grouped || state.mouse_in || (state.focused && !state.mouse_down);
}

TButtonLook DefaultButtonLook(const TButtonState& state) {
  if (ShowsDown(state)) return TButtonLook::kPressed;
  if (state.mouse_in || state.focused) return TButtonLook::kHot;
  return TButtonLook::kNormal;
}

bool IsAccelerator(wchar_t ch, std::wstring_view caption) {
  auto upper = [](wchar_t c) { return std::towupper(static_cast<std::wint_t>(c)); };
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;
      continue;
    }
    return upper(caption[i + 1]) == upper(ch);
  }
  return false;
}

}  // namespace vl
