#include "skin/controls/skin_control_win.h"

#include <algorithm>
#include <cstring>

#include "skin/data/resource_strings.h"
#include "skin/data/skin_data.h"
#include "skin/paint/paint_win.h"

namespace vl {

unsigned FontStyleBits(const TFontStyles& s) {
  return (s.bold ? fsBold : 0u) | (s.italic ? fsItalic : 0u) | (s.underline ? fsUnderline : 0u) |
         (s.strikeout ? fsStrikeOut : 0u);
}

void TskSkinnable::SetSkinData(TskSkinData* skin_data) {
  if (skin_data != skin_data_) {
    if (skin_data_) self_.RemoveFreeNotification(skin_data_);
    skin_data_ = skin_data;
    if (skin_data_) self_.FreeNotification(skin_data_);
  }
  BeforeApplySkinData();
  ApplySkinData();
}

void TskSkinnable::SkinDataRemoved(TComponent* component) {
  if (!skin_data_ || component != static_cast<TComponent*>(skin_data_)) return;
  skin_data_ = nullptr;
  BeforeApplySkinData();
}

int TskSkinnable::LookUpDefinition() {
  definition_index_ = -1;
  if (skin_data_ && !skin_data_->Empty()) {
    definition_index_ = skin_data_->FindControlIndex(skin_data_name_);
  }
  return definition_index_;
}

BYTE TskSkinnable::SkinCharset(const TFont& fallback) const {
  if (skin_data_ && skin_data_->ResourceStrData()) {
    return BYTE(skin_data_->ResourceStrData()->CharSet);
  }
  return fallback.Charset();
}

TFont TskSkinnable::SkinFont(const std::string& name, int height, const TFontStyles& style,
                             COLORREF color, const TFont& fallback) const {
  TFont font(name, height, FontStyleBits(style), color);
  font.SetCharset(SkinCharset(fallback));
  return font;
}

void RelaySkinChange(TWinControl& root, const void* sender, unsigned message) {
  for (TWinControl* child : root.Controls()) {
    RelaySkinChange(*child, sender, message);
    auto* skinned = dynamic_cast<TskSkinnable*>(child);
    if (!skinned || static_cast<const void*>(skinned->SkinData()) != sender) continue;
    if (message == SKN_BEFORECHANGE) skinned->BeforeApplySkinData();
    if (message == SKN_CHANGE) skinned->ApplySkinData();
  }
}

bool RelaySkinMessage(TWinControl& root, UINT msg, WPARAM wparam, LPARAM lparam) {
  if ((msg != SKN_BEFORECHANGE && msg != SKN_CHANGE) || lparam != kSkinMessageTag) return false;
  RelaySkinChange(root, reinterpret_cast<const void*>(wparam), msg);
  return true;
}

TskSkinControl::TskSkinControl(TComponent* owner, std::string section)
    : TCustomControl(owner), TskSkinnable(*this, std::move(section)) {}

void TskSkinControl::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == TOperation::opRemove) {
    const bool had = SkinData() != nullptr;
    SkinDataRemoved(component);
    if (had && !SkinData()) Invalidate();
  }
}

void TskSkinControl::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(*this);
}

void TskSkinControl::MouseLeave() {
  if (OnMouseLeave) OnMouseLeave(*this);
}

LRESULT TskSkinControl::WndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == SKN_REPAINTCONTROL) {
    RepaintControl();
    return 0;
  }
  return TCustomControl::WndProc(msg, wparam, lparam);
}

LRESULT TskSkinCustomControl::WndProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  switch (msg) {
    case WM_PAINT: {
      painting_ = true;
      const LRESULT result = TskSkinControl::WndProc(msg, wparam, lparam);
      painting_ = false;
      return result;
    }
    case WM_ERASEBKGND:
      if (!paints_on_erase_) break;
      if (!painting_ && wparam) Paint(reinterpret_cast<HDC>(wparam));
      return 1;
    default:
      break;
  }
  return TskSkinControl::WndProc(msg, wparam, lparam);
}

TskSkinCustomControl::TskSkinCustomControl(TComponent* owner, std::string section)
    : TskSkinControl(owner, std::move(section)) {
  default_font_.OnChange = [this] {
    if (DefinitionIndex() == -1) Invalidate();
  };
}

TFont TskSkinCustomControl::DefaultFontInSkinCharset() const {
  TFont font = default_font_;
  font.SetCharset(SkinCharset(default_font_));
  return font;
}

