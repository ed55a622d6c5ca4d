#include "skin/data/skin_controls.h"

namespace vl {

void TskDataSkinControl::VisitFields(TskFieldVisitor& v) {
  v.PictureIndex("pictureindex", pictureindex);
  v.PictureIndex("maskpictureindex", maskpictureindex);
  v.Rect("skinrect", skinrect);
}

void TskDataSkinCustomControl::VisitFields(TskFieldVisitor& v) {
  TskDataSkinControl::VisitFields(v);
  v.Point("lefttoppoint", lefttoppoint);
  v.Point("righttoppoint", righttoppoint);
  v.Point("leftbottompoint", leftbottompoint);
  v.Point("rightbottompoint", rightbottompoint);
  v.Rect("clientrect", clientrect);
  v.Boolean("leftstretch", leftstretch);
  v.Boolean("topstretch", topstretch);
  v.Boolean("rightstretch", rightstretch);
  v.Boolean("bottomstretch", bottomstretch);
  v.Boolean("stretcheffect", stretcheffect);
  v.StretchType("stretchtype", stretchtype);
}

void TskDataSkinPanelControl::VisitFields(TskFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.PictureIndex("bgpictureindex", bgpictureindex);
  v.Rect("captionrect", captionrect);
  v.Alignment("alignment", alignment);
  v.Font(fontname, fontheight, fontstyle, fontcolor);
  v.Rect("checkimagerect", checkimagerect);
  v.Rect("uncheckimagerect", uncheckimagerect);
  v.Rect("markframerect", markframerect);
  v.Rect("framerect", framerect);
  v.Rect("frametextrect", frametextrect);
  v.Integer("frameleftoffset", frameleftoffset, 0);
  v.Integer("framerightoffset", framerightoffset, 0);
  v.Rect("gripperrect", gripperrect);
  v.Boolean("grippertransparent", grippertransparent);
  v.Color("grippertransparentcolor", grippertransparentcolor);
}

void TskDataSkinLabelControl::VisitFields(TskFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.Font(fontname, fontheight, fontstyle, fontcolor);
}

void TskDataSkinButtonControl::VisitFields(TskFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.Font(fontname, fontheight, fontstyle, fontcolor);
  v.Color("activefontcolor", activefontcolor);
  v.Color("downfontcolor", downfontcolor);
  v.Color("disabledfontcolor", disabledfontcolor);
  v.Rect("activeskinrect", activeskinrect);
  v.Rect("downskinrect", downskinrect);
  v.Rect("focusedskinrect", focusedskinrect);
  v.Rect("disabledskinrect", disabledskinrect);
  v.Boolean("morphing", morphing);
  v.MorphKind("morphkind", morphkind);
  v.Rect("animateskinrect", animateskinrect);
  v.Integer("framecount", framecount, 0);
  v.Integer("animateinterval", animateinterval, 25);
  v.Boolean("showfocus", showfocus);
  v.Rect("menumarkerflatrect", menumarkerflatrect);
  v.Rect("menumarkerrect", menumarkerrect);
  v.Rect("menumarkeractiverect", menumarkeractiverect);
  v.Rect("menumarkerdownrect", menumarkerdownrect);
  v.Color("menumarkertransparentcolor", menumarkertransparentcolor);
  v.PictureIndex("glowlayerpictureindex", glowlayerpictureindex);
  v.PictureIndex("glowlayermaskpictureindex", glowlayermaskpictureindex);
  v.Integer("glowlayeroffsetleft", glowlayeroffsetleft, 0);
  v.Integer("glowlayeroffsettop", glowlayeroffsettop, 0);
  v.Integer("glowlayeroffsetright", glowlayeroffsetright, 0);
  v.Integer("glowlayeroffsetbottom", glowlayeroffsetbottom, 0);
  v.Integer("glowlayershowoffsetx", glowlayershowoffsetx, 0);
  v.Integer("glowlayershowoffsety", glowlayershowoffsety, 0);
  v.Integer("glowlayeralphablendvalue", glowlayeralphablendvalue, 255);
}

void TskDataSkinMenuButtonControl::VisitFields(TskFieldVisitor& v) {
  TskDataSkinButtonControl::VisitFields(v);
  v.Rect("trackbuttonrect", trackbuttonrect);
}

void TskDataSkinListView::VisitFields(TskFieldVisitor& v) {
  TskDataSkinControl::VisitFields(v);
  v.Font(fontname, fontheight, fontstyle, fontcolor);
  v.Color("bgcolor", bgcolor);
}

void TskDataSkinEditControl::VisitFields(TskFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.Rect("activeskinrect", activeskinrect);
  v.Font(fontname, fontheight, fontstyle, fontcolor);
  v.Color("disabledfontcolor", disabledfontcolor);
  v.Color("activefontcolor", activefontcolor);
  v.Rect("buttonrect", buttonrect);
  v.Rect("activebuttonrect", activebuttonrect);
  v.Rect("downbuttonrect", downbuttonrect);
  v.Rect("unenabledbuttonrect", unenabledbuttonrect);
}

void TskDataSkinMemoControl::VisitFields(TskFieldVisitor& v) {
  TskDataSkinEditControl::VisitFields(v);
  v.Color("bgcolor", bgcolor);
  v.Color("activebgcolor", activebgcolor);
}

void TskDataSkinScrollBarControl::VisitFields(TskFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.Rect("trackarea", trackarea);
  v.Rect("upbuttonrect", upbuttonrect);
  v.Rect("activeupbuttonrect", activeupbuttonrect);
  v.Rect("downupbuttonrect", downupbuttonrect);
  v.Rect("downbuttonrect", downbuttonrect);
  v.Rect("activedownbuttonrect", activedownbuttonrect);
  v.Rect("downdownbuttonrect", downdownbuttonrect);
  v.Rect("thumbrect", thumbrect);
  v.Rect("activethumbrect", activethumbrect);
  v.Rect("downthumbrect", downthumbrect);
  v.Integer("thumboffset1", thumboffset1, 0);
  v.Integer("thumboffset2", thumboffset2, 0);
  v.Boolean("thumbtransparent", thumbtransparent);
  v.Color("thumbtransparentcolor", thumbtransparentcolor);
  v.Boolean("thumbstretcheffect", thumbstretcheffect);
  v.Integer("thumbminsize", thumbminsize, 0);
  v.Integer("thumbminpagesize", thumbminpagesize, 0);
  v.Rect("glyphrect", glyphrect);
  v.Rect("activeglyphrect", activeglyphrect);
  v.Rect("downglyphrect", downglyphrect);
  v.Boolean("glyphtransparent", glyphtransparent);
  v.Color("glyphtransparentcolor", glyphtransparentcolor);
}

void TskDataSkinMainMenuBar::VisitFields(TskFieldVisitor& v) {
  TskDataSkinControl::VisitFields(v);
  v.Rect("itemsrect", itemsrect);
  v.Text("menubaritem", menubaritem, "");
  v.Text("closebutton", closebutton, "");
  v.Text("minbutton", minbutton, "");
  v.Text("maxbutton", maxbutton, "");
  v.Text("sysmenubutton", sysmenubutton, "");
  v.Color("trackmarkcolor", trackmarkcolor);
  v.Color("trackmarkactivecolor", trackmarkactivecolor);
  v.Boolean("stretcheffect", stretcheffect);
  v.Boolean("itemtransparent", itemtransparent);
}

void TskDataSkinExPanelControl::VisitFields(TskFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.Rect("rollhskinrect", rollhskinrect);
  v.Rect("rollvskinrect", rollvskinrect);
  v.Integer("rollleftoffset", rollleftoffset, 0);
  v.Integer("rollrightoffset", rollrightoffset, 0);
  v.Integer("rolltopoffset", rolltopoffset, 0);
  v.Integer("rollbottomoffset", rollbottomoffset, 0);
  v.Rect("rollvcaptionrect", rollvcaptionrect);
  v.Rect("rollhcaptionrect", rollhcaptionrect);
  v.Rect("closebuttonrect", closebuttonrect);
  v.Rect("closebuttonactiverect", closebuttonactiverect);
  v.Rect("closebuttondownrect", closebuttondownrect);
  v.Rect("hrollbuttonrect", hrollbuttonrect);
  v.Rect("hrollbuttonactiverect", hrollbuttonactiverect);
  v.Rect("hrollbuttondownrect", hrollbuttondownrect);
  v.Rect("hrestorebuttonrect", hrestorebuttonrect);
  v.Rect("hrestorebuttonactiverect", hrestorebuttonactiverect);
  v.Rect("hrestorebuttondownrect", hrestorebuttondownrect);
  v.Rect("vrollbuttonrect", vrollbuttonrect);
  v.Rect("vrollbuttonactiverect", vrollbuttonactiverect);
  v.Rect("vrollbuttondownrect", vrollbuttondownrect);
  v.Rect("vrestorebuttonrect", vrestorebuttonrect);
  v.Rect("vrestorebuttonactiverect", vrestorebuttonactiverect);
  v.Rect("vrestorebuttondownrect", vrestorebuttondownrect);
  v.Rect("captionrect", captionrect);
  v.Font(fontname, fontheight, fontstyle, fontcolor);
  v.Boolean("buttonstransparent", buttonstransparent);
  v.Color("buttonstransparentcolor", buttonstransparentcolor);
}

void TskDataSkinCheckRadioControl::VisitFields(TskFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.Font(fontname, fontheight, fontstyle, fontcolor);
  v.Color("activefontcolor", activefontcolor);
  v.Color("unenabledfontcolor", unenabledfontcolor);
  v.Color("framefontcolor", framefontcolor);
  v.Rect("activeskinrect", activeskinrect);
  v.Rect("checkimagearea", checkimagearea);
  v.Rect("textarea", textarea);
  v.Rect("checkimagerect", checkimagerect);
  v.Rect("uncheckimagerect", uncheckimagerect);
  v.Rect("activecheckimagerect", activecheckimagerect);
  v.Rect("activeuncheckimagerect", activeuncheckimagerect);
  v.Rect("unenabledcheckimagerect", unenabledcheckimagerect);
  v.Rect("unenableduncheckimagerect", unenableduncheckimagerect);
  v.Rect("grayedcheckimagerect", grayedcheckimagerect);
  v.Rect("activegrayedcheckimagerect", activegrayedcheckimagerect);
  v.Boolean("morphing", morphing);
  v.MorphKind("morphkind", morphkind);
}

void TskDataSkinGaugeControl::VisitFields(TskFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.Rect("progressarea", progressarea);
  v.Rect("progressrect", progressrect);
  v.Integer("beginoffset", beginoffset, 0);
  v.Integer("endoffset", endoffset, 0);
  v.Boolean("vertical", vertical);
  v.Font(fontname, fontheight, fontstyle, fontcolor);
  v.Boolean("progresstransparent", progresstransparent);
  v.Color("progresstransparentcolor", progresstransparentcolor);
  v.Boolean("progressstretch", progressstretch);
  v.Rect("animationskinrect", animationskinrect);
  v.Integer("animationcountframes", animationcountframes, 0);
  v.Integer("animationtimerinterval", animationtimerinterval, 0);
  v.Rect("progressanimationskinrect", progressanimationskinrect);
  v.Integer("progressanimationcountframes", progressanimationcountframes, 0);
  v.Integer("progressanimationtimerinterval", progressanimationtimerinterval, 0);
  v.Integer("animationbeginoffset", animationbeginoffset, 0);
  v.Integer("animationendoffset", animationendoffset, 0);
}

void TskDataSkinSplitterControl::VisitFields(TskFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.Rect("gripperrect", gripperrect);
  v.Boolean("grippertransparent", grippertransparent);
  v.Color("grippertransparentcolor", grippertransparentcolor);
}

void TskDataSkinTrackBarControl::VisitFields(TskFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.Rect("activeskinrect", activeskinrect);
  v.Rect("trackarea", trackarea);
  v.Rect("buttonrect", buttonrect);
  v.Rect("activebuttonrect", activebuttonrect);
  v.Boolean("vertical", vertical);
  v.Boolean("buttontransparent", buttontransparent);
  v.Color("buttontransparentcolor", buttontransparentcolor);
}

void TskDataSkinStdLabelControl::VisitFields(TskFieldVisitor& v) {
  TskDataSkinControl::VisitFields(v);
  v.Font(fontname, fontheight, fontstyle, fontcolor);
  v.Color("activefontcolor", activefontcolor, 16711680);
}

void TskDataSkinUpDownControl::VisitFields(TskFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.Rect("upbuttonrect", upbuttonrect);
  v.Rect("activeupbuttonrect", activeupbuttonrect);
  v.Rect("downupbuttonrect", downupbuttonrect);
  v.Rect("downbuttonrect", downbuttonrect);
  v.Rect("activedownbuttonrect", activedownbuttonrect);
  v.Rect("downdownbuttonrect", downdownbuttonrect);
}

void TskDataSkinGridControl::VisitFields(TskFieldVisitor& v) {
  TskDataSkinControl::VisitFields(v);
  v.Rect("fixedcellrect", fixedcellrect);
  v.Rect("selectcellrect", selectcellrect);
  v.Rect("focuscellrect", focuscellrect);
  v.Integer("fixedcellleftoffset", fixedcellleftoffset, 0);
  v.Integer("fixedcellrightoffset", fixedcellrightoffset, 0);
  v.Rect("fixedcelltextrect", fixedcelltextrect);
  v.Integer("cellleftoffset", cellleftoffset, 0);
  v.Integer("cellrightoffset", cellrightoffset, 0);
  v.Rect("celltextrect", celltextrect);
  v.PictureIndex("bgpictureindex", bgpictureindex);
  v.Color("linescolor", linescolor);
  v.Color("bgcolor", bgcolor);
  v.Font(fontname, fontheight, fontstyle, fontcolor);
  v.Color("selectfontcolor", selectfontcolor);
  v.Color("focusfontcolor", focusfontcolor);
  v.Text("fixedfontname", fixedfontname, "Arial");
  v.Integer("fixedfontheight", fixedfontheight, 14);
  v.FontStyle("fixedfontstyle", fixedfontstyle);
  v.Color("fixedfontcolor", fixedfontcolor);
  v.Boolean("cellstretcheffect", cellstretcheffect);
  v.Boolean("fixedcellstretcheffect", fixedcellstretcheffect);
  v.Boolean("showfocus", showfocus);
}

void TskDataSkinTabControl::VisitFields(TskFieldVisitor& v) {
  TskDataSkinControl::VisitFields(v);
  v.Rect("tabrect", tabrect);
  v.Rect("activetabrect", activetabrect);
  v.Rect("focustabrect", focustabrect);
  v.Rect("mouseintabrect", mouseintabrect);
  v.Rect("clientrect", clientrect);
  v.PictureIndex("bgpictureindex", bgpictureindex);
  v.Point("lefttoppoint", lefttoppoint);
  v.Point("righttoppoint", righttoppoint);
  v.Point("leftbottompoint", leftbottompoint);
  v.Point("rightbottompoint", rightbottompoint);
  v.Integer("tableftoffset", tableftoffset, 0);
  v.Integer("tabrightoffset", tabrightoffset, 0);
  v.Rect("tabsbgrect", tabsbgrect);
  v.Boolean("tabstretcheffect", tabstretcheffect);
  v.Boolean("leftstretch", leftstretch);
  v.Boolean("topstretch", topstretch);
  v.Boolean("rightstretch", rightstretch);
  v.Boolean("bottomstretch", bottomstretch);
  v.Boolean("stretcheffect", stretcheffect);
  v.StretchType("stretchtype", stretchtype);
  v.Font(fontname, fontheight, fontstyle, fontcolor);
  v.Color("activefontcolor", activefontcolor);
  v.Color("focusfontcolor", focusfontcolor);
  v.Color("mouseinfontcolor", mouseinfontcolor);
  v.Text("updown", updown, "");
  v.Boolean("showfocus", showfocus);
  v.Integer("focusoffsetx", focusoffsetx, 0);
  v.Integer("focusoffsety", focusoffsety, 0);
  v.Rect("closebuttonrect", closebuttonrect);
  v.Rect("closebuttonactiverect", closebuttonactiverect);
  v.Rect("closebuttondownrect", closebuttondownrect);
  v.Boolean("buttontransparent", buttontransparent);
  v.Color("buttontransparentcolor", buttontransparentcolor);
}

void TskDataSkinControlBar::VisitFields(TskFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.Rect("itemrect", itemrect);
  v.PictureIndex("bgpictureindex", bgpictureindex);
  v.Rect("hgriprect", hgriprect);
  v.Rect("vgriprect", vgriprect);
  v.Integer("gripoffset1", gripoffset1, 0);
  v.Integer("gripoffset2", gripoffset2, 0);
  v.Boolean("itemstretcheffect", itemstretcheffect);
  v.Integer("itemoffset1", itemoffset1, 3);
  v.Integer("itemoffset2", itemoffset2, 3);
  v.Boolean("itemtransparent", itemtransparent);
  v.Color("itemtransparentcolor", itemtransparentcolor);
  v.Boolean("griptransparent", griptransparent);
  v.Color("griptransparentcolor", griptransparentcolor);
}

void TskDataSkinListBox::VisitFields(TskFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.Rect("itemrect", itemrect);
  v.Rect("activeitemrect", activeitemrect);
  v.Rect("focusitemrect", focusitemrect);
  v.Integer("itemleftoffset", itemleftoffset, 0);
  v.Integer("itemrightoffset", itemrightoffset, 0);
  v.Rect("itemtextrect", itemtextrect);
  v.Font(fontname, fontheight, fontstyle, fontcolor);
  v.Color("activefontcolor", activefontcolor);
  v.Color("focusfontcolor", focusfontcolor);
  v.Rect("captionrect", captionrect);
  v.Text("captionfontname", captionfontname, "Arial");
  v.Integer("captionfontheight", captionfontheight, 14);
  v.FontStyle("captionfontstyle", captionfontstyle);
  v.Color("captionfontcolor", captionfontcolor);
  v.Rect("upbuttonrect", upbuttonrect);
  v.Rect("activeupbuttonrect", activeupbuttonrect);
  v.Rect("downupbuttonrect", downupbuttonrect);
  v.Rect("downbuttonrect", downbuttonrect);
  v.Rect("activedownbuttonrect", activedownbuttonrect);
  v.Rect("downdownbuttonrect", downdownbuttonrect);
  v.Rect("checkbuttonrect", checkbuttonrect);
  v.Rect("activecheckbuttonrect", activecheckbuttonrect);
  v.Rect("downcheckbuttonrect", downcheckbuttonrect);
  v.Text("vscrollbarname", vscrollbarname, "vscrollbar");
  v.Text("hscrollbarname", hscrollbarname, "hscrollbar");
  v.Text("bothhscrollbarname", bothhscrollbarname, "bothhscrollbar");
  v.Boolean("showfocus", showfocus);
  v.Rect("disabledbuttonsrect", disabledbuttonsrect);
  v.Rect("buttonsarea", buttonsarea);
}

void TskDataSkinCheckListBox::VisitFields(TskFieldVisitor& v) {
  TskDataSkinListBox::VisitFields(v);
  v.Rect("itemcheckrect", itemcheckrect);
  v.Rect("checkimagerect", checkimagerect);
  v.Rect("uncheckimagerect", uncheckimagerect);
}

void TskDataSkinComboBox::VisitFields(TskFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.Rect("activeskinrect", activeskinrect);
  v.Rect("itemrect", itemrect);
  v.Rect("activeitemrect", activeitemrect);
  v.Rect("focusitemrect", focusitemrect);
  v.Integer("itemleftoffset", itemleftoffset, 0);
  v.Integer("itemrightoffset", itemrightoffset, 0);
  v.Rect("itemtextrect", itemtextrect);
  v.Font(fontname, fontheight, fontstyle, fontcolor);
  v.Color("focusfontcolor", focusfontcolor);
  v.Color("activefontcolor", activefontcolor);
  v.Text("listboxname", listboxname, "");
  v.Rect("buttonrect", buttonrect);
  v.Rect("activebuttonrect", activebuttonrect);
  v.Rect("downbuttonrect", downbuttonrect);
  v.Rect("unenabledbuttonrect", unenabledbuttonrect);
  v.Boolean("itemstretcheffect", itemstretcheffect);
  v.Boolean("focusitemstretcheffect", focusitemstretcheffect);
  v.Boolean("showfocus", showfocus);
}

void TskDataSkinSpinEditControl::VisitFields(TskFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.Rect("activeskinrect", activeskinrect);
  v.Font(fontname, fontheight, fontstyle, fontcolor);
  v.Color("activefontcolor", activefontcolor);
  v.Color("disabledfontcolor", disabledfontcolor);
  v.Rect("upbuttonrect", upbuttonrect);
  v.Rect("activeupbuttonrect", activeupbuttonrect);
  v.Rect("downupbuttonrect", downupbuttonrect);
  v.Rect("downbuttonrect", downbuttonrect);
  v.Rect("activedownbuttonrect", activedownbuttonrect);
  v.Rect("downdownbuttonrect", downdownbuttonrect);
}

void TskDataSkinScrollBoxControl::VisitFields(TskFieldVisitor& v) {
  TskDataSkinCustomControl::VisitFields(v);
  v.PictureIndex("bgpictureindex", bgpictureindex);
}

void TskDataSkinTreeView::VisitFields(TskFieldVisitor& v) {
  TskDataSkinControl::VisitFields(v);
  v.Font(fontname, fontheight, fontstyle, fontcolor);
  v.Color("bgcolor", bgcolor);
}

void TskDataSkinBevel::VisitFields(TskFieldVisitor& v) {
  TskDataSkinControl::VisitFields(v);
  v.Color("lightcolor", lightcolor);
  v.Color("darkcolor", darkcolor);
}

void TskDataSkinSlider::VisitFields(TskFieldVisitor& v) {
  TskDataSkinControl::VisitFields(v);
  v.Color("bgcolor", bgcolor);
  v.Rect("hrulerrect", hrulerrect);
  v.Rect("hthumbrect", hthumbrect);
  v.Rect("vrulerrect", vrulerrect);
  v.Rect("vthumbrect", vthumbrect);
  v.Integer("edgesize", edgesize, 0);
  v.Color("pointscolor", pointscolor);
}

void TskDataSkinRichEdit::VisitFields(TskFieldVisitor& v) {
  TskDataSkinControl::VisitFields(v);
  v.Font(fontname, fontheight, fontstyle, fontcolor);
  v.Color("bgcolor", bgcolor);
}

// An up-down control always takes the size it is given.
void TskDataSkinUpDownControl::AfterRead() {
  lefttoppoint = righttoppoint = leftbottompoint = rightbottompoint = TPoint{};
  clientrect = TRect{};
}

std::unique_ptr<TskDataSkinControl> CreateSkinControl(std::string_view kind, std::string name) {
  if (kind == "panel") return std::make_unique<TskDataSkinPanelControl>(std::move(name));
  if (kind == "label") return std::make_unique<TskDataSkinLabelControl>(std::move(name));
  if (kind == "button") return std::make_unique<TskDataSkinButtonControl>(std::move(name));
  if (kind == "menubutton") return std::make_unique<TskDataSkinMenuButtonControl>(std::move(name));
  if (kind == "listview") return std::make_unique<TskDataSkinListView>(std::move(name));
  if (kind == "edit") return std::make_unique<TskDataSkinEditControl>(std::move(name));
  if (kind == "memo") return std::make_unique<TskDataSkinMemoControl>(std::move(name));
  if (kind == "scrollbar") return std::make_unique<TskDataSkinScrollBarControl>(std::move(name));
  if (kind == "mainmenubar") return std::make_unique<TskDataSkinMainMenuBar>(std::move(name));
  if (kind == "expanel") return std::make_unique<TskDataSkinExPanelControl>(std::move(name));
  if (kind == "checkradio") return std::make_unique<TskDataSkinCheckRadioControl>(std::move(name));
  if (kind == "gauge") return std::make_unique<TskDataSkinGaugeControl>(std::move(name));
  if (kind == "splitter") return std::make_unique<TskDataSkinSplitterControl>(std::move(name));
  if (kind == "trackbar") return std::make_unique<TskDataSkinTrackBarControl>(std::move(name));
  if (kind == "stdlabel") return std::make_unique<TskDataSkinStdLabelControl>(std::move(name));
  if (kind == "updown") return std::make_unique<TskDataSkinUpDownControl>(std::move(name));
  if (kind == "grid") return std::make_unique<TskDataSkinGridControl>(std::move(name));
  if (kind == "tab") return std::make_unique<TskDataSkinTabControl>(std::move(name));
  if (kind == "controlbar") return std::make_unique<TskDataSkinControlBar>(std::move(name));
  if (kind == "checklistbox") return std::make_unique<TskDataSkinCheckListBox>(std::move(name));
  if (kind == "listbox") return std::make_unique<TskDataSkinListBox>(std::move(name));
  if (kind == "combobox") return std::make_unique<TskDataSkinComboBox>(std::move(name));
  if (kind == "spinedit") return std::make_unique<TskDataSkinSpinEditControl>(std::move(name));
  if (kind == "scrollbox") return std::make_unique<TskDataSkinScrollBoxControl>(std::move(name));
  if (kind == "treeview") return std::make_unique<TskDataSkinTreeView>(std::move(name));
  if (kind == "bevel") return std::make_unique<TskDataSkinBevel>(std::move(name));
  if (kind == "slider") return std::make_unique<TskDataSkinSlider>(std::move(name));
  if (kind == "richedit") return std::make_unique<TskDataSkinRichEdit>(std::move(name));
  return nullptr;
}

}  // namespace vl
