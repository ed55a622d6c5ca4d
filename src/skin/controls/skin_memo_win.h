#pragma once
// The native multi-line editor without a native border or scroll bar: the control draws its
// own two-pixel frame around a field in the window colour, and the text scrolls with the
// wheel (one line a notch), the keys and the caret.

#include "framework/edit_win.h"
#include "skin/controls/skin_control_win.h"

namespace vl {

class TskSkinMemo : public TMemo, public TskSkinnable {
 public:
  explicit TskSkinMemo(TComponent* owner);

  TFont& DefaultFont() { return default_font_; }
  bool UseSkinFont() const { return use_skin_font_; }
  void SetUseSkinFont(bool use) { use_skin_font_ = use; }
  bool UseSkinFontColor() const { return use_skin_font_color_; }
  void SetUseSkinFontColor(bool use) { use_skin_font_color_ = use; }
  bool BitMapBG() const { return bitmap_bg_; }
  void SetBitMapBG(bool on) { bitmap_bg_ = on; }

  // The rectangle the text is laid out in, in client coordinates.
  TRect TextRect() const;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Notification(TComponent* component, TOperation operation) override;
  void HandleCreated() override;
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override;
  void Resized() override;

 private:
  void UpdateTextRect();
  void PaintFrame(HDC dc);
  void PaintBackground(HDC dc);

  TFont default_font_{"Arial", 14};
  bool use_skin_font_ = true;
  bool use_skin_font_color_ = true;
  bool bitmap_bg_ = true;
};

}  // namespace vl
