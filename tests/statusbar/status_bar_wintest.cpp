#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "statusbar/colors.h"
#include "statusbar/contact.h"
#include "statusbar/main_status_bar_win.h"
#include "statusbar/wintest_window.h"

namespace vl {
namespace {

using vl::testing::Capture;
using vl::testing::FakeClock;
using vl::testing::Pump;
using vl::testing::PumpUntil;
using vl::testing::SysPx;
using vl::testing::TestForm;

class StatusBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().SetClock(&clock_);
    form_ = std::make_unique<TestForm>();
    w_ = CreateMainStatusBar(*form_);
    form_->Show();
    Pump();
  }
  void TearDown() override {
    form_.reset();
    Application().SetClock(nullptr);
  }

  PixelBitmap Bar() { return Capture(w_.FlStatusBar1->Handle()); }

  FakeClock clock_;
  std::unique_ptr<TestForm> form_;
  TMainStatusWidgets w_;
};

// Pixels of the grip: where each dot's highlight square keeps its colour, and where its shadow
// square lies.
struct GripProbe {
  int dx, dy;  // from the dot's top-left corner
  int color;
};
constexpr GripProbe kGripProbes[] = {{1, 1, COLOR_BTNHIGHLIGHT}, {1, 0, COLOR_BTNHIGHLIGHT},
                                     {0, 1, COLOR_BTNHIGHLIGHT}, {0, 0, COLOR_BTNSHADOW},
                                     {-1, -1, COLOR_BTNSHADOW},  {-1, 0, COLOR_BTNSHADOW}};

std::vector<TPoint> GripDotCorners(int w, int h) {
  int b = h - 1;
  return {{w - 5, b - 12}, {w - 5, b - 8}, {w - 5, b - 4},
          {w - 9, b - 8},  {w - 9, b - 4}, {w - 13, b - 4}};
}

TEST_F(StatusBarTest, SitsAtTheFootWithThePanesInARow) {
  TFlStatusBar& bar = *w_.FlStatusBar1;
  EXPECT_EQ(bar.Height(), 19);
  EXPECT_EQ(bar.Width(), 826);
  EXPECT_EQ(bar.Top(), form_->ClientHeight() - 19);
  EXPECT_EQ(w_.FlStatusPane2->BoundsRect(), (TRect{0, 0, 217, 19}));
  EXPECT_EQ(w_.FlStatusPane1->BoundsRect(), (TRect{217, 0, 434, 19}));
  EXPECT_EQ(w_.FlProgressBar1->BoundsRect(), (TRect{434, 0, 634, 19}));
  // At the first width the clock runs past the edge and the version pane lies beyond it.
  EXPECT_EQ(w_.FlClockStatus1->BoundsRect(), (TRect{634, 0, 898, 19}));
  EXPECT_EQ(w_.FlVersionInfoStatus1->Left(), 898);
  EXPECT_EQ(w_.FlProgressBar1->Orientation(), poHorizontal);
}

TEST_F(StatusBarTest, AnExplicitBorderEndsTheAutomaticStyle) {
  TFlStatusBar& bar = *w_.FlStatusBar1;
  EXPECT_TRUE(bar.AutoStyle());
  bar.SetBorderOuter(fsLowered);
  EXPECT_FALSE(bar.AutoStyle());
  EXPECT_EQ(w_.FlStatusPane2->BoundsRect(), (TRect{1, 1, 218, 18}));
  PixelBitmap shot = Bar();
  EXPECT_EQ(shot.At(0, 0), SysPx(COLOR_BTNSHADOW));
  EXPECT_EQ(shot.At(shot.Width() - 1, 18), SysPx(COLOR_BTNHIGHLIGHT));
  bar.SetAutoStyle(true);
  EXPECT_EQ(bar.BorderOuter(), fsNone);
  EXPECT_EQ(w_.FlStatusPane2->BoundsRect(), (TRect{0, 0, 217, 19}));
}

TEST_F(StatusBarTest, GripDotsOverTheClockPane) {
  PixelBitmap bar = Bar();
  ASSERT_EQ(bar.Width(), 826);
  for (TPoint d : GripDotCorners(bar.Width(), bar.Height())) {
    for (const auto& p : kGripProbes) {
      EXPECT_EQ(bar.At(d.x + p.dx, d.y + p.dy), SysPx(p.color))
          << "dot " << d.x << "," << d.y << " at " << p.dx << "," << p.dy;
    }
  }
  // Between the dots the clock pane's face shows through.
  EXPECT_EQ(bar.At(825, 18), SysPx(COLOR_BTNFACE));
  EXPECT_EQ(bar.At(819, 10), SysPx(COLOR_BTNFACE));
  vl::testing::SaveScreenshot(Capture(form_->Handle()), "statusbar-window");
}

