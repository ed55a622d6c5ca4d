#pragma once
// A container panel: button face with a one-pixel frame by its border style; children are
// aligned inside the frame.

#include "skin/controls/skin_control_win.h"

namespace vl {

class TskSkinPanel : public TskSkinCustomControl {
 public:
  explicit TskSkinPanel(TComponent* owner);

  TskBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TskBorderStyle style);

 protected:
  void CreateParams(TCreateParams& params) override;
  void AdjustClientRect(TRect& rect) const override;
  void CreateDefaultImage(TBitmap& bitmap) override;
  void TextChanged() override {}
  // The frame lies on the edges, so a new size redraws all of it: the window class asks for
  // no full redraw, and the platform would only paint the part a widening uncovers.
  void Resized() override { Invalidate(); }

 private:
  TskBorderStyle border_style_ = TskBorderStyle::bvFrame;
};

}  // namespace vl
