// The skinned memo on the screen: its picture against the carried skin's memo section and
// against a small textured skin made here (whose repeated background shows any pixel that the
// native editor scrolled or left behind), the default look, the wheel, read-only mode, hover and
// focus, the disabled memo's own text, and the way back to the default look.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "framework/form_win.h"
#include "skin/controls/memo_skin.h"
#include "skin/controls/skin_memo_win.h"
#include "skin/data/carried_skin_win.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_package.h"
#include "skin/data/zlib_codec.h"
#include "skin/paint/dib_wintest_util.h"
#include "support/gui_test_win.h"

namespace vl {
namespace {

class SilentNotifier : public TskFormNotifier {
 public:
  void NotifyForms(TskSkinData&, unsigned) override {}
};

// Every pixel of the picture is a colour of its own, and all are light, so that text ink,
// which is darker, and a pixel moved from elsewhere both show.
PixelBitmap TexturePicture() {
  PixelBitmap b(60, 20);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 60; ++x) b.At(x, y) = MakePixel(120 + 2 * x, 120 + 5 * y, 230);
  }
  return b;
}

// A memo section 20 x 16 with a 15 x 12 client part (the editor's 14-pixel lines do not repeat
// it), an active look of its own, and red text while active; the edit section's disabled colour
// is green.
constexpr char kTexturedSkin[] =
    "[VERSION]\r\nskinname=Textured\r\n[PICTURES]\r\npicture=main.bmp\r\nactivepicturescount=1\r\n"
    "0=controls.bmp\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\ncount=0\r\n[SKINCONTROLS]\r\ncount=2\r\n"
    "0=memo:memo\r\n1=edit:edit\r\n"
    "[memo]\r\npictureindex=0\r\nskinrect=0,0,20,16\r\nactiveskinrect=30,0,50,16\r\n"
    "lefttoppoint=3,3\r\nrighttoppoint=17,3\r\nleftbottompoint=3,13\r\nrightbottompoint=17,13\r\n"
    "clientrect=2,2,17,14\r\nfontname=Arial\r\nfontheight=14\r\nfontcolor=0\r\n"
    "activefontcolor=255\r\nbgcolor=16777215\r\nactivebgcolor=65535\r\n"
    "[edit]\r\ndisabledfontcolor=32768\r\n";

Bytes TexturedPackage() {
  SkinPackageContents c;
  c.picture = {PixelBitmap(4, 3, 0x102030), 24, {}};
  c.active_pictures.push_back({TexturePicture(), 24, {}});
  c.text = kTexturedSkin;
  return DeflateZlib(WriteInnerPackage(c));
}

// A package of a later version than this program reads: loading it leaves the skin data Empty.
Bytes TooNewPackage() {
  return DeflateZlib(Bytes{4, 0, 0, 0});
}

void Load(TskSkinData& data, Bytes compressed) {
  TskCompressedStoredSkin stored;
  stored.SetCompressedData(std::move(compressed));
  data.LoadPackage(stored);
}

// What is on the screen in the control's client area, after any pending paint.
PixelBitmap Capture(const TWinControl& control) {
  const HWND h = control.Handle();
  UpdateWindow(h);
  RECT rc;
  GetClientRect(h, &rc);
  testing::TestDib dib(rc.right, rc.bottom);
  HDC dc = GetDC(h);
  BitBlt(dib.DC(), 0, 0, rc.right, rc.bottom, dc, 0, 0, SRCCOPY);
  ReleaseDC(h, dc);
  return dib.Pixels();
}

int Mismatches(const PixelBitmap& got, const PixelBitmap& want, const TRect& area) {
  if (got.Width() != want.Width() || got.Height() != want.Height()) return -1;
  int count = 0;
  for (int y = std::max(area.top, 0); y < std::min(area.bottom, got.Height()); ++y) {
    for (int x = std::max(area.left, 0); x < std::min(area.right, got.Width()); ++x) {
      if (got.At(x, y) != want.At(x, y)) ++count;
    }
  }
  return count;
}

int Mismatches(const PixelBitmap& got, const PixelBitmap& want) {
  return Mismatches(got, want, want.Bounds());
}

