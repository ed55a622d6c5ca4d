// The skinned frame on a window of the main window's layout (client 826 x 502) with the carried
// skin: its size, pixels, region, hit tests, caption buttons and window states, driven through
// the non-client messages the platform would send.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "skin/data/carried_skin_win.h"
#include "skin/form/skin_form_win.h"
#include "skin/paint/paint_win.h"
#include "support/framed_form_win.h"
#include "support/gui_test_win.h"

namespace vl {
namespace {

class SkinFormTest : public testing::FramedFormTest {
 protected:
  SkinFormTest() {
    UseCarriedSkin();
    form.SetCaption("Vorlisk");
    form.SetClientSize(826, 502);
    ShowFramed();
  }

  // A window point in client coordinates, as a captured mouse message carries it.
  LPARAM ClientAt(TPoint p) const { return MAKELPARAM(p.x - 4, p.y - 27); }
  int HitTest(TPoint p) const { return int(SendMessageW(H(), WM_NCHITTEST, 0, At(p))); }
  COLORREF WindowPixel(int x, int y) const {
    HDC dc = GetWindowDC(H());
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(H(), dc);
    return c;
  }
  COLORREF PicturePixel(const PixelBitmap& picture, int x, int y) const {
    return PixelToColor(picture.At(x, y));
  }
  // Whether the window shows rect of picture at (x, y), pixel for pixel, where its region lets
  // it show anything.
  bool ShowsPicture(int x, int y, const PixelBitmap& picture, const TRect& rect) const {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool shaped = GetWindowRgn(H(), region) != ERROR;
    int compared = 0;
    bool same = true;
    for (int j = 0; j < rect.Height() && same; ++j) {
      for (int i = 0; i < rect.Width() && same; ++i) {
        if (shaped && !PtInRegion(region, x + i, y + j)) continue;
        ++compared;
        same = WindowPixel(x + i, y + j) == PicturePixel(picture, rect.left + i, rect.top + j);
      }
    }
    DeleteObject(region);
    return same && compared > 0;
  }
  const PixelBitmap& Active() const { return *skin_data->ActivePicture(0); }
  int CountColour(const TRect& area, COLORREF colour) const {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) n += WindowPixel(x, y) == colour;
    }
    return n;
  }
  int IndexOf(TskActiveSkinObject* object) const {
    for (std::size_t i = 0; i < frame->Objects().size(); ++i) {
      if (frame->Objects()[i].get() == object) return int(i);
    }
    return -1;
  }
  TPoint CentreOf(TStdCommand command) const {
    const TRect r = frame->FindButton(command)->rect;
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  // A press at the button's centre as the platform delivers it: the hit test, then the press.
  void PressButton(TStdCommand command) {
    const TPoint p = CentreOf(command);
    ASSERT_EQ(HitTest(p), HTOBJECT_CODE);
    SendMessageW(H(), WM_NCLBUTTONDOWN, HTOBJECT_CODE, At(p));
  }
  // The pointer over a point of the frame: the platform moves it there, hit-tests it and tells
  // the window it moved.
  void Hover(TPoint p) {
    const TRect b = Bounds();
    SetCursorPos(b.left + p.x, b.top + p.y);
    HitTest(p);
    SendMessageW(H(), WM_NCMOUSEMOVE, HitTest(p), At(p));
  }
  void ClickButton(TStdCommand command) {
    PressButton(command);
    SendMessageW(H(), WM_LBUTTONUP, 0, ClientAt(CentreOf(command)));
  }
  void DoubleClickCaption() { SendMessageW(H(), WM_NCLBUTTONDBLCLK, HTCAPTION, At({400, 12})); }

  static constexpr int HTOBJECT_CODE = 19;
};

TEST_F(SkinFormTest, TheWindowGrowsByTheFrameAndKeepsItsClientSize) {
  EXPECT_TRUE(frame->SkinLoaded());
  EXPECT_EQ(form.ClientWidth(), 826);
  EXPECT_EQ(form.ClientHeight(), 502);
  EXPECT_EQ(Bounds().Width(), 834);
  EXPECT_EQ(Bounds().Height(), 533);
  POINT origin{0, 0};
  ClientToScreen(H(), &origin);
  EXPECT_EQ(origin.x - Bounds().left, 4);
  EXPECT_EQ(origin.y - Bounds().top, 27);
  // The platform's own buttons and menus must never act: no system menu, no maximize box.
  const LONG style = GetWindowLongW(H(), GWL_STYLE);
  EXPECT_EQ(style & (WS_SYSMENU | WS_MAXIMIZEBOX | WS_MINIMIZEBOX), 0);
  MINMAXINFO info{};
  SendMessageW(H(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 200);
  EXPECT_EQ(info.ptMinTrackSize.y, 31);
}

TEST_F(SkinFormTest, TheFrameShowsTheCarriedPictureActiveAndInactive) {
  const PixelBitmap& main = skin_data->Picture().bitmap;
  for (bool active : {true, false}) {
    SCOPED_TRACE(active);
    SendMessageW(H(), WM_NCACTIVATE, active, 0);
    for (auto [w, h] : {std::pair{834, 533}, std::pair{200, 100}, std::pair{1000, 700}}) {
      SCOPED_TRACE(w);
      form.SetBounds(20, 20, w, h);
      // The fixed corners of the picture where no button covers them, and the buttons over the
      // caption bar.
      EXPECT_TRUE(ShowsPicture(0, 20, main, {0, 20, 9, 27}));
      EXPECT_TRUE(ShowsPicture(w - 3, 0, main, {282, 0, 285, 27}));
      EXPECT_TRUE(ShowsPicture(w - 11, 26, main, {274, 26, 285, 27}));
      EXPECT_TRUE(ShowsPicture(4, h - 4, main, {4, 206, 8, 209}));
      EXPECT_TRUE(ShowsPicture(w - 24, 5, Active(), {2, 2, 23, 23}));
      EXPECT_TRUE(ShowsPicture(w - 47, 5, Active(), {2, 25, 23, 46}));
      EXPECT_TRUE(ShowsPicture(3, 8, Active(), {2, 210, 16, 222}));
    }
  }
}

TEST_F(SkinFormTest, OnlyTheCaptionColourShowsWhetherTheWindowIsActive) {
  const TRect caption{21, 6, 300, 24};
  SendMessageW(H(), WM_NCACTIVATE, TRUE, 0);
  EXPECT_GT(CountColour(caption, 11168318), 0);
  EXPECT_EQ(CountColour(caption, 16111036), 0);
  SendMessageW(H(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(CountColour(caption, 11168318), 0);
  EXPECT_GT(CountColour(caption, 16111036), 0);
  SendMessageW(H(), WM_NCACTIVATE, TRUE, 0);
}

TEST_F(SkinFormTest, ALongCaptionEndsBeforeTheButtons) {
  form.SetCaption(std::string(300, 'W'));
  form.SetBounds(20, 20, 300, 200);
  TskSkinCaptionObject* caption = Probe().FindCaption();
  ASSERT_NE(caption, nullptr);
  frame->PaintFrame();
  EXPECT_FALSE(caption->drawn_text.IsEmpty());
  EXPECT_LE(caption->drawn_text.right, frame->FindButton(TStdCommand::cmMinimize)->rect.left);
  // The minimize button is untouched by the text.
  EXPECT_TRUE(ShowsPicture(300 - 70, 5, Active(), {2, 71, 23, 92}));
  form.SetCaption("");
  frame->PaintFrame();
  EXPECT_TRUE(caption->drawn_text.IsEmpty());
}

// Another program (or the window itself) renames the window through the platform: the caption
// reads the new text from then on, through repaints, resizes and a maximize.
TEST_F(SkinFormTest, TheCaptionFollowsTheWindowText) {
  TskSkinCaptionObject* caption = Probe().FindCaption();
  ASSERT_NE(caption, nullptr);
  frame->PaintFrame();
  const int short_width = caption->drawn_text.Width();
  ASSERT_GT(short_width, 0);
  ASSERT_TRUE(SetWindowTextA(H(), "Vorlisk renamed by another program"));
  EXPECT_EQ(form.CaptionUtf8(), "Vorlisk renamed by another program");
  const std::vector<std::function<void()>> steps = {
      [&] { frame->PaintFrame(); },
      [&] { form.SetBounds(30, 30, 700, 400); },
      [&] { frame->SetWindowState(TskWindowState::wsMaximized); },
  };
  for (std::size_t i = 0; i < steps.size(); ++i) {
    steps[i]();
    frame->PaintFrame();
    EXPECT_GT(caption->drawn_text.Width(), 2 * short_width) << "step " << i;
  }
}

TEST_F(SkinFormTest, TheRegionCutsTheCornersAndKeepsTheEdges) {
  const PixelBitmap& mask = skin_data->Mask().bitmap;
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(H(), region), ERROR);
  const int w = Bounds().Width();
  const int h = Bounds().Height();
  auto inside_mask = [&](int x, int y) { return (mask.At(x, y) & 0xFFFFFF) == 0; };
  EXPECT_FALSE(inside_mask(0, 0));
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_EQ(PtInRegion(region, w - 1, 0) != FALSE, inside_mask(284, 0));
  EXPECT_EQ(PtInRegion(region, 0, h - 1) != FALSE, inside_mask(0, 209));
  EXPECT_EQ(PtInRegion(region, w - 1, h - 1) != FALSE, inside_mask(284, 209));
  EXPECT_TRUE(PtInRegion(region, w / 2, 4));
  EXPECT_TRUE(PtInRegion(region, 4, h / 2));
  EXPECT_TRUE(PtInRegion(region, w - 4, h / 2));
  EXPECT_TRUE(PtInRegion(region, w / 2, h - 4));
  EXPECT_TRUE(PtInRegion(region, w / 2, h / 2));
  DeleteObject(region);
}

// A drag of the right edge with real pointer input and the window's contents shown while
// dragging: at every pause of the drag the region has the window's current size.
class LiveResize {
 public:
  explicit LiveResize(HWND window) : window_(window) { current_ = this; }
  ~LiveResize() { current_ = nullptr; }

  // Presses at `start` (screen), moves right by each of `steps` and releases; a sample of the
  // window and its region is taken at each pause, while the platform's sizing loop runs.
  void Drag(POINT start, std::vector<int> steps) {
    start_ = start;
    steps_ = std::move(steps);
    RECT w;
    GetWindowRect(window_, &w);
    start_width_ = w.right - w.left;
    SetCursorPos(start.x, start.y);
    testing::Pump();
    const UINT_PTR timer = SetTimer(nullptr, 0, 60, &Tick);
    Send(MOUSEEVENTF_LEFTDOWN, start);
    // The sizing loop runs inside the press's dispatch until Tick has sent the release.
    const DWORD until = GetTickCount() + 5000;
    while (!released_ && GetTickCount() < until) {
      testing::Pump();
      Sleep(5);
    }
    KillTimer(nullptr, timer);
    if (!released_) Send(MOUSEEVENTF_LEFTUP, start);
    testing::Pump();
  }

  struct Sample {
    TRect window;
    TRect region;
  };
  std::vector<Sample> samples;

 private:
  static void Send(DWORD flags, POINT at) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    LiveResize& self = *current_;
    if (self.released_) return;
    // Now and then the X server reports the last move to the sizing loop late or not at all, and
    // a release then ends the loop short of it. The hand lets go once the window has followed,
    // as a person's does, and a hand that rests still trembles by a pixel.
    if (self.step_ == int(self.steps_.size()) && !self.Followed() && ++self.waits_ < 40) {
      const int last = self.steps_.back() - (self.waits_ % 2);
      Send(0, {self.start_.x + last, self.start_.y});
      return;
    }
    if (self.step_ > 0) {
      RECT w;
      GetWindowRect(self.window_, &w);
      HRGN region = CreateRectRgn(0, 0, 0, 0);
      RECT box{};
      if (GetWindowRgn(self.window_, region) != ERROR) GetRgnBox(region, &box);
      DeleteObject(region);
      self.samples.push_back({FromRECT(w), FromRECT(box)});
    }
    if (self.step_ < int(self.steps_.size())) {
      const POINT to{self.start_.x + self.steps_[std::size_t(self.step_++)], self.start_.y};
      Send(0, to);
      return;
    }
    self.released_ = true;
    Send(MOUSEEVENTF_LEFTUP, {self.start_.x + self.steps_.back(), self.start_.y});
  }

  bool Followed() const {
    RECT w;
    GetWindowRect(window_, &w);
    return w.right - w.left == start_width_ + steps_.back();
  }

  static inline LiveResize* current_ = nullptr;
  HWND window_;
  int start_width_ = 0;
  int waits_ = 0;
  POINT start_{};
  std::vector<int> steps_;
  int step_ = 0;
  bool released_ = false;
};

TEST_F(SkinFormTest, ALiveResizeKeepsTheRegionAtTheWindowsSize) {
  BOOL full_drag = FALSE;
  SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &full_drag, 0);
  SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, TRUE, nullptr, 0);
  const TRect b = Bounds();
  ASSERT_EQ(HitTest({b.Width() - 2, b.Height() / 2}), HTRIGHT);
  LiveResize resize(H());
  resize.Drag({b.right - 2, b.top + b.Height() / 2}, {30, 60, 90});
  SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, full_drag, nullptr, 0);
  ASSERT_EQ(resize.samples.size(), 3u);
  for (const auto& sample : resize.samples) {
    EXPECT_GT(sample.window.Width(), b.Width());
    EXPECT_EQ(sample.region.right, sample.window.Width());
    EXPECT_EQ(sample.region.bottom, sample.window.Height());
  }
  EXPECT_EQ(Bounds().Width(), b.Width() + 90);
}

