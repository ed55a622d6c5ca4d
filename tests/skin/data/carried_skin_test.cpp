// The package the build makes from assets/skin and embeds in the executable.
#include <gtest/gtest.h>

#include <span>

#include "skin/data/skin_command.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_files.h"
#include "support/temp_dir.h"

namespace vl {
namespace {

class Quiet : public TskFormNotifier {
 public:
  void NotifyForms(TskSkinData&, unsigned) override {}
};

class CarriedSkinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    stored.ReadCompressedFile(VL_CARRIED_SKIN_PACKAGE);
    data.LoadPackage(stored);
  }
  Quiet quiet;
  TskCompressedStoredSkin stored;
  TskSkinData data{nullptr, quiet};
};

TEST_F(CarriedSkinTest, HoldsWhatTheWindowsExpect) {
  ASSERT_FALSE(data.Empty());
  EXPECT_EQ(data.Picture().bitmap.Width(), 285);
  EXPECT_EQ(data.Picture().bitmap.Height(), 210);
  EXPECT_TRUE(data.InActivePicture().Empty());
  EXPECT_EQ(data.Mask().bitmap.Width(), 285);
  EXPECT_EQ(data.Mask().bit_count, 8);
  struct Size {
    int width, height, bits;
  } sizes[] = {{75, 263, 24},  {28, 21, 24},   {93, 55, 24}, {132, 126, 24},
               {556, 410, 24}, {219, 178, 24}, {93, 55, 4},  {28, 21, 1}};
  ASSERT_EQ(data.ActivePictures().size(), 8u);
  for (std::size_t i = 0; i < 8; ++i) {
    EXPECT_EQ(data.ActivePictures()[i].bitmap.Width(), sizes[i].width) << i;
    EXPECT_EQ(data.ActivePictures()[i].bitmap.Height(), sizes[i].height) << i;
    EXPECT_EQ(data.ActivePictures()[i].bit_count, sizes[i].bits) << i;
  }
  EXPECT_EQ(data.ActivePictureNames()[4], "controls.bmp");
}

// Every entry of the two lists as name:kind, in order; a kind that is known but wrong would still
// give a definition, just of the wrong class.
const char* const kObjectEntries[] = {"closebutton:stdbutton",
                                      "maxbutton:stdbutton",
                                      "minbutton:stdbutton",
                                      "rollupbutton:stdbutton",
                                      "sysmenubutton:stdbutton",
                                      "caption:caption",
                                      "menuitem:menuitem",
                                      "mainmenubaritem:mainmenubaritem",
                                      "menubarsysmenubutton:mainmenubarbutton",
                                      "menubarclosebutton:mainmenubarbutton",
                                      "menubarmaxbutton:mainmenubarbutton",
                                      "menubarminbutton:mainmenubarbutton",
                                      "traybutton:stdbutton"};
const char* const kControlEntries[] = {"button:button",
                                       "toolpanel:panel",
                                       "toolbutton:button",
                                       "checkbox:checkradio",
                                       "gauge:gauge",
                                       "vgauge:gauge",
                                       "radiobox:checkradio",
                                       "panel:panel",
                                       "label:label",
                                       "trackbar:trackbar",
                                       "htrackbar:trackbar",
                                       "grid:grid",
                                       "tab:tab",
                                       "edit:edit",
                                       "memo:memo",
                                       "hscrollbar:scrollbar",
                                       "vscrollbar:scrollbar",
                                       "listbox:listbox",
                                       "combobox:combobox",
                                       "checklistbox:checklistbox",
                                       "spinedit:spinedit",
                                       "groupbox:panel",
                                       "stdlabel:stdlabel",
                                       "statuspanel:label",
                                       "statusbar:panel",
                                       "buttonedit:edit",
                                       "vupdown:updown",
                                       "hupdown:updown",
                                       "captionlistbox:listbox",
                                       "captionchecklistbox:checklistbox",
                                       "captioncombobox:combobox",
                                       "controlbar:controlbar",
                                       "mainmenubar:mainmenubar",
                                       "vsplitter:splitter",
                                       "hsplitter:splitter",
                                       "resizebutton:button",
                                       "bothhscrollbar:scrollbar",
                                       "bigtoolpanel:panel",
                                       "bigtoolbutton:button",
                                       "toolmenubutton:menubutton",
                                       "toolmenutrackbutton:menubutton",
                                       "bigtoolmenubutton:menubutton",
                                       "bigtoolmenutrackbutton:menubutton",
                                       "scrollbox:scrollbox",
                                       "listview:listview",
                                       "treeview:treeview",
                                       "statusgauge:gauge",
                                       "richedit:richedit",
                                       "expanel:expanel",
                                       "slider:slider",
                                       "bevel:bevel",
                                       "statusedit:edit",
                                       "statusbuttonedit:edit",
                                       "statusspinedit:spinedit",
                                       "statuscombobox:combobox",
                                       "toolcombobox:combobox",
                                       "toolspinedit:spinedit",
                                       "tooledit:edit",
                                       "toolbuttonedit:edit",
                                       "resizetoolpanel:panel",
                                       "resizetoolbutton:button",
                                       "combobutton:button",
                                       "vtracktoolbutton:button",
                                       "htracktoolbutton:button"};

