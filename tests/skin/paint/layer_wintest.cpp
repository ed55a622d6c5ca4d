#include "skin/paint/layer_win.h"

#include <gtest/gtest.h>

#include "support/pump_win.h"

namespace vl {
namespace {

using testing::PumpFor;
using testing::PumpUntil;

// A red glow 20 x 10 whose mask is white on the left half and black on the right.
struct Glow {
  PixelBitmap picture{20, 10, MakePixel(255, 0, 0)};
  PixelBitmap mask{20, 10, 0};
  Glow() {
    for (int y = 0; y < 10; ++y) {
      for (int x = 0; x < 10; ++x) mask.At(x, y) = MakePixel(255, 255, 255);
    }
  }
};

TEST(TskLayerManager, ShowsAFadingToolWindowAndHidesIt) {
  ASSERT_TRUE(TskLayerManager::Available());
  Glow glow;
  TskLayerManager manager;
  manager.ShowLayer(100, 120, 255, glow.picture, glow.mask);
  HWND layer = manager.LayerHandle();
  ASSERT_NE(layer, nullptr);
  EXPECT_TRUE(IsWindowVisible(layer));
  LONG ex_style = GetWindowLongA(layer, GWL_EXSTYLE);
  EXPECT_TRUE(ex_style & WS_EX_LAYERED);
  EXPECT_TRUE(ex_style & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(ex_style & WS_EX_TOPMOST);
  EXPECT_TRUE(GetWindowLongA(layer, GWL_STYLE) & WS_POPUP);
  EXPECT_TRUE(GetClassLongA(layer, GCL_STYLE) & CS_SAVEBITS);
  RECT r{};
  GetWindowRect(layer, &r);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 120);
  EXPECT_EQ(r.right - r.left, 20);
  EXPECT_EQ(r.bottom - r.top, 10);
  EXPECT_NE(GetForegroundWindow(), layer);
  EXPECT_EQ(SendMessageA(layer, WM_MOUSEACTIVATE, 0, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
            MA_NOACTIVATE);

  EXPECT_EQ(manager.CurrentOpacity(), 0);
  EXPECT_TRUE(manager.Fading());
  PumpUntil([&] { return !manager.Fading(); }, 5000);
  EXPECT_EQ(manager.CurrentOpacity(), 255);
  EXPECT_FALSE(manager.Fading());

  // The mask's black half has alpha 0: those pixels are not part of the window on screen.
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetPixel(screen, 105, 125), RGB(255, 0, 0));
  EXPECT_NE(GetPixel(screen, 115, 125), RGB(255, 0, 0));
  ReleaseDC(nullptr, screen);

  manager.HideLayer();
  EXPECT_EQ(manager.LayerHandle(), nullptr);
  EXPECT_FALSE(IsWindow(layer));
  EXPECT_FALSE(manager.Fading());
}

TEST(TskLayerManager, ShowingAgainReplacesTheLayer) {
  Glow glow;
  TskLayerManager manager;
  manager.SetTopMost(false);
  manager.ShowLayer(10, 10, 200, glow.picture, glow.mask);
  HWND first = manager.LayerHandle();
  EXPECT_FALSE(GetWindowLongA(first, GWL_EXSTYLE) & WS_EX_TOPMOST);
  manager.ShowLayer(30, 10, 200, glow.picture, glow.mask);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_TRUE(IsWindow(manager.LayerHandle()));
}

TEST(TskLayerManager, FaintLayerStaysTransparentWithoutTicking) {
  Glow glow;
  HWND layer = nullptr;
  {
    TskLayerManager manager;
    manager.ShowLayer(10, 10, 5, glow.picture, glow.mask);
    layer = manager.LayerHandle();
    EXPECT_TRUE(IsWindowVisible(layer));
    EXPECT_FALSE(manager.Fading());
    PumpFor(100);
    EXPECT_EQ(manager.CurrentOpacity(), 0);
  }
  EXPECT_FALSE(IsWindow(layer)) << "the manager's end removes its layer";
}

}  // namespace
}  // namespace vl
