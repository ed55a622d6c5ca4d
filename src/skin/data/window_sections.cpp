#include "skin/data/window_sections.h"

#include <algorithm>

namespace vl {

void TskFormInfo::VisitFields(TskFieldVisitor& v) {
  v.Point("lefttoppoint", lefttoppoint);
  v.Point("righttoppoint", righttoppoint);
  v.Point("leftbottompoint", leftbottompoint);
  v.Point("rightbottompoint", rightbottompoint);
  v.Rect("clientrect", clientrect);
  v.PictureIndex("bgpictureindex", bgpictureindex);
  v.PictureIndex("mdibgpictureindex", mdibgpictureindex);
  v.Boolean("leftstretch", leftstretch);
  v.Boolean("rightstretch", rightstretch);
  v.Boolean("topstretch", topstretch);
  v.Boolean("bottomstretch", bottomstretch);
  v.Boolean("stretcheffect", stretcheffect);
  v.StretchType("stretchtype", stretchtype);
  v.Boolean("mdibgstretcheffect", mdibgstretcheffect);
  v.StretchType("mdibgstretchtype", mdibgstretchtype);
  v.Rect("maskrectarea", maskrectarea);
  v.Point("hittestlefttoppoint", hittestlefttoppoint);
  v.Point("hittestrighttoppoint", hittestrighttoppoint);
  v.Point("hittestleftbottompoint", hittestleftbottompoint);
  v.Point("hittestrightbottompoint", hittestrightbottompoint);
  v.Rect("buttonsrect", buttonsrect);
  v.Rect("captionrect", captionrect);
  v.Integer("buttonsoffset", buttonsoffset, 0);
  v.Boolean("buttonsinleft", buttonsinleft);
  v.Boolean("mainmenupopupup", mainmenupopupup);
  v.Integer("borderwidth", borderwidth, 0);
  v.Integer("formminwidth", formminwidth, 0);
  v.Boolean("mditabstransparent", mditabstransparent);
  v.Boolean("mainmenubartransparent", mainmenubartransparent);
  v.Boolean("autorenderinginactiveimage", autorenderinginactiveimage);
  v.InactiveEffect("inactiveeffect", inactiveeffect);
}

void TskFormInfo::AfterRead() {
  if (masked) ApplyMaskRules();
  ClampCornersToClient();
}

namespace {

bool IsNull(TPoint p) {
  return p.x == 0 || p.y == 0;
}

}  // namespace

void TskFormInfo::ApplyMaskRules() {
  if (maskrectarea.IsEmpty()) {
    maskrectarea = clientrect;
  } else {
    maskrectarea = {std::min(maskrectarea.left, clientrect.left),
                    std::min(maskrectarea.top, clientrect.top),
                    std::max(maskrectarea.right, clientrect.right),
                    std::max(maskrectarea.bottom, clientrect.bottom)};
  }
  if (IsNull(hittestlefttoppoint)) hittestlefttoppoint = lefttoppoint;
  if (IsNull(hittestrighttoppoint)) hittestrighttoppoint = righttoppoint;
  if (IsNull(hittestleftbottompoint)) hittestleftbottompoint = leftbottompoint;
  if (IsNull(hittestrightbottompoint)) hittestrightbottompoint = rightbottompoint;
}

// The fixed corners of the frame may not reach into the client area, unless the corner points
// leave no stretchable band between them.
void TskFormInfo::ClampCornersToClient() {
  if (rightbottompoint.x == lefttoppoint.x || rightbottompoint.y == lefttoppoint.y) return;
  const TRect& c = clientrect;
  lefttoppoint = {std::max(lefttoppoint.x, c.left), std::max(lefttoppoint.y, c.top)};
  righttoppoint = {std::min(righttoppoint.x, c.right), std::max(righttoppoint.y, c.top)};
  leftbottompoint = {std::max(leftbottompoint.x, c.left), std::min(leftbottompoint.y, c.bottom)};
  rightbottompoint = {std::min(rightbottompoint.x, c.right),
                      std::min(rightbottompoint.y, c.bottom)};
}

void TskDataSkinPopupWindow::VisitFields(TskFieldVisitor& v) {
  v.PictureIndex("windowpictureindex", windowpictureindex);
  v.PictureIndex("maskpictureindex", maskpictureindex);
  v.Point("lefttoppoint", lefttoppoint);
  v.Point("righttoppoint", righttoppoint);
  v.Point("leftbottompoint", leftbottompoint);
  v.Point("rightbottompoint", rightbottompoint);
  v.Rect("itemsrect", itemsrect);
  v.Color("scrollmarkercolor", scrollmarkercolor);
  v.Color("scrollmarkeractivecolor", scrollmarkeractivecolor);
  v.Boolean("leftstretch", leftstretch);
  v.Boolean("rightstretch", rightstretch);
  v.Boolean("topstretch", topstretch);
  v.Boolean("bottomstretch", bottomstretch);
  v.Boolean("stretcheffect", stretcheffect);
  v.StretchType("stretchtype", stretchtype);
}

void TskDataSkinHintWindow::VisitFields(TskFieldVisitor& v) {
  v.PictureIndex("windowpictureindex", windowpictureindex);
  v.PictureIndex("maskpictureindex", maskpictureindex);
  v.Point("lefttoppoint", lefttoppoint);
  v.Point("righttoppoint", righttoppoint);
  v.Point("leftbottompoint", leftbottompoint);
  v.Point("rightbottompoint", rightbottompoint);
  v.Rect("clientrect", clientrect);
  v.Font(fontname, fontheight, fontstyle, fontcolor);
  v.Boolean("leftstretch", leftstretch);
  v.Boolean("rightstretch", rightstretch);
  v.Boolean("topstretch", topstretch);
  v.Boolean("bottomstretch", bottomstretch);
  v.Boolean("stretcheffect", stretcheffect);
  v.StretchType("stretchtype", stretchtype);
}

void TskSkinColors::Reset() {
  cbtnface = SystemColor(kColorBtnFace);
  cbtntext = SystemColor(kColorBtnText);
  cwindow = SystemColor(kColorWindow);
  cwindowtext = SystemColor(kColorWindowText);
  chighlight = SystemColor(kColorHighlight);
  chighlighttext = SystemColor(kColorHighlightText);
  cbtnhighlight = SystemColor(kColorBtnHighlight);
  cbtnshadow = SystemColor(kColorBtnShadow);
}

void TskSkinColors::VisitFields(TskFieldVisitor& v) {
  v.Color("cbtnface", cbtnface, SystemColor(kColorBtnFace));
  v.Color("cbtntext", cbtntext, SystemColor(kColorBtnText));
  v.Color("cwindow", cwindow, SystemColor(kColorWindow));
  v.Color("cwindowtext", cwindowtext, SystemColor(kColorWindowText));
  v.Color("chighlight", chighlight, SystemColor(kColorHighlight));
  v.Color("chighlighttext", chighlighttext, SystemColor(kColorHighlightText));
  v.Color("cbtnhighlight", cbtnhighlight, SystemColor(kColorBtnHighlight));
  v.Color("cbtnshadow", cbtnshadow, SystemColor(kColorBtnShadow));
}

}  // namespace vl
