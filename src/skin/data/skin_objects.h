#pragma once
// The skin objects of the SKINOBJECTS list: caption buttons, the caption, popup menu items and
// the menu bar's items and buttons. Every field is named after its key in the definition text.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/geometry.h"
#include "skin/data/skin_section.h"
#include "skin/data/skin_values.h"

namespace vl {

class TskDataSkinObject : public TskDataSkinSection {
 public:
  using TskDataSkinSection::TskDataSkinSection;

  std::string hint;
  std::int32_t activepictureindex = -1;
  std::int32_t activemaskpictureindex = -1;
  bool skinrectinapicture = false;
  TRect skinrect;
  TRect activeskinrect;
  TRect inactiveskinrect;
  bool morphing = false;
  TMorphKind morphkind = TMorphKind::mkDefault;
  std::int32_t glowlayerpictureindex = -1;
  std::int32_t glowlayermaskpictureindex = -1;
  std::int32_t glowlayeroffsetx = 0;
  std::int32_t glowlayeroffsety = 0;
  std::int32_t glowlayeralphablendvalue = 255;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinButton : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  TRect downrect;
  TRect disableskinrsect;  // spelled so in every skin

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinStdButton : public TskDataSkinButton {
 public:
  using TskDataSkinButton::TskDataSkinButton;
  TStdCommand command = TStdCommand::cmDefault;
  TRect restorerect;
  TRect restoreactiverect;
  TRect restoredownrect;
  TRect restoreinactiverect;
  std::string restorehint;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
  void AfterRead() override;
};

class TskDataSkinMainMenuBarButton : public TskDataSkinStdButton {
 public:
  using TskDataSkinStdButton::TskDataSkinStdButton;
};

class TskDataSkinAnimate : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  std::int32_t countframes = 1;
  bool cycle = false;
  bool buttonstyle = false;
  std::int32_t timerinterval = 50;
  TStdCommand command = TStdCommand::cmDefault;
  TRect downskinrect;
  TRect restorerect;
  TRect restoreactiverect;
  TRect restoredownrect;
  TRect restoreinactiverect;
  std::string restorehint;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
  void AfterRead() override;
};

class TskDataSkinCaption : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  TRect textrect;
  std::string fontname = "Arial";
  std::int32_t fontheight = 14;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 0;
  TAlignment alignment = TAlignment::taCenter;
  bool light = false;
  TColor lightcolor = 0;
  TColor activelightcolor = 0;
  bool shadow = false;
  TColor shadowcolor = 0;
  TColor activeshadowcolor = 0;
  TRect framerect;
  TRect activeframerect;
  TRect frametextrect;
  std::int32_t frameleftoffset = 0;
  std::int32_t framerightoffset = 0;
  bool stretcheffect = false;
  TRect animateskinrect;
  std::int32_t framecount = 0;
  std::int32_t animateinterval = 25;
  bool inactiveanimation = false;
  bool fullframe = false;
  bool vistagloweffect = false;
  bool vistaglowinactiveeffect = false;
  bool gloweffect = false;
  bool glowinactiveeffect = false;
  std::int32_t glowsize = 3;
  TColor glowcolor = 0;
  TColor glowactivecolor = 0;
  std::int32_t glowoffset = 0;
  bool reflectioneffect = false;
  TColor reflactioncolor = 0;  // the keys are spelled with "reflaction"
  TColor reflactionactivecolor = 0;
  std::int32_t reflectionoffset = 0;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinMenuItem : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  std::int32_t itemleftoffset = 0;
  std::int32_t itemrightoffset = 0;
  TRect dividerrect;
  std::int32_t dividerleftoffset = 0;
  std::int32_t dividerrightoffset = 0;
  TRect textrect;
  TRect imagerect;
  std::string fontname = "Arial";
  std::int32_t fontheight = 14;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 0;
  TColor unenabledfontcolor = 0;
  bool stretcheffect = false;
  bool inactivestretcheffect = false;
  bool dividerstretcheffect = false;
  TRect animateskinrect;
  std::int32_t framecount = 0;
  std::int32_t animateinterval = 25;
  bool inactiveanimation = false;
  bool useimagecolor = false;
  TColor imagecolor = 0;
  TColor activeimagecolor = 0;
  bool inactivetransparent = false;
  TRect checkimagerect;
  TRect activecheckimagerect;
  TRect radioimagerect;
  TRect activeradioimagerect;
  TRect arrowimagerect;
  TRect activearrowimagerect;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
  void AfterRead() override;
};

class TskDataSkinMainMenuItem : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  std::int32_t itemleftoffset = 0;
  std::int32_t itemrightoffset = 0;
  TRect downrect;
  TRect textrect;
  std::string fontname = "Arial";
  std::int32_t fontheight = 14;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 0;
  TColor downfontcolor = 0;
  TColor unenabledfontcolor = 0;  // the key is spelled "unenabledfontColor"
  bool stretcheffect = false;
  TRect animateskinrect;
  std::int32_t framecount = 0;
  std::int32_t animateinterval = 25;
  bool inactiveanimation = false;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinMainMenuBarItem : public TskDataSkinMainMenuItem {
 public:
  using TskDataSkinMainMenuItem::TskDataSkinMainMenuItem;
};

// Reads only skinrect; every other field keeps the value of a new object.
class TskDataUserObject : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  void Read(const TIniText& ini) override;
};

// A new object of the class of an object kind (letter case significant), or null for any other
// kind.
std::unique_ptr<TskDataSkinObject> CreateSkinObject(std::string_view kind, std::string name);

}  // namespace vl
