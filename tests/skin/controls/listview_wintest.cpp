// The result list with the carried skin and with small skins made here: the list's font and
// colours from its section, every header section, the pressed one and the part past the last
// column from the header's button section, the press and the divider drag, and the default
// look whenever the skin is missing, Empty, being replaced or gone.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/form_win.h"
#include "skin/controls/skin_listview_win.h"
#include "skin/data/carried_skin_win.h"
#include "skin/data/resource_strings.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_package.h"
#include "skin/data/zlib_codec.h"
#include "skin/paint/blit.h"
#include "support/gui_test_win.h"

namespace vl {
namespace {

// Tells the list what the window frame will relay: the two skin-change messages.
class RelayNotifier : public TskFormNotifier {
 public:
  void NotifyForms(TskSkinData&, unsigned message) override {
    if (!list) return;
    if (message == SKN_BEFORECHANGE) list->BeforeApplySkinData();
    if (message == SKN_CHANGE) list->ApplySkinData();
  }
  TskSkinListView* list = nullptr;
};

constexpr COLORREF kOwnBackground = RGB(200, 220, 240);

// A package holding one picture and the given definition text.
struct Package : TskCompressedStoredSkin {
  explicit Package(const std::string& text, int version = kPackageVersion) {
    SkinPackageContents c;
    c.picture = {PixelBitmap(4, 3), 24, {}};
    c.active_pictures.push_back({PixelBitmap(60, 40, MakePixel(10, 20, 30)), 24, {}});
    c.text = text;
    Bytes inner = WriteInnerPackage(c);
    // The inner level starts with its format version, a little-endian 32-bit number.
    inner[0] = std::uint8_t(version);
    SetCompressedData(DeflateZlib(inner));
  }
};

std::string TextWith(const std::string& controls, const std::string& sections) {
  return "[VERSION]\r\nskinname=Test\r\n[PICTURES]\r\npicture=main.bmp\r\n[FORMINFO]\r\n"
         "[SKINOBJECTS]\r\ncount=0\r\n[SKINCONTROLS]\r\n" +
         controls + sections;
}

LOGFONTW NativeFont(HWND window) {
  LOGFONTW lf{};
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  GetObjectW(font, sizeof lf, &lf);
  return lf;
}

class SkinListViewTest : public testing::SeamsFixture {
 protected:
  SkinListViewTest() : form(nullptr) {
    form.SetClientSize(500, 300);
    form.Show();
    ReadCarriedSkin(carried_list.Skins().Add());
    list = new TskSkinListView(&form);
    relay.list = list;
    list->AddColumn("FileName", 180);
    list->AddColumn("FilePath", 200);
    list->SetAlign(TAlign::alClient);
    // A default look that no skin shares, so that each look can be told apart.
    list->SetDefaultColor(kOwnBackground);
    list->DefaultFont().Assign(TFont("Courier New", 20));
  }
  ~SkinListViewTest() override {
    relay.list = nullptr;
    form.Release();
  }

  void Show() {
    list->SetParent(&form);
    testing::Pump();
  }
  TskSkinData* CarriedSkin() {
    auto* data = new TskSkinData(&form, relay);
    data->SetSkinList(&carried_list);
    return data;
  }
  HWND HeaderWindow() { return list->Header().Handle(); }
  int HeaderHeight() {
    RECT rc;
    GetClientRect(HeaderWindow(), &rc);
    return rc.bottom;
  }
  int HeaderWidth() {
    RECT rc;
    GetClientRect(HeaderWindow(), &rc);
    return rc.right;
  }
  COLORREF HeaderPixel(int x, int y) {
    const HWND h = HeaderWindow();
    UpdateWindow(h);
    HDC dc = GetDC(h);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(h, dc);
    return c;
  }
  static COLORREF PictureColor(const TskSkinData& data, int x, int y) {
    return PixelToColor(data.ActivePicture(4)->At(x, y));
  }
  void ExpectDefaultLook(const char* when) {
    EXPECT_EQ(list->DefinitionIndex(), -1) << when;
    EXPECT_EQ(ListView_GetBkColor(list->Handle()), kOwnBackground) << when;
    EXPECT_EQ(std::wstring(NativeFont(list->Handle()).lfFaceName), L"Courier New") << when;
    const int mid = HeaderHeight() / 2;
    EXPECT_EQ(HeaderPixel(0, mid), ColorToRGB(clBtnShadow)) << when;
    EXPECT_EQ(HeaderPixel(2, 2), ColorToRGB(clBtnFace)) << when;
    EXPECT_EQ(HeaderPixel(list->ClientWidth() - 1, mid), ColorToRGB(clBtnFace)) << when;
  }
  void ExpectCarriedLook(const TskSkinData& data, const char* when) {
    EXPECT_EQ(list->DefinitionIndex(), data.FindControlIndex("listview")) << when;
    EXPECT_EQ(ListView_GetBkColor(list->Handle()), RGB(255, 255, 255)) << when;
    EXPECT_EQ(ListView_GetTextColor(list->Handle()), RGB(0, 0, 0)) << when;
    const LOGFONTW lf = NativeFont(list->Handle());
    EXPECT_EQ(std::wstring(lf.lfFaceName), L"Arial") << when;
    EXPECT_EQ(lf.lfHeight, 14) << when;
    EXPECT_EQ(lf.lfWeight, FW_NORMAL) << when;
    EXPECT_EQ(HeaderPixel(0, 0), PictureColor(data, 90, 224)) << when;
    EXPECT_EQ(HeaderPixel(179, HeaderHeight() - 1), PictureColor(data, 129, 262)) << when;
  }

