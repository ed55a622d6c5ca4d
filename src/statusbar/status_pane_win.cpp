#include "statusbar/status_pane_win.h"

#include <algorithm>

#include "framework/application_win.h"
#include "framework/handles_win.h"
#include "framework/text_win.h"
#include "statusbar/status_layout.h"

namespace vl {
namespace {

SIZE TextSize(HDC dc, std::wstring_view text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text.data(), int(text.size()), &size);
  return size;
}

void TextAt(HDC dc, TPoint at, const TRect& clip, std::wstring_view text, UINT options) {
  RECT rc = ToRECT(clip);
  ExtTextOutW(dc, at.x, at.y, options, &rc, text.data(), UINT(text.size()), nullptr);
}

std::string LocaleText(LCTYPE type) {
  wchar_t buffer[128];
  int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 128);
  if (length <= 1) return {};
  return WideToUtf8(std::wstring_view(buffer, std::size_t(length - 1)));
}

}  // namespace

// ---- TFlCustomStatusPane ----

TFlCustomStatusPane::TFlCustomStatusPane(TComponent* owner) : TFlGraphicControl(owner) {}

void TFlCustomStatusPane::SetFrameStyle(TFrameStyleEx style) {
  frame_style_ = style;
  Repaint();
}

void TFlCustomStatusPane::SetBorderWidth(int width) {
  border_width_ = std::max(width, 0);
  Repaint();
}

void TFlCustomStatusPane::SetCaptionOffset(int offset) {
  caption_offset_ = offset;
  Repaint();
}

void TFlCustomStatusPane::SetAlignment(TFlAlignment alignment) {
  alignment_ = alignment;
  Repaint();
}

void TFlCustomStatusPane::SetFlatColor(TColor color) {
  flat_color_ = color;
  Repaint();
}

void TFlCustomStatusPane::SetFlatColorAdjustment(int amount) {
  flat_color_adjustment_ = amount;
  Repaint();
}

void TFlCustomStatusPane::SetCaption(std::string_view utf8) {
  SetCaptionWide(Utf8ToWide(utf8));
}
void TFlCustomStatusPane::SetCaptionAnsi(std::string_view ansi) {
  SetCaptionWide(AnsiToWide(ansi));
}

void TFlCustomStatusPane::SetCaptionWide(std::wstring caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Repaint();
}

void TFlCustomStatusPane::SetCaptionRedrawingText(std::wstring caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  RepaintRect(TextRect());
}

TRect TFlCustomStatusPane::TextRect() const {
  return PaneTextRect(BoundsRect(), frame_style_, border_width_);
}

void TFlCustomStatusPane::Paint(TBitmap& picture) {
  TRect b = BoundsRect();
  PixelBitmap pane(b.Width(), b.Height());
  TPaneLook look{frame_style_, border_width_, ColorToRGB(Color())};
  PaintPane(pane, pane.Bounds(), look, SystemFrameColors(flat_color_, flat_color_adjustment_));
  picture.Canvas().DrawPixels(b.left, b.top, pane);

  HDC dc = picture.DC();
  TSelectObject font(dc, DrawingFont().Handle());
  TRect text_rect = PaintLabel(dc, TextRect());
  PaintString(dc, text_rect, caption_);
}

void TFlCustomStatusPane::PaintString(HDC dc, const TRect& rect, std::wstring_view text) {
  TPoint at = PaneTextOrigin(rect, alignment_, caption_offset_, TextSize(dc, text).cx,
                             TextSize(dc, L"Pp").cy);
  SetBkColor(dc, ColorToRGB(Color()));
  if (Enabled()) {
    SetTextColor(dc, DrawingFont().Color());
    TextAt(dc, at, rect, text, ETO_CLIPPED | ETO_OPAQUE);
    return;
  }
  // The engraved look of disabled text: a light copy below right, the shadow in place.
  SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
  TextAt(dc, {at.x + 1, at.y + 1}, rect, text, ETO_CLIPPED | ETO_OPAQUE);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  TextAt(dc, at, rect, text, ETO_CLIPPED);
}

// ---- TFlPollingList ----

std::unique_ptr<TFlPollingList> TFlPollingList::instance_;

TFlPollingList::TFlPollingList() {
  timer_.SetInterval(kInterval);
  timer_.OnTimer = [this] { Tick(); };
}

