// Animated frame objects and user objects, with a small skin built here: a 200 x 100 frame
// picture, and an active picture whose pieces each have a colour of their own so that the window
// shows which frame an object is on.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/data/skin_data.h"
#include "skin/data/skin_package.h"
#include "skin/data/zlib_codec.h"
#include "skin/form/skin_form_win.h"
#include "skin/paint/paint_win.h"
#include "support/framed_form_win.h"
#include "support/gui_test_win.h"

namespace vl {
namespace {

constexpr Pixel kFrame = MakePixel(90, 90, 90);
// The spinner's four frames side by side, its down look, and the menu object's three frames
// stacked below them.
constexpr Pixel kSpin[] = {MakePixel(200, 0, 0), MakePixel(0, 200, 0), MakePixel(0, 0, 200),
                           MakePixel(200, 200, 0)};
constexpr Pixel kDown = MakePixel(0, 200, 200);
constexpr Pixel kMenu[] = {MakePixel(120, 0, 120), MakePixel(250, 130, 0), MakePixel(10, 60, 10)};
constexpr COLORREF kBadge = RGB(1, 2, 250);

std::string FrameText(bool button_style) {
  return std::string(
             "[VERSION]\r\nskinname=Animate test\r\n[PICTURES]\r\npicture=main.bmp\r\n"
             "activepicturescount=1\r\n[FORMINFO]\r\nlefttoppoint=20,30\r\nrighttoppoint=140,30\r\n"
             "leftbottompoint=20,90\r\nrightbottompoint=140,90\r\nclientrect=10,30,190,90\r\n"
             "captionrect=10,5,120,25\r\n"
             "[SKINOBJECTS]\r\ncount=4\r\n0=spinner:animate\r\n1=menuanim:animate\r\n"
             "2=badge:userobject\r\n3=custom:animate\r\n"
             "[spinner]\r\nskinrectinapicture=1\r\nskinrect=0,0,16,16\r\nactivepictureindex=0\r\n"
             "activeskinrect=0,0,64,16\r\ncountframes=4\r\ncommand=cmmaximize\r\n"
             "downskinrect=0,64,16,80\r\nbuttonstyle=") +
         (button_style ? "1" : "0") +
         "\r\n[menuanim]\r\nskinrectinapicture=1\r\nskinrect=0,0,16,16\r\n"
         "activepictureindex=0\r\nactiveskinrect=0,16,16,64\r\ncountframes=3\r\ncycle=1\r\n"
         "timerinterval=10\r\ncommand=cmsysmenu\r\n"
         "[badge]\r\nskinrect=150,8,160,20\r\nactivepictureindex=0\r\n"
         "[custom]\r\nskinrectinapicture=1\r\nskinrect=0,0,16,16\r\nactivepictureindex=0\r\n"
         "activeskinrect=0,0,64,16\r\ncountframes=4\r\n";
}

void Fill(PixelBitmap& picture, const TRect& r, Pixel p) {
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) picture.At(x, y) = p;
  }
}

Bytes FramePackage(const std::string& text) {
  PixelBitmap active(64, 80, MakePixel(255, 255, 255));
  for (int i = 0; i < 4; ++i) Fill(active, {i * 16, 0, i * 16 + 16, 16}, kSpin[i]);
  for (int i = 0; i < 3; ++i) Fill(active, {0, 16 + i * 16, 16, 32 + i * 16}, kMenu[i]);
  Fill(active, {0, 64, 16, 80}, kDown);
  SkinPackageContents c;
  c.picture = {PixelBitmap(200, 100, kFrame), 24, {}};
  c.active_pictures = {{std::move(active), 24, {}}};
  c.text = text;
  return DeflateZlib(WriteInnerPackage(c));
}

class FrameAnimateTest : public testing::FramedFormTest {
 protected:
  FrameAnimateTest() {
    Load(true);
    form.SetCaption("Animate");
    ShowFramed();
  }