// The skinned look without text, as the memo section of `data` draws it.
PixelBitmap SkinnedLook(const TskSkinData& data, bool active, int width, int height) {
  const auto* d = data.ControlAs<TskDataSkinMemoControl>(data.FindControlIndex("memo"));
  if (!d) return {};
  return DrawMemoSkin(CopyMemoSkin(data, *d), active, true, 0, width, height);
}

PixelBitmap DefaultLook(int width, int height) {
  auto px = [](TColor c) { return ColorToPixel(ColorToRGB(c)); };
  return DrawMemoDefault(width, height, {px(clWindow), px(clBtnShadow), px(clBtnFace)});
}

TRect EditorRect(HWND h) {
  RECT rc{};
  SendMessageW(h, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&rc));
  return FromRECT(rc);
}

void PutOnClipboard(const char* text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const std::size_t size = std::strlen(text) + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(memory), text, size);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

void SetShift(bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

// What the native context menu offered, read from a timer while it is open, which then closes it.
struct MenuProbe {
  HWND memo = nullptr;
  bool seen = false;
  bool read_only_style = false;
  bool grayed[8] = {};
};
MenuProbe g_menu;

void CALLBACK ReadMenuAndClose(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND popup = FindWindowW(L"#32768", nullptr);
  if (auto* menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0))) {
    g_menu.seen = true;
    for (int i = 0; i < 8; ++i) {
      g_menu.grayed[i] = (GetMenuState(menu, UINT(i), MF_BYPOSITION) & MF_GRAYED) != 0;
    }
  }
  g_menu.read_only_style = (GetWindowLongW(g_menu.memo, GWL_STYLE) & ES_READONLY) != 0;
  EndMenu();
}

class MemoTest : public testing::SeamsFixture {
 protected:
  MemoTest() : form(nullptr) {
    MoveCursorAway();
    form.SetBounds(0, 0, 520, 440);
    form.Show();
  }
  ~MemoTest() override { form.Release(); }

  static void MoveCursorAway() { SetCursorPos(1200, 850); }

  TskSkinMemo* MakeMemo(int width, int height, TskSkinData* data) {
    auto* memo = new TskSkinMemo(&form);
    memo->SetBounds(10, 10, width, height);
    memo->SetParent(&form);
    if (data) memo->SetSkinData(data);
    testing::Pump();
    return memo;
  }

  std::unique_ptr<TskSkinData> Textured() {
    auto data = std::make_unique<TskSkinData>(nullptr, notifier);
    Load(*data, TexturedPackage());
    EXPECT_FALSE(data->Empty());
    return data;
  }

  TForm form;
  SilentNotifier notifier;
};

TEST_F(MemoTest, TheCarriedSkinsMemoPictureGivesFrameAndBackground) {
  TskCompressedSkinList list;
  ASSERT_TRUE(ReadCarriedSkin(list.Skins().Add()));
  auto data = std::make_unique<TskSkinData>(nullptr, notifier);
  data->SetSkinList(&list);
  ASSERT_FALSE(data->Empty());
  TskSkinMemo* memo = MakeMemo(183, 264, data.get());
  EXPECT_EQ(memo->DefinitionIndex(), 14);
  EXPECT_EQ(memo->TextRect(), (TRect{3, 3, 178, 260}));
  EXPECT_EQ(EditorRect(memo->Handle()).top, 3);
  EXPECT_GE(EditorRect(memo->Handle()).left, 3);

  const PixelBitmap shot = Capture(*memo);
  const PixelBitmap& picture = *data->ActivePicture(4);
  const TRect s{67, 130, 126, 182};  // the section's skinrect
  struct Probe {
    int x, y, sx, sy;
  } probes[] = {
      // The corners.
      {0, 0, s.left, s.top},
      {182, 0, s.right - 1, s.top},
      {0, 263, s.left, s.bottom - 1},
      {182, 263, s.right - 1, s.bottom - 1},
      // The edges, repeated along the memo.
      {91, 1, s.left + 20, s.top + 1},
      {0, 130, s.left, s.top + 20},
      {182, 130, s.right - 1, s.top + 20},
      {91, 263, s.left + 20, s.bottom - 1},
      // The background: the client part repeated from the memo's top-left corner.
      {91, 130, s.left + 2 + 91 % 55, s.top + 2 + 130 % 48},
      {5, 5, s.left + 2 + 5, s.top + 2 + 5},
  };
  for (const auto& p : probes) {
    EXPECT_EQ(shot.At(p.x, p.y), picture.At(p.sx, p.sy)) << p.x << "," << p.y;
  }
  EXPECT_EQ(Mismatches(shot, SkinnedLook(*data, false, 183, 264)), 0);
  EXPECT_EQ(memo->Font().Name(), "Arial");
  EXPECT_EQ(memo->Font().Height(), 14);
}

