// The skinned button under Wine: its looks against the carried skin's button pictures, its
// sizes with and without skin data, the mouse and keys through the message loop, and the
// morph, animation and glow paths with a small skin built here.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/edit_win.h"
#include "framework/form_win.h"
#include "skin/controls/skin_button_win.h"
#include "skin/data/carried_skin_win.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_package.h"
#include "skin/data/zlib_codec.h"
#include "skin/paint/effects.h"
#include "support/gui_test_win.h"

namespace vl {
namespace {

using testing::PumpFor;
using testing::PumpUntil;

// The test skin's picture: the looks of a 40 x 20 button down the left column, three animation
// frames beside the normal look and a focused look after them; the glow and two masks are
// pictures of their own.
constexpr Pixel kNormal = MakePixel(200, 200, 200);
constexpr Pixel kHot = MakePixel(40, 120, 220);
constexpr Pixel kDown = MakePixel(20, 60, 110);
constexpr Pixel kDisabled = MakePixel(255, 255, 255);
constexpr Pixel kFrames[] = {MakePixel(255, 0, 0), MakePixel(0, 255, 0), MakePixel(0, 0, 255)};
constexpr Pixel kFocusedLook = MakePixel(250, 240, 100);

PixelBitmap TestPicture() {
  PixelBitmap p(200, 80);
  auto fill = [&p](TRect r, Pixel c) {
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) p.At(x, y) = c;
    }
  };
  fill({0, 0, 40, 20}, kNormal);
  fill({0, 20, 40, 40}, kHot);
  fill({0, 40, 40, 60}, kDown);
  fill({0, 60, 40, 80}, kDisabled);
  for (int k = 0; k < 3; ++k) fill({40 + 40 * k, 0, 80 + 40 * k, 20}, kFrames[k]);
  fill({160, 0, 200, 20}, kFocusedLook);
  return p;
}

const char* const kMorphKinds[] = {"mkdefault",       "mkgradient",  "mkleftgradient",
                                   "mkrightgradient", "mkleftslide", "mkrightslide",
                                   "mkpush"};

std::string ButtonSection(const std::string& name, const std::string& extra) {
  return "[" + name +
         "]\r\npictureindex=0\r\nskinrect=0,0,40,20\r\nlefttoppoint=3,3\r\nrighttoppoint=37,3\r\n"
         "clientrect=2,2,38,18\r\nactiveskinrect=0,20,40,40\r\ndownskinrect=0,40,40,60\r\n"
         "disabledskinrect=0,60,40,80\r\n" +
         extra;
}

Bytes TestPackage() {
  std::vector<std::pair<std::string, std::string>> buttons = {
      {"plain", "fontcolor=255\r\ndisabledfontcolor=255\r\n"},
      {"anim", "animateskinrect=40,0,160,20\r\nframecount=3\r\nanimateinterval=100\r\n"},
      {"anim0", "animateskinrect=40,0,160,20\r\nframecount=0\r\nanimateinterval=20\r\n"},
      {"pace0", "animateskinrect=40,0,160,20\r\nframecount=3\r\nanimateinterval=0\r\n"},
      {"glow",
       "glowlayerpictureindex=1\r\nglowlayermaskpictureindex=2\r\nglowlayeroffsetleft=6\r\n"
       "glowlayeroffsetright=6\r\nglowlayershowoffsetx=5\r\nglowlayershowoffsety=4\r\n"
       "glowlayeralphablendvalue=200\r\n"},
      {"glowmismatch", "glowlayerpictureindex=1\r\nglowlayermaskpictureindex=3\r\n"},
      {"focus", "focusedskinrect=160,0,200,20\r\nshowfocus=1\r\n"},
  };
  for (int k = 0; k < 7; ++k) {
    buttons.push_back({"morph" + std::to_string(k),
                       std::string("morphing=1\r\nmorphkind=") + kMorphKinds[k] + "\r\n"});
  }
  std::string text =
      "[VERSION]\r\nskinname=Test\r\n[PICTURES]\r\npicture=main.bmp\r\nactivepicturescount=4\r\n"
      "[FORMINFO]\r\n[SKINOBJECTS]\r\ncount=0\r\n[SKINCONTROLS]\r\ncount=" +
      std::to_string(buttons.size() + 1) + "\r\n";
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    text += std::to_string(i) + "=" + buttons[i].first + ":button\r\n";
  }
  text += std::to_string(buttons.size()) + "=panelclass:panel\r\n";
  for (const auto& [name, extra] : buttons) text += ButtonSection(name, extra);
  text += ButtonSection("panelclass", "");

  SkinPackageContents c;
  c.picture = {PixelBitmap(4, 4), 24, {}};
  c.active_pictures = {{TestPicture(), 24, {}},
                       {PixelBitmap(50, 30, MakePixel(255, 200, 0)), 24, {}},
                       {PixelBitmap(50, 30, 0xFFFFFF), 24, {}},
                       {PixelBitmap(49, 30, 0xFFFFFF), 24, {}}};
  c.text = text;
  return DeflateZlib(WriteInnerPackage(c));
}

