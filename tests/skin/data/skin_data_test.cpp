#include "skin/data/skin_data.h"

#include <gtest/gtest.h>

#include "framework/errors.h"
#include "skin/data/resource_strings.h"
#include "skin/data/skin_package.h"
#include "skin/data/zlib_codec.h"

namespace vl {
namespace {

struct Notice {
  unsigned message;
  bool empty;
  bool changing;
};

// Records what the windows would be told, and in which state the skin data was at the time.
class Recorder : public TskFormNotifier {
 public:
  void NotifyForms(TskSkinData& data, unsigned message) override {
    notices.push_back({message, data.Empty(), data.SkinChanging()});
  }
  std::vector<unsigned> Messages() const {
    std::vector<unsigned> out;
    for (const auto& n : notices) out.push_back(n.message);
    return out;
  }
  std::vector<Notice> notices;
};

SkinPicture Picture(int w, int h, Pixel fill = 0x102030) {
  return {PixelBitmap(w, h, fill), 24, {}};
}

const char* kMinimalText =
    "[VERSION]\r\nskinname=Test\r\n[PICTURES]\r\npicture=main.bmp\r\n[FORMINFO]\r\n"
    "[SKINOBJECTS]\r\ncount=0\r\n[SKINCONTROLS]\r\ncount=0\r\n";

Bytes Inner(const SkinPackageContents& contents) {
  return WriteInnerPackage(contents);
}

// A stored skin holding the given compressed bytes.
struct Stored : TskCompressedStoredSkin {
  explicit Stored(Bytes compressed) { SetCompressedData(std::move(compressed)); }
  explicit Stored(const std::string& text, int active_pictures = 0) {
    SkinPackageContents c;
    c.picture = Picture(4, 3);
    for (int i = 0; i < active_pictures; ++i) c.active_pictures.push_back(Picture(2 + i, 2));
    c.text = text;
    SetCompressedData(DeflateZlib(Inner(c)));
  }
};

Bytes FromInner(const Bytes& inner) {
  return DeflateZlib(inner);
}

class SkinDataTest : public ::testing::Test {
 protected:
  Recorder recorder;
  TskSkinData data{nullptr, recorder};
};

TEST_F(SkinDataTest, LoadAnnouncesBeforeChangeAndAfter) {
  data.LoadPackage(Stored(kMinimalText));
  ASSERT_EQ(recorder.Messages(),
            (std::vector<unsigned>{SKN_BEFORECHANGE, SKN_CHANGE, SKN_AFTERCHANGE}));
  EXPECT_TRUE(recorder.notices[0].empty && recorder.notices[0].changing);
  EXPECT_TRUE(!recorder.notices[1].empty && recorder.notices[1].changing);
  EXPECT_TRUE(!recorder.notices[2].empty && !recorder.notices[2].changing);
  EXPECT_FALSE(data.Empty());
  EXPECT_EQ(data.SkinName(), "Test");
  EXPECT_EQ(data.Picture().bitmap.Width(), 4);
}

TEST_F(SkinDataTest, AnEmptyStoredSkinChangesNothing) {
  data.LoadPackage(TskCompressedStoredSkin());
  EXPECT_TRUE(recorder.notices.empty());
  EXPECT_TRUE(data.Empty());
}

TEST_F(SkinDataTest, ALaterInnerVersionStopsQuietly) {
  Bytes inner = Inner({});
  inner[0] = 4;
  data.LoadPackage(Stored(FromInner(inner)));
  EXPECT_EQ(recorder.Messages(), std::vector<unsigned>{SKN_BEFORECHANGE});
  EXPECT_TRUE(data.Empty());
  EXPECT_FALSE(data.SkinChanging());
}

TEST_F(SkinDataTest, FailuresLeaveTheSkinEmptyAndPassOn) {
  Bytes whole = Stored(kMinimalText).CompressedData();
  struct Case {
    const char* what;
    Bytes compressed;
    const char* message;
  } cases[] = {
      {"zlib damage", {1, 2, 3, 4, 5}, "compression error"},
      {"zlib cut short", Bytes(whole.begin(), whole.begin() + std::ptrdiff_t(whole.size() / 2)),
       "compression error"},
      {"inner cut short", FromInner({3, 0, 0}), "Stream read error"},
      {"count past the pictures", FromInner({3, 0, 0, 0, 1, 1, 1, 5, 0, 0, 0}),
       "Bitmap image is not valid"},
      {"short rectangle",
       Stored(std::string(kMinimalText) + "[FORMINFO]\r\nclientrect=1,2,3\r\n").CompressedData(),
       "'' is not a valid integer value"},
  };
  for (auto& c : cases) {
    recorder.notices.clear();
    try {
      data.LoadPackage(Stored(c.compressed));
      ADD_FAILURE() << c.what;
    } catch (const Error& e) {
      EXPECT_STREQ(e.what(), c.message) << c.what;
    }
    EXPECT_TRUE(data.Empty()) << c.what;
    EXPECT_FALSE(data.SkinChanging()) << c.what;
    EXPECT_EQ(recorder.Messages(), std::vector<unsigned>{SKN_BEFORECHANGE}) << c.what;
  }
}

TEST(InnerPackage, PictureBlocksAndVersions) {
  SkinPackageContents c;
  c.picture = Picture(3, 3);
  c.mask = Picture(3, 3, 0);
  c.text = kMinimalText;
  Bytes inner = Inner(c);
  // The empty inactive picture is the single flag byte 1, and the mask follows at once.
  std::size_t main_end = 4 + 1 + 54 + 3 * 12;
  EXPECT_EQ(inner[main_end], 1);
  EXPECT_EQ(inner[main_end + 1], 0);
  auto read = ReadInnerPackage(inner);
  ASSERT_TRUE(read);
  EXPECT_TRUE(read->inactive_picture.Empty());
  EXPECT_EQ(read->mask.bitmap, c.mask.bitmap);
  EXPECT_EQ(read->text, kMinimalText);

  // Inner version 2 carries two obsolete picture blocks after the mask; 0 and 1 read as 3.
  Bytes v2 = inner;
  v2[0] = 2;
  std::size_t mask_end = main_end + 1 + 1 + 54 + 3 * 12;
  v2.insert(v2.begin() + std::ptrdiff_t(mask_end), {1, 1});
  auto read2 = ReadInnerPackage(v2);
  ASSERT_TRUE(read2);
  EXPECT_EQ(read2->text, kMinimalText);
  for (std::uint8_t version : {0, 1}) {
    Bytes v = inner;
    v[0] = version;
    ASSERT_TRUE(ReadInnerPackage(v));
    EXPECT_EQ(ReadInnerPackage(v)->text, kMinimalText);
  }
}

TEST(InnerPackage, CountZeroPutsTheTextRightAfterIt) {
  Bytes inner = {3, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, '[', 'A', ']'};
  auto read = ReadInnerPackage(inner);
  ASSERT_TRUE(read);
  EXPECT_TRUE(read->active_pictures.empty());
  EXPECT_EQ(read->text, "[A]");
}

// A 1-bit picture whose pixels are all the first table colour, written without drawing it.
Bytes BlankOneBitBmp(int width, int height) {
  std::uint32_t image = std::uint32_t((width + 31) / 32 * 4 * height);
  ByteWriter w;
  w.WriteText("BM");
  for (std::uint32_t v : {62 + image, 0u, 62u, 40u}) w.WriteU32(v);
  w.WriteI32(width);
  w.WriteI32(height);
  w.WriteU16(1);
  w.WriteU16(1);
  for (std::uint32_t v : {0u, image, 0u, 0u, 0u, 0u, 0u, 0xFFFFFFu}) w.WriteU32(v);
  w.WriteBytes(Bytes(image, 0));
  return w.Take();
}

TEST(InnerPackage, PicturesTogetherStayWithinOnePicturesPixels) {
  // 4096 x 4096 is as many pixels as a whole package may hold; stored in 1 bit it takes 2 MB.
  struct Case {
    const char* what;
    int mask_width;
    bool valid;
  } cases[] = {{"main picture alone", 0, true}, {"and a 1 x 1 mask", 1, false}};
  for (const auto& c : cases) {
    ByteWriter w;
    w.WriteI32(3);
    w.WriteU8(0);
    w.WriteBytes(BlankOneBitBmp(4096, 4096));
    w.WriteU8(1);
    w.WriteU8(c.mask_width == 0 ? 1 : 0);
    if (c.mask_width != 0) w.WriteBytes(BlankOneBitBmp(c.mask_width, 1));
    w.WriteI32(0);
    try {
      EXPECT_EQ(ReadInnerPackage(w.Data())->picture.bitmap.Height(), 4096) << c.what;
      EXPECT_TRUE(c.valid) << c.what;
    } catch (const FormatError& e) {
      EXPECT_FALSE(c.valid) << c.what;
      EXPECT_STREQ(e.what(), "Bitmap image is not valid") << c.what;
    }
  }
}

TEST_F(SkinDataTest, PictureNamesFollowTheTextPicturesThePackage) {
  std::string text =
      std::string(kMinimalText) + "[PICTURES]\r\nactivepicturescount=8\r\n0=a.bmp\r\n7=h.bmp\r\n";
  data.LoadPackage(Stored(text, 5));
  EXPECT_EQ(data.ActivePictures().size(), 5u);
  ASSERT_EQ(data.ActivePictureNames().size(), 8u);
  EXPECT_EQ(data.ActivePictureNames()[0], "a.bmp");
  EXPECT_EQ(data.ActivePictureNames()[3], "");
  EXPECT_EQ(data.ActivePictureNames()[7], "h.bmp");
  EXPECT_NE(data.ActivePicture(4), nullptr);
  EXPECT_EQ(data.ActivePicture(5), nullptr);
  EXPECT_EQ(data.ActivePicture(-1), nullptr);
}

TEST_F(SkinDataTest, AHugeCountReadsAsTheLargestList) {
  const std::string last = std::to_string(kMaxListEntries - 1);
  const std::string past = std::to_string(kMaxListEntries);
  std::string text = std::string(kMinimalText) +
                     "[PICTURES]\r\nactivepicturescount=2147483647\r\n[SKINOBJECTS]\r\n"
                     "count=2147483647\r\n" +
                     last + "=last:caption\r\n" + past + "=past:caption\r\n[SKINCONTROLS]\r\n" +
                     "count=2147483647\r\n" + past + "=past:panel\r\n";
  data.LoadPackage(Stored(text));
  EXPECT_EQ(data.ActivePictureNames().size(), std::size_t(kMaxListEntries));
  ASSERT_EQ(data.SkinObjects().size(), 1u);
  EXPECT_EQ(data.SkinObjects()[0]->SectionName, "last");
  EXPECT_TRUE(data.SkinControls().empty());
}

TEST_F(SkinDataTest, LoadingTwiceGivesTheSameState) {
  std::string text = std::string(kMinimalText) +
                     "[SKINOBJECTS]\r\ncount=1\r\n0=caption:caption\r\n[SKINCONTROLS]\r\ncount="
                     "1\r\n0=panel:panel\r\n";
  Stored stored(text, 2);
  data.LoadPackage(stored);
  data.LoadPackage(stored);
  EXPECT_EQ(data.ActivePictures().size(), 2u);
  EXPECT_EQ(data.SkinObjects().size(), 1u);
  EXPECT_EQ(data.SkinControls().size(), 1u);
}

std::string Objects(const std::string& entries, const std::string& sections = "") {
  return "[VERSION]\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINCONTROLS]\r\n[SKINOBJECTS]\r\n" + entries +
         sections;
}

TEST_F(SkinDataTest, ObjectListsAreReadInOrderWithExactKinds) {
  data.LoadPackage(Stored(
      Objects("count=7\r\n0=caption\r\n1=caption:Caption\r\n2=caption:caption\r\n3=b:stdbutton\r\n"
              "4=caption:caption\r\n5=m:menuitem\r\n6=x:unknown\r\n",
              "[caption]\r\nfontheight=16\r\n[b]\r\nhint=Maximize\r\ncommand=cmmaximize\r\n"
              "[m]\r\ncheckimagerect=1,2,3,4\r\nactivearrowimagerect=5,5,9,9\r\n")));
  ASSERT_EQ(data.SkinObjects().size(), 4u);
  EXPECT_EQ(data.FindObjectIndex("caption"), 0);
  EXPECT_EQ(data.FindObjectIndex("Caption"), -1);
  EXPECT_EQ(data.FindObjectIndex("b"), 1);
  EXPECT_EQ(data.ObjectAs<TskDataSkinCaption>(0)->fontheight, 16);
  EXPECT_EQ(data.ObjectAs<TskDataSkinCaption>(2)->fontheight, 16);
  EXPECT_EQ(data.ObjectAs<TskDataSkinCaption>(1), nullptr);
  const auto* b = data.ObjectAs<TskDataSkinStdButton>(1);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->restorehint, "Restore");
  const auto* m = data.ObjectAs<TskDataSkinMenuItem>(3);
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->activecheckimagerect, (TRect{1, 2, 3, 4}));
  EXPECT_EQ(m->activearrowimagerect, (TRect{5, 5, 9, 9}));
  EXPECT_EQ(m->activeradioimagerect, TRect{});
}