TEST_F(MemoTest, WithoutSkinDataTheMemoDrawsTheDefaultLook) {
  TskSkinMemo* memo = MakeMemo(183, 100, nullptr);
  EXPECT_EQ(memo->DefinitionIndex(), -1);
  EXPECT_EQ(memo->TextRect(), (TRect{3, 2, 179, 98}));
  EXPECT_EQ(EditorRect(memo->Handle()).top, 2);
  EXPECT_EQ(Mismatches(Capture(*memo), DefaultLook(183, 100)), 0);

  // A section of another kind under the memo's name is no memo section.
  auto data = Textured();
  memo->SetSkinDataName("edit");
  memo->SetSkinData(data.get());
  EXPECT_EQ(memo->DefinitionIndex(), -1);
  EXPECT_EQ(Mismatches(Capture(*memo), DefaultLook(183, 100)), 0);
}

TEST_F(MemoTest, TheDefaultLookReturnsWhenTheSkinDataEmptiesOrGoesAway) {
  auto data = Textured();
  TskSkinMemo* memo = MakeMemo(120, 80, data.get());
  memo->DefaultFont().SetName("Tahoma");
  ASSERT_EQ(memo->DefinitionIndex(), 0);
  EXPECT_EQ(memo->Font().Name(), "Arial");
  EXPECT_EQ(Mismatches(Capture(*memo), SkinnedLook(*data, false, 120, 80)), 0);

  // A too-new package, as the window frame would relay it: the section goes before the load,
  // and the load leaves the skin data Empty without announcing a change.
  memo->BeforeApplySkinData();
  EXPECT_EQ(memo->DefinitionIndex(), -1);
  Load(*data, TooNewPackage());
  ASSERT_TRUE(data->Empty());
  EXPECT_EQ(Mismatches(Capture(*memo), DefaultLook(120, 80)), 0);
  EXPECT_EQ(memo->Font().Name(), "Tahoma");

  // A good package again, and its announced change.
  Load(*data, TexturedPackage());
  memo->ApplySkinData();
  EXPECT_EQ(memo->DefinitionIndex(), 0);
  EXPECT_EQ(Mismatches(Capture(*memo), SkinnedLook(*data, false, 120, 80)), 0);

  // An Empty skin data that no frame announced is noticed at the next paint.
  Load(*data, TooNewPackage());
  memo->Invalidate();
  EXPECT_EQ(Mismatches(Capture(*memo), DefaultLook(120, 80)), 0);
  EXPECT_EQ(memo->DefinitionIndex(), -1);

  // Named through the shared base, as the windows attach their skin data, the skin is taken up
  // at the next paint; destroyed, it leaves the default look.
  auto other = Textured();
  static_cast<TskSkinnable*>(memo)->SetSkinData(other.get());
  memo->Invalidate();
  EXPECT_EQ(Mismatches(Capture(*memo), SkinnedLook(*other, false, 120, 80)), 0);
  EXPECT_EQ(memo->Font().Name(), "Arial");
  other.reset();
  EXPECT_EQ(memo->SkinData(), nullptr);
  EXPECT_EQ(memo->DefinitionIndex(), -1);
  EXPECT_EQ(memo->Font().Name(), "Tahoma");
  EXPECT_EQ(Mismatches(Capture(*memo), DefaultLook(120, 80)), 0);
}