// Relays skin changes to the form's controls as the skinned frame does.
class RelayToForm : public TskFormNotifier {
 public:
  explicit RelayToForm(TWinControl& root) : root_(root) {}
  void NotifyForms(TskSkinData& data, unsigned message) override {
    RelaySkinChange(root_, &data, message);
  }

 private:
  TWinControl& root_;
};

PixelBitmap Capture(TWinControl& control) {
  TBitmap bitmap(control.Width(), control.Height());
  SendMessageW(control.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(bitmap.DC()), PRF_CLIENT);
  GdiFlush();
  return bitmap.ToPixels();
}

// The pixels where two pictures of one size differ.
TRect DifferenceBounds(const PixelBitmap& a, const PixelBitmap& b) {
  TRect r{a.Width(), a.Height(), -1, -1};
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (a.At(x, y) == b.At(x, y)) continue;
      r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
           std::max(r.bottom, y + 1)};
    }
  }
  return r;
}

bool AllOf(const PixelBitmap& p, Pixel c) {
  for (Pixel q : p.Pixels()) {
    if (q != c) return false;
  }
  return true;
}

class ButtonTest : public testing::SeamsFixture {
 protected:
  ButtonTest() : form(nullptr), relay(form) {
    form.SetClientSize(400, 300);
    form.Show();
    // The pointer rests in the form's far corner, away from every button a test makes, wherever
    // the platform placed the form.
    ParkPointer();
    testing::Pump();
  }
  POINT ParkPointer() {
    POINT corner{390, 290};
    ClientToScreen(form.Handle(), &corner);
    SetCursorPos(corner.x, corner.y);
    return corner;
  }
  ~ButtonTest() override { form.Release(); }

  TskSkinButton* MakeButton(int width, int height, bool use_skin_size = true, int left = 10,
                            int top = 10) {
    auto* button = new TskSkinButton(&form);
    button->SetUseSkinSize(use_skin_size);
    button->SetBounds(left, top, width, height);
    button->SetParent(&form);
    button->OnClick = [this] { ++clicks; };
    return button;
  }
  TskSkinData* CarriedSkin() {
    auto* list = new TskCompressedSkinList(&form);
    EXPECT_TRUE(ReadCarriedSkin(list->Skins().Add()));
    auto* data = new TskSkinData(&form, relay);
    data->SetSkinList(list);
    EXPECT_FALSE(data->Empty());
    return data;
  }
  TskSkinData* TestSkin() {
    auto* data = new TskSkinData(&form, relay);
    TskCompressedStoredSkin stored;
    stored.SetCompressedData(TestPackage());
    data->LoadPackage(stored);
    EXPECT_FALSE(data->Empty());
    return data;
  }
  TskSkinButton* TestButton(const char* section, int width = 75) {
    if (!test_skin) test_skin = TestSkin();
    TskSkinButton* b = MakeButton(width, 20);
    b->SetSkinDataName(section);
    b->SetSkinData(test_skin);
    return b;
  }

