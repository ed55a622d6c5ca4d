#pragma once
// The colours of the default look's hot and pressed pieces (caption buttons, menu-bar items,
// popup items) when no skin is loaded, in the platform's 0x00BBGGRR order.

#include <cstdint>

namespace vl {

inline constexpr std::uint32_t kDefaultLookFrame = 8388608;
inline constexpr std::uint32_t kDefaultLookHotFill = 13811126;
inline constexpr std::uint32_t kDefaultLookDownFill = 11899781;

}  // namespace vl
