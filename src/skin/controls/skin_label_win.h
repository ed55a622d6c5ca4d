#pragma once
// A one-line text label. Without a skin: button face, an optional frame, and the caption inset
// 3 pixels. With the `label` section: the section's picture fitted to the label, the caption in
// the skin's client rectangle. The caption is vertically centred and aligned left, right or
// centred.

#include "skin/controls/skin_control_win.h"

namespace vl {

enum class TskEllipsType { bsetNoneEllips, bsetEllips };

class TskSkinLabel : public TskSkinCustomControl {
 public:
  explicit TskSkinLabel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
  TskBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TskBorderStyle style);
  bool UseSkinFontColor() const { return use_skin_font_color_; }
  void SetUseSkinFontColor(bool use);
  bool UseSkinSize() const { return use_skin_size_; }
  void SetUseSkinSize(bool use) { use_skin_size_ = use; }
  TskEllipsType EllipsType() const { return ellips_type_; }
  void SetEllipsType(TskEllipsType type);
  // With AutoSize the width follows the caption, unless the label is aligned across its parent.
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);

  // How much wider the caption is than the room the label gives it (negative: narrower).
  int TextExcess();
  // The font and colour the caption is drawn in now.
  TFont CaptionFont() const;

 protected:
  void ReadSkinDefinition() override;
  void CalcSize(int& width, int& height) override;
  void SetControlRegion() override;
  void CreateDefaultImage(TBitmap& bitmap) override;
  void CreateSkinImage(TBitmap& bitmap) override;
  void TextChanged() override;

 private:
  void AdjustWidthToText();
  bool AlignedAcross() const;
  void DrawCaption(TCanvas& canvas, const TRect& rect);
  int CaptionWidth(const TFont& font) const;
  // The excess for a label `width` wide whose skin is sized for that width.
  int ExcessAt(int width) const;

  TAlignment alignment_ = TAlignment::taLeftJustify;
  TskBorderStyle border_style_ = TskBorderStyle::bvNone;
  TskEllipsType ellips_type_ = TskEllipsType::bsetNoneEllips;
  bool use_skin_font_color_ = true;
  bool use_skin_size_ = true;
  bool auto_size_ = false;
  // Copies of the label keys of the section.
  std::string fontname_ = "Arial";
  int fontheight_ = 14;
  TFontStyles fontstyle_;
  TColor fontcolor_ = 0;
};

}  // namespace vl
