#pragma once
// The skin engine's own interface texts ("&Close", "Minimize", "Select All" ...), by name.

#include <string>
#include <string_view>
#include <vector>

#include "framework/component.h"

namespace vl {

class TskSkinData;

class TskResourceStrData : public TComponent {
 public:
  // Starts with the engine's 130 built-in texts.
  explicit TskResourceStrData(TComponent* owner = nullptr);

  // The text after the first "=" of the first line whose name part equals name, ignoring ASCII
  // letter case; empty when there is none.
  std::string TextFor(std::string_view name) const;

  std::vector<std::string> ResStrings;  // "NAME=text" lines
  int CharSet = 1;                      // the platform's default character set
};

// The built-in texts as "NAME=text" lines, in their fixed order.
const std::vector<std::string>& BuiltInResourceStrings();

// The text a consumer of a skin data object shows: from its ResourceStrData when it has one,
// else from the built-in table.
std::string SkinResourceText(const TskSkinData* data, std::string_view name);

}  // namespace vl