void TskSkinCustomControl::Notification(TComponent* component, TOperation operation) {
  const bool had = SkinData() != nullptr;
  TskSkinControl::Notification(component, operation);
  // No skin change follows the removal, so the shape of the mask must go now.
  if (had && !SkinData()) SetControlRegion();
}

void TskSkinCustomControl::SetDefaultWidth(int width) {
  default_width_ = width;
  if (DefinitionIndex() == -1 && width > 0) SetWidth(width);
}

void TskSkinCustomControl::SetDefaultHeight(int height) {
  default_height_ = height;
  if (DefinitionIndex() == -1 && height > 0) SetHeight(height);
}

void TskSkinCustomControl::ReadSkinDefinition() {
  skin_ = {};
  has_custom_definition_ = false;
  const int index = LookUpDefinition();
  if (index == -1) return;
  // A section of another family leaves the control in its default look at its own size.
  if (const auto* d = SkinData()->ControlAs<TskDataSkinCustomControl>(index)) {
    skin_ = CopyControlSkin(*SkinData(), *d);
    has_custom_definition_ = true;
  }
}

void TskSkinCustomControl::CalcSize(int& width, int& height) {
  if (!HasDefinition()) {
    sized_ = {width, height, {}};
    return;
  }
  sized_ = vl::CalcSize(skin_, width, height);
  width = sized_.width;
  height = sized_.height;
}

void TskSkinCustomControl::SetBounds(int left, int top, int width, int height) {
  ReadSkinDefinition();
  const bool resized = width != Width() || height != Height();
  if (!HasDefinition() || !resized) {
    TskSkinControl::SetBounds(left, top, width, height);
    if (resized) Invalidate();
    return;
  }
  CalcSize(width, height);
  TskSkinControl::SetBounds(left, top, width, height);
  SetControlRegion();
  Invalidate();
  if (!skin_.stretch_effect || !HandleAllocated()) return;
  for (TWinControl* child : Controls()) {
    if (child->HandleAllocated()) SendMessageW(child->Handle(), SKN_REPAINTCONTROL, 0, 0);
  }
}

void TskSkinCustomControl::BeforeApplySkinData() {
  TskSkinnable::BeforeApplySkinData();
  skin_ = {};
  has_custom_definition_ = false;
}

void TskSkinCustomControl::ApplySkinData() {
  ReadSkinDefinition();
  if (!HasDefinition()) {
    if (default_width_ > 0) SetWidth(default_width_);
    if (default_height_ > 0) SetHeight(default_height_);
    SetControlRegion();
    Invalidate();
    return;
  }
  int width = Width(), height = Height();
  CalcSize(width, height);
  if (width != Width() || height != Height()) {
    SetBounds(Left(), Top(), width, height);
    return;
  }
  SetControlRegion();
  Invalidate();
}

void TskSkinCustomControl::HandleCreated() {
  TskSkinControl::HandleCreated();
  SetControlRegion();
}

void TskSkinCustomControl::RemoveRegion() {
  if (!region_set_) return;
  // The system owns a region it accepted; taking it away frees it.
  SetWindowRgn(Handle(), nullptr, TRUE);
  region_set_ = false;
}

void TskSkinCustomControl::SetControlRegion() {
  if (!Parent() || !HandleAllocated()) return;
  if (!HasDefinition() || !skin_.mask) {
    RemoveRegion();
    return;
  }
  int width = Width(), height = Height();
  CalcSize(width, height);
  HRGN region = CreateWindowRegion(ControlRegion(skin_, sized_));
  if (!region) {
    RemoveRegion();
    return;
  }
  if (SetWindowRgn(Handle(), region, TRUE)) {
    region_set_ = true;
  } else {
    DeleteObject(region);
  }
}

void TskSkinCustomControl::Paint(HDC dc) {
  if (Width() < 1 || Height() < 1) return;
  ReadSkinDefinition();
  int width = Width(), height = Height();
  CalcSize(width, height);
  TBitmap bitmap(Width(), Height());
  if (!Skinned()) {
    CreateDefaultImage(bitmap);
  } else {
    if (piecewise_paint_ && skin_.rule == TskSizeRule::srFree) {
      PutPixels(bitmap, DrawPiecewise(skin_, skin_.skin_rect, sized_));
    }
    CreateSkinImage(bitmap);
  }
  GdiFlush();
  bitmap.Draw(dc, 0, 0);
}

void TskSkinCustomControl::CreateSkinImage(TBitmap& bitmap) {
  if (piecewise_paint_ && skin_.rule == TskSizeRule::srFree) return;
  PutPixels(bitmap, DrawBySizeRule(skin_, skin_.skin_rect, sized_));
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
