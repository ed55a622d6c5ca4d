#pragma once
// The progress bar of the status bar: a windowless control that shows how far a job of counted
// parts has come, and the progress sink of the index rebuild.

#include <cstdint>
#include <functional>

#include "search/index_commands.h"
#include "statusbar/progress.h"
#include "statusbar/status_bar_win.h"

namespace vl {

class TFlCustomProgressBar : public TFlGraphicControl, public IndexProgress {
 public:
  explicit TFlCustomProgressBar(TComponent* owner);

  std::int32_t TotalParts() const { return model_.TotalParts(); }
  void SetTotalParts(std::int32_t total) override { model_.SetTotalParts(total); }
  std::int32_t PartsComplete() const { return model_.PartsComplete(); }
  void SetPartsComplete(std::int32_t complete) override { model_.SetPartsComplete(complete); }
  std::uint16_t Percent() const { return model_.Percent(); }
  void SetPercent(std::uint16_t percent) { model_.SetPercent(percent); }
  TProgressOrientation Orientation() const { return model_.Orientation(); }

  bool ShowPercent() const { return show_percent_; }
  void SetShowPercent(bool show);
  TColor BackColor() const { return back_color_; }
  void SetBackColor(TColor color);
  // Also the colour of the font, which the bar replaces while drawing anyway.
  TColor BarColor() const { return bar_color_; }
  void SetBarColor(TColor color);
  TColor BorderColor() const { return border_color_; }
  void SetBorderColor(TColor color);
  TFrameStyleEx BorderOuter() const { return border_outer_; }
  void SetBorderOuter(TFrameStyleEx style);
  TFrameStyleEx BorderInner() const { return border_inner_; }
  void SetBorderInner(TFrameStyleEx style);
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int width);
  std::uint8_t InteriorOffset() const { return interior_offset_; }
  void SetInteriorOffset(std::uint8_t offset);
  TColor FlatColor() const { return flat_color_; }
  void SetFlatColor(TColor color);
  int FlatColorAdjustment() const { return flat_color_adjustment_; }
  void SetFlatColorAdjustment(int amount);

  // Raised after every change of the percentage.
  std::function<void()> OnChange;

 protected:
  void Paint(TBitmap& picture) override;
  void BoundsChanged() override;
  void Loaded() override;

 private:
  TProgressLook Look() const;
  void PercentChanged();

  TProgressModel model_;
  bool show_percent_ = true;
  TColor back_color_ = 0xFFFFFF;
  TColor bar_color_ = clHighlight;
  TColor border_color_ = clBtnFace;
  TFrameStyleEx border_outer_ = fsLowered;
  TFrameStyleEx border_inner_ = fsNone;
  int border_width_ = 0;
  std::uint8_t interior_offset_ = 0;
  TColor flat_color_ = clBtnShadow;
  int flat_color_adjustment_ = 30;
};

class TFlProgressBar : public TFlCustomProgressBar {
 public:
  using TFlCustomProgressBar::TFlCustomProgressBar;
};

}  // namespace vl