TEST_F(MemoTest, TypingSelectAllAndDeleteLeaveThePictureWhole) {
  auto data = Textured();
  TskSkinMemo* memo = MakeMemo(150, 90, data.get());
  const HWND h = memo->Handle();
  const PixelBitmap empty = SkinnedLook(*data, false, 150, 90);
  ASSERT_EQ(Mismatches(Capture(*memo), empty), 0);

  testing::TypeChars(h, "ab");
  for (int i = 0; i < 11; ++i) testing::TypeChars(h, "\rab");
  ASSERT_GT(memo->FirstVisibleLine(), 0);  // the editor has scrolled its pixels
  PixelBitmap shot = Capture(*memo);
  EXPECT_GT(Mismatches(shot, empty, {0, 0, 40, 90}), 0);  // the text is there
  // Beside the short lines every pixel is the picture's, frame and background.
  EXPECT_EQ(Mismatches(shot, empty, {40, 0, 150, 90}), 0);

  // A line deleted at the bottom leaves nothing of its text behind.
  testing::TypeChars(h, "\b\b\b");
  shot = Capture(*memo);
  EXPECT_EQ(Mismatches(shot, empty, {40, 0, 150, 90}), 0);

  SendMessageW(h, EM_SETSEL, 0, -1);
  SendMessageW(h, WM_KEYDOWN, VK_DELETE, 0);
  EXPECT_EQ(memo->Text(), "");
  EXPECT_EQ(Mismatches(Capture(*memo), empty), 0);
}

TEST_F(MemoTest, EachWheelMessageScrollsOneLineAndTearsNothing) {
  auto data = Textured();
  TskSkinMemo* memo = MakeMemo(150, 90, data.get());
  const HWND h = memo->Handle();
  std::string text;
  for (int i = 0; i < 40; ++i) text += "ab " + std::to_string(i) + "\r\n";
  memo->SetText(text);
  const PixelBitmap empty = SkinnedLook(*data, false, 150, 90);
  struct Step {
    int delta;
    int first_line;
  } steps[] = {{-3 * WHEEL_DELTA, 1}, {-WHEEL_DELTA, 2},   {-1, 3}, {0, 4},
               {WHEEL_DELTA, 3},      {5 * WHEEL_DELTA, 2}};
  for (const auto& s : steps) {
    SendMessageW(h, WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(short(s.delta))), 0);
    EXPECT_EQ(memo->FirstVisibleLine(), s.first_line) << s.delta;
    EXPECT_EQ(Mismatches(Capture(*memo), empty, {50, 0, 150, 90}), 0) << s.delta;
  }
}