  TForm form;
  RelayNotifier relay;
  TskCompressedSkinList carried_list;
  TskSkinListView* list = nullptr;
};

TEST_F(SkinListViewTest, HeaderSectionsPressedLookAndRemainderComeFromTheButtonPictures) {
  Show();
  TskSkinData* data = CarriedSkin();
  list->SetSkinData(data);
  const int h = HeaderHeight();
  const int w = HeaderWidth();
  ASSERT_GT(h, 10);
  ASSERT_EQ(w, list->ClientWidth() + 25);
  auto picture = [&](int x, int y) { return PictureColor(*data, x, y); };
  // The remainder runs from 380 to one pixel past the header; the list shows it up to its own
  // right edge, where the top and bottom bands (source columns 5 to 39) are stretched.
  const int edge = list->ClientWidth() - 1;
  const int band_width = w + 1 - 380 - 5;
  const int band_column =
      95 + StretchSampleMap(35, band_width, StretchAxis::kColumns)[std::size_t(edge - 380 - 5)];
  const COLORREF top_band = picture(band_column, 224);
  const COLORREF bottom_band = picture(band_column, 262);
  // Section corners (their fixed pieces) and the strip past the last column, in the normal
  // look (skin rectangle at 90,224, 40 x 39) and with the first section held down (173,224).
  struct Probe {
    int x, y;
    COLORREF normal, pressed;
    const char* what;
  } probes[] = {
      {0, 0, picture(90, 224), picture(173, 224), "first section, top-left"},
      {4, 1, picture(94, 225), picture(177, 225), "first section, top-left piece"},
      {179, 0, picture(129, 224), picture(212, 224), "first section, top-right"},
      {179, h - 1, picture(129, 262), picture(212, 262), "first section, bottom-right"},
      {0, h - 1, picture(90, 262), picture(173, 262), "first section, bottom-left"},
      {180, 0, picture(90, 224), picture(90, 224), "second section, top-left"},
      {379, h - 1, picture(129, 262), picture(129, 262), "second section, bottom-right"},
      {380, 0, picture(90, 224), picture(90, 224), "remainder, top-left"},
      {381, 3, picture(91, 227), picture(91, 227), "remainder, left, upper piece"},
      {380, h - 1, picture(90, 262), picture(90, 262), "remainder, bottom-left"},
      {edge, 0, top_band, top_band, "remainder, top band at the list's right edge"},
      {edge, h - 1, bottom_band, bottom_band, "remainder, bottom band at the list's right edge"},
  };
  for (const auto& p : probes) EXPECT_EQ(HeaderPixel(p.x, p.y), p.normal) << p.what;

  const HWND header = HeaderWindow();
  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(90, h / 2));
  EXPECT_EQ(list->Header().PressedSection(), 0);
  for (const auto& p : probes) EXPECT_EQ(HeaderPixel(p.x, p.y), p.pressed) << p.what << ", pressed";
  // Held down while the pointer leaves the section, released anywhere.
  SendMessageW(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, h / 2));
  EXPECT_EQ(HeaderPixel(0, 0), picture(173, 224));
  SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(300, h / 2));
  EXPECT_EQ(list->Header().PressedSection(), -1);
  for (const auto& p : probes) EXPECT_EQ(HeaderPixel(p.x, p.y), p.normal) << p.what << ", released";
}