TEST(SkinObjects, RestoreHints) {
  struct Case {
    const char* hint;
    const char* command;
    const char* restorehint;
    const char* expected;
  } cases[] = {
      {"Maximize", "cmmaximize", nullptr, "Restore"}, {"Minimize", "cmminimize", "", "Restore"},
      {"Roll Up", "cmrollup", nullptr, "Restore"},    {"RollUp", "cmrollup", nullptr, "Restore"},
      {"maximize", "cmmaximize", nullptr, ""},        {"Maximize", "cmminimize", nullptr, ""},
      {"Maximize", "cmmaximize", "Back", "Back"},
  };
  for (const auto& c : cases) {
    std::string text = std::string("[b]\nhint=") + c.hint + "\ncommand=" + c.command + "\n";
    if (c.restorehint) text += std::string("restorehint=") + c.restorehint + "\n";
    TskDataSkinStdButton button("b");
    button.Read(TIniText::FromText(text));
    EXPECT_EQ(button.restorehint, c.expected) << c.hint << " " << c.command;
  }
  TskDataSkinAnimate animate("b");
  animate.Read(TIniText::FromText("[b]\nmorphing=1\nhint=Minimize\ncommand=cmminimize\n"));
  EXPECT_FALSE(animate.morphing);
  EXPECT_EQ(animate.restorehint, "Restore");
  EXPECT_EQ(animate.countframes, 1);
}

