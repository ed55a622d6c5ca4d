#include "skin/controls/skin_control_win.h"

#include "skin/data/skin_data.h"

namespace vl {

void TskSkinnable::SetSkinData(TskSkinData* skin_data) {
  if (skin_data == skin_data_) return;
  if (skin_data_) self_.RemoveFreeNotification(skin_data_);
  skin_data_ = skin_data;
  if (skin_data_) self_.FreeNotification(skin_data_);
}

void TskSkinnable::SkinDataRemoved(TComponent* component) {
  if (skin_data_ && component == static_cast<TComponent*>(skin_data_)) skin_data_ = nullptr;
}

TskSkinControl::TskSkinControl(TComponent* owner, std::string section)
    : TCustomControl(owner), TskSkinnable(*this, std::move(section)) {}

void TskSkinControl::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == TOperation::opRemove) SkinDataRemoved(component);
}

void TskSkinControl::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(*this);
}

void TskSkinControl::MouseLeave() {
  if (OnMouseLeave) OnMouseLeave(*this);
}

TskSkinCustomControl::TskSkinCustomControl(TComponent* owner, std::string section)
    : TskSkinControl(owner, std::move(section)) {
  default_font_.OnChange = [this] { Invalidate(); };
}

void TskSkinCustomControl::SetDefaultWidth(int width) {
  default_width_ = width;
  if (DefinitionIndex() == -1 && width > 0) SetWidth(width);
}

void TskSkinCustomControl::SetDefaultHeight(int height) {
  default_height_ = height;
  if (DefinitionIndex() == -1 && height > 0) SetHeight(height);
}

void TskSkinCustomControl::Paint(HDC dc) {
  if (Width() < 1 || Height() < 1) return;
  TBitmap bitmap(Width(), Height());
  CreateDefaultImage(bitmap);
  bitmap.Draw(dc, 0, 0);
}

void TskSkinCustomControl::FrameByStyle(TCanvas& canvas, const TRect& r,
                                        TskBorderStyle style) const {
  const COLORREF shadow = ColorToRGB(clBtnShadow);
  const COLORREF highlight = ColorToRGB(clBtnHighlight);
  switch (style) {
    case TskBorderStyle::bvFrame:
      canvas.FrameRect(r, shadow);
      break;
    case TskBorderStyle::bvRaised:
      canvas.Bevel(r, highlight, shadow);
      break;
    case TskBorderStyle::bvLowered:
      canvas.Bevel(r, shadow, highlight);
      break;
    case TskBorderStyle::bvNone:
      break;
  }
}

}  // namespace vl