TEST_F(StatusBarTest, GripHiddenWhenMaximizedOrNotSizeable) {
  auto grip_shown = [&] {
    PixelBitmap bar = Bar();
    TPoint top = GripDotCorners(bar.Width(), bar.Height())[0];
    return bar.At(top.x + 1, top.y + 1) == SysPx(COLOR_BTNHIGHLIGHT);
  };
  ASSERT_TRUE(grip_shown());
  ShowWindow(form_->Handle(), SW_MAXIMIZE);
  Pump();
  EXPECT_FALSE(w_.FlStatusBar1->SizeGripVisible());
  EXPECT_FALSE(grip_shown());
  ShowWindow(form_->Handle(), SW_RESTORE);
  Pump();
  EXPECT_TRUE(grip_shown());

  LONG style = GetWindowLongW(form_->Handle(), GWL_STYLE);
  SetWindowLongW(form_->Handle(), GWL_STYLE, style & ~WS_THICKFRAME);
  EXPECT_FALSE(grip_shown());
  w_.FlStatusBar1->SetShowSizeGrip(false);
  SetWindowLongW(form_->Handle(), GWL_STYLE, style);
  EXPECT_FALSE(grip_shown());
}

TEST_F(StatusBarTest, GripStartsSizingFromTheBottomRight) {
  HWND bar = w_.FlStatusBar1->Handle();
  // The second press of a quick pair arrives as a double-click; it is a press all the same.
  for (UINT press : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
    form_->last_syscommand = 0;
    SendMessageW(bar, press, MK_LBUTTON, MAKELPARAM(826 - 14, 10));
    EXPECT_EQ(form_->last_syscommand, 0u) << press;
    SendMessageW(bar, press, MK_LBUTTON, MAKELPARAM(826 - 13, 10));
    EXPECT_EQ(form_->last_syscommand, WPARAM(SC_SIZE | WMSZ_BOTTOMRIGHT)) << press;
  }

  POINT pt{826 - 3, 10};
  ClientToScreen(bar, &pt);
  // The bar asks where the pointer is; a warp the platform reports late would leave it elsewhere.
  vl::testing::MovePointerTo(pt);
  SendMessageW(bar, WM_SETCURSOR, WPARAM(bar), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_SIZENWSE)));

  form_->last_syscommand = 0;
  ShowWindow(form_->Handle(), SW_MAXIMIZE);
  Pump();
  RECT rc;
  GetClientRect(bar, &rc);
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rc.right - 3, 10));
  EXPECT_EQ(form_->last_syscommand, 0u);
}

TEST_F(StatusBarTest, AHiddenPaneLeavesNoGap) {
  TFlStatusPane& first = *w_.FlStatusPane2;
  first.SetVisible(false);
  EXPECT_EQ(w_.FlStatusPane1->BoundsRect(), (TRect{0, 0, 217, 19}));
  EXPECT_EQ(w_.FlProgressBar1->Left(), 217);
  first.SetVisible(true);
  EXPECT_EQ(first.BoundsRect(), (TRect{0, 0, 217, 19}));
  EXPECT_EQ(w_.FlStatusPane1->BoundsRect(), (TRect{217, 0, 434, 19}));
  EXPECT_EQ(w_.FlProgressBar1->Left(), 434);
}

TEST_F(StatusBarTest, FlatFrameCornersStayUnpainted) {
  PixelBitmap bar = Bar();
  Pixel face = SysPx(COLOR_BTNFACE);
  Pixel flat = ColorToPixel(ShiftLightness(GetSysColor(COLOR_BTNSHADOW), 30));
  ASSERT_NE(face, flat);
  // The first contact pane: 217 wide, its frame one pixel inside.
  struct Probe {
    int x, y;
    Pixel p;
  } probes[] = {{0, 0, face},    {1, 1, face},   {215, 1, face}, {1, 17, face},  {215, 17, face},
                {2, 1, flat},    {214, 1, flat}, {1, 2, flat},   {1, 16, flat},  {215, 9, flat},
                {100, 17, flat}, {216, 9, face}, {217, 9, face}, {218, 1, face}, {219, 1, flat}};
  for (const auto& p : probes) EXPECT_EQ(bar.At(p.x, p.y), p.p) << p.x << "," << p.y;
}

