#pragma once
// A one-line text label: button face, an optional frame, and the caption inset 3 pixels,
// vertically centred and aligned left, right or centred.

#include "skin/controls/skin_control_win.h"

namespace vl {

class TskSkinLabel : public TskSkinCustomControl {
 public:
  explicit TskSkinLabel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TskBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TskBorderStyle style);
  bool UseSkinFontColor() const { return use_skin_font_color_; }
  void SetUseSkinFontColor(bool use) { use_skin_font_color_ = use; }
  bool UseSkinSize() const { return use_skin_size_; }
  void SetUseSkinSize(bool use) { use_skin_size_ = use; }
  // With AutoSize the width follows the caption, unless the label is aligned across its parent.
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);

 protected:
  void CreateDefaultImage(TBitmap& bitmap) override;
  void TextChanged() override;

 private:
  void AdjustWidthToText();

  TAlignment alignment_ = TAlignment::taLeftJustify;
  TskBorderStyle border_style_ = TskBorderStyle::bvNone;
  bool use_skin_font_color_ = true;
  bool use_skin_size_ = true;
  bool auto_size_ = false;
};

}  // namespace vl