TEST(SkinObjects, UserObjectsReadOnlyTheirRectangle) {
  TskDataUserObject user("u");
  user.Read(TIniText::FromText("[u]\nskinrect=1,2,3,4\nhint=x\nglowlayeralphablendvalue=9\n"));
  EXPECT_EQ(user.skinrect, (TRect{1, 2, 3, 4}));
  EXPECT_EQ(user.hint, "");
  EXPECT_EQ(user.glowlayeralphablendvalue, 255);
}

std::string FormInfo(const std::string& mask, const std::string& keys) {
  return "[VERSION]\r\n[PICTURES]\r\nmask=" + mask +
         "\r\n[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n[FORMINFO]\r\n" + keys;
}

TEST_F(SkinDataTest, FormInfoMaskAndCornerRules) {
  const std::string client = "clientrect=4,27,281,206\r\n";
  data.LoadPackage(Stored(
      FormInfo("m.bmp", client + "lefttoppoint=2,3\r\nrightbottompoint=274,200\r\n"
                                 "hittestlefttoppoint=0,5\r\nhittestrighttoppoint=8,9\r\n")));
  const TskFormInfo& f = data.FormInfo();
  EXPECT_EQ(f.maskrectarea, (TRect{4, 27, 281, 206}));
  EXPECT_EQ(f.hittestlefttoppoint, (TPoint{2, 3}));  // taken before the clamping
  EXPECT_EQ(f.hittestrighttoppoint, (TPoint{8, 9}));
  EXPECT_EQ(f.lefttoppoint, (TPoint{4, 27}));
  EXPECT_EQ(f.inactiveeffect, TInactiveEffect::ieBrightness);

  data.LoadPackage(Stored(FormInfo("m.bmp", client + "maskrectarea=4,3,282,20\r\n")));
  EXPECT_EQ(data.FormInfo().maskrectarea, (TRect{4, 3, 282, 206}));

  data.LoadPackage(Stored(FormInfo("", client + "lefttoppoint=2,3\r\nrightbottompoint=2,200\r\n")));
  EXPECT_EQ(data.FormInfo().lefttoppoint, (TPoint{2, 3}));
  EXPECT_EQ(data.FormInfo().maskrectarea, TRect{});
  EXPECT_EQ(data.FormInfo().hittestlefttoppoint, TPoint{});
}

