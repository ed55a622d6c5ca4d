#pragma once
// A push button with the looks normal, hot (pointer over it or focused), pressed and disabled.
// It clicks on a left-button release over it after a press on it, on Space released after
// Space pressed, and on Enter.

#include <functional>

#include "skin/controls/button_layout.h"
#include "skin/controls/skin_control_win.h"

namespace vl {

class TskSkinButton : public TskSkinCustomControl {
 public:
  explicit TskSkinButton(TComponent* owner);

  bool UseSkinSize() const { return use_skin_size_; }
  void SetUseSkinSize(bool use) { use_skin_size_ = use; }
  bool UseSkinFontColor() const { return use_skin_font_color_; }
  void SetUseSkinFontColor(bool use) { use_skin_font_color_ = use; }
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);
  int Margin() const { return margin_; }
  void SetMargin(int margin);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  bool CanFocused() const { return can_focused_; }
  void SetCanFocused(bool can_focused);

  bool Down() const { return down_; }
  bool MouseIn() const { return mouse_in_; }
  TButtonLook Look() const;

  // Runs OnClick, as a click by mouse or keyboard does.
  void ButtonClick();
  std::function<void()> OnClick;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override;
  void CreateDefaultImage(TBitmap& bitmap) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void EnabledChanged() override;

 private:
  TButtonState State() const;
  void SetMouseIn(bool in);
  void LeftDown();
  void LeftUp();
  void MouseMoveWhilePressed(LPARAM lparam);
  bool KeyDown(WPARAM key);
  bool KeyUp(WPARAM key);

  bool use_skin_size_ = true;
  bool use_skin_font_color_ = true;
  int spacing_ = 1;
  int margin_ = -1;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  bool can_focused_ = true;
  bool down_ = false;
  bool mouse_in_ = false;
  bool mouse_down_ = false;
};

}  // namespace vl