TEST_F(SkinFormTest, HitTestsMoveAndSizeTheWindowByItsFrame) {
  const int w = Bounds().Width();
  const int h = Bounds().Height();
  // The carried mask area reaches to 3 pixels of the top and 4 of the other edges; the sizing
  // band lies outside it.
  struct Case {
    TPoint p;
    int code;
  } cases[] = {
      {{3, 3}, HTTOPLEFT},           {{w - 3, 3}, HTTOPRIGHT},
      {{3, h - 3}, HTBOTTOMLEFT},    {{w - 3, h - 3}, HTBOTTOMRIGHT},
      {{w / 2, 2}, HTTOP},           {{w / 2, h - 2}, HTBOTTOM},
      {{2, h / 2}, HTLEFT},          {{w - 2, h / 2}, HTRIGHT},
      {{w / 2, 14}, HTCAPTION},      {{w / 2, h / 2}, HTCLIENT},
      {{w - 14, 15}, HTOBJECT_CODE}, {{10, 14}, HTOBJECT_CODE},
      {{w / 2, 4}, HTCAPTION},
  };
  for (const Case& c : cases) {
    Probe().ClearHover();
    EXPECT_EQ(HitTest(c.p), c.code) << c.p.x << "," << c.p.y;
  }
}

TEST_F(SkinFormTest, HoverAndPressShowTheHotAndDownLooks) {
  const int w = Bounds().Width();
  TskSkinStdButtonObject* close = frame->FindButton(TStdCommand::cmClose);
  ASSERT_EQ(HitTest(CentreOf(TStdCommand::cmClose)), HTOBJECT_CODE);
  EXPECT_EQ(Probe().HoveredIndex(), IndexOf(close));
  EXPECT_TRUE(Probe().HoverTimerRunning());
  EXPECT_TRUE(ShowsPicture(w - 24, 5, Active(), {27, 2, 48, 23}));
  SendMessageW(H(), WM_NCLBUTTONDOWN, HTOBJECT_CODE, At(CentreOf(TStdCommand::cmClose)));
  EXPECT_EQ(GetCapture(), H());
  EXPECT_TRUE(close->down);
  EXPECT_TRUE(ShowsPicture(w - 24, 5, Active(), {52, 2, 73, 23}));
  // Dragged off the button into the client area: up again, and releasing there does nothing.
  SendMessageW(H(), WM_MOUSEMOVE, MK_LBUTTON, ClientAt({400, 300}));
  EXPECT_EQ(Probe().HoveredIndex(), -1);
  EXPECT_TRUE(ShowsPicture(w - 24, 5, Active(), {2, 2, 23, 23}));
  SendMessageW(H(), WM_LBUTTONUP, 0, ClientAt({400, 300}));
  EXPECT_TRUE(form.Visible());
  EXPECT_NE(GetCapture(), H());
  EXPECT_FALSE(close->down);
  EXPECT_EQ(Probe().CapturedIndex(), -1);
}

