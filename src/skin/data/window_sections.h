#pragma once
// The sections that describe a skinned window as a whole: FORMINFO (the frame), POPUPWINDOW
// (the frame of popup menus), HINTWINDOW and SKINCOLORS.

#include <cstdint>
#include <string>

#include "framework/geometry.h"
#include "skin/data/skin_section.h"
#include "skin/data/skin_values.h"

namespace vl {

class TskFormInfo : public TskDataSkinSection {
 public:
  TskFormInfo() : TskDataSkinSection("FORMINFO") {}

  // Set before reading: the skin names a mask picture, which ties maskrectarea and the
  // hit-test points to the frame geometry.
  bool masked = false;

  TPoint lefttoppoint;
  TPoint righttoppoint;
  TPoint leftbottompoint;
  TPoint rightbottompoint;
  TRect clientrect;
  std::int32_t bgpictureindex = -1;
  std::int32_t mdibgpictureindex = -1;
  bool leftstretch = false;
  bool rightstretch = false;
  bool topstretch = false;
  bool bottomstretch = false;
  bool stretcheffect = false;
  TStretchType stretchtype = TStretchType::stFull;
  bool mdibgstretcheffect = false;
  TStretchType mdibgstretchtype = TStretchType::stFull;
  TRect maskrectarea;
  TPoint hittestlefttoppoint;
  TPoint hittestrighttoppoint;
  TPoint hittestleftbottompoint;
  TPoint hittestrightbottompoint;
  TRect buttonsrect;
  TRect captionrect;
  std::int32_t buttonsoffset = 0;
  bool buttonsinleft = false;
  bool mainmenupopupup = false;
  std::int32_t borderwidth = 0;
  std::int32_t formminwidth = 0;
  bool mditabstransparent = false;
  bool mainmenubartransparent = false;
  bool autorenderinginactiveimage = false;
  TInactiveEffect inactiveeffect = TInactiveEffect::ieBrightness;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
  void AfterRead() override;

 private:
  void ApplyMaskRules();
  void ClampCornersToClient();
};

class TskDataSkinPopupWindow : public TskDataSkinSection {
 public:
  TskDataSkinPopupWindow() : TskDataSkinSection("POPUPWINDOW") {}

  std::int32_t windowpictureindex = -1;
  std::int32_t maskpictureindex = -1;
  TPoint lefttoppoint;
  TPoint righttoppoint;
  TPoint leftbottompoint;
  TPoint rightbottompoint;
  TRect itemsrect;
  TColor scrollmarkercolor = 0;
  TColor scrollmarkeractivecolor = 0;
  bool leftstretch = false;
  bool rightstretch = false;
  bool topstretch = false;
  bool bottomstretch = false;
  bool stretcheffect = false;
  TStretchType stretchtype = TStretchType::stFull;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinHintWindow : public TskDataSkinSection {
 public:
  TskDataSkinHintWindow() : TskDataSkinSection("HINTWINDOW") {}

  std::int32_t windowpictureindex = -1;
  std::int32_t maskpictureindex = -1;
  TPoint lefttoppoint;
  TPoint righttoppoint;
  TPoint leftbottompoint;
  TPoint rightbottompoint;
  TRect clientrect;
  std::string fontname = "Arial";
  std::int32_t fontheight = 14;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  bool leftstretch = false;
  bool rightstretch = false;
  bool topstretch = false;
  bool bottomstretch = false;
  bool stretcheffect = false;
  TStretchType stretchtype = TStretchType::stFull;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

// Colours for what consumers draw without pictures. A new object holds 0 in all eight until
// Reset gives it the system colours, which are also what a missing key reads as.
class TskSkinColors : public TskDataSkinSection {
 public:
  TskSkinColors() : TskDataSkinSection("SKINCOLORS") {}
  void Reset();

  TColor cbtnface = 0;
  TColor cbtntext = 0;
  TColor cwindow = 0;
  TColor cwindowtext = 0;
  TColor chighlight = 0;
  TColor chighlighttext = 0;
  TColor cbtnhighlight = 0;
  TColor cbtnshadow = 0;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

}  // namespace vl