TEST_F(MemoTest, ReadOnlyRefusesEveryWayOfChangingTheTextButCopies) {
  TskSkinMemo* memo = MakeMemo(183, 100, nullptr);
  const HWND h = memo->Handle();
  auto key = [h](UINT msg, WPARAM w, LPARAM l = 1) { return [=] { SendMessageW(h, msg, w, l); }; };
  auto shifted = [h](WPARAM vk) {
    return [=] {
      SetShift(true);
      SendMessageW(h, WM_KEYDOWN, vk, 1);
      SetShift(false);
    };
  };
  struct Case {
    const char* name;
    std::function<void()> act;
    const char* editable;  // the text after it when the memo is editable
  } cases[] = {
      {"character", key(WM_CHAR, 'x'), "x world"},
      {"Backspace", key(WM_CHAR, '\b'), " world"},
      {"Enter", key(WM_CHAR, '\r'), "\r\n world"},
      {"Ctrl+X", key(WM_CHAR, 0x18), " world"},
      {"Ctrl+V", key(WM_CHAR, 0x16), "XY world"},
      {"Ctrl+Z", key(WM_CHAR, 0x1A), "hello world"},
      {"Delete", key(WM_KEYDOWN, VK_DELETE), " world"},
      {"Shift+Delete", shifted(VK_DELETE), " world"},
      {"Shift+Insert", shifted(VK_INSERT), "XY world"},
      // Alt is bit 29 of the key data; Wine's editor looks at bit 13 instead.
      {"Alt+Backspace", key(WM_SYSKEYDOWN, VK_BACK, 1 | 0x2000 | (1 << 29)), "hello world"},
      {"WM_CUT", key(WM_CUT, 0, 0), " world"},
      {"WM_PASTE", key(WM_PASTE, 0, 0), "XY world"},
      {"WM_CLEAR", key(WM_CLEAR, 0, 0), " world"},
      {"WM_UNDO", key(WM_UNDO, 0, 0), "hello world"},
      {"EM_UNDO", key(EM_UNDO, 0, 0), "hello world"},
      // The platform turns it into a posted character.
      {"IME character", key(WM_IME_CHAR, 'x'), "x world"},
      {"Ctrl+C", key(WM_CHAR, 3), "hi world"},
  };
  for (bool read_only : {false, true}) {
    for (const auto& c : cases) {
      memo->SetReadOnly(false);
      memo->SetText("hello world");
      // An edit that can be undone, then "hi" selected and "XY" on the clipboard.
      SendMessageW(h, EM_SETSEL, 0, 5);
      SendMessageA(h, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("hi"));
      SendMessageW(h, EM_SETSEL, 0, 2);
      PutOnClipboard("XY");
      memo->SetReadOnly(read_only);
      c.act();
      testing::Pump();
      EXPECT_EQ(memo->Text(), read_only ? "hi world" : c.editable)
          << c.name << (read_only ? " read-only" : " editable");
    }
  }
  EXPECT_EQ(testing::ClipboardText(), "hi");  // Ctrl+C copied in read-only mode
  SendMessageW(h, EM_SETSEL, 3, 8);
  SendMessageW(h, WM_COPY, 0, 0);
  EXPECT_EQ(testing::ClipboardText(), "world");
}

TEST_F(MemoTest, TheTextRectangleFollowsSizeFontAndSection) {
  auto data = Textured();
  TskSkinMemo* memo = MakeMemo(150, 90, nullptr);
  const HWND h = memo->Handle();
  EXPECT_EQ(memo->TextRect(), (TRect{3, 2, 146, 88}));
  // With the section: inside its client area (2, 2) to (W - 3, H - 2).
  memo->SetSkinData(data.get());
  EXPECT_EQ(memo->TextRect(), (TRect{3, 3, 144, 86}));
  EXPECT_EQ(EditorRect(h).top, 3);
  memo->SetBounds(10, 10, 200, 120);
  EXPECT_EQ(memo->TextRect(), (TRect{3, 3, 194, 116}));
  EXPECT_LE(EditorRect(h).right, 194);
  EXPECT_GT(EditorRect(h).right, 150);
  // A new font makes the native editor lay its text out over the whole client area again.
  memo->SetUseSkinFont(false);
  memo->DefaultFont().SetHeight(20);
  EXPECT_EQ(memo->Font().Height(), 20);
  EXPECT_EQ(EditorRect(h).top, 3);
  EXPECT_LE(EditorRect(h).right, 194);
  memo->SetBitMapBG(false);
  EXPECT_EQ(memo->TextRect(), (TRect{5, 4, 194, 116}));
  EXPECT_EQ(EditorRect(h).top, 4);
}

TEST_F(MemoTest, HoverAndFocusShowTheActiveLookAndTextColour) {
  auto data = Textured();
  TskSkinMemo* memo = MakeMemo(120, 80, data.get());
  auto* other = MakeMemo(40, 40, nullptr);
  other->SetLeft(300);
  const HWND h = memo->Handle();
  const PixelBitmap normal = SkinnedLook(*data, false, 120, 80);
  const PixelBitmap active = SkinnedLook(*data, true, 120, 80);
  ASSERT_GT(Mismatches(normal, active), 0);
  EXPECT_FALSE(memo->Active());
  EXPECT_EQ(memo->Font().Color(), RGB(0, 0, 0));

  RECT at;
  GetWindowRect(h, &at);
  SetCursorPos(at.left + 30, at.top + 30);
  SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(30, 30));
  EXPECT_TRUE(memo->Active());
  EXPECT_EQ(memo->Font().Color(), RGB(255, 0, 0));
  EXPECT_EQ(Mismatches(Capture(*memo), active), 0);

  MoveCursorAway();
  testing::PumpUntil([&] { return !memo->Active(); });
  EXPECT_FALSE(memo->Active());
  EXPECT_EQ(memo->Font().Color(), RGB(0, 0, 0));
  EXPECT_EQ(Mismatches(Capture(*memo), normal), 0);

  memo->SetFocus();
  EXPECT_TRUE(memo->Active());
  EXPECT_EQ(memo->Font().Color(), RGB(255, 0, 0));
  HideCaret(h);
  EXPECT_EQ(Mismatches(Capture(*memo), active), 0);
  ShowCaret(h);
  other->SetFocus();
  EXPECT_FALSE(memo->Active());
  EXPECT_EQ(Mismatches(Capture(*memo), normal), 0);
}

