#pragma once
// Window messages of the skin engine, above the platform's user base (1024). A skin data object
// sends its five to every top-level window, its owner first, with itself as wParam and
// kSkinMessageTag as lParam; a window reacts only to the skin data it uses.

namespace vl {

inline constexpr unsigned SKN_BEFORECHANGE = 1225;
inline constexpr unsigned SKN_CHANGE = 1226;
inline constexpr unsigned SKN_AFTERCHANGE = 1227;
inline constexpr unsigned SKN_CLOSEMENUS = 1228;
inline constexpr unsigned SKN_POPUPCOMMAND = 1229;
inline constexpr unsigned SKN_STRINGSCHANGED = 1274;
inline constexpr unsigned SKN_REPAINTCONTROL = 1284;
inline constexpr unsigned SKN_SKINNABLECHANGED = 1294;
inline constexpr unsigned SKN_GLOWSHOW = 1424;
inline constexpr unsigned SKN_GLOWHIDE = 1425;

inline constexpr long kSkinMessageTag = 1000;

}  // namespace vl