TEST_F(SkinFormTest, APressDraggedOutAndBackCompletesOnTheSameButton) {
  const TRect normal = Bounds();
  const int w = normal.Width();
  PressButton(TStdCommand::cmMaximize);
  SendMessageW(H(), WM_MOUSEMOVE, MK_LBUTTON, ClientAt({400, 300}));
  EXPECT_TRUE(ShowsPicture(w - 47, 5, Active(), {2, 25, 23, 46}));
  SendMessageW(H(), WM_MOUSEMOVE, MK_LBUTTON, ClientAt(CentreOf(TStdCommand::cmMaximize)));
  EXPECT_TRUE(ShowsPicture(w - 47, 5, Active(), {52, 25, 73, 46}));
  SendMessageW(H(), WM_LBUTTONUP, 0, ClientAt(CentreOf(TStdCommand::cmMaximize)));
  EXPECT_EQ(frame->WindowState(), TskWindowState::wsMaximized);
  const TRect work = WorkAreaOf(H(), false);
  const TRect b = Bounds();
  EXPECT_TRUE(b == work ||
              b == (TRect{work.left + 1, work.top + 1, work.right - 1, work.bottom - 1}));
  // Maximized: the restore look, no sizing edges, and no moving.
  EXPECT_TRUE(ShowsPicture(b.Width() - 47, 5, Active(), {2, 48, 23, 69}));
  Probe().ClearHover();
  EXPECT_NE(HitTest({2, b.Height() / 2}), HTLEFT);
  EXPECT_NE(HitTest({b.Width() - 5, b.Height() - 3}), HTBOTTOMRIGHT);
  RECT moving{b.left + 50, b.top + 50, b.right + 50, b.bottom + 50};
  SendMessageW(H(), WM_MOVING, WMSZ_TOP, reinterpret_cast<LPARAM>(&moving));
  EXPECT_EQ(FromRECT(moving), b);
  ClickButton(TStdCommand::cmMaximize);
  EXPECT_EQ(frame->WindowState(), TskWindowState::wsNormal);
  EXPECT_EQ(Bounds(), normal);
  EXPECT_EQ(form.ClientWidth(), 826);
}

