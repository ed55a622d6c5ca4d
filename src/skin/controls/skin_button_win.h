#pragma once
// A push button with the looks normal, hot (pointer over it or focused), pressed, focused and
// disabled, drawn from the `button` section of the skin, or from system colours without one.
// It clicks on a left-button release over it after a press on it, on Space released after
// Space pressed on it, on Enter, on its accelerator, and as the window's default or cancel
// button. With the skin's effects it blends between its normal and hot looks, plays frame
// animations and shows a glow layer around itself.

#include <functional>

#include "framework/timer_win.h"
#include "skin/controls/button_layout.h"
#include "skin/controls/button_skin.h"
#include "skin/controls/pointer_host_win.h"
#include "skin/controls/skin_control_win.h"
#include "skin/paint/effect_steps.h"
#include "skin/paint/layer_win.h"

namespace vl {

class TskSkinButton : public TskSkinCustomControl, private TskPointerObjects {
 public:
  explicit TskSkinButton(TComponent* owner);
  ~TskSkinButton() override;

  bool UseSkinSize() const { return use_skin_size_; }
  void SetUseSkinSize(bool use);
  bool UseSkinFontColor() const { return use_skin_font_color_; }
  void SetUseSkinFontColor(bool use);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);
  int Margin() const { return margin_; }
  void SetMargin(int margin);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout);
  // Whether the button takes the focus (and with it the tab stop).
  bool CanFocused() const { return can_focused_; }
  void SetCanFocused(bool can_focused);
  // A strip of NumGlyphs equal cells: normal, disabled, pressed and hot.
  const PixelBitmap& Glyph() const { return glyph_; }
  void SetGlyph(PixelBitmap glyph);
  int NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(int n);

  // While held, the button clicks again and again: first after 500 ms, then every interval.
  bool RepeatMode() const { return repeat_mode_; }
  void SetRepeatMode(bool on) { repeat_mode_ = on; }
  int RepeatInterval() const { return repeat_interval_; }
  void SetRepeatInterval(int milliseconds) { repeat_interval_ = milliseconds; }
  // Buttons of one group under one parent: at most one is down. A grouped button does not take
  // the focus.
  int GroupIndex() const { return group_index_; }
  void SetGroupIndex(int index);
  bool AllowAllUp() const { return allow_all_up_; }
  void SetAllowAllUp(bool allow) { allow_all_up_ = allow; }
  bool Down() const { return down_; }
  // Lasting only in a group; setting it there releases the others.
  void SetDown(bool down);

  // Enter clicks the default button while the focus is on a control that is no button;
  // Escape clicks the cancel button.
  bool Default() const { return default_; }
  void SetDefault(bool on);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool on) { cancel_ = on; }
  // The button Enter clicks: the focused button, or the default one while no button has the
  // focus.
  bool Active() const { return active_; }
  // Shows the glow even where the skin data turns glows off.
  bool AlwaysShowLayeredFrame() const { return always_show_layered_frame_; }
  void SetAlwaysShowLayeredFrame(bool on) { always_show_layered_frame_ = on; }

  // The button looks hot: the pointer is over it, or it is the default button Enter would click.
  bool MouseIn() const { return PointerOver() || default_lit_; }
  TButtonLook Look() const;
  // The skin rectangle the button shows now; empty in the default look.
  TRect FaceRect();
  double MorphFactor() const { return morph_.Value(); }
  bool Morphing() const { return host_.EffectRunning(TskEffectTimer::kMorph); }
  bool Animating() const { return host_.EffectRunning(TskEffectTimer::kAnimation); }
  int AnimationFrameNumber() const { return animation_.Frame(); }
  bool Repeating() const { return repeat_timer_.Enabled(); }
  const TskLayerManager& GlowLayer() const { return glow_; }

  // Runs OnClick, as a click by mouse or keyboard does.
  virtual void ButtonClick();
  std::function<void()> OnClick;
  // Runs before the glyph and caption are drawn; clearing `go_on` leaves them out.
  std::function<void(TCanvas& canvas, bool& go_on, bool active, bool down, const TRect& text)>
      OnPaint;

  void BeforeApplySkinData() override;
  void ApplySkinData() override;
  void SetVisible(bool visible) override;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override;
  void HandleCreated() override;
  void ReadSkinDefinition() override;
  void CalcSize(int& width, int& height) override;
  void CreateDefaultImage(TBitmap& bitmap) override;
  void CreateSkinImage(TBitmap& bitmap) override;
  // One look of the skinned button: the state rectangle, the caption colour of an active (hot)
  // or down look, and the caption shifted by a pixel when down.
  virtual void CreateButtonImage(TBitmap& bitmap, const TRect& state_rect, bool active, bool down);
  void MouseEnter() override;
  void MouseLeave() override;
  void EnabledChanged() override;
  void FocusChanged(TWinControl& receiver) override;
  bool DialogKey(WPARAM key) override;
  bool DialogChar(wchar_t ch) override;

 private:
  bool FocusedHere() const { return can_focused_ && Focused(); }
  TButtonState State() const;
  TskButtonInputs Inputs() const;
  bool HasButtonDefinition() const { return button_definition_ && Skinned(); }
  bool EffectsOn() const;
  bool MorphInEffect() const;
  // Entering or leaving changes the look only when neither the focus nor a lasting Down
  // already decides it.
  bool HoverChangesLook() const;

  void LeftDown();
  void LeftUp();
  void LostCapture();
  bool KeyDown(WPARAM key);
  bool KeyUp(WPARAM key);
  void FocusReceived();
  void FocusLost();
  void ReleaseOthersInGroup();

  // The button is the host's one object, number 0: the pointer is over it or not, a press
  // holds the pointer or not.
  bool PointerOver() const { return host_.Hovered() == 0; }
  bool Pressing() const { return host_.Captured() == 0; }
  int ObjectCount() const override { return 1; }
  void ObjectEnter(int index) override;
  void ObjectLeave(int index) override;
  void ObjectPress(int index, TskMouseButton button) override;
  void ObjectRelease(int index, TskMouseButton button) override;
  TskEffectStep StepObject(TskEffectTimer timer, int index) override;
  void RepaintObject(int index) override;
  void EffectStopped(TskEffectTimer timer) override;

  void MorphOrRepaint();
  void StopMorph();
  void StartAnimation(bool up);
  void StopAnimation();
  void StartRepeat();
  void StopRepeat();

  void ShowGlow();
  void HideGlow();

  void DrawGlyphAndCaption(TBitmap& bitmap, const TRect& rect, bool down);
  void PaintGlyph(TBitmap& bitmap, TPoint at);

  bool use_skin_size_ = true;
  bool use_skin_font_color_ = true;
  int spacing_ = 1;
  int margin_ = -1;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  bool can_focused_ = true;
  PixelBitmap glyph_;
  int num_glyphs_ = 1;
  bool repeat_mode_ = false;
  int repeat_interval_ = 100;
  int group_index_ = 0;
  bool allow_all_up_ = false;
  bool default_ = false;
  bool cancel_ = false;
  bool always_show_layered_frame_ = false;

  bool down_ = false;
  // A default button that Enter would click looks hot without the pointer over it.
  bool default_lit_ = false;
  bool active_ = false;
  bool all_up_check_ = false;
  // A Space press reached this button and its release has not.
  bool space_pressed_ = false;

  bool button_definition_ = false;
  TskButtonSkin b_;
  TskMorphFactor morph_;
  TskFrameCounter animation_;
  bool animating_up_ = false;
  TskPointerHost host_{*this};
  TTimer repeat_timer_;
  TskLayerManager glow_;
};

}  // namespace vl