  // The pointer really over the button, and settled there, so that the leave tracking the move
  // arms reports no leave; then the move. A leave the pointer's late arrival still caused is
  // made good by entering again.
  void Enter(TskSkinButton* b, int x = 5, int y = 5) {
    POINT pt{x, y};
    ClientToScreen(b->Handle(), &pt);
    for (int attempt = 0; attempt < 5; ++attempt) {
      SetCursorPos(pt.x, pt.y);
      PumpFor(20);
      SendMessageW(b->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
      if (!b->Enabled()) return;
      PumpFor(20);
      if (b->MouseIn()) return;
    }
  }
  // The pointer parked and settled away from the button, so that no late move over the button
  // enters it again once it has been left; then the leave.
  void Leave(TskSkinButton* b) {
    const POINT park = ParkPointer();
    PumpUntil([&] {
      POINT at{};
      GetCursorPos(&at);
      return at.x == park.x && at.y == park.y;
    });
    PumpFor(40);
    SendMessageW(b->Handle(), WM_MOUSELEAVE, 0, 0);
  }

  TForm form;
  RelayToForm relay;
  TskSkinData* test_skin = nullptr;
  int clicks = 0;
};

TEST_F(ButtonTest, TheCarriedSkinDrawsEachStateFromItsButtonPicture) {
  TskSkinData* skin = CarriedSkin();
  const PixelBitmap& pic = *skin->ActivePicture(4);
  TskSkinButton* b = MakeButton(75, 25);
  b->SetSkinData(skin);
  ASSERT_EQ(b->Width(), 75);
  ASSERT_EQ(b->Height(), 22);
  const HWND h = b->Handle();
  struct Step {
    const char* what;
    std::function<void()> act;
    TRect rect;
  } steps[] = {
      {"normal", [] {}, {458, 272, 500, 294}},
      {"hot", [&] { Enter(b); }, {458, 298, 500, 320}},
      {"pressed",
       [&] { SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); },
       {458, 324, 500, 346}},
      {"disabled",
       [&] {
         SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
         b->SetEnabled(false);
       },
       {503, 272, 545, 294}},
  };
  for (const auto& s : steps) {
    s.act();
    EXPECT_EQ(b->FaceRect(), s.rect) << s.what;
    const PixelBitmap shot = Capture(*b);
    // Three columns at the left and seven at the right are the ends; the 32 between them repeat.
    for (int y = 0; y < 22; ++y) {
      for (int x = 0; x < 75; ++x) {
        const int sx = x < 3 ? x : (x >= 68 ? 35 + (x - 68) : 3 + (x - 3) % 32);
        ASSERT_EQ(shot.At(x, y), pic.At(s.rect.left + sx, s.rect.top + y))
            << s.what << " at " << x << "," << y;
      }
    }
  }
  EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonTest, ThePressedLookShiftsTheCaptionByOnePixel) {
  TskSkinData* skin = CarriedSkin();
  TskSkinButton* b = MakeButton(75, 25);
  b->SetSkinData(skin);
  auto caption_bounds = [&] {
    b->SetCaption("Save");
    const PixelBitmap with = Capture(*b);
    b->SetCaption("");
    return DifferenceBounds(with, Capture(*b));
  };
  Enter(b);
  const TRect hot = caption_bounds();
  ASSERT_FALSE(hot.IsEmpty());
  SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  const TRect pressed = caption_bounds();
  EXPECT_EQ(pressed, hot.Offset(1, 1));
  // The caption lies inside the sized client rectangle 2,2 - 73,20.
  EXPECT_GE(hot.left, 2);
  EXPECT_LE(pressed.right, 73);
  EXPECT_GE(hot.top, 2);
  EXPECT_LE(pressed.bottom, 20);
}