// Columns of the rectangle that hold a pixel other than `background`.
std::pair<int, int> InkColumns(const PixelBitmap& bmp, const TRect& r, Pixel background) {
  int first = -1, last = -1;
  for (int x = r.left; x < r.right; ++x) {
    for (int y = r.top; y < r.bottom; ++y) {
      if (bmp.At(x, y) == background) continue;
      if (first < 0) first = x;
      last = x;
      break;
    }
  }
  return {first, last};
}

// Whether every channel of p lies between those of a and b (a blend of the two).
bool Between(Pixel p, Pixel a, Pixel b) {
  auto in = [](int v, int x, int y) { return v >= std::min(x, y) - 1 && v <= std::max(x, y) + 1; };
  return in(PixelRed(p), PixelRed(a), PixelRed(b)) &&
         in(PixelGreen(p), PixelGreen(a), PixelGreen(b)) &&
         in(PixelBlue(p), PixelBlue(a), PixelBlue(b));
}

TEST_F(StatusBarTest, TextStartsFivePixelsIn) {
  PixelBitmap bar = Bar();
  auto [first, last] = InkColumns(bar, {2, 2, 215, 17}, SysPx(COLOR_BTNFACE));
  EXPECT_GE(first, 5);
  EXPECT_LE(first, 7);
  EXPECT_GT(last, first + 50);  // "support@vorlisk.example" is long
  EXPECT_LT(last, 215);
}

TEST_F(StatusBarTest, DisabledPaneIsEngraved) {
  w_.FlStatusPane2->SetEnabled(false);
  PixelBitmap bar = Bar();
  int highlight = 0, shadow = 0, blue = 0;
  for (int y = 2; y < 17; ++y) {
    for (int x = 2; x < 215; ++x) {
      Pixel p = bar.At(x, y);
      highlight += p == SysPx(COLOR_BTNHIGHLIGHT);
      shadow += p == SysPx(COLOR_BTNSHADOW);
      blue += p == ColorToPixel(RGB(0, 0, 255));
    }
  }
  EXPECT_GT(highlight, 20);
  EXPECT_GT(shadow, 20);
  EXPECT_EQ(blue, 0);
}

TEST_F(StatusBarTest, ProgressAtHalfSplitsItsText) {
  TFlProgressBar& progress = *w_.FlProgressBar1;
  progress.SetTotalParts(4);
  progress.SetPartsComplete(2);
  ASSERT_EQ(progress.Percent(), 50);
  PixelBitmap bar = Bar();
  vl::testing::SaveScreenshot(bar, "statusbar-progress-50");
  Pixel highlight = SysPx(COLOR_HIGHLIGHT), face = SysPx(COLOR_BTNFACE);
  ASSERT_NE(highlight, face);
  // The interior runs from 436 to 632; the bar fills 98 of its 196 pixels.
  const int split = 434 + 2 + 98;
  for (int x = 436; x < 632; ++x) {
    EXPECT_EQ(bar.At(x, 2), x < split ? highlight : face) << x;
    EXPECT_EQ(bar.At(x, 16), x < split ? highlight : face) << x;
  }
  // The text is centred on 434 + 99: its left half is face-coloured ink on the bar, its right
  // half highlight-coloured ink on the face. Smoothed glyph edges blend the two colours.
  auto [left_first, left_last] = InkColumns(bar, {436, 2, split, 17}, highlight);
  auto [right_first, right_last] = InkColumns(bar, {split, 2, 632, 17}, face);
  ASSERT_GE(left_first, 0);
  ASSERT_GE(right_first, 0);
  EXPECT_GT(left_first, split - 20);
  EXPECT_LT(right_last, split + 20);
  int face_ink = 0, highlight_ink = 0;
  for (int y = 2; y < 17; ++y) {
    for (int x = left_first; x <= right_last; ++x) {
      Pixel p = bar.At(x, y);
      EXPECT_TRUE(Between(p, highlight, face)) << x << "," << y;
      // Every pixel lies between the two colours, so any that is not the background is ink;
      // thin smoothed strokes may never come nearer the ink colour than the background.
      if (x < split) face_ink += p != highlight;
      if (x >= split) highlight_ink += p != face;
    }
  }
  EXPECT_GT(face_ink, 5);
  EXPECT_GT(highlight_ink, 5);
}

