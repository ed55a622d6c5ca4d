#pragma once
// Which background the framed edit box shows: one colour when normal, one when focused and one
// when disabled. A focus colour never set apart from the normal colour follows it.

#include "statusbar/colors.h"

namespace vl {

class TEditColors {
 public:
  TFlColor Color() const { return normal_; }
  TFlColor FocusColor() const { return focus_; }
  TFlColor DisabledColor() const { return disabled_; }

  void SetColor(TFlColor c) {
    if (focus_ == normal_) focus_ = c;
    normal_ = c;
  }
  void SetFocusColor(TFlColor c) { focus_ = c; }
  void SetDisabledColor(TFlColor c) { disabled_ = c; }

  TFlColor Current(bool enabled, bool focused) const {
    if (!enabled) return disabled_;
    return focused ? focus_ : normal_;
  }

 private:
  TFlColor normal_ = SysColorValue(kSysColorWindow);
  TFlColor focus_ = SysColorValue(kSysColorWindow);
  TFlColor disabled_ = SysColorValue(kSysColorBtnFace);
};

}  // namespace vl