  void Load(bool button_style) {
    TskCompressedStoredSkin stored;
    stored.SetCompressedData(FramePackage(FrameText(button_style)));
    skin_data->LoadPackage(stored);
    ASSERT_FALSE(skin_data->Empty());
  }
  int DW() const { return Bounds().Width() - 200; }
  void Hover(TPoint p) {
    const TRect b = Bounds();
    SetCursorPos(b.left + p.x, b.top + p.y);
    const LRESULT hit = SendMessageW(H(), WM_NCHITTEST, 0, At(p));
    SendMessageW(H(), WM_NCMOUSEMOVE, WPARAM(hit), At(p));
  }
  TskActiveSkinObject* Object(const std::string& name) const {
    for (const auto& object : frame->Objects()) {
      if (object->IDName == name) return object.get();
    }
    return nullptr;
  }
  TskSkinAnimateObject* Animate(const std::string& name) const {
    return dynamic_cast<TskSkinAnimateObject*>(Object(name));
  }
  static TPoint Centre(const TskActiveSkinObject* object) {
    return {(object->rect.left + object->rect.right) / 2,
            (object->rect.top + object->rect.bottom) / 2};
  }
  COLORREF WindowPixel(TPoint p) const {
    HDC dc = GetWindowDC(H());
    const COLORREF c = GetPixel(dc, p.x, p.y);
    ReleaseDC(H(), dc);
    return c;
  }
  void Press(TPoint p) {
    ASSERT_EQ(SendMessageW(H(), WM_NCHITTEST, 0, At(p)), 19);
    SendMessageW(H(), WM_NCLBUTTONDOWN, 19, At(p));
  }
  void Release(TPoint p) { SendMessageW(H(), WM_NCLBUTTONUP, 19, At(p)); }
};

TEST_F(FrameAnimateTest, TheSkinsObjectsBecomeFrameObjectsInPlace) {
  ASSERT_TRUE(frame->SkinLoaded());
  const auto& objects = frame->Objects();
  ASSERT_EQ(objects.size(), 4u);
  EXPECT_EQ(objects[0]->IDName, "spinner");
  EXPECT_EQ(objects[1]->IDName, "menuanim");
  EXPECT_EQ(objects[2]->IDName, "badge");
  EXPECT_NE(dynamic_cast<TskUserObject*>(objects[2].get()), nullptr);
  TskSkinAnimateObject* spinner = Animate("spinner");
  TskSkinAnimateObject* menu = Animate("menuanim");
  ASSERT_NE(spinner, nullptr);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(spinner->command, TStdCommand::cmMaximize);
  EXPECT_EQ(spinner->animation.count, 4);
  EXPECT_EQ(spinner->animation.interval, 50);
  EXPECT_EQ(menu->animation.interval, 25);
  EXPECT_TRUE(menu->animation.cycle);
  EXPECT_EQ(spinner->FrameRect(3), (TRect{32, 0, 48, 16}));
  EXPECT_EQ(menu->FrameRect(3), (TRect{0, 48, 16, 64}));
  // The automatic layout takes animate objects as caption buttons of their command; the user
  // object follows the frame's right edge.
  const int dw = DW();
  EXPECT_EQ(spinner->rect, (TRect{104 + dw, 5, 120 + dw, 21}));
  EXPECT_EQ(menu->rect, (TRect{10, 7, 26, 23}));
  EXPECT_EQ(Object("badge")->rect, (TRect{150 + dw, 8, 160 + dw, 20}));
  EXPECT_EQ(spinner->hint, "Maximize");
  // Resting, the objects show their first frame.
  EXPECT_EQ(WindowPixel(Centre(spinner)), PixelToColor(kSpin[0]));
  EXPECT_EQ(WindowPixel(Centre(menu)), PixelToColor(kMenu[0]));

  // A custom object shows only when the window says so, and then takes its place in the row.
  TskSkinAnimateObject* custom = Animate("custom");
  ASSERT_NE(custom, nullptr);
  EXPECT_FALSE(custom->visible);
  std::vector<std::string> asked;
  frame->ObjectEvents.OnActivateCustomObject = [&](const std::string& name) {
    asked.push_back(name);
    return true;
  };
  frame->SetBorderIcons({true, true, true, false, false});
  EXPECT_EQ(asked, std::vector<std::string>{"custom"});
  EXPECT_TRUE(custom->visible);
  EXPECT_EQ(custom->rect, (TRect{88 + dw, 5, 104 + dw, 21}));
  // Border icons rule animate objects as they rule buttons.
  frame->SetBorderIcons({true, true, false, false, false});
  EXPECT_FALSE(spinner->visible);
  EXPECT_FALSE(spinner->enabled);
}

