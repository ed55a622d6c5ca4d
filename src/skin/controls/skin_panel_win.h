#pragma once
// A container panel. Without a skin: button face with a one-pixel frame by its border style,
// children aligned inside the frame. With the `panel` section: the frame pieces of the skin
// picture around a client area filled with the picture's client texture (or a background
// picture), children aligned in the skin's client rectangle.

#include "skin/controls/skin_control_win.h"

namespace vl {

class TskSkinPanel : public TskSkinCustomControl {
 public:
  explicit TskSkinPanel(TComponent* owner);

  TskBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TskBorderStyle style);
  bool CaptionMode() const { return caption_mode_; }
  void SetCaptionMode(bool on);
  int DefaultCaptionHeight() const { return default_caption_height_; }
  void SetDefaultCaptionHeight(int height);
  TAlignment DefaultAlignment() const { return default_alignment_; }
  void SetDefaultAlignment(TAlignment alignment);

  void ApplySkinData() override;
  void BeforeApplySkinData() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void AdjustClientRect(TRect& rect) const override;
  void ReadSkinDefinition() override;
  void CreateDefaultImage(TBitmap& bitmap) override;
  void CreateSkinImage(TBitmap& bitmap) override;
  void Paint(HDC dc) override;
  void TextChanged() override;
  // The frame lies on the edges, so a new size redraws all of it: the window class asks for
  // no full redraw, and the platform would only paint the part a widening uncovers.
  void Resized() override { Invalidate(); }

 private:
  // The picture of the whole panel when the skin draws it without its frame pieces: the client
  // texture over everything (no border) or the background picture. Empty otherwise.
  PixelBitmap BackgroundPicture() const;
  void DrawCaption(TCanvas& canvas, const TRect& rect, const TFont& font, TAlignment alignment);
  // The caption of the section's caption rectangle, over whatever the skin drew below it.
  void DrawSkinCaption(TBitmap& bitmap);

  TskBorderStyle border_style_ = TskBorderStyle::bvFrame;
  bool caption_mode_ = false;
  int default_caption_height_ = 22;
  TAlignment default_alignment_ = TAlignment::taLeftJustify;
  // Copies of the panel keys of the section.
  TRect captionrect_;
  TAlignment alignment_ = TAlignment::taCenter;
  std::string fontname_ = "Arial";
  int fontheight_ = 14;
  TFontStyles fontstyle_;
  TColor fontcolor_ = 0;
  const PixelBitmap* background_ = nullptr;
};

}  // namespace vl
