#pragma once
// The control definitions of the SKINCONTROLS list, one class per control kind. Every field is
// named after its key in the definition text; the kinds no window of Vorlisk draws are read and
// kept all the same, so a skin made for them loads whole.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/geometry.h"
#include "skin/data/skin_section.h"
#include "skin/data/skin_values.h"

namespace vl {

class TskDataSkinControl : public TskDataSkinSection {
 public:
  using TskDataSkinSection::TskDataSkinSection;
  std::int32_t pictureindex = -1;
  std::int32_t maskpictureindex = -1;
  TRect skinrect;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinCustomControl : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  TPoint lefttoppoint;
  TPoint righttoppoint;
  TPoint leftbottompoint;
  TPoint rightbottompoint;
  TRect clientrect;
  bool leftstretch = false;
  bool topstretch = false;
  bool rightstretch = false;
  bool bottomstretch = false;
  bool stretcheffect = false;
  TStretchType stretchtype = TStretchType::stFull;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinPanelControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  std::int32_t bgpictureindex = -1;
  TRect captionrect;
  TAlignment alignment = TAlignment::taCenter;
  std::string fontname = "Arial";
  std::int32_t fontheight = 14;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TRect checkimagerect;
  TRect uncheckimagerect;
  TRect markframerect;
  TRect framerect;
  TRect frametextrect;
  std::int32_t frameleftoffset = 0;
  std::int32_t framerightoffset = 0;
  TRect gripperrect;
  bool grippertransparent = false;
  TColor grippertransparentcolor = 0;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinLabelControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  std::string fontname = "Arial";
  std::int32_t fontheight = 14;
  TFontStyles fontstyle;
  TColor fontcolor = 0;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinButtonControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  std::string fontname = "Arial";
  std::int32_t fontheight = 14;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 0;
  TColor downfontcolor = 0;
  TColor disabledfontcolor = 0;
  TRect activeskinrect;
  TRect downskinrect;
  TRect focusedskinrect;
  TRect disabledskinrect;
  bool morphing = false;
  TMorphKind morphkind = TMorphKind::mkDefault;
  TRect animateskinrect;
  std::int32_t framecount = 0;
  std::int32_t animateinterval = 25;
  bool showfocus = false;
  TRect menumarkerflatrect;
  TRect menumarkerrect;
  TRect menumarkeractiverect;
  TRect menumarkerdownrect;
  TColor menumarkertransparentcolor = 0;
  std::int32_t glowlayerpictureindex = -1;
  std::int32_t glowlayermaskpictureindex = -1;
  std::int32_t glowlayeroffsetleft = 0;
  std::int32_t glowlayeroffsettop = 0;
  std::int32_t glowlayeroffsetright = 0;
  std::int32_t glowlayeroffsetbottom = 0;
  std::int32_t glowlayershowoffsetx = 0;
  std::int32_t glowlayershowoffsety = 0;
  std::int32_t glowlayeralphablendvalue = 255;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinMenuButtonControl : public TskDataSkinButtonControl {
 public:
  using TskDataSkinButtonControl::TskDataSkinButtonControl;
  TRect trackbuttonrect;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinListView : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  std::string fontname = "Arial";
  std::int32_t fontheight = 14;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor bgcolor = 0;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinEditControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  TRect activeskinrect;
  std::string fontname = "Arial";
  std::int32_t fontheight = 14;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor disabledfontcolor = 0;
  TColor activefontcolor = 0;
  TRect buttonrect;
  TRect activebuttonrect;
  TRect downbuttonrect;
  TRect unenabledbuttonrect;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinMemoControl : public TskDataSkinEditControl {
 public:
  using TskDataSkinEditControl::TskDataSkinEditControl;
  TColor bgcolor = 0;
  TColor activebgcolor = 0;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinScrollBarControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  TRect trackarea;
  TRect upbuttonrect;
  TRect activeupbuttonrect;
  TRect downupbuttonrect;
  TRect downbuttonrect;
  TRect activedownbuttonrect;
  TRect downdownbuttonrect;
  TRect thumbrect;
  TRect activethumbrect;
  TRect downthumbrect;
  std::int32_t thumboffset1 = 0;
  std::int32_t thumboffset2 = 0;
  bool thumbtransparent = false;
  TColor thumbtransparentcolor = 0;
  bool thumbstretcheffect = false;
  std::int32_t thumbminsize = 0;
  std::int32_t thumbminpagesize = 0;
  TRect glyphrect;
  TRect activeglyphrect;
  TRect downglyphrect;
  bool glyphtransparent = false;
  TColor glyphtransparentcolor = 0;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinMainMenuBar : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  TRect itemsrect;
  std::string menubaritem;
  std::string closebutton;
  std::string minbutton;
  std::string maxbutton;
  std::string sysmenubutton;
  TColor trackmarkcolor = 0;
  TColor trackmarkactivecolor = 0;
  bool stretcheffect = false;
  bool itemtransparent = false;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinExPanelControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  TRect rollhskinrect;
  TRect rollvskinrect;
  std::int32_t rollleftoffset = 0;
  std::int32_t rollrightoffset = 0;
  std::int32_t rolltopoffset = 0;
  std::int32_t rollbottomoffset = 0;
  TRect rollvcaptionrect;
  TRect rollhcaptionrect;
  TRect closebuttonrect;
  TRect closebuttonactiverect;
  TRect closebuttondownrect;
  TRect hrollbuttonrect;
  TRect hrollbuttonactiverect;
  TRect hrollbuttondownrect;
  TRect hrestorebuttonrect;
  TRect hrestorebuttonactiverect;
  TRect hrestorebuttondownrect;
  TRect vrollbuttonrect;
  TRect vrollbuttonactiverect;
  TRect vrollbuttondownrect;
  TRect vrestorebuttonrect;
  TRect vrestorebuttonactiverect;
  TRect vrestorebuttondownrect;
  TRect captionrect;
  std::string fontname = "Arial";
  std::int32_t fontheight = 14;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  bool buttonstransparent = false;
  TColor buttonstransparentcolor = 0;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinCheckRadioControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  std::string fontname = "Arial";
  std::int32_t fontheight = 14;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 0;
  TColor unenabledfontcolor = 0;
  TColor framefontcolor = 0;
  TRect activeskinrect;
  TRect checkimagearea;
  TRect textarea;
  TRect checkimagerect;
  TRect uncheckimagerect;
  TRect activecheckimagerect;
  TRect activeuncheckimagerect;
  TRect unenabledcheckimagerect;
  TRect unenableduncheckimagerect;
  TRect grayedcheckimagerect;
  TRect activegrayedcheckimagerect;
  bool morphing = false;
  TMorphKind morphkind = TMorphKind::mkDefault;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinGaugeControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  TRect progressarea;
  TRect progressrect;
  std::int32_t beginoffset = 0;
  std::int32_t endoffset = 0;
  bool vertical = false;
  std::string fontname = "Arial";
  std::int32_t fontheight = 14;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  bool progresstransparent = false;
  TColor progresstransparentcolor = 0;
  bool progressstretch = false;
  TRect animationskinrect;
  std::int32_t animationcountframes = 0;
  std::int32_t animationtimerinterval = 0;
  TRect progressanimationskinrect;
  std::int32_t progressanimationcountframes = 0;
  std::int32_t progressanimationtimerinterval = 0;
  std::int32_t animationbeginoffset = 0;
  std::int32_t animationendoffset = 0;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinSplitterControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  TRect gripperrect;
  bool grippertransparent = false;
  TColor grippertransparentcolor = 0;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinTrackBarControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  TRect activeskinrect;
  TRect trackarea;
  TRect buttonrect;
  TRect activebuttonrect;
  bool vertical = false;
  bool buttontransparent = false;
  TColor buttontransparentcolor = 0;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinStdLabelControl : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  std::string fontname = "Arial";
  std::int32_t fontheight = 14;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 16711680;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinUpDownControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  TRect upbuttonrect;
  TRect activeupbuttonrect;
  TRect downupbuttonrect;
  TRect downbuttonrect;
  TRect activedownbuttonrect;
  TRect downdownbuttonrect;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
  void AfterRead() override;
};

class TskDataSkinGridControl : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  TRect fixedcellrect;
  TRect selectcellrect;
  TRect focuscellrect;
  std::int32_t fixedcellleftoffset = 0;
  std::int32_t fixedcellrightoffset = 0;
  TRect fixedcelltextrect;
  std::int32_t cellleftoffset = 0;
  std::int32_t cellrightoffset = 0;
  TRect celltextrect;
  std::int32_t bgpictureindex = -1;
  TColor linescolor = 0;
  TColor bgcolor = 0;
  std::string fontname = "Arial";
  std::int32_t fontheight = 14;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor selectfontcolor = 0;
  TColor focusfontcolor = 0;
  std::string fixedfontname = "Arial";
  std::int32_t fixedfontheight = 14;
  TFontStyles fixedfontstyle;
  TColor fixedfontcolor = 0;
  bool cellstretcheffect = false;
  bool fixedcellstretcheffect = false;
  bool showfocus = false;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinTabControl : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  TRect tabrect;
  TRect activetabrect;
  TRect focustabrect;
  TRect mouseintabrect;
  TRect clientrect;
  std::int32_t bgpictureindex = -1;
  TPoint lefttoppoint;
  TPoint righttoppoint;
  TPoint leftbottompoint;
  TPoint rightbottompoint;
  std::int32_t tableftoffset = 0;
  std::int32_t tabrightoffset = 0;
  TRect tabsbgrect;
  bool tabstretcheffect = false;
  bool leftstretch = false;
  bool topstretch = false;
  bool rightstretch = false;
  bool bottomstretch = false;
  bool stretcheffect = false;
  TStretchType stretchtype = TStretchType::stFull;
  std::string fontname = "Arial";
  std::int32_t fontheight = 14;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 0;
  TColor focusfontcolor = 0;
  TColor mouseinfontcolor = 0;
  std::string updown;
  bool showfocus = false;
  std::int32_t focusoffsetx = 0;
  std::int32_t focusoffsety = 0;
  TRect closebuttonrect;
  TRect closebuttonactiverect;
  TRect closebuttondownrect;
  bool buttontransparent = false;
  TColor buttontransparentcolor = 0;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinControlBar : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  TRect itemrect;
  std::int32_t bgpictureindex = -1;
  TRect hgriprect;
  TRect vgriprect;
  std::int32_t gripoffset1 = 0;
  std::int32_t gripoffset2 = 0;
  bool itemstretcheffect = false;
  std::int32_t itemoffset1 = 3;
  std::int32_t itemoffset2 = 3;
  bool itemtransparent = false;
  TColor itemtransparentcolor = 0;
  bool griptransparent = false;
  TColor griptransparentcolor = 0;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinListBox : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  TRect itemrect;
  TRect activeitemrect;
  TRect focusitemrect;
  std::int32_t itemleftoffset = 0;
  std::int32_t itemrightoffset = 0;
  TRect itemtextrect;
  std::string fontname = "Arial";
  std::int32_t fontheight = 14;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 0;
  TColor focusfontcolor = 0;
  TRect captionrect;
  std::string captionfontname = "Arial";
  std::int32_t captionfontheight = 14;
  TFontStyles captionfontstyle;
  TColor captionfontcolor = 0;
  TRect upbuttonrect;
  TRect activeupbuttonrect;
  TRect downupbuttonrect;
  TRect downbuttonrect;
  TRect activedownbuttonrect;
  TRect downdownbuttonrect;
  TRect checkbuttonrect;
  TRect activecheckbuttonrect;
  TRect downcheckbuttonrect;
  std::string vscrollbarname = "vscrollbar";
  std::string hscrollbarname = "hscrollbar";
  std::string bothhscrollbarname = "bothhscrollbar";
  bool showfocus = false;
  TRect disabledbuttonsrect;
  TRect buttonsarea;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinCheckListBox : public TskDataSkinListBox {
 public:
  using TskDataSkinListBox::TskDataSkinListBox;
  TRect itemcheckrect;
  TRect checkimagerect;
  TRect uncheckimagerect;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinComboBox : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  TRect activeskinrect;
  TRect itemrect;
  TRect activeitemrect;
  TRect focusitemrect;
  std::int32_t itemleftoffset = 0;
  std::int32_t itemrightoffset = 0;
  TRect itemtextrect;
  std::string fontname = "Arial";
  std::int32_t fontheight = 14;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor focusfontcolor = 0;
  TColor activefontcolor = 0;
  std::string listboxname;
  TRect buttonrect;
  TRect activebuttonrect;
  TRect downbuttonrect;
  TRect unenabledbuttonrect;
  bool itemstretcheffect = false;
  bool focusitemstretcheffect = false;
  bool showfocus = false;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinSpinEditControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  TRect activeskinrect;
  std::string fontname = "Arial";
  std::int32_t fontheight = 14;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 0;
  TColor disabledfontcolor = 0;
  TRect upbuttonrect;
  TRect activeupbuttonrect;
  TRect downupbuttonrect;
  TRect downbuttonrect;
  TRect activedownbuttonrect;
  TRect downdownbuttonrect;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinScrollBoxControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  std::int32_t bgpictureindex = -1;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinTreeView : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  std::string fontname = "Arial";
  std::int32_t fontheight = 14;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor bgcolor = 0;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinBevel : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  TColor lightcolor = 0;
  TColor darkcolor = 0;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinSlider : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  TColor bgcolor = 0;
  TRect hrulerrect;
  TRect hthumbrect;
  TRect vrulerrect;
  TRect vthumbrect;
  std::int32_t edgesize = 0;
  TColor pointscolor = 0;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

class TskDataSkinRichEdit : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  std::string fontname = "Arial";
  std::int32_t fontheight = 14;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor bgcolor = 0;

 protected:
  void VisitFields(TskFieldVisitor& v) override;
};

// A new definition of the class of a control kind (letter case significant), or null for any
// other kind.
std::unique_ptr<TskDataSkinControl> CreateSkinControl(std::string_view kind, std::string name);

}  // namespace vl
