#pragma once
// The column header of the skinned list view. The native list creates it; the list takes over
// its window procedure and draws every section itself, composed off-screen and never erased, so
// resizing a column does not flicker. With a button section in the skin each section is that
// button's picture (the pressed one while held down) and the part right of the last column its
// left edge with the rest stretched; without one a section is a flat button-face box with a
// button-shadow frame (navy and blue-grey while pressed). The header reaches 25 pixels past the
// list's right edge, so that it spans the whole list whatever room the list keeps for scroll
// bars.

#include <windows.h>

#include "framework/control_win.h"

namespace vl {

class TskSkinListView;
struct TskHeaderSkin;

class TskListViewHeader : public TWinControl {
 public:
  // `list` is the list view whose header this is; its font draws the captions.
  explicit TskListViewHeader(TskSkinListView& list);

  // The section held down by the left button, or -1 (also while a divider is dragged).
  int PressedSection() const { return header_pressed_ ? pressed_ : -1; }
  bool DividerDragged() const { return divider_drag_; }

 protected:
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override;

 private:
  void Paint(HDC dc);
  void DrawSection(HDC dc, const TskHeaderSkin* skin, int index, const RECT& rc, bool pressed);
  void DrawRemainder(HDC dc, const TskHeaderSkin* skin, const RECT& rc);
  // Makes a layout of the header reach 25 pixels past the list's right edge, and no further.
  void Widen(WINDOWPOS& pos) const;
  void Press(LPARAM lparam);
  void Release();
  void Redraw();

  TskSkinListView& list_;
  int pressed_ = -1;
  bool header_pressed_ = false;
  bool divider_drag_ = false;
};

}  // namespace vl
