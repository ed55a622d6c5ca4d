#pragma once
// Which background the framed edit box shows: one colour when normal, one when focused and one
// when disabled. A focus colour never set apart from the normal colour follows it.

#include "statusbar/colors.h"

namespace vl {

class TEditColors {
 public:
  TColor Color() const { return normal_; }
  TColor FocusColor() const { return focus_; }
  TColor DisabledColor() const { return disabled_; }

  void SetColor(TColor c) {
    if (focus_ == normal_) focus_ = c;
    normal_ = c;
  }
  void SetFocusColor(TColor c) { focus_ = c; }
  void SetDisabledColor(TColor c) { disabled_ = c; }

  TColor Current(bool enabled, bool focused) const {
    if (!enabled) return disabled_;
    return focused ? focus_ : normal_;
  }

 private:
  TColor normal_ = SystemColor(kColorWindow);
  TColor focus_ = SystemColor(kColorWindow);
  TColor disabled_ = SystemColor(kColorBtnFace);
};

}  // namespace vl