TEST_F(ButtonTest, AQueryButtonKeepsItsSizeAndStretchesTheLookOverIt) {
  TskSkinData* skin = CarriedSkin();
  const PixelBitmap& pic = *skin->ActivePicture(4);
  TskSkinButton* b = MakeButton(57, 55, false);
  b->SetSkinData(skin);
  EXPECT_EQ(b->Width(), 57);
  EXPECT_EQ(b->Height(), 55);
  b->SetBounds(10, 10, 57, 55);
  EXPECT_EQ(b->Height(), 55);
  for (TRect r : {TRect{458, 272, 500, 294}, TRect{458, 298, 500, 320}}) {
    const PixelBitmap shot = Capture(*b);
    struct Probe {
      int x, y, sx, sy;
    } probes[] = {{0, 0, 0, 0},     {56, 0, 41, 0}, {0, 54, 0, 21},
                  {56, 54, 41, 21}, {1, 1, 1, 1},   {55, 53, 40, 20}};
    for (const auto& p : probes) {
      EXPECT_EQ(shot.At(p.x, p.y), pic.At(r.left + p.sx, r.top + p.sy)) << p.x << "," << p.y;
    }
    Enter(b);
  }
}

TEST_F(ButtonTest, TheSizeRuleHoldsOnlyWhileThereIsASkin) {
  TskSkinButton* save = MakeButton(75, 25);
  TskSkinButton* query = MakeButton(57, 55, false, 100);
  EXPECT_EQ(save->BoundsRect(), (TRect{10, 10, 85, 35}));
  EXPECT_EQ(query->BoundsRect(), (TRect{100, 10, 157, 65}));
  TskSkinData* skin = CarriedSkin();
  save->SetSkinData(skin);
  query->SetSkinData(skin);
  EXPECT_EQ(save->BoundsRect(), (TRect{10, 10, 85, 32}));
  EXPECT_EQ(query->BoundsRect(), (TRect{100, 10, 157, 65}));
  save->SetBounds(10, 40, 120, 40);
  EXPECT_EQ(save->BoundsRect(), (TRect{10, 40, 130, 62}));
  delete skin;
  save->SetBounds(10, 40, 120, 40);
  EXPECT_EQ(save->BoundsRect(), (TRect{10, 40, 130, 80}));
}

TEST_F(ButtonTest, WithoutSkinDataOrWithAnEmptyOneTheDefaultLookReturns) {
  TskSkinButton* b = MakeButton(75, 25);
  const COLORREF shadow = ColorToRGB(clBtnShadow);
  auto corner = [&] { return PixelToColor(Capture(*b).At(0, 0)); };
  EXPECT_EQ(corner(), shadow);
  EXPECT_TRUE(b->FaceRect().IsEmpty());

  TskSkinData* skin = CarriedSkin();
  b->SetSkinData(skin);
  const Pixel skinned = skin->ActivePicture(4)->At(458, 272);
  EXPECT_EQ(Capture(*b).At(0, 0), skinned);

  // A load that fails leaves the skin data Empty, and the button draws its own look.
  TskCompressedStoredSkin broken;
  broken.SetCompressedData(Bytes(40, 0x5A));
  EXPECT_ANY_THROW(skin->LoadPackage(broken));
  ASSERT_TRUE(skin->Empty());
  b->ApplySkinData();
  EXPECT_EQ(corner(), shadow);
  EXPECT_TRUE(b->FaceRect().IsEmpty());

  TskSkinData* again = CarriedSkin();
  b->SetSkinData(again);
  EXPECT_EQ(Capture(*b).At(0, 0), skinned);
  delete again;
  EXPECT_EQ(b->SkinData(), nullptr);
  EXPECT_EQ(corner(), shadow);
}