void TFlPollingList::Add(TFlPollingStatus* pane) {
  if (!instance_) instance_.reset(new TFlPollingList());
  instance_->panes_.push_back(pane);
}

void TFlPollingList::Remove(TFlPollingStatus* pane) {
  if (!instance_) return;
  auto& panes = instance_->panes_;
  panes.erase(std::remove(panes.begin(), panes.end(), pane), panes.end());
  if (panes.empty()) instance_.reset();
}

void TFlPollingList::Tick() {
  // By index: a pane's refresh may run code that adds or removes panes.
  for (std::size_t i = 0; i < panes_.size(); ++i) {
    TFlPollingStatus* pane = panes_[i];
    if (pane->Visible() && pane->Parent()) pane->Poll();
  }
}

// ---- TFlPollingStatus ----

TFlPollingStatus::TFlPollingStatus(TComponent* owner) : TFlCustomStatusPane(owner) {
  TFlPollingList::Add(this);
}

TFlPollingStatus::~TFlPollingStatus() {
  TFlPollingList::Remove(this);
}

// ---- TFlClockStatus ----

TFlClockStatus::TFlClockStatus(TComponent* owner) : TFlPollingStatus(owner) {
  SetWidth(150);
}

void TFlClockStatus::SetFormat(std::string format) {
  format_ = std::move(format);
  if (!IsLoading()) Poll();
}

void TFlClockStatus::Poll() {
  auto text = text_.Tick(Application().GetClock().Now(), format_, ReadClockFormats());
  if (text) SetCaptionRedrawingText(Utf8ToWide(*text));
}

TClockFormats ReadClockFormats() {
  TClockFormats f;
  f.short_date = LocaleText(LOCALE_SSHORTDATE);
  f.long_time = LocaleText(LOCALE_STIMEFORMAT);
  for (int m = 0; m < 12; ++m) {
    f.names.month_names[m] = LocaleText(LCTYPE(LOCALE_SMONTHNAME1 + m));
    f.names.short_month_names[m] = LocaleText(LCTYPE(LOCALE_SABBREVMONTHNAME1 + m));
  }
  // The system counts the days from Monday; the clock's time from Sunday.
  for (int d = 0; d < 7; ++d) {
    int system_day = (d + 6) % 7;
    f.names.day_names[d] = LocaleText(LCTYPE(LOCALE_SDAYNAME1 + system_day));
    f.names.short_day_names[d] = LocaleText(LCTYPE(LOCALE_SABBREVDAYNAME1 + system_day));
  }
  f.names.am = LocaleText(LOCALE_S1159);
  f.names.pm = LocaleText(LOCALE_S2359);
  return f;
}

// ---- TFlCustomFieldStatus ----

void TFlCustomFieldStatus::SetFieldLabel(std::string_view utf8) {
  field_label_ = Utf8ToWide(utf8);
  Repaint();
}

TRect TFlCustomFieldStatus::PaintLabel(HDC dc, const TRect& text_rect) {
  if (field_label_.empty()) return text_rect;
  int width = TextSize(dc, field_label_).cx + 2 * CaptionOffset();
  TRect label{text_rect.left, text_rect.top, std::min(text_rect.left + width, text_rect.right),
              text_rect.bottom};
  PaintString(dc, label, field_label_);
  return {label.right, text_rect.top, text_rect.right, text_rect.bottom};
}

// ---- TFlVersionInfoStatus ----

TFlVersionInfoStatus::TFlVersionInfoStatus(TComponent* owner) : TFlCustomFieldStatus(owner) {}

TFlVersionInfoStatus::~TFlVersionInfoStatus() {
  if (version_info_) RemoveFreeNotification(version_info_);
}

void TFlVersionInfoStatus::SetField(TVersionInfoField field) {
  field_ = field;
  UpdateCaption();
}

void TFlVersionInfoStatus::SetVersionInfo(TFlVersionInfo* source) {
  if (version_info_) RemoveFreeNotification(version_info_);
  version_info_ = source;
  if (source) FreeNotification(source);
  UpdateCaption();
}

void TFlVersionInfoStatus::UpdateCaption() {
  if (version_info_) SetCaptionAnsi(version_info_->Value(field_));
}

void TFlVersionInfoStatus::Notification(TComponent* component, TOperation operation) {
  TFlCustomFieldStatus::Notification(component, operation);
  if (operation == TOperation::opRemove && component == version_info_) version_info_ = nullptr;
}

}  // namespace vl
