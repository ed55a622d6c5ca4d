#pragma once
// The kinds of value a skin definition holds, with the names the definition text spells them by.

#include <string_view>

#include "framework/color.h"
#include "skin/paint/effects.h"
#include "skin/paint/skin_geometry.h"

namespace vl {

struct TFontStyles {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  friend bool operator==(const TFontStyles&, const TFontStyles&) = default;
};

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
// The stretch, morph and inactive-effect kinds are the picture operations' own, so a definition
// value goes to them without conversion.
using TStretchType = TskStretchType;
using TMorphKind = TskMorphKind;
using TInactiveEffect = TskInactiveEffect;
enum class TStdCommand {
  cmClose,
  cmMaximize,
  cmMinimize,
  cmSysMenu,
  cmDefault,
  cmRollUp,
  cmMinimizeToTray
};

// The spelling of each enumeration value in the definition text, indexed by its ordinal.
inline constexpr std::string_view kAlignmentNames[] = {"taleftjustify", "tarightjustify",
                                                       "tacenter"};
inline constexpr std::string_view kStretchTypeNames[] = {"stfull", "sthorz", "stvert"};
inline constexpr std::string_view kMorphKindNames[] = {
    "mkdefault",   "mkgradient",   "mkleftgradient", "mkrightgradient",
    "mkleftslide", "mkrightslide", "mkpush"};
inline constexpr std::string_view kInactiveEffectNames[] = {
    "iebrightness", "iedarkness", "iegrayscale", "ienoise", "iesplitblur", "ieinvert"};
inline constexpr std::string_view kStdCommandNames[] = {
    "cmclose",   "cmmaximize", "cmminimize",      "cmsysmenu",
    "cmdefault", "cmrollup",   "cmminimizetotray"};

}  // namespace vl
