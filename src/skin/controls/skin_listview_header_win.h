#pragma once
// The column header of the skinned list view. The native list creates it; the list takes over
// its window procedure and draws every section itself, composed off-screen and never erased, so
// resizing a column does not flicker. Without a skin a section is a flat button-face box with a
// button-shadow frame (navy and blue-grey while pressed), and the part right of the last column
// is filled the same way. The header reaches 25 pixels past the list's right edge, so that it
// spans the whole list whatever room the list keeps for scroll bars.

#include <windows.h>

#include "framework/control_win.h"

namespace vl {

class TskListViewHeader : public TWinControl {
 public:
  // `list` is the list view whose header this is; its font draws the captions.
  explicit TskListViewHeader(TWinControl& list);

  // The section held down by the left button, or -1 (also while a divider is dragged).
  int PressedSection() const { return header_pressed_ ? pressed_ : -1; }

 protected:
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override;

 private:
  void Paint(HDC dc);
  void DrawSection(HDC dc, int index, const RECT& rc, bool pressed);
  void DrawRemainder(HDC dc, const RECT& rc);
  // Makes a layout of the header reach 25 pixels past the list's right edge.
  void Widen(WINDOWPOS& pos) const;
  void Press(LPARAM lparam);
  void Release();
  void Redraw();

  TWinControl& list_;
  int pressed_ = -1;
  bool header_pressed_ = false;
  bool divider_drag_ = false;
};

}  // namespace vl