TEST_F(SkinListViewTest, ADividerDragResizesTheColumnAndRepaintsAsItGoes) {
  Show();
  TskSkinData* data = CarriedSkin();
  list->SetSkinData(data);
  const int mid = HeaderHeight() / 2;
  const HWND header = HeaderWindow();
  SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(180, mid));
  EXPECT_TRUE(list->Header().DividerDragged());
  EXPECT_EQ(list->Header().PressedSection(), -1);
  for (int x : {170, 150, 120}) {
    SendMessageW(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, mid));
    // The first section ends where the pointer is, drawn in the normal look.
    EXPECT_EQ(HeaderPixel(x - 1, 0), PictureColor(*data, 129, 224)) << x;
    EXPECT_EQ(HeaderPixel(x, 0), PictureColor(*data, 90, 224)) << x;
    EXPECT_EQ(HeaderPixel(0, 0), PictureColor(*data, 90, 224)) << x;
  }
  SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(120, mid));
  EXPECT_FALSE(list->Header().DividerDragged());
  EXPECT_EQ(list->ColumnWidth(0), 120);
  EXPECT_EQ(HeaderPixel(320, HeaderHeight() - 1), PictureColor(*data, 129, 262));
}

TEST_F(SkinListViewTest, ASkinSetBeforeTheWindowExistsIsAppliedWhenItIsCreated) {
  TskSkinData* data = CarriedSkin();
  ASSERT_FALSE(list->HandleAllocated());
  list->SetSkinData(data);
  Show();
  ExpectCarriedLook(*data, "after the window was created");
  EXPECT_EQ(list->Font().Charset(), list->DefaultFont().Charset());
}

TEST_F(SkinListViewTest, TheDefaultLookReturnsWhenTheSkinIsReplacedRemovedOrGone) {
  Show();
  ExpectDefaultLook("before the skin");
  TskSkinData* data = CarriedSkin();
  list->SetSkinData(data);
  ExpectCarriedLook(*data, "with the carried skin");

  data->NotifyForms(SKN_BEFORECHANGE);
  ExpectDefaultLook("while the skin is being replaced");
  data->NotifyForms(SKN_CHANGE);
  ExpectCarriedLook(*data, "once the skin is back");

  // A package too new to read leaves the skin data Empty.
  data->LoadPackage(Package(TextWith("count=0\r\n", ""), kPackageVersion + 1));
  ASSERT_TRUE(data->Empty());
  ExpectDefaultLook("after a package too new to read");
  data->LoadPackage(carried_list.Skins().Item(0).StoredSkin());
  ExpectCarriedLook(*data, "after the carried package again");
  TskCompressedStoredSkin damaged;
  damaged.SetCompressedData({1, 2, 3, 4});
  EXPECT_ANY_THROW(data->LoadPackage(damaged));
  ASSERT_TRUE(data->Empty());
  ExpectDefaultLook("after a damaged package");
  list->ApplySkinData();
  ExpectDefaultLook("applying an Empty skin");

  data->LoadPackage(carried_list.Skins().Item(0).StoredSkin());
  list->SetSkinData(nullptr);
  ExpectDefaultLook("without skin data");
  list->SetSkinData(data);
  ExpectCarriedLook(*data, "with the skin data again");
  delete data;
  EXPECT_EQ(list->SkinData(), nullptr);
  ExpectDefaultLook("after the skin data is destroyed");
}

TEST_F(SkinListViewTest, TheListSectionsFontAndColoursAndWhatIsNotOne) {
  Show();
  const std::string controls =
      "count=3\r\n0=listview:listview\r\n1=plain:panel\r\n"
      "2=resizetoolbutton:panel\r\n";
  const std::string sections =
      "[listview]\r\nfontname=Times New Roman\r\nfontheight=22\r\nfontstyle=fsbold\r\n"
      "fontcolor=255\r\nbgcolor=65280\r\n[plain]\r\npictureindex=0\r\nskinrect=0,0,10,10\r\n";
  auto* data = new TskSkinData(&form, relay);
  data->LoadPackage(Package(TextWith(controls, sections)));
  ASSERT_FALSE(data->Empty());
  struct Case {
    const char* section;
    bool use_skin_font;
    const wchar_t* face;
    int height;
    int weight;
    COLORREF text, background;
  } cases[] = {
      {"listview", true, L"Times New Roman", 22, FW_BOLD, RGB(255, 0, 0), RGB(0, 255, 0)},
      {"listview", false, L"Courier New", 20, FW_NORMAL, RGB(255, 0, 0), RGB(0, 255, 0)},
      {"plain", true, L"Courier New", 20, FW_NORMAL, RGB(0, 0, 0), kOwnBackground},
      {"Listview", true, L"Courier New", 20, FW_NORMAL, RGB(0, 0, 0), kOwnBackground},
  };
  for (const auto& c : cases) {
    list->SetSkinDataName(c.section);
    list->SetUseSkinFont(c.use_skin_font);
    list->SetSkinData(data);
    const LOGFONTW lf = NativeFont(list->Handle());
    EXPECT_EQ(std::wstring(lf.lfFaceName), c.face) << c.section << c.use_skin_font;
    EXPECT_EQ(lf.lfHeight, c.height) << c.section << c.use_skin_font;
    EXPECT_EQ(lf.lfWeight, c.weight) << c.section << c.use_skin_font;
    EXPECT_EQ(ListView_GetTextColor(list->Handle()), c.text) << c.section << c.use_skin_font;
    EXPECT_EQ(ListView_GetBkColor(list->Handle()), c.background) << c.section << c.use_skin_font;
  }
  // The header section here is a panel's: the header keeps its default look.
  EXPECT_EQ(HeaderPixel(0, HeaderHeight() / 2), ColorToRGB(clBtnShadow));
  EXPECT_EQ(HeaderPixel(2, 2), ColorToRGB(clBtnFace));

  // The character set comes from the skin's resource strings when it has them.
  auto* strings = new TskResourceStrData(&form);
  strings->CharSet = GB2312_CHARSET;
  data->SetResourceStrData(strings);
  list->SetSkinDataName("listview");
  list->ApplySkinData();
  EXPECT_EQ(NativeFont(list->Handle()).lfCharSet, GB2312_CHARSET);
  EXPECT_EQ(list->Font().Charset(), GB2312_CHARSET);
}

