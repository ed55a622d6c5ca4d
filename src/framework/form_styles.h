#pragma once
// A form's border style and its standard border icons, which decide the window styles the
// platform gives its frame.

namespace vl {

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

struct TBorderIcons {
  bool system_menu = false;
  bool minimize = false;
  bool maximize = false;
  friend bool operator==(const TBorderIcons&, const TBorderIcons&) = default;
};

inline constexpr TBorderIcons kAllBorderIcons{true, true, true};

}  // namespace vl