TEST_F(FrameAnimateTest, TheAnimationTimerStepsForwardsOverTheObjectAndBackAfterIt) {
  TskSkinAnimateObject* spinner = Animate("spinner");
  ASSERT_NE(spinner, nullptr);
  const TPoint centre = Centre(spinner);
  Hover(centre);
  ASSERT_EQ(Probe().HoveredIndex(), 0);
  EXPECT_TRUE(Probe().AnimationRunning());
  // 50 ms a frame on a 25 ms timer: every second tick moves on, and the last frame holds.
  const int forwards[] = {1, 2, 2, 3, 3, 4, 4};
  for (int expected : forwards) {
    Probe().AnimationTick();
    EXPECT_EQ(spinner->animation.frame, expected);
    EXPECT_EQ(WindowPixel(centre), PixelToColor(kSpin[expected - 1]));
  }
  EXPECT_FALSE(Probe().AnimationRunning());
  Hover({60, 60});
  EXPECT_EQ(Probe().HoveredIndex(), -1);
  EXPECT_TRUE(Probe().AnimationRunning());
  const int backwards[] = {4, 3, 3, 2, 2, 1, 1};
  for (int expected : backwards) {
    Probe().AnimationTick();
    EXPECT_EQ(spinner->animation.frame, expected);
  }
  EXPECT_FALSE(Probe().AnimationRunning());
  frame->PaintFrame();
  EXPECT_EQ(WindowPixel(centre), PixelToColor(kSpin[0]));
}

TEST_F(FrameAnimateTest, ACyclingObjectGoesRoundAndAResetReturnsToTheFirstFrame) {
  TskSkinAnimateObject* menu = Animate("menuanim");
  ASSERT_NE(menu, nullptr);
  Hover(Centre(menu));
  ASSERT_EQ(Probe().HoveredIndex(), 1);
  const int expected[] = {2, 3, 1, 2, 3};
  for (int f : expected) {
    Probe().AnimationTick();
    EXPECT_EQ(menu->animation.frame, f);
    EXPECT_EQ(WindowPixel(Centre(menu)), PixelToColor(kMenu[f - 1]));
  }
  EXPECT_TRUE(Probe().AnimationRunning());
  // A size loop puts every object back at rest at once.
  SendMessageW(H(), WM_ENTERSIZEMOVE, 0, 0);
  EXPECT_EQ(menu->animation.frame, 1);
  SendMessageW(H(), WM_EXITSIZEMOVE, 0, 0);
}

TEST_F(FrameAnimateTest, WithoutSkinEffectsTheObjectJumpsToItsEnds) {
  skin_data->EnableSkinEffects = false;
  TskSkinAnimateObject* spinner = Animate("spinner");
  Hover(Centre(spinner));
  EXPECT_EQ(spinner->animation.frame, 4);
  EXPECT_FALSE(Probe().AnimationRunning());
  EXPECT_EQ(WindowPixel(Centre(spinner)), PixelToColor(kSpin[3]));
  Hover({60, 60});
  EXPECT_EQ(spinner->animation.frame, 1);
  EXPECT_FALSE(Probe().AnimationRunning());
}

