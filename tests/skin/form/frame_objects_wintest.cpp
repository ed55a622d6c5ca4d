// The frame objects the carried skin does not use (glow frames around caption buttons), with a
// small skin built here: a 200 x 100 frame picture whose buttons sit in its top-right corner.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "skin/data/skin_data.h"
#include "skin/data/skin_package.h"
#include "skin/data/zlib_codec.h"
#include "skin/form/skin_form_win.h"
#include "support/framed_form_win.h"
#include "support/gui_test_win.h"

namespace vl {
namespace {

constexpr Pixel kFrame = MakePixel(90, 90, 90);
constexpr Pixel kHot = MakePixel(40, 120, 220);

std::string FrameText(const std::string& objects) {
  return "[VERSION]\r\nskinname=Frame test\r\n[PICTURES]\r\npicture=main.bmp\r\n"
         "activepicturescount=4\r\n[FORMINFO]\r\nlefttoppoint=20,30\r\nrighttoppoint=140,30\r\n"
         "leftbottompoint=20,90\r\nrightbottompoint=140,90\r\nclientrect=10,30,190,90\r\n"
         "captionrect=10,5,120,25\r\n" +
         objects;
}

std::string TestObjects() {
  return "[SKINOBJECTS]\r\ncount=2\r\n0=closebutton:stdbutton\r\n1=maxbutton:stdbutton\r\n"
         "[closebutton]\r\ncommand=cmclose\r\nskinrect=170,5,190,25\r\nactivepictureindex=0\r\n"
         "activeskinrect=0,0,20,20\r\nglowlayerpictureindex=1\r\nglowlayermaskpictureindex=2\r\n"
         "glowlayeroffsetx=5\r\nglowlayeroffsety=6\r\nglowlayeralphablendvalue=200\r\n"
         "[maxbutton]\r\ncommand=cmmaximize\r\nskinrect=145,5,165,25\r\nactivepictureindex=0\r\n"
         "activeskinrect=0,0,20,20\r\nglowlayerpictureindex=1\r\nglowlayermaskpictureindex=3\r\n";
}

Bytes FramePackage(const std::string& text) {
  SkinPackageContents c;
  c.picture = {PixelBitmap(200, 100, kFrame), 24, {}};
  c.active_pictures = {{PixelBitmap(40, 40, kHot), 24, {}},
                       {PixelBitmap(30, 32, MakePixel(255, 200, 0)), 24, {}},
                       {PixelBitmap(30, 32, 0xFFFFFF), 24, {}},
                       {PixelBitmap(29, 32, 0xFFFFFF), 24, {}}};
  c.text = text;
  return DeflateZlib(WriteInnerPackage(c));
}

class FrameObjectsTest : public testing::FramedFormTest {
 protected:
  FrameObjectsTest() {
    Load(TestObjects());
    form.SetCaption("Frame");
    ShowFramed();
  }

  void Load(const std::string& objects) {
    TskCompressedStoredSkin stored;
    stored.SetCompressedData(FramePackage(FrameText(objects)));
    skin_data->LoadPackage(stored);
    ASSERT_FALSE(skin_data->Empty());
  }
  TPoint CentreOf(TStdCommand command) const {
    const TRect r = frame->FindButton(command)->rect;
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  // The pointer over a window point, as the platform reports it.
  void Hover(TPoint p) {
    const TRect b = Bounds();
    SetCursorPos(b.left + p.x, b.top + p.y);
    const LRESULT hit = SendMessageW(H(), WM_NCHITTEST, 0, At(p));
    SendMessageW(H(), WM_NCMOUSEMOVE, WPARAM(hit), At(p));
  }
  HWND Glow() { return Probe().Host().CaptionButtonGlow().LayerHandle(); }
};

TEST_F(FrameObjectsTest, AButtonGlowsAtItsOffsetWhileThePointerIsOverIt) {
  ASSERT_TRUE(frame->SkinLoaded());
  ASSERT_TRUE(TskLayerManager::Available());
  TskSkinStdButtonObject* close = frame->FindButton(TStdCommand::cmClose);
  ASSERT_NE(close, nullptr);
  // The button follows the frame's right edge.
  EXPECT_EQ(close->rect, (TRect{Bounds().Width() - 30, 5, Bounds().Width() - 10, 25}));
  EXPECT_EQ(Glow(), nullptr);
  Hover(CentreOf(TStdCommand::cmClose));
  ASSERT_NE(Glow(), nullptr);
  EXPECT_TRUE(IsWindowVisible(Glow()));
  RECT at;
  GetWindowRect(Glow(), &at);
  EXPECT_EQ(FromRECT(at), RectOfSize(Bounds().left + close->rect.left - 5,
                                     Bounds().top + close->rect.top - 6, 30, 32));
  EXPECT_NE(GetWindowLongW(Glow(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  EXPECT_NE(GetActiveWindow(), Glow());
  Hover({60, 60});
  EXPECT_EQ(Probe().HoveredIndex(), -1);
  EXPECT_EQ(Glow(), nullptr);
}

TEST_F(FrameObjectsTest, NoGlowWithoutMatchingPicturesOrWithGlowsSwitchedOff) {
  // The maximize button's mask is a pixel narrower than its glow.
  Hover(CentreOf(TStdCommand::cmMaximize));
  EXPECT_EQ(Probe().HoveredIndex(), 1);
  EXPECT_EQ(Glow(), nullptr);
  skin_data->ShowCaptionButtonGlowFrames = false;
  Hover(CentreOf(TStdCommand::cmClose));
  EXPECT_EQ(Probe().HoveredIndex(), 0);
  EXPECT_EQ(Glow(), nullptr);
}

TEST_F(FrameObjectsTest, TheGlowGoesWhenTheWindowStopsBeingWorkedIn) {
  struct Case {
    const char* name;
    std::function<void()> act;
  };
  const Case cases[] = {
      {"deactivated", [this] { SendMessageW(H(), WM_NCACTIVATE, FALSE, 0); }},
      {"minimized", [this] { frame->SetWindowState(TskWindowState::wsMinimized); }},
      {"hidden", [this] { form.Hide(); }},
      {"skin changed", [this] { Load(TestObjects()); }},
      {"size loop", [this] { SendMessageW(H(), WM_ENTERSIZEMOVE, 0, 0); }},
      {"destroyed", [this] { form.Release(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (Probe().InSizeMoveLoop()) SendMessageW(H(), WM_EXITSIZEMOVE, 0, 0);
    frame->SetWindowState(TskWindowState::wsNormal);
    form.Show();
    SetForegroundWindow(H());
    SendMessageW(H(), WM_NCACTIVATE, TRUE, 0);
    testing::Pump();
    Hover(CentreOf(TStdCommand::cmClose));
    ASSERT_EQ(Probe().HoveredIndex(), 0);
    const HWND layer = Glow();
    ASSERT_NE(layer, nullptr);
    c.act();
    EXPECT_EQ(Glow(), nullptr);
    EXPECT_FALSE(IsWindow(layer));
  }
}

}  // namespace
}  // namespace vl