template <class List>
void ExpectEntries(const TIniText& ini, const char* section, const List& definitions,
                   std::span<const char* const> entries) {
  EXPECT_EQ(ini.ReadInteger(section, "count", 0), int(entries.size())) << section;
  ASSERT_EQ(definitions.size(), entries.size()) << section;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    std::string entry = entries[i];
    EXPECT_EQ(ini.ReadString(section, std::to_string(i), ""), entry) << section << " " << i;
    EXPECT_EQ(definitions[i]->SectionName, entry.substr(0, entry.find(':'))) << section << " " << i;
  }
}

TEST_F(CarriedSkinTest, DefinitionsInTheirOrder) {
  TIniText ini = TIniText::FromText(AsText(ReadFileBytes(VL_CARRIED_SKIN_DEFINITION)));
  EXPECT_EQ(ini.Sections().size(), 85u);
  ExpectEntries(ini, "SKINOBJECTS", data.SkinObjects(), kObjectEntries);
  ExpectEntries(ini, "SKINCONTROLS", data.SkinControls(), kControlEntries);

  const TskFormInfo& f = data.FormInfo();
  EXPECT_EQ(f.clientrect, (TRect{4, 27, 281, 206}));
  EXPECT_EQ(f.maskrectarea, (TRect{4, 3, 282, 206}));
  EXPECT_EQ(f.formminwidth, 200);
  EXPECT_EQ(data.SkinColors().chighlight, 13668176u);
  const auto* caption = data.ObjectAs<TskDataSkinCaption>(data.FindObjectIndex("caption"));
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->activefontcolor, 11168318u);
  EXPECT_TRUE(caption->fontstyle.bold);
  const auto* button = data.ControlAs<TskDataSkinButtonControl>(data.FindControlIndex("button"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->downskinrect, (TRect{458, 324, 500, 346}));
  const auto* vbar =
      data.ControlAs<TskDataSkinScrollBarControl>(data.FindControlIndex("vscrollbar"));
  ASSERT_NE(vbar, nullptr);
  EXPECT_EQ(vbar->righttoppoint, TPoint{});
  EXPECT_EQ(vbar->leftbottompoint, (TPoint{6, 43}));
}

// Every named rectangle of a picture-drawn object lies inside its picture.
TEST_F(CarriedSkinTest, CaptionButtonsSitOnTheirPicture) {
  for (const char* name : {"closebutton", "maxbutton", "minbutton", "sysmenubutton"}) {
    const auto* b = data.ObjectAs<TskDataSkinStdButton>(data.FindObjectIndex(name));
    ASSERT_NE(b, nullptr) << name;
    const PixelBitmap* picture = data.ActivePicture(b->activepictureindex);
    ASSERT_NE(picture, nullptr);
    for (const TRect& r : {b->skinrect, b->activeskinrect, b->downrect}) {
      EXPECT_FALSE(r.IsEmpty()) << name;
      EXPECT_LE(r.right, picture->Width()) << name;
      EXPECT_LE(r.bottom, picture->Height()) << name;
    }
  }
}

// A popup draws separators and items from the same left edge, so the glyph column of the
// divider picture must end where the items' column ends, counted from each picture's left.
TEST_F(CarriedSkinTest, PopupSeparatorsLineUpTheirGlyphColumnWithTheItems) {
  const auto* item = data.ObjectAs<TskDataSkinMenuItem>(data.FindObjectIndex("menuitem"));
  ASSERT_NE(item, nullptr);
  const PixelBitmap* picture = data.ActivePicture(item->activepictureindex);
  ASSERT_NE(picture, nullptr);
  // The offset from the rectangle's left edge where the row leaves the column's fill colour.
  auto column_edge = [&](const TRect& r, int y) {
    const Pixel fill = picture->At(r.left + 1, y);
    for (int x = r.left + 1; x < r.right; ++x) {
      if (picture->At(x, y) != fill) return x - r.left;
    }
    return -1;
  };
  const int item_edge = column_edge(item->skinrect, item->skinrect.top + 1);
  ASSERT_GT(item_edge, 0);
  for (int y = item->dividerrect.top; y < item->dividerrect.bottom; ++y) {
    EXPECT_EQ(column_edge(item->dividerrect, y), item_edge) << "divider row " << y;
  }
}

TEST_F(CarriedSkinTest, UnpackGivesBackWhatBuildsTheSamePackage) {
  testing::TempDir dir;
  std::ostringstream out, err;
  ASSERT_EQ(RunSkinCommand({"unpack", VL_CARRIED_SKIN_PACKAGE, dir.Str() + "x"}, out, err), 0)
      << err.str();
  EXPECT_NE(out.str().find("85 sections"), std::string::npos) << out.str();
  for (const char* name : {"main.bmp", "mask.bmp", "active.bmp", "pwmask.bmp", "skin.ini"}) {
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "x" / name)) << name;
  }
  ASSERT_EQ(RunSkinCommand({"build", dir.Str() + "x/skin.ini", dir.Str() + "again.skin"}, out, err),
            0)
      << err.str();
  EXPECT_EQ(ReadFileBytes(dir.Str() + "again.skin"), ReadFileBytes(VL_CARRIED_SKIN_PACKAGE));
}

}  // namespace
}  // namespace vl
