#pragma once
// What a menu caption means beyond its text: the accelerator character after "&", the text as
// shown, separators and section headers; and short-cut keys with the text a menu shows for them.

#include <string>
#include <string_view>

namespace vl {

// The lower-case accelerator of a caption ("&File" gives 'f'), or 0. "&&" is a literal "&" and
// a trailing "&" is ignored.
wchar_t AcceleratorOf(std::wstring_view caption);
// The caption as shown: the accelerator marks removed and "&&" turned into "&".
std::wstring StripAccelerator(std::wstring_view caption);
// True when `caption` names `key` as its accelerator, in either case.
bool IsAcceleratorOf(wchar_t key, std::wstring_view caption);

inline bool IsSeparatorCaption(std::wstring_view caption) {
  return caption == L"-";
}
// A caption that starts and ends with "-" (on a disabled item) is a section header; a lone "-"
// is a separator, not a header.
inline bool IsHeaderCaption(std::wstring_view caption) {
  return caption.size() >= 2 && caption.front() == L'-' && caption.back() == L'-';
}

// A key with its modifiers. `key` is a platform virtual-key code; 0 is no short-cut.
struct TShortCut {
  unsigned key = 0;
  bool ctrl = false;
  bool shift = false;
  bool alt = false;

  bool Empty() const { return key == 0; }
  friend bool operator==(const TShortCut&, const TShortCut&) = default;
};

// "Ctrl+Shift+Z", "Alt+F4", "Del"; empty for no short-cut.
std::wstring ShortCutToText(const TShortCut& shortcut);

}  // namespace vl
