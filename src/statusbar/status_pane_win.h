#pragma once
// The panes of the status bar: the framed text pane, the clock pane that the shared polling
// timer refreshes, and the version pane.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/timer_win.h"
#include "statusbar/clock_text.h"
#include "statusbar/status_bar_win.h"
#include "statusbar/version_fields.h"
#include "statusbar/version_info_win.h"

namespace vl {

class TFlCustomStatusPane : public TFlGraphicControl {
 public:
  explicit TFlCustomStatusPane(TComponent* owner);

  TFrameStyleEx FrameStyle() const { return frame_style_; }
  void SetFrameStyle(TFrameStyleEx style);
  int BorderWidth() const { return border_width_; }
  void SetBorderWidth(int width);
  int CaptionOffset() const { return caption_offset_; }
  void SetCaptionOffset(int offset);
  TFlAlignment Alignment() const { return alignment_; }
  void SetAlignment(TFlAlignment alignment);
  TColor FlatColor() const { return flat_color_; }
  void SetFlatColor(TColor color);
  int FlatColorAdjustment() const { return flat_color_adjustment_; }
  void SetFlatColorAdjustment(int amount);

  // Fixed texts are UTF-8, data is ANSI; both are kept as UTF-16.
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(std::string_view utf8);
  void SetCaptionAnsi(std::string_view ansi);
  void SetCaptionWide(std::wstring caption);

 protected:
  void Paint(TBitmap& picture) override;
  // The text rectangle in the bar's coordinates.
  TRect TextRect() const;
  // Draws the leading label, if any, and returns the rectangle left for the caption.
  virtual TRect PaintLabel(HDC dc, const TRect& text_rect) {
    (void)dc;
    return text_rect;
  }
  void PaintString(HDC dc, const TRect& rect, std::wstring_view text);
  // Sets the caption and draws only the text part of the pane.
  void SetCaptionRedrawingText(std::wstring caption);

 private:
  TFrameStyleEx frame_style_ = fsFlat;
  int border_width_ = 1;
  int caption_offset_ = 2;
  TFlAlignment alignment_ = TFlAlignment::taLeftJustify;
  TColor flat_color_ = clBtnShadow;
  int flat_color_adjustment_ = 30;
  std::wstring caption_;
};

class TFlStatusPane : public TFlCustomStatusPane {
 public:
  using TFlCustomStatusPane::TFlCustomStatusPane;
};

class TFlPollingStatus;

// The polling panes of the process and the one timer that refreshes them. It exists while at
// least one polling pane does.
class TFlPollingList {
 public:
  static constexpr unsigned kInterval = 500;

  static TFlPollingList* Instance() { return instance_.get(); }
  const std::vector<TFlPollingStatus*>& Panes() const { return panes_; }
  TTimer& Timer() { return timer_; }

 private:
  friend class TFlPollingStatus;
  TFlPollingList();
  static void Add(TFlPollingStatus* pane);
  static void Remove(TFlPollingStatus* pane);
  void Tick();

  static std::unique_ptr<TFlPollingList> instance_;
  std::vector<TFlPollingStatus*> panes_;
  TTimer timer_{nullptr};
};

class TFlPollingStatus : public TFlCustomStatusPane {
 public:
  explicit TFlPollingStatus(TComponent* owner);
  ~TFlPollingStatus() override;

  // Brings the pane's text up to date.
  virtual void Poll() = 0;

 protected:
  void Loaded() override { Poll(); }
};

class TFlClockStatus : public TFlPollingStatus {
 public:
  explicit TFlClockStatus(TComponent* owner);

  // A picture of the system's date and time language; empty for the regional short date and
  // long time.
  const std::string& Format() const { return format_; }
  void SetFormat(std::string format);

  void Poll() override;

 private:
  std::string format_;
  TClockText text_;
};

// The regional settings the clock follows, read afresh on every call.
TClockFormats ReadClockFormats();

class TFlCustomFieldStatus : public TFlCustomStatusPane {
 public:
  using TFlCustomStatusPane::TFlCustomStatusPane;

  const std::wstring& FieldLabel() const { return field_label_; }
  void SetFieldLabel(std::string_view utf8);

 protected:
  TRect PaintLabel(HDC dc, const TRect& text_rect) override;

 private:
  std::wstring field_label_;
};

class TFlVersionInfoStatus : public TFlCustomFieldStatus {
 public:
  explicit TFlVersionInfoStatus(TComponent* owner);
  ~TFlVersionInfoStatus() override;

  TVersionInfoField Field() const { return field_; }
  void SetField(TVersionInfoField field);
  TFlVersionInfo* VersionInfo() const { return version_info_; }
  void SetVersionInfo(TFlVersionInfo* source);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void UpdateCaption();

  TVersionInfoField field_ = vifProductVersion;
  TFlVersionInfo* version_info_ = nullptr;
};

}  // namespace vl