TEST_F(StatusBarTest, ProgressFollowsTheRebuild) {
  IndexProgress& sink = *w_.FlProgressBar1;
  int changes = 0;
  w_.FlProgressBar1->OnChange = [&] { ++changes; };
  sink.SetTotalParts(3);
  const int filled[] = {65, 131, 196};
  for (int done = 1; done <= 3; ++done) {
    sink.SetPartsComplete(done);
    PixelBitmap bar = Bar();
    int split = 436 + filled[done - 1];
    EXPECT_EQ(bar.At(split - 1, 2), SysPx(COLOR_HIGHLIGHT)) << done;
    if (split < 632) {
      EXPECT_EQ(bar.At(split, 2), SysPx(COLOR_BTNFACE)) << done;
    }
  }
  EXPECT_EQ(w_.FlProgressBar1->Percent(), 100);
  EXPECT_EQ(changes, 3);
  sink.SetTotalParts(3);
  EXPECT_EQ(w_.FlProgressBar1->Percent(), 100);
}

TEST_F(StatusBarTest, ContactPanes) {
  EXPECT_EQ(w_.FlStatusPane2->Caption(), L"support@vorlisk.example");
  EXPECT_EQ(w_.FlStatusPane1->Caption(), L"www.vorlisk.example");
}

TEST_F(StatusBarTest, VersionPaneShowsTheProductVersion) {
  EXPECT_EQ(w_.FlVersionInfoStatus1->Caption(), VL_PROJECT_VERSION_W);
  w_.FlVersionInfoStatus1->SetField(vifProductName);
  EXPECT_EQ(w_.FlVersionInfoStatus1->Caption(), L"Vorlisk");
  delete w_.FlVersionInfo1;
  EXPECT_EQ(w_.FlVersionInfoStatus1->VersionInfo(), nullptr);
}

std::wstring SystemDateTime(const SYSTEMTIME& st, bool with_time) {
  wchar_t date[100], time[100];
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, date, 100);
  if (!with_time) return date;
  GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, time, 100);
  return std::wstring(date) + L" " + time;
}

SYSTEMTIME ToSystemTime(const TLocalTime& t) {
  return {WORD(t.year), WORD(t.month),  WORD(t.day_of_week), WORD(t.day),
          WORD(t.hour), WORD(t.minute), WORD(t.second),      WORD(t.millisecond)};
}

TEST_F(StatusBarTest, ClockFollowsTheRegionalFormats) {
  TFlClockStatus& clock = *w_.FlClockStatus1;
  EXPECT_EQ(clock.Caption(), SystemDateTime(ToSystemTime(clock_.now), true));
  // At midnight the date stands alone for that second.
  clock_.now = {2026, 12, 10, 4, 0, 0, 0, 250};
  std::wstring midnight = SystemDateTime(ToSystemTime(clock_.now), false);
  EXPECT_TRUE(PumpUntil([&] { return clock.Caption() == midnight; })) << clock.Caption();
  clock_.now.second = 1;
  std::wstring next = SystemDateTime(ToSystemTime(clock_.now), true);
  EXPECT_TRUE(PumpUntil([&] { return clock.Caption() == next; })) << clock.Caption();
}

TEST_F(StatusBarTest, ClockRedrawsOnlyItsText) {
  // Paint over the clock pane's frame on the screen; a new text must not repaint the frame.
  HWND bar = w_.FlStatusBar1->Handle();
  HDC dc = GetDC(bar);
  RECT mark{700, 1, 710, 2};
  FillRect(dc, &mark, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  ReleaseDC(bar, dc);
  clock_.now.second = 30;
  ASSERT_TRUE(
      PumpUntil([&] { return w_.FlClockStatus1->Caption().find(L":30") != std::wstring::npos; }));
  Pump();
  TBitmap shot(826, 19);
  HDC window_dc = GetWindowDC(bar);
  BitBlt(shot.DC(), 0, 0, 826, 19, window_dc, 0, 0, SRCCOPY);
  ReleaseDC(bar, window_dc);
  EXPECT_EQ(shot.ToPixels().At(705, 1), ColorToPixel(RGB(0, 0, 0)));
}

TEST(PollingList, OneTimerWhileAPollingPaneLives) {
  EXPECT_EQ(TFlPollingList::Instance(), nullptr);
  {
    TFlClockStatus first(nullptr);
    TFlPollingList* list = TFlPollingList::Instance();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Timer().Interval(), 500u);
    EXPECT_TRUE(list->Timer().Enabled());
    TFlClockStatus second(nullptr);
    EXPECT_EQ(TFlPollingList::Instance(), list);
    EXPECT_EQ(list->Panes().size(), 2u);
  }
  EXPECT_EQ(TFlPollingList::Instance(), nullptr);
}

}  // namespace
}  // namespace vl
