#pragma once
// The version block of the running executable, read once when the component is created.

#include <string>

#include "framework/component.h"
#include "statusbar/version_fields.h"

namespace vl {

class TFlVersionInfo : public TComponent {
 public:
  explicit TFlVersionInfo(TComponent* owner);

  // The field's text (ANSI) from the block's first translation; empty when the executable has
  // no version block or the block lacks the field.
  const std::string& Value(TVersionInfoField field) const;

 private:
  void Read();

  std::string values_[10];
};

}  // namespace vl