TEST_F(SkinListViewTest, DefaultFontAndColourChangesWaitWhileASectionIsApplied) {
  Show();
  TskSkinData* data = CarriedSkin();
  list->SetSkinData(data);
  list->SetDefaultColor(RGB(1, 2, 3));
  list->DefaultFont().SetName("Tahoma");
  EXPECT_EQ(ListView_GetBkColor(list->Handle()), RGB(255, 255, 255));
  EXPECT_EQ(std::wstring(NativeFont(list->Handle()).lfFaceName), L"Arial");
  list->SetSkinData(nullptr);
  EXPECT_EQ(ListView_GetBkColor(list->Handle()), RGB(1, 2, 3));
  EXPECT_EQ(std::wstring(NativeFont(list->Handle()).lfFaceName), L"Tahoma");
  list->DefaultFont().SetHeight(30);
  EXPECT_EQ(NativeFont(list->Handle()).lfHeight, 30);
}

TEST_F(SkinListViewTest, AHeaderSectionHandlerDrawsInPlaceOfTheCaption) {
  struct Call {
    int column;
    bool pressed;
    TRect rect;
  };
  std::vector<Call> calls;
  list->OnDrawHeaderSection = [&calls](TCanvas& canvas, int column, bool pressed, const TRect& r) {
    calls.push_back({column, pressed, r});
    canvas.FillRect({r.left + 10, r.top + 3, r.left + 20, r.top + 6}, RGB(255, 0, 255));
  };
  Show();
  list->SetSkinData(CarriedSkin());
  calls.clear();
  const int h = HeaderHeight();
  EXPECT_EQ(HeaderPixel(195, 4), RGB(255, 0, 255));
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].column, 0);
  EXPECT_EQ(calls[1].column, 1);
  EXPECT_EQ(calls[1].rect, (TRect{0, 0, 200, h}));
  EXPECT_FALSE(calls[0].pressed);
  calls.clear();
  SendMessageW(HeaderWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(250, h / 2));
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_FALSE(calls[0].pressed);
  EXPECT_TRUE(calls[1].pressed);
  SendMessageW(HeaderWindow(), WM_LBUTTONUP, 0, MAKELPARAM(250, h / 2));
}

TEST_F(SkinListViewTest, TheHeaderEndsTwentyFivePixelsPastTheListHoweverOftenItIsLaidOut) {
  Show();
  list->SetSkinData(CarriedSkin());
  const HWND header = HeaderWindow();
  auto right_edge = [&] {
    RECT at;
    GetWindowRect(header, &at);
    MapWindowPoints(nullptr, list->Handle(), reinterpret_cast<POINT*>(&at), 2);
    return int(at.right);
  };
  for (int i = 0; i < 5; ++i) {
    RECT rc;
    GetWindowRect(header, &rc);
    SetWindowPos(header, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(right_edge(), list->ClientWidth() + 25) << i;
  }
  form.SetClientSize(300, 200);
  testing::Pump();
  EXPECT_EQ(list->ClientWidth(), 300);
  EXPECT_EQ(right_edge(), 325) << "a narrower list narrows its header";
  list->SetItemCount(3);
  list->AddColumn("FileType", 400);
  for (int dx : {60, 60, -120}) {
    ListView_Scroll(list->Handle(), dx, 0);
    EXPECT_EQ(right_edge(), 325) << dx;
  }
}

}  // namespace
}  // namespace vl
