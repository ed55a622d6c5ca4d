#include "skin/paint/parent_background_win.h"

#include "framework/handles_win.h"

namespace vl {
namespace {

// Marks the parent for the time of the paint, leaving a mark that was already there alone.
class PaintCopyMark {
 public:
  explicit PaintCopyMark(HWND parent)
      : parent_(parent), already_(GetPropA(parent, kPaintCopyProperty) != nullptr) {
    if (!already_) SetPropA(parent_, kPaintCopyProperty, reinterpret_cast<HANDLE>(1));
  }
  ~PaintCopyMark() {
    if (!already_) RemovePropA(parent_, kPaintCopyProperty);
  }
  PaintCopyMark(const PaintCopyMark&) = delete;
  PaintCopyMark& operator=(const PaintCopyMark&) = delete;

 private:
  HWND parent_;
  bool already_;
};

HWND MdiClientOf(HWND parent) {
  return FindWindowExA(parent, nullptr, "MDIClient", nullptr);
}

bool IsTopLevel(HWND window) {
  return (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) == 0;
}

}  // namespace

void PaintParentBackground(HWND control, HDC dc, const std::function<void(HDC)>& paint_siblings) {
  HWND parent = GetParent(control);
  if (!parent) return;
  PaintCopyMark mark(parent);
  TSavedDC saved(dc);

  RECT bounds{};
  GetWindowRect(control, &bounds);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&bounds), 2);
  POINT origin{};
  GetViewportOrgEx(dc, &origin);
  SetViewportOrgEx(dc, origin.x - bounds.left, origin.y - bounds.top, nullptr);
  RECT client{};
  GetClientRect(parent, &client);
  IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);

  if (HWND mdi_client = MdiClientOf(parent)) {
    SendMessageA(mdi_client, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  } else {
    SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    if (!IsTopLevel(parent)) {
      SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    }
  }
  if (paint_siblings) paint_siblings(dc);
}

}  // namespace vl
