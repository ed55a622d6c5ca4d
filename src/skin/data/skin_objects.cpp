#include "skin/data/skin_objects.h"

namespace vl {
namespace {

// A button that undoes a window state offers "Restore" as its hint in that state, unless the
// skin names a restore hint of its own.
std::string DefaultRestoreHint(const std::string& hint, TStdCommand command) {
  bool undoes_state = (hint == "Maximize" && command == TStdCommand::cmMaximize) ||
                      (hint == "Minimize" && command == TStdCommand::cmMinimize) ||
                      ((hint == "RollUp" || hint == "Roll Up") && command == TStdCommand::cmRollUp);
  return undoes_state ? "Restore" : "";
}

}  // namespace

void TskDataSkinObject::VisitFields(TskFieldVisitor& v) {
  v.Text("hint", hint, "");
  v.PictureIndex("activepictureindex", activepictureindex);
  v.PictureIndex("activemaskpictureindex", activemaskpictureindex);
  v.Boolean("skinrectinapicture", skinrectinapicture);
  v.Rect("skinrect", skinrect);
  v.Rect("activeskinrect", activeskinrect);
  v.Rect("inactiveskinrect", inactiveskinrect);
  v.Boolean("morphing", morphing);
  v.MorphKind("morphkind", morphkind);
  v.PictureIndex("glowlayerpictureindex", glowlayerpictureindex);
  v.PictureIndex("glowlayermaskpictureindex", glowlayermaskpictureindex);
  v.Integer("glowlayeroffsetx", glowlayeroffsetx, 0);
  v.Integer("glowlayeroffsety", glowlayeroffsety, 0);
  v.Integer("glowlayeralphablendvalue", glowlayeralphablendvalue, 255);
}

void TskDataSkinButton::VisitFields(TskFieldVisitor& v) {
  TskDataSkinObject::VisitFields(v);
  v.Rect("downrect", downrect);
  v.Rect("disableskinrsect", disableskinrsect);
}

void TskDataSkinStdButton::VisitFields(TskFieldVisitor& v) {
  TskDataSkinButton::VisitFields(v);
  v.Command("command", command);
  v.Rect("restorerect", restorerect);
  v.Rect("restoreactiverect", restoreactiverect);
  v.Rect("restoredownrect", restoredownrect);
  v.Rect("restoreinactiverect", restoreinactiverect);
  v.Text("restorehint", restorehint, "");
}

void TskDataSkinStdButton::AfterRead() {
  if (restorehint.empty()) restorehint = DefaultRestoreHint(hint, command);
}

void TskDataSkinAnimate::VisitFields(TskFieldVisitor& v) {
  TskDataSkinObject::VisitFields(v);
  v.Integer("countframes", countframes, 1);
  v.Boolean("cycle", cycle);
  v.Boolean("buttonstyle", buttonstyle);
  v.Integer("timerinterval", timerinterval, 50);
  v.Command("command", command);
  v.Rect("downskinrect", downskinrect);
  v.Rect("restorerect", restorerect);
  v.Rect("restoreactiverect", restoreactiverect);
  v.Rect("restoredownrect", restoredownrect);
  v.Rect("restoreinactiverect", restoreinactiverect);
  v.Text("restorehint", restorehint, "");
}

void TskDataSkinAnimate::AfterRead() {
  morphing = false;
  if (restorehint.empty()) restorehint = DefaultRestoreHint(hint, command);
}

void TskDataSkinCaption::VisitFields(TskFieldVisitor& v) {
  TskDataSkinObject::VisitFields(v);
  v.Rect("textrect", textrect);
  v.Font(fontname, fontheight, fontstyle, fontcolor);
  v.Color("activefontcolor", activefontcolor);
  v.Alignment("alignment", alignment);
  v.Boolean("light", light);
  v.Color("lightcolor", lightcolor);
  v.Color("activelightcolor", activelightcolor);
  v.Boolean("shadow", shadow);
  v.Color("shadowcolor", shadowcolor);
  v.Color("activeshadowcolor", activeshadowcolor);
  v.Rect("framerect", framerect);
  v.Rect("activeframerect", activeframerect);
  v.Rect("frametextrect", frametextrect);
  v.Integer("frameleftoffset", frameleftoffset, 0);
  v.Integer("framerightoffset", framerightoffset, 0);
  v.Boolean("stretcheffect", stretcheffect);
  v.Rect("animateskinrect", animateskinrect);
  v.Integer("framecount", framecount, 0);
  v.Integer("animateinterval", animateinterval, 25);
  v.Boolean("inactiveanimation", inactiveanimation);
  v.Boolean("fullframe", fullframe);
  v.Boolean("vistagloweffect", vistagloweffect);
  v.Boolean("vistaglowinactiveeffect", vistaglowinactiveeffect);
  v.Boolean("gloweffect", gloweffect);
  v.Boolean("glowinactiveeffect", glowinactiveeffect);
  v.Integer("glowsize", glowsize, 3);
  v.Color("glowcolor", glowcolor);
  v.Color("glowactivecolor", glowactivecolor);
  v.Integer("glowoffset", glowoffset, 0);
  v.Boolean("reflectioneffect", reflectioneffect);
  v.Color("reflactioncolor", reflactioncolor);
  v.Color("reflactionactivecolor", reflactionactivecolor);
  v.Integer("reflectionoffset", reflectionoffset, 0);
}

void TskDataSkinMenuItem::VisitFields(TskFieldVisitor& v) {
  TskDataSkinObject::VisitFields(v);
  v.Integer("itemleftoffset", itemleftoffset, 0);
  v.Integer("itemrightoffset", itemrightoffset, 0);
  v.Rect("dividerrect", dividerrect);
  v.Integer("dividerleftoffset", dividerleftoffset, 0);
  v.Integer("dividerrightoffset", dividerrightoffset, 0);
  v.Rect("textrect", textrect);
  v.Rect("imagerect", imagerect);
  v.Font(fontname, fontheight, fontstyle, fontcolor);
  v.Color("activefontcolor", activefontcolor);
  v.Color("unenabledfontcolor", unenabledfontcolor);
  v.Boolean("stretcheffect", stretcheffect);
  v.Boolean("inactivestretcheffect", inactivestretcheffect);
  v.Boolean("dividerstretcheffect", dividerstretcheffect);
  v.Rect("animateskinrect", animateskinrect);
  v.Integer("framecount", framecount, 0);
  v.Integer("animateinterval", animateinterval, 25);
  v.Boolean("inactiveanimation", inactiveanimation);
  v.Boolean("useimagecolor", useimagecolor);
  v.Color("imagecolor", imagecolor);
  v.Color("activeimagecolor", activeimagecolor);
  v.Boolean("inactivetransparent", inactivetransparent);
  v.Rect("checkimagerect", checkimagerect);
  v.Rect("activecheckimagerect", activecheckimagerect);
  v.Rect("radioimagerect", radioimagerect);
  v.Rect("activeradioimagerect", activeradioimagerect);
  v.Rect("arrowimagerect", arrowimagerect);
  v.Rect("activearrowimagerect", activearrowimagerect);
}

void TskDataSkinMenuItem::AfterRead() {
  if (activecheckimagerect.IsEmpty()) activecheckimagerect = checkimagerect;
  if (activeradioimagerect.IsEmpty()) activeradioimagerect = radioimagerect;
  if (activearrowimagerect.IsEmpty()) activearrowimagerect = arrowimagerect;
}

void TskDataSkinMainMenuItem::VisitFields(TskFieldVisitor& v) {
  TskDataSkinObject::VisitFields(v);
  v.Integer("itemleftoffset", itemleftoffset, 0);
  v.Integer("itemrightoffset", itemrightoffset, 0);
  v.Rect("downrect", downrect);
  v.Rect("textrect", textrect);
  v.Font(fontname, fontheight, fontstyle, fontcolor);
  v.Color("activefontcolor", activefontcolor);
  v.Color("downfontcolor", downfontcolor);
  v.Color("unenabledfontColor", unenabledfontcolor);
  v.Boolean("stretcheffect", stretcheffect);
  v.Rect("animateskinrect", animateskinrect);
  v.Integer("framecount", framecount, 0);
  v.Integer("animateinterval", animateinterval, 25);
  v.Boolean("inactiveanimation", inactiveanimation);
}

void TskDataUserObject::Read(const TIniText& ini) {
  skinrect = ini.ReadRect(SectionName, "skinrect");
}

std::unique_ptr<TskDataSkinObject> CreateSkinObject(std::string_view kind, std::string name) {
  if (kind == "menuitem") return std::make_unique<TskDataSkinMenuItem>(std::move(name));
  if (kind == "mainmenubaritem")
    return std::make_unique<TskDataSkinMainMenuBarItem>(std::move(name));
  if (kind == "stdbutton") return std::make_unique<TskDataSkinStdButton>(std::move(name));
  if (kind == "mainmenubarbutton") {
    return std::make_unique<TskDataSkinMainMenuBarButton>(std::move(name));
  }
  if (kind == "button") return std::make_unique<TskDataSkinButton>(std::move(name));
  if (kind == "caption") return std::make_unique<TskDataSkinCaption>(std::move(name));
  if (kind == "animate") return std::make_unique<TskDataSkinAnimate>(std::move(name));
  if (kind == "userobject") return std::make_unique<TskDataUserObject>(std::move(name));
  return nullptr;
}

}  // namespace vl