TEST_F(ButtonTest, ASectionOfAnotherKindIsNoButtonLook) {
  TskSkinButton* b = MakeButton(75, 25);
  b->SetSkinDataName("panelclass");
  b->SetSkinData(TestSkin());
  EXPECT_EQ(b->BoundsRect(), (TRect{10, 10, 85, 35}));
  EXPECT_TRUE(b->FaceRect().IsEmpty());
  EXPECT_EQ(PixelToColor(Capture(*b).At(0, 0)), ColorToRGB(clBtnShadow));
}

TEST_F(ButtonTest, PressReleaseInAndOutSpaceAndEnter) {
  TskSkinButton* b = MakeButton(75, 25);
  b->SetSkinData(CarriedSkin());
  const HWND h = b->Handle();
  const TRect normal{458, 272, 500, 294}, hot{458, 298, 500, 320}, down{458, 324, 500, 346};
  Enter(b);
  EXPECT_EQ(b->FaceRect(), hot);
  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_TRUE(b->Focused());
  EXPECT_EQ(b->FaceRect(), down);
  SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 5));
  EXPECT_FALSE(b->MouseIn());
  EXPECT_EQ(b->FaceRect(), hot) << "focused, no longer pressed";
  SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(6, 6));
  EXPECT_EQ(b->FaceRect(), down);
  SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(b->FaceRect(), hot);

  SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 5));
  SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(200, 5));
  EXPECT_EQ(clicks, 1) << "released outside";
  EXPECT_FALSE(b->Down());

  SendMessageW(h, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(b->FaceRect(), down);
  SendMessageW(h, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(clicks, 1) << "held Space repeats only in repeat mode";
  SendMessageW(h, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(clicks, 2);
  SendMessageW(h, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(clicks, 2) << "a release without a press here";
  SendMessageW(h, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(clicks, 3);

  b->SetEnabled(false);
  EXPECT_EQ(b->FaceRect(), (TRect{503, 272, 545, 294}));
  b->SetEnabled(true);
  EXPECT_FALSE(b->MouseIn());
  b->SetFocus();
  EXPECT_EQ(b->FaceRect(), hot);
  form.SetFocus();
  EXPECT_EQ(b->FaceRect(), normal);
}

TEST_F(ButtonTest, EnterClicksTheDefaultButtonEscapeTheCancelOneAndAcceleratorsTheirs) {
  auto* edit = new TEdit(&form);
  edit->SetBounds(10, 100, 100, 24);
  edit->SetParent(&form);
  TskSkinButton* ok = MakeButton(75, 25, true, 10, 10);
  TskSkinButton* cancel = MakeButton(75, 25, true, 100, 10);
  TskSkinButton* other = MakeButton(75, 25, true, 200, 10);
  int ok_clicks = 0, cancel_clicks = 0, other_clicks = 0;
  ok->OnClick = [&] { ++ok_clicks; };
  cancel->OnClick = [&] { ++cancel_clicks; };
  other->OnClick = [&] { ++other_clicks; };
  ok->SetDefault(true);
  cancel->SetCancel(true);
  other->SetCaption("&Bravo");
  testing::Pump();

  edit->SetFocus();
  EXPECT_TRUE(ok->Active());
  EXPECT_TRUE(ok->MouseIn()) << "the default button looks hot while Enter would click it";
  auto post = [](TWinControl* to, UINT msg, WPARAM key) {
    PostMessageW(to->Handle(), msg, key, msg == WM_SYSCHAR ? (1 << 29) : 0);
    testing::Pump();
  };
  post(edit, WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(ok_clicks, 1);
  post(edit, WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ(cancel_clicks, 1);
  post(edit, WM_CHAR, 'b');
  EXPECT_EQ(other_clicks, 0) << "the edit types a plain character";
  post(edit, WM_SYSCHAR, 'b');
  EXPECT_EQ(other_clicks, 1);
  EXPECT_TRUE(other->Focused());

  // With a button focused, Enter is that button's own, and the default one is no longer hot.
  EXPECT_FALSE(ok->Active());
  EXPECT_FALSE(ok->MouseIn());
  EXPECT_TRUE(other->Active());
  post(other, WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(other_clicks, 2);
  EXPECT_EQ(ok_clicks, 1);
  post(other, WM_CHAR, 'B');
  EXPECT_EQ(other_clicks, 3) << "beside a button a plain character is an accelerator";

  cancel->SetEnabled(false);
  post(edit, WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ(cancel_clicks, 1);
  ok->SetDefault(false);
  edit->SetFocus();
  post(edit, WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(ok_clicks, 1);
}

TEST_F(ButtonTest, TheGlyphCellFollowsTheStateAndItsCornerColourIsClear) {
  // Two 4 x 4 cells on a clear background: a red square for the normal cell, a blue one for
  // the disabled cell.
  const Pixel clear = MakePixel(0, 255, 255), red = MakePixel(255, 0, 0),
              blue = MakePixel(0, 0, 255);
  PixelBitmap glyph(8, 4, clear);
  for (int y = 1; y < 3; ++y) {
    for (int x = 1; x < 3; ++x) {
      glyph.At(x, y) = red;
      glyph.At(4 + x, y) = blue;
    }
  }
  TskSkinButton* b = MakeButton(57, 55);
  b->SetGlyph(glyph);
  b->SetNumGlyphs(2);
  auto count = [](const PixelBitmap& p, Pixel c) {
    int n = 0;
    for (Pixel q : p.Pixels()) n += q == c;
    return n;
  };
  PixelBitmap shot = Capture(*b);
  EXPECT_EQ(count(shot, red), 4);
  EXPECT_EQ(count(shot, blue), 0);
  EXPECT_EQ(count(shot, clear), 0);
  // Centred beside an empty caption: the cell's top-left at (28 - (4 + 1) div 2, 27 - 4 div 2).
  EXPECT_EQ(shot.At(27, 26), red);
  EXPECT_EQ(shot.At(28, 27), red);
  b->SetEnabled(false);
  shot = Capture(*b);
  EXPECT_EQ(count(shot, red), 0);
  EXPECT_EQ(count(shot, blue), 4);
  b->SetNumGlyphs(7);
  EXPECT_EQ(b->NumGlyphs(), 4);
}

TEST_F(ButtonTest, RepeatModeClicksWhileHeldAndStopsOnRelease) {
  TskSkinButton* b = MakeButton(75, 25);
  b->SetRepeatMode(true);
  b->SetRepeatInterval(30);
  Enter(b);
  SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(clicks, 0);
  EXPECT_TRUE(b->Repeating());
  PumpUntil([&] { return clicks >= 3; });
  EXPECT_GE(clicks, 3);
  SendMessageW(b->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_FALSE(b->Repeating());
  const int after = clicks;
  PumpFor(150);
  EXPECT_EQ(clicks, after);
}

TEST_F(ButtonTest, AGroupKeepsOneButtonDown) {
  TskSkinButton* a = MakeButton(75, 25, true, 10, 10);
  TskSkinButton* b = MakeButton(75, 25, true, 100, 10);
  for (TskSkinButton* x : {a, b}) x->SetGroupIndex(1);
  EXPECT_FALSE(a->CanFocused());
  EXPECT_FALSE(a->TabStop());
  testing::Click(a->Handle());
  EXPECT_TRUE(a->Down());
  EXPECT_EQ(clicks, 1) << "a grouped button clicks on the press";
  EXPECT_EQ(a->Look(), TButtonLook::kPressed);
  testing::Click(b->Handle());
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  testing::Click(b->Handle());
  EXPECT_TRUE(b->Down()) << "all up is not allowed";
  b->SetAllowAllUp(true);
  testing::Click(b->Handle());
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(clicks, 3);
}

TEST_F(ButtonTest, EveryMorphKindBlendsTheNormalAndHotLooksStepByStep) {
  for (int k = 0; k < 7; ++k) {
    const std::string name = "morph" + std::to_string(k);
    TskSkinButton* b = TestButton(name.c_str());
    ASSERT_EQ(b->Height(), 20);
    Enter(b);
    EXPECT_TRUE(b->Morphing()) << name;
    PumpUntil([&] { return b->MorphFactor() > 0.3; });
    const double factor = b->MorphFactor();
    ASSERT_GT(factor, 0.0) << name;
    ASSERT_LT(factor, 1.0) << name;
    TskEffectBmp want(PixelBitmap(75, 20, kNormal));
    want.Morph(TskEffectBmp(PixelBitmap(75, 20, kHot)), TskMorphKind(k), factor);
    EXPECT_EQ(Capture(*b), want.Picture()) << name << " at " << factor;

    // Leaving half way turns the running morph round.
    Leave(b);
    std::vector<double> seen{b->MorphFactor()};
    PumpUntil([&] {
      if (b->MorphFactor() != seen.back()) seen.push_back(b->MorphFactor());
      return !b->Morphing();
    });
    EXPECT_EQ(b->MorphFactor(), 0.0) << name;
    for (std::size_t i = 1; i < seen.size(); ++i) EXPECT_LT(seen[i], seen[i - 1]) << name;
    EXPECT_TRUE(AllOf(Capture(*b), kNormal)) << name;

    Enter(b);
    PumpUntil([&] { return !b->Morphing(); });
    EXPECT_EQ(b->MorphFactor(), 1.0) << name;
    EXPECT_TRUE(AllOf(Capture(*b), kHot)) << name;
    Leave(b);
    delete b;
  }
}

TEST_F(ButtonTest, AFrameAnimationPlaysForwardOnEntryAndBackOnLeaving) {
  TskSkinButton* b = TestButton("anim");
  std::vector<Pixel> seen;
  auto record = [&] {
    const Pixel p = Capture(*b).At(20, 10);
    if (seen.empty() || seen.back() != p) seen.push_back(p);
    return !b->Animating();
  };
  Enter(b);
  EXPECT_TRUE(b->Animating());
  EXPECT_EQ(b->AnimationFrameNumber(), 1);
  PumpUntil(record);
  EXPECT_EQ(seen, (std::vector<Pixel>{kFrames[0], kFrames[1], kFrames[2], kHot}));
  seen.clear();
  Leave(b);
  PumpUntil(record);
  EXPECT_EQ(seen, (std::vector<Pixel>{kFrames[2], kFrames[1], kFrames[0], kNormal}));

  // A press stops a running animation.
  Enter(b);
  SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_FALSE(b->Animating());
  EXPECT_TRUE(AllOf(Capture(*b), kDown));
  SendMessageW(b->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

TEST_F(ButtonTest, NoFramesOrNoPaceMeansNoAnimation) {
  for (const char* section : {"anim0", "pace0"}) {
    TskSkinButton* b = TestButton(section);
    Enter(b);
    EXPECT_FALSE(b->Animating()) << section;
    EXPECT_TRUE(AllOf(Capture(*b), kHot)) << section;
    Leave(b);
    EXPECT_TRUE(AllOf(Capture(*b), kNormal)) << section;
    delete b;
  }
}

TEST_F(ButtonTest, TheFocusedLookAndItsFocusRectangle) {
  TskSkinButton* b = TestButton("focus");
  b->SetFocus();
  EXPECT_EQ(b->FaceRect(), (TRect{160, 0, 200, 20}));
  const PixelBitmap shot = Capture(*b);
  int dotted = 0;
  for (int x = 2; x < 73; ++x) dotted += shot.At(x, 2) != kFocusedLook;
  EXPECT_GT(dotted, 20);
  EXPECT_EQ(shot.At(30, 10), kFocusedLook);
  EXPECT_EQ(shot.At(30, 0), kFocusedLook);
}

TEST_F(ButtonTest, ADisabledCaptionInTheNormalColourIsGrey) {
  TskSkinButton* b = TestButton("plain");
  auto ink = [&] {
    b->SetCaption("WWW");
    const PixelBitmap with = Capture(*b);
    b->SetCaption("");
    const PixelBitmap without = Capture(*b);
    std::vector<Pixel> out;
    for (std::size_t i = 0; i < with.Pixels().size(); ++i) {
      if (with.Pixels()[i] != without.Pixels()[i]) out.push_back(with.Pixels()[i]);
    }
    return out;
  };
  const std::vector<Pixel> red = ink();
  ASSERT_FALSE(red.empty());
  bool reddish = false;
  for (Pixel p : red) reddish |= PixelRed(p) > PixelGreen(p) + 40;
  EXPECT_TRUE(reddish);
  b->SetEnabled(false);
  const std::vector<Pixel> grey = ink();
  ASSERT_FALSE(grey.empty());
  // Grey on the white disabled look: every inked pixel is a grey, and some are dark.
  bool dark = false;
  for (Pixel p : grey) {
    EXPECT_EQ(PixelRed(p), PixelGreen(p));
    EXPECT_EQ(PixelGreen(p), PixelBlue(p));
    dark |= PixelRed(p) <= 160;
  }
  EXPECT_TRUE(dark);
}

TEST_F(ButtonTest, TheGlowShowsOnEntryAndIsAlwaysTakenAway) {
  if (!TskLayerManager::Available()) GTEST_SKIP() << "no layered windows";
  TskSkinButton* b = TestButton("glow");
  auto shown = [&] { return b->GlowLayer().LayerHandle() != nullptr; };
  Enter(b);
  PumpUntil(shown, 500);
  ASSERT_TRUE(shown());
  RECT at;
  GetWindowRect(b->GlowLayer().LayerHandle(), &at);
  POINT origin{0, 0};
  ClientToScreen(b->Handle(), &origin);
  EXPECT_EQ(at.left, origin.x - 5);
  EXPECT_EQ(at.top, origin.y - 4);
  EXPECT_EQ(at.right - at.left, 50 + 75 - 40);
  EXPECT_EQ(at.bottom - at.top, 30);

  struct Way {
    const char* what;
    std::function<void()> take_away;
  } ways[] = {
      {"leave", [&] { Leave(b); }},
      {"disable", [&] { b->SetEnabled(false); }},
      {"hide", [&] { b->Hide(); }},
      {"skin change", [&] { b->BeforeApplySkinData(); }},
      {"skin removal",
       [&] {
         delete test_skin;
         test_skin = nullptr;
       }},
  };
  for (const auto& w : ways) {
    b->SetEnabled(true);
    b->Show();
    if (b->SkinData()) b->ApplySkinData();
    Leave(b);
    testing::Pump();
    Enter(b);
    PumpUntil(shown, 500);
    ASSERT_TRUE(shown()) << w.what;
    w.take_away();
    testing::Pump();
    EXPECT_FALSE(shown()) << w.what;
  }
}

TEST_F(ButtonTest, TheGlowNeedsMatchingPicturesAndGlowsSwitchedOn) {
  if (!TskLayerManager::Available()) GTEST_SKIP() << "no layered windows";
  TskSkinButton* mismatched = TestButton("glowmismatch");
  Enter(mismatched);
  PumpFor(60);
  EXPECT_EQ(mismatched->GlowLayer().LayerHandle(), nullptr);
  Leave(mismatched);

  TskSkinButton* b = TestButton("glow");
  test_skin->ShowButtonGlowFrames = false;
  Enter(b);
  PumpFor(60);
  EXPECT_EQ(b->GlowLayer().LayerHandle(), nullptr);
  Leave(b);
  b->SetAlwaysShowLayeredFrame(true);
  Enter(b);
  PumpUntil([&] { return b->GlowLayer().LayerHandle() != nullptr; }, 500);
  EXPECT_NE(b->GlowLayer().LayerHandle(), nullptr);
  Leave(b);
  testing::Pump();
  EXPECT_EQ(b->GlowLayer().LayerHandle(), nullptr);
}

}  // namespace
}  // namespace vl