TEST_F(SkinDataTest, ClearDefinitionsResetsColoursToTheSystemOnes) {
  EXPECT_EQ(data.SkinColors().cbtnface, 0u);
  EXPECT_EQ(data.FormInfo().bgpictureindex, -1);
  data.LoadPackage(Stored(std::string(kMinimalText) + "[SKINCOLORS]\r\ncbtnface=16641763\r\n"));
  EXPECT_EQ(data.SkinColors().cbtnface, 16641763u);
  EXPECT_EQ(data.SkinColors().cwindow, SystemColor(5));
  data.ClearDefinitions();
  EXPECT_EQ(data.SkinColors().cbtnface, SystemColor(15));
  EXPECT_TRUE(IsSystemColor(data.SkinColors().cbtnshadow));
  EXPECT_EQ(SystemColorIndex(data.SkinColors().cbtnshadow), 16);
}

TEST_F(SkinDataTest, ControlKindsAndDefaults) {
  data.LoadPackage(Stored(
      "[VERSION]\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n[SKINCONTROLS]\r\ncount=6\r\n"
      "0=listbox:Listbox\r\n1=panel:panel\r\n2=panel:label\r\n3=lv:listview\r\n4=ud:updown\r\n"
      "5=b:button\r\n[ud]\r\nlefttoppoint=3,3\r\nclientrect=1,1,5,5\r\n[b]\r\nskinrect=1,1,9,"
      "9\r\n"));
  ASSERT_EQ(data.SkinControls().size(), 5u);
  EXPECT_EQ(data.FindControlIndex("listbox"), -1);
  EXPECT_EQ(data.FindControlIndex("Panel"), -1);
  EXPECT_EQ(data.FindControlIndex("panel"), 0);
  EXPECT_NE(data.ControlAs<TskDataSkinPanelControl>(0), nullptr);
  EXPECT_EQ(data.ControlAs<TskDataSkinPanelControl>(1), nullptr);
  EXPECT_NE(data.ControlAs<TskDataSkinCustomControl>(1), nullptr);
  const auto* panel = data.ControlAs<TskDataSkinPanelControl>(0);
  EXPECT_EQ(panel->alignment, TAlignment::taCenter);
  EXPECT_EQ(panel->fontheight, 14);
  EXPECT_EQ(panel->grippertransparentcolor, 0u);
  EXPECT_EQ(data.ControlAs<TskDataSkinListView>(2)->bgcolor, 0u);
  const auto* ud = data.ControlAs<TskDataSkinUpDownControl>(3);
  EXPECT_EQ(ud->lefttoppoint, TPoint{});
  EXPECT_EQ(ud->clientrect, TRect{});
  const auto* b = data.ControlAs<TskDataSkinButtonControl>(4);
  EXPECT_EQ(b->focusedskinrect, TRect{});
  EXPECT_EQ(b->animateinterval, 25);
  EXPECT_EQ(b->glowlayeralphablendvalue, 255);
}

