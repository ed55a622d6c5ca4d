#include "skin/paint/parent_background_win.h"

#include <gtest/gtest.h>

#include "skin/paint/dib_wintest_util.h"

namespace vl {
namespace {

using testing::TestDib;

constexpr COLORREF kLeft = RGB(200, 0, 0), kRight = RGB(0, 0, 200), kDrawn = RGB(0, 150, 0);

struct Seen {
  bool marked_while_erasing = false;
  int printed = 0;
};
Seen g_seen;

// Erases its client area red left of x = 60 and blue right of it; prints a green square at
// (70, 15) when asked to paint into a given device context.
LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  HDC dc = reinterpret_cast<HDC>(wparam);
  if (message == WM_ERASEBKGND) {
    g_seen.marked_while_erasing = GetPropA(hwnd, kPaintCopyProperty) != nullptr;
    RECT client{};
    GetClientRect(hwnd, &client);
    RECT left{0, 0, 60, client.bottom}, right{60, 0, client.right, client.bottom};
    HBRUSH red = CreateSolidBrush(kLeft), blue = CreateSolidBrush(kRight);
    FillRect(dc, &left, red);
    FillRect(dc, &right, blue);
    DeleteObject(red);
    DeleteObject(blue);
    return 1;
  }
  if (message == WM_PRINTCLIENT) {
    ++g_seen.printed;
    RECT square{70, 15, 72, 17};
    HBRUSH green = CreateSolidBrush(kDrawn);
    FillRect(dc, &square, green);
    DeleteObject(green);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wparam, lparam);
}

class Windows {
 public:
  explicit Windows(bool parent_is_child) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VlTestPaintParent";
    RegisterClassA(&wc);
    top_ = CreateWindowExA(0, parent_is_child ? "STATIC" : "VlTestPaintParent", "", WS_POPUP, 0, 0,
                           200, 100, nullptr, nullptr, nullptr, nullptr);
    parent_ = parent_is_child ? CreateWindowExA(0, "VlTestPaintParent", "", WS_CHILD | WS_VISIBLE,
                                                5, 5, 150, 80, top_, nullptr, nullptr, nullptr)
                              : top_;
    control_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 50, 10, 30, 20, parent_,
                               nullptr, nullptr, nullptr);
  }
  ~Windows() { DestroyWindow(top_); }
  HWND Parent() const { return parent_; }
  HWND Control() const { return control_; }

 private:
  HWND top_ = nullptr, parent_ = nullptr, control_ = nullptr;
};

COLORREF At(const PixelBitmap& p, int x, int y) {
  Pixel c = p.At(x, y);
  return RGB(PixelRed(c), PixelGreen(c), PixelBlue(c));
}

TEST(PaintParentBackground, TopLevelParentErasesUnderTheControl) {
  g_seen = {};
  Windows windows(false);
  TestDib surface(30, 20);
  surface.Fill(0);
  int sibling_calls = 0;
  PaintParentBackground(windows.Control(), surface.DC(), [&](HDC) { ++sibling_calls; });
  PixelBitmap p = surface.Pixels();
  EXPECT_EQ(At(p, 0, 0), kLeft);   // parent (50, 10)
  EXPECT_EQ(At(p, 9, 19), kLeft);  // parent (59, 29)
  EXPECT_EQ(At(p, 10, 0), kRight);
  EXPECT_EQ(At(p, 20, 5), kRight) << "a top-level parent only erases";
  EXPECT_EQ(g_seen.printed, 0);
  EXPECT_EQ(sibling_calls, 1);
  EXPECT_TRUE(g_seen.marked_while_erasing);
  EXPECT_EQ(GetPropA(windows.Parent(), kPaintCopyProperty), nullptr);
  POINT origin{1, 1};
  GetViewportOrgEx(surface.DC(), &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
}

TEST(PaintParentBackground, ChildParentAlsoPaintsItselfAndStateComesBackAfterAThrow) {
  g_seen = {};
  Windows windows(true);
  TestDib surface(30, 20);
  surface.Fill(0);
  EXPECT_THROW(PaintParentBackground(windows.Control(), surface.DC(),
                                     [](HDC) { throw std::runtime_error("sibling failed"); }),
               std::runtime_error);
  PixelBitmap p = surface.Pixels();
  EXPECT_EQ(g_seen.printed, 1);
  EXPECT_EQ(At(p, 20, 5), kDrawn);  // parent (70, 15)
  EXPECT_EQ(At(p, 0, 0), kLeft);
  EXPECT_EQ(GetPropA(windows.Parent(), kPaintCopyProperty), nullptr);
  POINT origin{1, 1};
  GetViewportOrgEx(surface.DC(), &origin);
  EXPECT_EQ(origin.x, 0);
}

}  // namespace
}  // namespace vl