TEST_F(SkinFormTest, TheMaximizeButtonHintsRestoreWhileMaximized) {
  TskSkinStdButtonObject* max = frame->FindButton(TStdCommand::cmMaximize);
  EXPECT_EQ(frame->FindButton(TStdCommand::cmClose)->hint, "Close");
  EXPECT_EQ(frame->FindButton(TStdCommand::cmSysMenu)->hint, "System menu");
  HitTest(CentreOf(TStdCommand::cmMaximize));
  EXPECT_EQ(max->hint, "Maximize");
  frame->SetWindowState(TskWindowState::wsMaximized);
  EXPECT_EQ(max->hint, "Restore");
  Probe().ClearHover();
  HitTest(CentreOf(TStdCommand::cmMaximize));
  EXPECT_EQ(max->hint, "Restore");
  frame->SetWindowState(TskWindowState::wsNormal);
}

TEST_F(SkinFormTest, AMorphingButtonBlendsIntoItsHotLookAndBack) {
  // The carried skin morphs nothing; a button that does steps on the morph timer.
  TskSkinStdButtonObject* close = frame->FindButton(TStdCommand::cmClose);
  close->morphing = true;
  const int w = Bounds().Width();
  // The hover timer follows the real pointer, so a test that hovers by messages hovers again
  // whenever the timer let go.
  auto run_until = [&](double factor, bool hovered) {
    for (int i = 0; i < 300 && close->morph.Value() != factor; ++i) {
      if (hovered && Probe().HoveredIndex() != IndexOf(close))
        Hover(CentreOf(TStdCommand::cmClose));
      Sleep(5);
      testing::Pump();
    }
  };
  Hover(CentreOf(TStdCommand::cmClose));
  EXPECT_TRUE(Probe().MorphRunning());
  EXPECT_EQ(close->morph.Value(), 0);
  run_until(1, true);
  EXPECT_EQ(close->morph.Value(), 1);
  EXPECT_TRUE(ShowsPicture(w - 24, 5, Active(), {27, 2, 48, 23}));
  // Halfway back the button shows neither look.
  SetCursorPos(5, 5);
  Probe().ClearHover();
  close->morph.SetValue(0.6);
  Probe().Host().RepaintObject(*close);
  EXPECT_FALSE(ShowsPicture(w - 24, 5, Active(), {27, 2, 48, 23}));
  EXPECT_FALSE(ShowsPicture(w - 24, 5, Active(), {2, 2, 23, 23}));
  Probe().Host().StartMorph();
  run_until(0, false);
  EXPECT_EQ(close->morph.Value(), 0);
  for (int i = 0; i < 100 && Probe().MorphRunning(); ++i) {
    Sleep(5);
    testing::Pump();
  }
  EXPECT_FALSE(Probe().MorphRunning());
  EXPECT_TRUE(ShowsPicture(w - 24, 5, Active(), {2, 2, 23, 23}));
  // With the skin's effects off the look changes at once.
  skin_data->EnableSkinEffects = false;
  Hover(CentreOf(TStdCommand::cmClose));
  EXPECT_FALSE(Probe().MorphRunning());
  EXPECT_TRUE(ShowsPicture(w - 24, 5, Active(), {27, 2, 48, 23}));
}