TEST(SkinControls, EveryKindRoundTripsThroughItsWriter) {
  const char* kinds[] = {"panel",      "label",    "button",    "menubutton",  "listview",
                         "edit",       "memo",     "scrollbar", "mainmenubar", "expanel",
                         "checkradio", "gauge",    "splitter",  "trackbar",    "stdlabel",
                         "updown",     "grid",     "tab",       "controlbar",  "checklistbox",
                         "listbox",    "combobox", "spinedit",  "scrollbox",   "treeview",
                         "bevel",      "slider",   "richedit"};
  for (const char* kind : kinds) {
    auto first = CreateSkinControl(kind, "s");
    ASSERT_NE(first, nullptr) << kind;
    first->Read(
        TIniText::FromText("[s]\nskinrect=1,2,3,4\nfontstyle=fsitalic\nstretchtype=stvert\n"));
    std::string text;
    first->Write(text);
    auto second = CreateSkinControl(kind, "s");
    second->Read(TIniText::FromText(text));
    std::string again;
    second->Write(again);
    EXPECT_EQ(text, again) << kind;
    EXPECT_NE(text.find("skinrect=1,2,3,4\r\n"), std::string::npos) << kind;
  }
  EXPECT_EQ(CreateSkinControl("Panel", "s"), nullptr);
}

