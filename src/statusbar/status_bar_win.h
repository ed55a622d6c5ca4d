#pragma once
// The status bar and the windowless widgets it carries. The bar is a window of its own; its
// panes and its progress bar are plain objects that the bar lays out in a row and paints into
// its own off-screen picture, which reaches the screen in one copy.

#include <windows.h>

#include <vector>

#include "framework/canvas_win.h"
#include "framework/control_win.h"
#include "statusbar/frame.h"
#include "statusbar/widget_paint.h"

namespace vl {

class TFlStatusBar;

// The system's colour for an index, for the portable drawing code.
TColor SystemColorRGB(int index);
// Frame colours from the current system colours, with the flat colour shifted.
TFrameColors SystemFrameColors(TColor flat_color, int flat_color_adjustment);

// A panel with outer and inner frames and a border between them.
class TFlCustomPanel : public TCustomControl {
 public:
  explicit TFlCustomPanel(TComponent* owner);

  TFrameStyleEx BorderOuter() const { return look_.border_outer; }
  void SetBorderOuter(TFrameStyleEx style);
  TFrameStyleEx BorderInner() const { return look_.border_inner; }
  void SetBorderInner(TFrameStyleEx style);
  unsigned BorderSides() const { return look_.sides; }
  void SetBorderSides(unsigned sides);
  int BorderWidth() const { return look_.border_width; }
  void SetBorderWidth(int width);

 protected:
  void AdjustClientRect(TRect& rect) const override;
  void Paint(HDC dc) override;
  // Draws what lies on the panel over its background, before the picture is copied out.
  virtual void PaintContents(TBitmap& picture) { (void)picture; }
  virtual void BorderChanged();
  void SetLookQuietly(const TPanelLook& look) { look_ = look; }

 private:
  TPanelLook look_;
};

// A control without a window of its own, drawn by the status bar it sits on.
class TFlGraphicControl : public TComponent {
 public:
  explicit TFlGraphicControl(TComponent* owner);
  ~TFlGraphicControl() override;

  TFlStatusBar* Parent() const { return parent_; }
  // Places the control on the bar, after the controls already there.
  void SetParent(TFlStatusBar* bar);

  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.Width(); }
  int Height() const { return bounds_.Height(); }
  TRect BoundsRect() const { return bounds_; }
  void SetBounds(int left, int top, int width, int height);
  void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
  void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // With ParentColor on (the default) the colour is the bar's.
  TColor Color() const;
  void SetColor(TColor color);
  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool parent_color);
  // With ParentFont on (the default) the font is the bar's.
  TFont& Font() { return font_; }
  const TFont& DrawingFont() const;
  bool ParentFont() const { return parent_font_; }
  void SetParentFont(bool parent_font);

  // Draws the whole control, or a part of it (in the bar's coordinates), now.
  void Repaint();
  void RepaintRect(const TRect& r);

 protected:
  friend class TFlStatusBar;
  // Draws the control at its bounds on the bar's picture.
  virtual void Paint(TBitmap& picture) = 0;
  virtual void BoundsChanged() {}
  // Runs once, when the control is first on a bar that has its window.
  virtual void Loaded() {}
  bool IsLoading() const { return !loaded_; }

 private:
  void MarkLoaded();
  void SetBoundsFromBar(const TRect& r);

  TFlStatusBar* parent_ = nullptr;
  TRect bounds_{0, 0, 100, 19};
  bool visible_ = true;
  bool enabled_ = true;
  bool parent_color_ = true;
  bool parent_font_ = true;
  bool loaded_ = false;
  TColor color_ = clBtnFace;
  TFont font_;
};

// The bar takes its parent's font when it gets its window; its panes draw in the bar's font.
class TFlStatusBar : public TFlCustomPanel {
 public:
  explicit TFlStatusBar(TComponent* owner);
  ~TFlStatusBar() override;

  bool ShowSizeGrip() const { return show_size_grip_; }
  void SetShowSizeGrip(bool show);
  // While on, the border values are set to the bar's own style when it gets its window;
  // setting any border value turns it off.
  bool AutoStyle() const { return auto_style_; }
  void SetAutoStyle(bool auto_style);
  // Whether the grip is drawn and works: shown, and the window is sizeable and not maximized.
  bool SizeGripVisible() const;

  const std::vector<TFlGraphicControl*>& Panes() const { return panes_; }
  // Places the panes left to right in the order of their left edges.
  void LayoutPanes();
  // Paints a part of the bar (client coordinates) at once.
  void RepaintRect(const TRect& r);

 protected:
  void HandleCreated() override;
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override;
  void PaintContents(TBitmap& picture) override;
  void BorderChanged() override;
  void Resized() override;

 private:
  friend class TFlGraphicControl;
  void InsertPane(TFlGraphicControl* pane);
  void RemovePane(TFlGraphicControl* pane);
  void ApplyAutoStyle();
  void PaintGrip(TBitmap& picture) const;
  bool GripHit(LPARAM lparam) const;
  void StartSizing();

  std::vector<TFlGraphicControl*> panes_;
  bool show_size_grip_ = true;
  bool auto_style_ = true;
};

}  // namespace vl