// The platform's own maximize (ShowWindow from a shell start or another program) ends in the
// frame's maximized state; SC_RESTORE gives back the bounds from before.
TEST_F(SkinFormTest, APlatformMaximizeBecomesTheSkinnedOne) {
  const TRect normal = Bounds();
  const TRect maximized =
      MaximizedBounds(WorkAreaOf(H(), false), WorkAreaOf(H(), true), GetSystemMetrics(SM_CXSCREEN),
                      GetSystemMetrics(SM_CYSCREEN));
  for (int show : {SW_SHOWMAXIMIZED, SW_MAXIMIZE}) {
    ShowWindow(H(), show);
    testing::Pump();
    EXPECT_FALSE(IsZoomed(H()));
    EXPECT_EQ(frame->WindowState(), TskWindowState::wsMaximized);
    EXPECT_EQ(Bounds(), maximized);
    SendMessageW(H(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(frame->WindowState(), TskWindowState::wsNormal);
    EXPECT_EQ(Bounds(), normal);
  }
}

// The main window minimized by the platform takes the application's other windows along; the
// restore from the platform's bar brings the window back as the frame left it, maximized
// included, and the other windows with it.
TEST_F(SkinFormTest, TheMainWindowMinimizesTheApplicationAndComesBackAsItWas) {
  Application().SetMainForm(&form);
  TForm other(nullptr);
  other.SetBounds(100, 100, 300, 200);
  other.Show();
  form.Show();
  testing::Pump();
  frame->SetWindowState(TskWindowState::wsMaximized);
  const TRect maximized = Bounds();
  ClickButton(TStdCommand::cmMinimize);
  EXPECT_TRUE(IsIconic(H()));
  EXPECT_FALSE(IsWindowVisible(other.Handle()));
  // The platform's bar is the platform's: its hit test, not the frame's.
  EXPECT_EQ(SendMessageW(H(), WM_NCHITTEST, 0, At({20, 10})),
            DefWindowProcW(H(), WM_NCHITTEST, 0, At({20, 10})));
  SendMessageW(H(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsIconic(H()));
  EXPECT_EQ(frame->WindowState(), TskWindowState::wsMaximized);
  EXPECT_EQ(Bounds(), maximized);
  EXPECT_TRUE(IsWindowVisible(other.Handle()));
  Application().SetMainForm(nullptr);
  other.Release();
}

// The main window's maximize is the platform's own at the skinned bounds, however it came: a
// task bar's restore from outside (ShowWindow, which sends no command) then brings back the
// normal bounds, which the placement reports all along, and the frame follows.
TEST_F(SkinFormTest, TheMainWindowsMaximizeIsThePlatformsAndARestoreFromOutsideWorks) {
  Application().SetMainForm(&form);
  form.Show();
  testing::Pump();
  const TRect normal = Bounds();
  const TRect maximized =
      MaximizedBounds(WorkAreaOf(H(), false), WorkAreaOf(H(), true), GetSystemMetrics(SM_CXSCREEN),
                      GetSystemMetrics(SM_CYSCREEN));
  const struct {
    const char* how;
    std::function<void()> maximize;
  } cases[] = {
      {"the frame", [&] { frame->SetWindowState(TskWindowState::wsMaximized); }},
      {"SW_MAXIMIZE", [&] { ShowWindow(H(), SW_MAXIMIZE); }},
      {"SW_SHOWMAXIMIZED", [&] { ShowWindow(H(), SW_SHOWMAXIMIZED); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    c.maximize();
    testing::Pump();
    EXPECT_TRUE(IsZoomed(H()));
    EXPECT_EQ(frame->WindowState(), TskWindowState::wsMaximized);
    EXPECT_EQ(Bounds(), maximized);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    ASSERT_TRUE(GetWindowPlacement(H(), &placement));
    EXPECT_EQ(FromRECT(placement.rcNormalPosition), normal);
    ShowWindow(H(), SW_RESTORE);
    testing::Pump();
    EXPECT_FALSE(IsZoomed(H()));
    EXPECT_EQ(frame->WindowState(), TskWindowState::wsNormal);
    EXPECT_EQ(Bounds(), normal);
  }
  Application().SetMainForm(nullptr);
}

TEST_F(SkinFormTest, CaptionDoubleClicksMaximizeAndRestore) {
  const TRect normal = Bounds();
  DoubleClickCaption();
  EXPECT_EQ(frame->WindowState(), TskWindowState::wsMaximized);
  DoubleClickCaption();
  EXPECT_EQ(frame->WindowState(), TskWindowState::wsNormal);
  EXPECT_EQ(Bounds(), normal);
}

TEST_F(SkinFormTest, MinimizedWindowsBecomeBarsSideBySide) {
  const TRect normal = Bounds();
  const TRect work = WorkAreaOf(H(), false);
  ClickButton(TStdCommand::cmMinimize);
  EXPECT_EQ(frame->WindowState(), TskWindowState::wsMinimized);
  EXPECT_EQ(Bounds(), RectOfSize(work.left, work.bottom - 31, 200, 31));

  TForm second(nullptr);
  second.SetCaption("Second");
  auto* second_frame = new TskSkinForm(&second);
  second_frame->SetSkinData(skin_data);
  second.Show();
  second_frame->SetWindowState(TskWindowState::wsMinimized);
  RECT r;
  GetWindowRect(second.Handle(), &r);
  EXPECT_EQ(FromRECT(r), RectOfSize(work.left + 200, work.bottom - 31, 200, 31));
  second.Release();

  // The bar answers the caption and nothing else; a double click brings the window back.
  EXPECT_EQ(HitTest({100, 12}), HTCAPTION);
  DoubleClickCaption();
  EXPECT_EQ(frame->WindowState(), TskWindowState::wsNormal);
  EXPECT_EQ(Bounds(), normal);
}

TEST_F(SkinFormTest, RollingUpLeavesTheFrameAndUnrollingGivesTheHeightBack) {
  frame->SetBorderIcons({true, true, true, true, false});
  const TRect normal = Bounds();
  frame->SetRolledUp(true);
  EXPECT_TRUE(frame->RolledUp());
  EXPECT_EQ(Bounds().Height(), 31);
  EXPECT_EQ(HitTest({100, 100 < Bounds().Height() ? 100 : 30}), HTOBJECT_CODE);
  frame->SetRolledUp(false);
  EXPECT_EQ(Bounds(), normal);
  // Without the roll-up icon nothing rolls up.
  frame->SetBorderIcons({true, true, true, false, false});
  frame->SetRolledUp(true);
  EXPECT_FALSE(frame->RolledUp());
}

TEST_F(SkinFormTest, CancelModeDuringAPressPutsTheButtonUp) {
  PressButton(TStdCommand::cmMaximize);
  TskSkinStdButtonObject* max = frame->FindButton(TStdCommand::cmMaximize);
  ASSERT_TRUE(max->down);
  SendMessageW(H(), WM_CANCELMODE, 0, 0);
  EXPECT_FALSE(max->down);
  EXPECT_EQ(Probe().CapturedIndex(), -1);
  EXPECT_EQ(Probe().HoveredIndex(), -1);
  SendMessageW(H(), WM_LBUTTONUP, 0, ClientAt(CentreOf(TStdCommand::cmMaximize)));
  EXPECT_EQ(frame->WindowState(), TskWindowState::wsNormal);
  EXPECT_TRUE(ShowsPicture(Bounds().Width() - 47, 5, Active(), {2, 25, 23, 46}));
}

TEST_F(SkinFormTest, LosingTheCaptureDuringAPressPutsTheButtonUp) {
  PressButton(TStdCommand::cmClose);
  TskSkinStdButtonObject* close = frame->FindButton(TStdCommand::cmClose);
  ASSERT_TRUE(close->down);
  ReleaseCapture();
  EXPECT_FALSE(close->down);
  EXPECT_EQ(Probe().CapturedIndex(), -1);
  SendMessageW(H(), WM_LBUTTONUP, 0, ClientAt(CentreOf(TStdCommand::cmClose)));
  EXPECT_TRUE(form.Visible());
}

TEST_F(SkinFormTest, AResizeFromTheGripLeavesTheNextButtonClickWorking) {
  SendMessageW(H(), WM_ENTERSIZEMOVE, 0, 0);
  EXPECT_TRUE(Probe().InSizeMoveLoop());
  form.SetBounds(60, 40, 900, 600);
  SendMessageW(H(), WM_EXITSIZEMOVE, 0, 0);
  EXPECT_FALSE(Probe().InSizeMoveLoop());
  EXPECT_EQ(form.ClientWidth(), 892);
  ClickButton(TStdCommand::cmMaximize);
  EXPECT_EQ(frame->WindowState(), TskWindowState::wsMaximized);
}

TEST_F(SkinFormTest, DeactivatingStopsTheHoverTimer) {
  HitTest(CentreOf(TStdCommand::cmClose));
  ASSERT_TRUE(Probe().HoverTimerRunning());
  SendMessageW(H(), WM_NCACTIVATE, FALSE, 0);
  EXPECT_FALSE(Probe().HoverTimerRunning());
  EXPECT_EQ(Probe().HoveredIndex(), -1);
  // An inactive window hovers nothing.
  HitTest(CentreOf(TStdCommand::cmClose));
  EXPECT_EQ(Probe().HoveredIndex(), -1);
  SendMessageW(H(), WM_NCACTIVATE, TRUE, 0);
}

TEST_F(SkinFormTest, ASkinChangeRebuildsTheFrameAndKeepsTheClientSize) {
  const TRect before = Bounds();
  skin_data->LoadPackage(skin_list->Skins().Item(0).StoredSkin());
  EXPECT_TRUE(frame->SkinLoaded());
  EXPECT_EQ(frame->Objects().size(), 7u);
  EXPECT_EQ(Bounds(), before);
  EXPECT_EQ(form.ClientWidth(), 826);
  EXPECT_TRUE(ShowsPicture(before.Width() - 24, 5, Active(), {2, 2, 23, 23}));
}

TEST_F(SkinFormTest, AFailedSkinLoadFallsBackToTheDefaultLook) {
  TskCompressedStoredSkin broken;
  broken.SetCompressedData({1, 2, 3, 4, 5});
  EXPECT_ANY_THROW(skin_data->LoadPackage(broken));
  testing::Pump();
  EXPECT_FALSE(frame->SkinLoaded());
  EXPECT_EQ(form.ClientWidth(), 826);
  EXPECT_EQ(form.ClientHeight(), 502);
  EXPECT_EQ(Bounds().Width(), 832);
  EXPECT_EQ(Bounds().Height(), 527);
  // No mask any more, so no region; the default frame is painted in system colours.
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(H(), region), ERROR);
  DeleteObject(region);
  frame->PaintFrame();
  EXPECT_EQ(WindowPixel(0, 0), GetSysColor(COLOR_3DLIGHT));
  EXPECT_EQ(WindowPixel(1, 1), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(WindowPixel(2, 100), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(HitTest({400, 10}), HTCAPTION);
  EXPECT_EQ(HitTest({Bounds().Width() - 10, 12}), HTOBJECT_CODE);
  // The default-look buttons still work.
  ClickButton(TStdCommand::cmMaximize);
  EXPECT_EQ(frame->WindowState(), TskWindowState::wsMaximized);
}

// Pumps until the fade ends, at most two seconds.
void WaitForFade(const TskSkinForm& frame) {
  for (int i = 0; i < 400 && TskSkinFormProbe(frame).FadeRunning(); ++i) {
    Sleep(5);
    testing::Pump();
  }
}

TEST_F(SkinFormTest, AFadeInEndsAtTheTranslucencyAsked) {
  form.Hide();
  frame->SetAlphaBlend(true, 205);
  frame->AlphaBlendAnimation = true;
  form.Show();
  EXPECT_TRUE(Probe().FadeRunning());
  WaitForFade(*frame);
  EXPECT_FALSE(Probe().FadeRunning());
  EXPECT_EQ(Probe().FadeAlpha(), 205);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(H(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 205);
  form.Hide();
  EXPECT_EQ(GetWindowLongW(H(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
}

// Every setting with a setter shows on the window at once, with no skin applied after it.
TEST_F(SkinFormTest, SettingsTakeEffectWhenTheyAreSet) {
  const auto layered_alpha = [this]() -> int {
    if (!(GetWindowLongW(H(), GWL_EXSTYLE) & WS_EX_LAYERED)) return 255;
    BYTE alpha = 0;
    return GetLayeredWindowAttributes(H(), nullptr, &alpha, nullptr) ? alpha : -1;
  };
  const struct {
    const char* name;
    std::function<void()> set;
    std::function<bool()> shows;
  } cases[] = {
      {"caption buttons hidden", [&] { frame->SetHideCaptionButtons(true); },
       [&] {
         return !frame->FindButton(TStdCommand::cmClose) ||
                !frame->FindButton(TStdCommand::cmClose)->enabled;
       }},
      {"caption buttons back", [&] { frame->SetHideCaptionButtons(false); },
       [&] { return frame->FindButton(TStdCommand::cmClose)->enabled; }},
      {"system menu disabled", [&] { frame->SetDisableSystemMenu(true); },
       [&] {
         return !frame->FindButton(TStdCommand::cmSysMenu) ||
                !frame->FindButton(TStdCommand::cmSysMenu)->enabled;
       }},
      {"system menu back", [&] { frame->SetDisableSystemMenu(false); },
       [&] { return frame->FindButton(TStdCommand::cmSysMenu)->enabled; }},
      {"client size", [&] { frame->SetClientSize(360, 240); },
       [&] { return form.ClientWidth() == 360 && form.ClientHeight() == 240; }},
      {"translucent", [&] { frame->SetAlphaBlend(true, 180); },
       [&] { return layered_alpha() == 180; }},
      {"opaque again", [&] { frame->SetAlphaBlend(false, 180); },
       [&] { return layered_alpha() == 255; }},
  };
  for (const auto& c : cases) {
    c.set();
    EXPECT_TRUE(c.shows()) << c.name;
  }
}

TEST_F(SkinFormTest, AFadeToFullStrengthEndsWithoutALayer) {
  form.Hide();
  frame->AlphaBlendAnimation = true;
  form.Show();
  WaitForFade(*frame);
  EXPECT_FALSE(Probe().FadeRunning());
  EXPECT_EQ(Probe().FadeAlpha(), 255);
  EXPECT_EQ(GetWindowLongW(H(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
}

TEST_F(SkinFormTest, SkinMessagesOfAnotherSkinDataAreNeverUsed) {
  // A sender that is no object at all: compared, never followed.
  SendMessageW(H(), SKN_BEFORECHANGE, 0x1234, kSkinMessageTag);
  SendMessageW(H(), SKN_CHANGE, 0x1234, kSkinMessageTag);
  EXPECT_TRUE(frame->SkinLoaded());
  EXPECT_EQ(frame->Objects().size(), 7u);
}

// The skin data's switch hands the window to the platform frame and back in whatever state the
// skinned frame left it: nothing may stay at the size of a state the other frame cannot undo.
TEST_F(SkinFormTest, SwitchingTheSkinnedFrameOffAndOnKeepsTheWindowUsable) {
  struct Case {
    const char* name;
    std::function<void(TskSkinForm&)> enter;
    bool platform_maximized;
    TskWindowState state_after_return;
  };
  const Case cases[] = {
      {"normal", [](TskSkinForm&) {}, false, TskWindowState::wsNormal},
      {"maximized", [](TskSkinForm& f) { f.SetWindowState(TskWindowState::wsMaximized); }, true,
       TskWindowState::wsMaximized},
      {"minimized bar", [](TskSkinForm& f) { f.SetWindowState(TskWindowState::wsMinimized); },
       false, TskWindowState::wsNormal},
      {"rolled up",
       [](TskSkinForm& f) {
         f.SetBorderIcons({true, true, true, true, false});
         f.SetRolledUp(true);
       },
       false, TskWindowState::wsNormal},
  };
  const TRect normal = Bounds();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.enter(*frame);
    skin_data->SetSkinnableForm(false);
    testing::Pump();
    EXPECT_FALSE(Probe().Skinning());
    EXPECT_FALSE(frame->RolledUp());
    EXPECT_EQ(frame->WindowState(), TskWindowState::wsNormal);
    EXPECT_EQ(bool(IsZoomed(H())), c.platform_maximized);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(H(), region), ERROR);
    DeleteObject(region);
    // The platform's frame answers for itself again.
    RECT client;
    GetClientRect(H(), &client);
    if (!c.platform_maximized) {
      EXPECT_EQ(client.right, 826);
      EXPECT_EQ(client.bottom, 502);
    }
    const TRect off = Bounds();
    EXPECT_EQ(HitTest({off.Width() / 2, GetSystemMetrics(SM_CYFRAME) + 5}), HTCAPTION);

    skin_data->SetSkinnableForm(true);
    testing::Pump();
    EXPECT_TRUE(Probe().Skinning());
    EXPECT_FALSE(IsZoomed(H()));
    EXPECT_EQ(frame->WindowState(), c.state_after_return);
    frame->SetWindowState(TskWindowState::wsNormal);
    GetClientRect(H(), &client);
    EXPECT_EQ(client.right, 826);
    EXPECT_EQ(client.bottom, 502);
    EXPECT_EQ(Bounds().left, normal.left);
    EXPECT_EQ(Bounds().top, normal.top);
    EXPECT_EQ(GetWindowLongW(H(), GWL_STYLE) & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
  }
}

TEST_F(SkinFormTest, ThePlatformFrameGetsOnlyTheBorderIconsTheWindowHas) {
  struct Case {
    const char* name;
    TskBorderIcons icons;
    bool hide_buttons;
    LONG style;
  };
  const Case cases[] = {
      {"all",
       {true, true, true, false, false},
       false,
       WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX},
      {"no maximize", {true, true, false, true, false}, false, WS_SYSMENU | WS_MINIMIZEBOX},
      {"no minimize", {true, false, true, false, false}, false, WS_SYSMENU | WS_MAXIMIZEBOX},
      {"buttons hidden", {true, true, true, false, false}, true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    frame->SetHideCaptionButtons(c.hide_buttons);
    frame->SetBorderIcons(c.icons);
    skin_data->SetSkinnableForm(false);
    EXPECT_EQ(GetWindowLongW(H(), GWL_STYLE) & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              c.style);
    skin_data->SetSkinnableForm(true);
  }
  // Icons changed while the platform frame is up reach it at once.
  frame->SetHideCaptionButtons(false);
  skin_data->SetSkinnableForm(false);
  frame->SetBorderIcons({true, true, false, false, false});
  EXPECT_EQ(GetWindowLongW(H(), GWL_STYLE) & WS_MAXIMIZEBOX, 0);
  skin_data->SetSkinnableForm(true);
}

// A plain opaque icon of one colour, so that the frame's pixels tell whether it was drawn.
HICON SolidIcon(COLORREF colour) {
  const int w = GetSystemMetrics(SM_CXSMICON);
  const int h = GetSystemMetrics(SM_CYSMICON);
  std::vector<DWORD> bits(std::size_t(w) * h, DWORD(GetRValue(colour)) << 16 |
                                                  GetGValue(colour) << 8 | GetBValue(colour));
  std::vector<BYTE> mask(std::size_t((w + 15) / 16 * 2) * h, 0);
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmMask = CreateBitmap(w, h, 1, 1, mask.data());
  info.hbmColor = CreateBitmap(w, h, 1, 32, bits.data());
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(info.hbmMask);
  DeleteObject(info.hbmColor);
  return icon;
}

TEST_F(SkinFormTest, ShowIconPutsTheWindowIconOnTheSystemMenuButton) {
  EXPECT_NE(Probe().Host().WindowIcon(), nullptr);
  HICON icon = SolidIcon(RGB(255, 0, 0));
  SendMessageW(H(), WM_SETICON, ICON_SMALL, LPARAM(icon));
  EXPECT_EQ(Probe().Host().WindowIcon(), icon);
  const TRect button = frame->FindButton(TStdCommand::cmSysMenu)->rect;
  const TRect inside{button.left + 1, button.top + 1, button.right - 1, button.bottom - 1};
  const int pixels = inside.Width() * inside.Height();
  frame->PaintFrame();
  EXPECT_EQ(CountColour(inside, RGB(255, 0, 0)), 0);

  frame->SetShowIcon(true);
  EXPECT_EQ(CountColour(inside, RGB(255, 0, 0)), pixels);
  // Hovering and pressing repaint the button alone; the icon stays.
  Hover(CentreOf(TStdCommand::cmSysMenu));
  PressButton(TStdCommand::cmSysMenu);
  EXPECT_EQ(CountColour(inside, RGB(255, 0, 0)), pixels);
  SendMessageW(H(), WM_CANCELMODE, 0, 0);

  // The default look gives the button the icon's size.
  TskCompressedStoredSkin broken;
  broken.SetCompressedData({1, 2, 3, 4, 5});
  EXPECT_ANY_THROW(skin_data->LoadPackage(broken));
  testing::Pump();
  ASSERT_FALSE(frame->SkinLoaded());
  const TRect plain = frame->FindButton(TStdCommand::cmSysMenu)->rect;
  EXPECT_EQ(plain.Width(), GetSystemMetrics(SM_CXSMICON));
  EXPECT_EQ(plain.Height(), GetSystemMetrics(SM_CYSMICON));
  frame->PaintFrame();
  EXPECT_EQ(CountColour(plain, RGB(255, 0, 0)), plain.Width() * plain.Height());
  SendMessageW(H(), WM_SETICON, ICON_SMALL, 0);
  DestroyIcon(icon);
}

}  // namespace
}  // namespace vl
