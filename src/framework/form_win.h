#pragma once
// Top-level windows. A form is created hidden; derived forms build their controls in their
// constructor and then call DoCreate, which runs FormCreate with errors going to the error box
// (creation goes on, as the user expects of a window that opens anyway). Every close request
// (close button, Alt+F4, system menu, log-off) asks FormCloseQuery first; closing the main form
// ends the application, closing any other form hides it.

#include <windows.h>

#include <functional>

#include "framework/control_win.h"
#include "framework/form_styles.h"

namespace vl {

enum class TPosition { poDesigned, poScreenCenter, poMainFormCenter };

class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;

  // Sizes the window so that its client area is width x height with the frame the window has
  // (the frame answers WM_NCCALCSIZE, so a frame drawn by a component counts too).
  void SetClientSize(int width, int height);

  TFormBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return border_icons_; }
  void SetBorderIcons(TBorderIcons icons);
  // The window styles of a border style with its icons.
  static void StylesOf(TFormBorderStyle style, TBorderIcons icons, DWORD& ws, DWORD& ex);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }

  // Shows a hidden form (FormShow first) or brings a visible one to the front.
  void Show();
  void Hide() { SetVisible(false); }
  // A close request, as the close button makes it.
  void Close();
  // Asks FormCloseQuery; true when the form may close.
  bool CloseQuery();
  // Destroys the window while the derived form still exists, so that FormDestroy runs with it.
  void Release();

  void SetVisible(bool visible) override;

  // Sees every key press typed in the window before the focused control does; true takes the
  // key. One handler per form: the window's skinned frame sets it.
  std::function<bool(const MSG&)> ShortCutHandler;

 protected:
  void CreateParams(TCreateParams& params) override;
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override;
  void AdjustClientRect(TRect& rect) const override { (void)rect; }

  // Runs FormCreate; an error shows in the error box and creation goes on.
  void DoCreate();
  virtual void FormCreate() {}
  virtual void FormCloseQuery(bool& can_close) { (void)can_close; }
  virtual void FormDestroy() {}
  virtual void FormShow() {}

 private:
  void PlaceForShow();
  void FocusFirstControl();

  void UpdateFrameStyle();

  TPosition position_ = TPosition::poDesigned;
  TFormBorderStyle border_style_ = TFormBorderStyle::bsSizeable;
  TBorderIcons border_icons_ = kAllBorderIcons;
  HWND saved_focus_ = nullptr;
  bool destroyed_ = false;
};

}  // namespace vl
