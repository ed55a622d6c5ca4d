// The frame's geometry as the window stands now: the insets, size limits and sized points of the
// skinned or default frame (the arithmetic is frame_layout.h's), and the window and pointer
// coordinates the frame works in.
#include "skin/form/skin_form_win.h"

#include <windowsx.h>

namespace vl {

TskFrameSkin TskSkinForm::FrameSkin() const {
  const PixelBitmap& main = skin_data_->Picture().bitmap;
  return {&skin_data_->FormInfo(), main.Width(), main.Height()};
}

int TskSkinForm::DefaultCaptionHeight() const {
  const auto style = form_.BorderStyle();
  const bool tool =
      style == TFormBorderStyle::bsToolWindow || style == TFormBorderStyle::bsSizeToolWin;
  return tool ? 15 : 19;
}

TskFrameInsets TskSkinForm::Insets() const {
  return skin_loaded_ ? SkinFrameInsets(FrameSkin()) : DefaultFrameInsets(DefaultCaptionHeight());
}

TskTrackSize TskSkinForm::MinTrackSize() const {
  const TskSizeLimits limits{MinWidth, MinHeight, MaxWidth, MaxHeight};
  const bool minimized = window_state_ == TskWindowState::wsMinimized;
  if (skin_loaded_) return SkinMinTrackSize(FrameSkin(), limits, minimized, rolled_up_);
  return DefaultMinTrackSize(DefaultCaptionHeight(), limits, minimized, rolled_up_);
}

TskFrameGeometry TskSkinForm::Geometry() const {
  const TRect bounds = WindowBounds();
  if (skin_loaded_) return SizeFrameGeometry(FrameSkin(), bounds.Width(), bounds.Height());
  TskFrameGeometry g;
  g.width = bounds.Width();
  g.height = bounds.Height();
  g.points.client = ClientOfWindow({0, 0, g.width, g.height}, Insets());
  return g;
}

bool TskSkinForm::Resizable() const {
  return IsResizable(form_.BorderStyle(), AlwaysResize);
}

bool TskSkinForm::WindowTooSmall() const {
  const TRect b = WindowBounds();
  const TskTrackSize min = MinTrackSize();
  return b.Width() < min.min_width || b.Height() < min.min_height;
}

TRect TskSkinForm::WindowBounds() const {
  RECT r;
  GetWindowRect(form_.Handle(), &r);
  return FromRECT(r);
}

void TskSkinForm::SetWindowBounds(const TRect& r) {
  form_.SetBounds(r.left, r.top, r.Width(), r.Height());
}

TPoint TskSkinForm::WindowPoint(LPARAM screen) const {
  const TRect b = WindowBounds();
  return {GET_X_LPARAM(screen) - b.left, GET_Y_LPARAM(screen) - b.top};
}

TPoint TskSkinForm::ClientToWindowPoint(LPARAM client) const {
  POINT p{GET_X_LPARAM(client), GET_Y_LPARAM(client)};
  ClientToScreen(form_.Handle(), &p);
  const TRect b = WindowBounds();
  return {p.x - b.left, p.y - b.top};
}

std::vector<TRect> TskSkinForm::CaptionRects() const {
  std::vector<TRect> rects;
  for (const auto& object : objects_) {
    if (object->IsCaption() && object->visible) rects.push_back(object->rect);
  }
  return rects;
}

}  // namespace vl
