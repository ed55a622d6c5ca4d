#include "skin/paint/paint_win.h"

#include "framework/canvas_win.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "skin/paint/blit.h"
#include "skin/paint/proc_address_win.h"
#include "skin/paint/text_fit.h"

namespace vl {

void PutPixels(TBitmap& bitmap, const PixelBitmap& picture, int x, int y) {
  // Pending drawing into the bitmap lands first, so the copy is not drawn over afterwards.
  GdiFlush();
  const int x0 = std::max(0, x), y0 = std::max(0, y);
  const int x1 = std::min(bitmap.Width(), x + picture.Width());
  const int y1 = std::min(bitmap.Height(), y + picture.Height());
  if (x1 <= x0) return;
  for (int row = y0; row < y1; ++row) {
    std::memcpy(bitmap.Bits() + std::size_t(row) * std::size_t(bitmap.Width()) + x0,
                picture.Row(row - y) + (x0 - x), std::size_t(x1 - x0) * sizeof(Pixel));
  }
}

PixelBitmap GrabPixels(const TBitmap& bitmap, const TRect& r) {
  GdiFlush();
  PixelBitmap out(r.Width(), r.Height());
  for (int y = 0; y < out.Height(); ++y) {
    for (int x = 0; x < out.Width(); ++x) {
      const int bx = r.left + x, by = r.top + y;
      if (bx < 0 || by < 0 || bx >= bitmap.Width() || by >= bitmap.Height()) continue;
      out.At(x, y) = bitmap.Bits()[std::size_t(by) * std::size_t(bitmap.Width()) + bx];
    }
  }
  return out;
}
namespace {

HRGN RegionFromBatch(std::span<const TRect> rects, const TRect& bounds) {
  std::vector<BYTE> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = DWORD(rects.size());
  header->nRgnSize = 0;
  header->rcBound = {bounds.left, bounds.top, bounds.right, bounds.bottom};
  auto* out = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
  for (std::size_t i = 0; i < rects.size(); ++i) {
    out[i] = {rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
  }
  return ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
}

// Unites `part` into `into` and deletes it.
void UniteInto(HRGN into, HRGN part) {
  CombineRgn(into, into, part, RGN_OR);
  DeleteObject(part);
}

using MonitorFromWindowFn = HMONITOR(WINAPI*)(HWND, DWORD);
using GetMonitorInfoFn = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);

// Looked up once: a platform without them (before 5.0) has one monitor.
struct MonitorFunctions {
  MonitorFromWindowFn monitor_from_window = nullptr;
  GetMonitorInfoFn get_monitor_info = nullptr;
  MonitorFunctions() {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    monitor_from_window = LookUpFunction<MonitorFromWindowFn>(user32, "MonitorFromWindow");
    get_monitor_info = LookUpFunction<GetMonitorInfoFn>(user32, "GetMonitorInfoA");
  }
};

const MonitorFunctions& Monitors() {
  static const MonitorFunctions functions;
  return functions;
}

TRect FromRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

bool IsUnicodePlatform() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof(version);
  bool known = GetVersionExA(&version) != 0;
  return !known || version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace

void DrawPixelBitmap(HDC dc, int x, int y, const PixelBitmap& picture) {
  DrawPixelBitmap(dc, x, y, picture, picture.Bounds());
}

void DrawPixelBitmap(HDC dc, int x, int y, const PixelBitmap& picture, const TRect& src_rect) {
  TRect from = Intersect(src_rect, picture.Bounds());
  if (from.IsEmpty()) return;
  BITMAPINFO info = TopDownDibInfo(picture.Width(), picture.Height());
  // SetDIBitsToDevice counts its source origin from the bottom even for a top-down picture.
  SetDIBitsToDevice(dc, x + (from.left - src_rect.left), y + (from.top - src_rect.top),
                    DWORD(from.Width()), DWORD(from.Height()), from.left,
                    picture.Height() - from.bottom, 0, UINT(picture.Height()),
                    picture.Pixels().data(), &info, DIB_RGB_COLORS);
}

HRGN CreateRegionFromRects(const TskRegionRects& region) {
  HRGN result = CreateRectRgn(0, 0, 0, 0);
  for (std::span<const TRect> batch : RegionBatches(region)) {
    UniteInto(result, RegionFromBatch(batch, region.bounds));
  }
  return result;
}

HRGN CreateWindowRegion(const std::optional<TskWindowRegion>& region) {
  if (!region) return nullptr;
  HRGN result = CreateRectRgn(0, 0, 0, 0);
  for (const TskRegionRects& part : region->parts) {
    UniteInto(result, CreateRegionFromRects(part));
  }
  return result;
}

std::string FitTextWithEllipsis(HDC dc, std::string_view text, int width) {
  auto measure = [dc](std::string_view s) {
    SIZE size{};
    GetTextExtentPoint32A(dc, s.data(), int(s.size()), &size);
    return int(size.cx);
  };
  auto lead = [](unsigned char c) { return IsDBCSLeadByte(c) != 0; };
  return FitTextWithEllipsis(text, width, measure, lead);
}

std::wstring FitTextWithEllipsis(HDC dc, std::wstring_view text, int width) {
  auto measure = [dc](std::wstring_view s) {
    SIZE size{};
    GetTextExtentPoint32W(dc, s.data(), int(s.size()), &size);
    return int(size.cx);
  };
  return FitTextWithEllipsis(text, width, measure);
}

int DrawWideText(HDC dc, std::wstring_view text, RECT& rect, UINT format) {
  if (IsUnicodePlatform()) return DrawTextW(dc, text.data(), int(text.size()), &rect, format);
  int bytes =
      WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string ansi(std::size_t(bytes > 0 ? bytes : 0), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), ansi.data(), bytes, nullptr,
                      nullptr);
  return DrawTextA(dc, ansi.data(), int(ansi.size()), &rect, format);
}

TRect WorkAreaOf(HWND window, bool whole_area) {
  const MonitorFunctions& m = Monitors();
  if (GetSystemMetrics(SM_CMONITORS) > 1 && m.monitor_from_window && m.get_monitor_info) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    HMONITOR monitor = m.monitor_from_window(window, MONITOR_DEFAULTTONEAREST);
    if (m.get_monitor_info(monitor, &info)) {
      return FromRect(whole_area ? info.rcMonitor : info.rcWork);
    }
  }
  if (whole_area) return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return FromRect(work);
}

}  // namespace vl
