#include "skin/controls/skin_listview_header_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "framework/canvas_win.h"
#include "skin/controls/header_caption.h"
#include "skin/controls/header_section.h"
#include "skin/controls/skin_listview_win.h"

namespace vl {
namespace {

constexpr int kWidening = 25;
constexpr int kCaptionInset = 5;
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kPressedFill = RGB(133, 147, 181);

TAlignment AlignmentOf(int format) {
  switch (format & HDF_JUSTIFYMASK) {
    case HDF_RIGHT:
      return TAlignment::taRightJustify;
    case HDF_CENTER:
      return TAlignment::taCenter;
    default:
      return TAlignment::taLeftJustify;
  }
}

void DrawBox(TCanvas& canvas, const TRect& r, bool pressed) {
  canvas.FillRect(r, pressed ? kPressedFill : ColorToRGB(clBtnFace));
  canvas.FrameRect(r, pressed ? kNavy : ColorToRGB(clBtnShadow));
}

// The skin's picture of a section in the off-screen bitmap of the same size.
void Put(TBitmap& bitmap, const PixelBitmap& picture) {
  if (picture.Width() != bitmap.Width() || picture.Height() != bitmap.Height()) return;
  GdiFlush();
  std::memcpy(bitmap.Bits(), picture.Pixels().data(), picture.Pixels().size() * sizeof(Pixel));
}

}  // namespace

TskListViewHeader::TskListViewHeader(TskSkinListView& list) : TWinControl(nullptr), list_(list) {}

void TskListViewHeader::Paint(HDC dc) {
  const TskHeaderSkin* skin = list_.HeaderSkin();
  const int count = int(SendMessageW(Handle(), HDM_GETITEMCOUNT, 0, 0));
  int right_most = 0;
  for (int i = 0; i < count; ++i) {
    RECT rc{};
    SendMessageW(Handle(), HDM_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&rc));
    DrawSection(dc, skin, i, rc, i == PressedSection());
    right_most = std::max(right_most, int(rc.right));
  }
  RECT client;
  GetClientRect(Handle(), &client);
  DrawRemainder(dc, skin, RECT{right_most, 0, client.right + 1, client.bottom});
}

void TskListViewHeader::DrawSection(HDC dc, const TskHeaderSkin* skin, int index, const RECT& rc,
                                    bool pressed) {
  const int width = rc.right - rc.left;
  const int height = rc.bottom - rc.top;
  if (width <= 0 || height <= 0) return;
  wchar_t text[256] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_FORMAT;
  item.pszText = text;
  item.cchTextMax = int(std::size(text));
  SendMessageW(Handle(), HDM_GETITEMW, WPARAM(index), reinterpret_cast<LPARAM>(&item));

  TBitmap bitmap(width, height);
  TCanvas& canvas = bitmap.Canvas();
  const TRect section{0, 0, width, height};
  TFont font = list_.Font();
  if (skin) {
    Put(bitmap, DrawHeaderSection(*skin, width, height, pressed));
    font.SetColor(ColorToRGB(skin->CaptionColor(pressed)));
  } else {
    DrawBox(canvas, section, pressed);
    font.SetColor(ColorToRGB(clBtnText));
  }
  canvas.SetFont(font);
  TRect room{kCaptionInset, 0, width - kCaptionInset, height};
  if (index == list_.SortMarkColumn()) {
    for (const TRect& row : SortMarkRows(room, list_.SortMarkDescending())) {
      canvas.FillRect(row, font.Color());
    }
    room.right -= kSortMarkWidth + kSortMarkGap;
  }
  if (list_.OnDrawHeaderSection) {
    list_.OnDrawHeaderSection(canvas, index, pressed, section);
  } else {
    const std::wstring caption = ShortenedCaption(
        text, room.Width(), [&canvas](std::wstring_view t) { return canvas.TextWidth(t); });
    const SIZE size = canvas.TextExtent(caption);
    const int x = CaptionLeft(room.left, room.right, size.cx, AlignmentOf(item.fmt));
    const int y = room.top + room.Height() / 2 - size.cy / 2;
    IntersectClipRect(canvas.Handle(), room.left, room.top, room.right, room.bottom);
    canvas.TextOut(x, y, caption);
    SelectClipRgn(canvas.Handle(), nullptr);
  }
  bitmap.Draw(dc, rc.left, rc.top);
}

void TskListViewHeader::DrawRemainder(HDC dc, const TskHeaderSkin* skin, const RECT& rc) {
  const int width = rc.right - rc.left;
  const int height = rc.bottom - rc.top;
  if (width <= 0 || height <= 0) return;
  TBitmap bitmap(width, height);
  if (skin) {
    Put(bitmap, DrawHeaderRemainder(*skin, width, height));
  } else {
    DrawBox(bitmap.Canvas(), {0, 0, width, height}, false);
  }
  bitmap.Draw(dc, rc.left, rc.top);
}

void TskListViewHeader::Widen(WINDOWPOS& pos) const {
  if (pos.flags & SWP_NOSIZE) return;
  // Scrolled sideways, the list lays the header out again from the header's own width, so a
  // fixed addition would grow with every scroll; the right edge is what is kept, 25 pixels past
  // the list's client area.
  const int left = (pos.flags & SWP_NOMOVE) ? Left() : pos.x;
  pos.cx = list_.ClientWidth() - left + kWidening;
}

void TskListViewHeader::Press(LPARAM lparam) {
  const POINT pt{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  pressed_ = -1;
  const int count = int(SendMessageW(Handle(), HDM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count && pressed_ < 0; ++i) {
    RECT rc{};
    SendMessageW(Handle(), HDM_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&rc));
    if (PtInRect(&rc, pt)) pressed_ = i;
  }
  HDHITTESTINFO hit{};
  hit.pt = pt;
  SendMessageW(Handle(), HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  divider_drag_ = hit.flags == HHT_ONDIVIDER;
  header_pressed_ = !divider_drag_;
  Redraw();
}

void TskListViewHeader::Release() {
  header_pressed_ = false;
  divider_drag_ = false;
  pressed_ = -1;
  Redraw();
}

void TskListViewHeader::Redraw() {
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

LRESULT TskListViewHeader::WndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_WINDOWPOSCHANGING) {
    Widen(*reinterpret_cast<WINDOWPOS*>(lparam));
    return 0;
  }
  if (const auto answer = SelfPaintMessage(msg, wparam, [this](HDC dc) { Paint(dc); })) {
    return *answer;
  }
  // The native header does the tracking and the column resizing; the looks follow it.
  const LRESULT result = TWinControl::WndProc(msg, wparam, lparam);
  switch (msg) {
    case WM_MOUSEMOVE:
      if (divider_drag_) InvalidateRect(Handle(), nullptr, FALSE);
      break;
    case WM_LBUTTONDOWN:
      Press(lparam);
      break;
    case WM_LBUTTONUP:
      Release();
      break;
    default:
      break;
  }
  return result;
}

}  // namespace vl