TEST_F(MemoTest, ADisabledMemoDrawsItsTextInTheEditSectionsColourUpToItsLastLine) {
  auto data = Textured();
  TskSkinMemo* memo = MakeMemo(150, 200, data.get());
  memo->SetText("ab\r\ncd");
  memo->SetEnabled(false);
  EXPECT_EQ(memo->Font().Color(), ColorToRGB(clGrayText));
  const PixelBitmap empty = SkinnedLook(*data, false, 150, 200);
  const PixelBitmap shot = Capture(*memo);

  HDC dc = GetDC(memo->Handle());
  HGDIOBJ old = SelectObject(dc, memo->Font().Handle());
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(memo->Handle(), dc);
  const int line = tm.tmHeight;
  const TRect r = memo->TextRect();
  // Ink on both lines, green over the light picture: never as dark as black text would be.
  EXPECT_GT(Mismatches(shot, empty, {r.left, r.top, r.right, r.top + line}), 0);
  EXPECT_GT(Mismatches(shot, empty, {r.left, r.top + line, r.right, r.top + 2 * line}), 0);
  int darkest_green = 255;
  for (int y = r.top; y < r.top + 2 * line; ++y) {
    for (int x = r.left; x < r.right; ++x)
      darkest_green = std::min<int>(darkest_green, PixelGreen(shot.At(x, y)));
  }
  EXPECT_GE(darkest_green, 110);
  EXPECT_EQ(Mismatches(shot, empty, {0, r.top + 2 * line, 150, 200}), 0);

  memo->SetEnabled(true);
  EXPECT_EQ(memo->Font().Color(), RGB(0, 0, 0));
}

TEST_F(MemoTest, TheNativeContextMenuOfAReadOnlyMemoOffersNothingThatChangesTheText) {
  TskSkinMemo* memo = MakeMemo(183, 100, nullptr);
  const HWND h = memo->Handle();
  memo->SetText("hello");
  SendMessageW(h, EM_SETSEL, 0, 2);
  PutOnClipboard("XY");
  RECT at;
  GetWindowRect(h, &at);
  // By position: undo, -, cut, copy, paste, delete, -, select all.
  for (bool read_only : {false, true}) {
    memo->SetReadOnly(read_only);
    g_menu = MenuProbe{h};
    SetTimer(nullptr, 0, 100, ReadMenuAndClose);
    SendMessageW(h, WM_CONTEXTMENU, WPARAM(h), MAKELPARAM(at.left + 20, at.top + 20));
    ASSERT_TRUE(g_menu.seen) << read_only;
    EXPECT_EQ(g_menu.read_only_style, read_only);
    EXPECT_EQ(g_menu.grayed[2], read_only) << "cut";
    EXPECT_FALSE(g_menu.grayed[3]) << "copy";
    EXPECT_EQ(g_menu.grayed[4], read_only) << "paste";
    EXPECT_EQ(g_menu.grayed[5], read_only) << "delete";
    // Afterwards the native control is editable again; the memo's own mode does the refusing.
    EXPECT_EQ(GetWindowLongW(h, GWL_STYLE) & ES_READONLY, 0);
  }
  EXPECT_EQ(memo->Text(), "hello");
}

}  // namespace
}  // namespace vl