TEST(StoredSkin, OuterLevel) {
  TskCompressedStoredSkin stored;
  stored.SetCompressedData({9, 8, 7});
  Bytes outer = stored.PackageStream();
  EXPECT_EQ(outer, (Bytes{3, 0, 0, 0, 3, 0, 0, 0, 9, 8, 7}));

  TskCompressedStoredSkin read;
  read.ReadPackageStream(outer);
  EXPECT_EQ(read.CompressedData(), (Bytes{9, 8, 7}));
  read.ReadPackageStream(Bytes{4, 0, 0, 0, 3, 0, 0, 0, 9, 8, 7});
  EXPECT_TRUE(read.IsEmpty());
  read.ReadPackageStream(Bytes{3, 0, 0, 0, 0, 0, 0, 0});
  EXPECT_TRUE(read.IsEmpty());
  for (const Bytes& bad : {Bytes{3, 0, 0, 0, 4, 0, 0, 0, 9, 8, 7}, Bytes{3, 0, 0},
                           Bytes{3, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}}) {
    read.SetCompressedData({1});
    try {
      read.ReadPackageStream(bad);
      ADD_FAILURE();
    } catch (const FormatError& e) {
      EXPECT_STREQ(e.what(), "Stream read error");
    }
    EXPECT_TRUE(read.IsEmpty());
  }
  TskCompressedStoredSkin empty;
  read.ReadPackageStream(empty.PackageStream());
  EXPECT_TRUE(read.IsEmpty());
}

TEST(StoredSkin, InflationHasALimit) {
  Bytes big(5000, 'x');
  Bytes compressed = DeflateZlib(big);
  Bytes out;
  EXPECT_THROW(InflateZlib(compressed, out, 4096), FormatError);
  out.clear();
  InflateZlib(compressed, out, 5000);
  EXPECT_EQ(out, big);
}