TEST_F(FrameAnimateTest, AButtonStyleObjectRunsItsCommandOnRelease) {
  struct Case {
    bool button_style;
    bool drag_off;
    TskWindowState after;
  };
  const Case cases[] = {
      {true, false, TskWindowState::wsMaximized},
      {true, true, TskWindowState::wsNormal},
      {false, false, TskWindowState::wsNormal},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.button_style << c.drag_off);
    frame->SetWindowState(TskWindowState::wsNormal);
    Load(c.button_style);
    TskSkinAnimateObject* spinner = Animate("spinner");
    ASSERT_NE(spinner, nullptr);
    const TPoint centre = Centre(spinner);
    Hover(centre);
    Press(centre);
    EXPECT_EQ(spinner->down, c.button_style);
    if (c.button_style) {
      EXPECT_EQ(WindowPixel(centre), PixelToColor(kDown));
    }
    // The command waits for the release.
    EXPECT_EQ(frame->WindowState(), TskWindowState::wsNormal);
    if (c.drag_off) {
      SendMessageW(H(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(50, 30));
      EXPECT_EQ(Probe().HoveredIndex(), -1);
    }
    Release(centre);
    EXPECT_FALSE(spinner->down);
    EXPECT_EQ(frame->WindowState(), c.after);
    EXPECT_EQ(Probe().CapturedIndex(), -1);
  }
  frame->SetWindowState(TskWindowState::wsNormal);
}

TEST_F(FrameAnimateTest, ASystemMenuObjectOpensTheMenuOnThePress) {
  TskSkinAnimateObject* menu = Animate("menuanim");
  ASSERT_NE(menu, nullptr);
  Hover(Centre(menu));
  Press(Centre(menu));
  EXPECT_TRUE(frame->MenuSession().Visible());
  frame->MenuSession().End();
  Release(Centre(menu));
  EXPECT_FALSE(menu->down);
}

TEST_F(FrameAnimateTest, AUserObjectIsDrawnAndToldOfThePointerByName) {
  std::vector<std::string> events;
  std::vector<TRect> painted;
  frame->ObjectEvents.OnPaint = [&](const std::string& name, TCanvas& canvas, const TRect& r) {
    events.push_back("paint " + name);
    painted.push_back(r);
    canvas.FillRect(r, kBadge);
  };
  frame->ObjectEvents.OnMouseEnter = [&](const std::string& name) {
    events.push_back("enter " + name);
  };
  frame->ObjectEvents.OnMouseLeave = [&](const std::string& name) {
    events.push_back("leave " + name);
  };
  frame->ObjectEvents.OnMouseDown = [&](const std::string& name, int button) {
    events.push_back("down " + name + " " + std::to_string(button));
  };
  frame->ObjectEvents.OnMouseUp = [&](const std::string& name, int button) {
    events.push_back("up " + name + " " + std::to_string(button));
  };
  frame->ObjectEvents.OnMouseMove = [&](const std::string& name, TPoint p) {
    events.push_back("move " + name + " " + std::to_string(p.x) + "," + std::to_string(p.y));
  };
  TskActiveSkinObject* badge = Object("badge");
  ASSERT_NE(badge, nullptr);
  frame->PaintFrame();
  ASSERT_EQ(painted.size(), 1u);
  // Drawn onto the top strip, which starts at the window's top: the rectangle is the object's.
  EXPECT_EQ(painted[0], badge->rect);
  EXPECT_EQ(WindowPixel(Centre(badge)), kBadge);
  events.clear();
  const TPoint p{badge->rect.left + 3, badge->rect.top + 4};
  Hover(p);
  Press(p);
  Release(p);
  Hover({60, 60});
  const std::vector<std::string> expected = {"enter badge", "move badge 3,4", "down badge 1",
                                             "up badge 1", "leave badge"};
  std::vector<std::string> pointer;
  for (const std::string& e : events) {
    if (e.rfind("paint ", 0) != 0) pointer.push_back(e);
  }
  EXPECT_EQ(pointer, expected);
}

}  // namespace
}  // namespace vl
