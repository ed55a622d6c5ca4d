#pragma once
// The framed edit box: a native single-line edit with its own background colours for the
// normal, focused and disabled states. With its flat frame off (the only look the program uses)
// it keeps the system's sunken client edge.

#include <windows.h>

#include "framework/edit_win.h"
#include "statusbar/edit_colors.h"

namespace vl {

class TFlCustomEdit : public TCustomEdit {
 public:
  explicit TFlCustomEdit(TComponent* owner);

  // The normal colour; a focus colour that was never set apart follows it.
  void SetColor(TColor color);
  TColor FocusColor() const { return colors_.FocusColor(); }
  void SetFocusColor(TColor color);
  TColor DisabledColor() const { return colors_.DisabledColor(); }
  void SetDisabledColor(TColor color);
  // With ParentColor on, the box takes its parent's colour when it gets its window.
  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool parent_color);
  // Enter moves the focus on instead of reaching the key-press handler.
  bool TabOnEnter() const { return tab_on_enter_; }
  void SetTabOnEnter(bool tab_on_enter) { tab_on_enter_ = tab_on_enter; }

  // The colour the box shows now.
  TColor CurrentColor() const;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override;
  TColor BackgroundColor() const override { return CurrentColor(); }
  void EnabledChanged() override;

 private:
  void MoveFocusOn();

  TEditColors colors_;
  bool parent_color_ = false;
  bool tab_on_enter_ = false;
};

class TFlEdit : public TFlCustomEdit {
 public:
  using TFlCustomEdit::TFlCustomEdit;
};

}  // namespace vl