TEST(SkinList, ItemsAreNamedByIndexAndCopied) {
  TskCompressedSkinList list;
  list.Skins().Add();
  TskSkinListItem& second = list.Skins().Add();
  EXPECT_EQ(second.Name, "skSkin1");
  second.StoredSkin().SetCompressedData({1, 2});
  TskCompressedSkinList copy;
  copy.SetSkins(list.Skins());
  ASSERT_EQ(copy.Skins().Count(), 2);
  EXPECT_EQ(copy.Skins().Item(1).StoredSkin().CompressedData(), (Bytes{1, 2}));
  EXPECT_EQ(copy.Skins().Owner(), &copy);
}

class SkinListTest : public SkinDataTest {
 protected:
  void SetUp() override {
    list.Skins().Add().ReadSkin(Stored(kMinimalText).PackageStream());
    list.Skins().Add().ReadSkin(Stored(kMinimalText).PackageStream());
  }
  std::size_t Loads() const {
    std::size_t n = 0;
    for (const auto& notice : recorder.notices) n += notice.message == SKN_CHANGE;
    return n;
  }
  TskCompressedSkinList list;
};

TEST_F(SkinListTest, IndexAndListSettersReloadByTheirRules) {
  data.SetSkinIndex(5);  // no list yet: only stored
  EXPECT_EQ(data.SkinIndex(), 5);
  EXPECT_EQ(Loads(), 0u);
  data.SetSkinList(&list);  // index out of range: nothing loads
  EXPECT_TRUE(data.Empty());
  data.SetSkinIndex(1);
  EXPECT_EQ(Loads(), 1u);
  data.SetSkinIndex(1);  // same value: no reload
  data.SetSkinIndex(-1);
  data.SetSkinIndex(2);
  EXPECT_EQ(data.SkinIndex(), 1);
  EXPECT_EQ(Loads(), 1u);
  data.SetSkinIndex(0);
  EXPECT_EQ(Loads(), 2u);
  data.SetSkinList(&list);
  EXPECT_EQ(Loads(), 3u);
}

TEST_F(SkinListTest, WhileReadingOnlyTheEndLoads) {
  data.BeginRead();
  data.SetSkinList(&list);
  data.SetSkinnableForm(false);
  EXPECT_TRUE(recorder.notices.empty());
  data.EndRead();
  EXPECT_EQ(Loads(), 1u);
  EXPECT_FALSE(data.Empty());
}

TEST_F(SkinListTest, ReferencesClearWhenTheirComponentsGo) {
  {
    TskCompressedSkinList doomed;
    data.SetSkinList(&doomed);
    auto* strings = new TskResourceStrData();
    data.SetResourceStrData(strings);
    EXPECT_EQ(recorder.Messages().back(), SKN_STRINGSCHANGED);
    delete strings;
    EXPECT_EQ(data.ResourceStrData(), nullptr);
  }
  EXPECT_EQ(data.SkinList(), nullptr);
  recorder.notices.clear();
  data.SetSkinnableForm(false);
  data.SetSkinnableForm(false);
  EXPECT_EQ(recorder.Messages(), std::vector<unsigned>{SKN_SKINNABLECHANGED});
}

TEST(ResourceStrings, BuiltInTexts) {
  const auto& texts = BuiltInResourceStrings();
  EXPECT_EQ(texts.size(), 130u);
  TskResourceStrData strings;
  EXPECT_EQ(strings.TextFor("mi_closecaption"), "&Close");
  EXPECT_EQ(strings.TextFor("MI_ROLLUPCAPTION"), "Ro&llUp");
  EXPECT_EQ(strings.TextFor("EDIT_SELECTALL"), "Select All");
  EXPECT_EQ(strings.TextFor("PRNDLG_WARNING"), "There are no printers in your system!");
  EXPECT_EQ(strings.TextFor("NO_SUCH"), "");
  EXPECT_EQ(strings.CharSet, 1);
  strings.ResStrings = {"A=x=y", "a=second"};
  EXPECT_EQ(strings.TextFor("a"), "x=y");
  EXPECT_EQ(SkinResourceText(nullptr, "RESTORE_HINT"), "Restore");
}

}  // namespace
}  // namespace vl
