#pragma once
// The skinned window frame: a component on a top-level form that draws the whole non-client
// area from the window's skin (border, caption, caption buttons), shapes the window with the
// skin's mask, lets the painted frame move and size the window, runs the caption buttons and
// keeps the window states itself. It sees the form's messages through the form's message hook,
// ahead of the form's own handling, so the window and its children are never recreated.
//
// Three modes: not skinned (the skin data's SkinnableForm is off: the platform's frame), the
// default look (no skin loaded: system colours) and skinned mode.

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/canvas_win.h"
#include "framework/form_win.h"
#include "framework/menu_win.h"
#include "framework/timer_win.h"
#include "skin/controls/menu_host.h"
#include "skin/controls/menu_session_win.h"
#include "skin/controls/pointer_host_win.h"
#include "skin/controls/skin_menu_win.h"
#include "skin/data/skin_data.h"
#include "skin/form/frame_layout.h"
#include "skin/form/frame_objects_win.h"
#include "skin/form/window_states.h"
#include "skin/paint/effects.h"
#include "skin/paint/layer_win.h"
#include "skin/paint/region.h"

namespace vl {

class TskSkinForm;

struct TskBorderIcons {
  bool system_menu = true;
  bool minimize = true;
  bool maximize = true;
  bool roll_up = true;
  bool minimize_to_tray = false;
};

class TskSkinForm : public TComponent,
                    public TMessageHook,
                    public TskMenuHost,
                    private TskFrameHost,
                    private TskPointerObjects {
 public:
  // The owner must be a form.
  explicit TskSkinForm(TComponent* owner);
  ~TskSkinForm() override;

  TForm& Form() const { return form_; }
  TskSkinData* SkinData() const { return skin_data_; }
  void SetSkinData(TskSkinData* skin_data);

  TskBorderIcons BorderIcons() const { return border_icons_; }
  void SetBorderIcons(TskBorderIcons icons);
  // The settings with a setter take effect at once; the plain fields are read whenever they
  // matter (a size limit at the next sizing, the fade at the next show).
  void SetHideCaptionButtons(bool hide) { Set(hide_caption_buttons_, hide, kBorderIcons); }
  bool DisableSystemMenu() const { return disable_system_menu_; }
  void SetDisableSystemMenu(bool disable) { Set(disable_system_menu_, disable, kBorderIcons); }
  // The window's small icon takes the place of the system-menu button's picture.
  bool ShowIcon() const override { return show_icon_; }
  void SetShowIcon(bool show) { Set(show_icon_, show, kLayout); }
  // The client size the window keeps through skin changes and roll-ups; 0 for none.
  int ClientWidth() const { return client_size_.x; }
  int ClientHeight() const { return client_size_.y; }
  void SetClientSize(int width, int height) { Set(client_size_, {width, height}, kClientSize); }
  // Whole-window translucency at `value` (0 to 255); only on platforms with layered windows.
  bool AlphaBlend() const { return alpha_blend_; }
  int AlphaBlendValue() const { return alpha_blend_value_; }
  void SetAlphaBlend(bool on, int value);
  // A fade-in whenever the window is shown.
  bool AlphaBlendAnimation = false;
  bool AlwaysResize = false;
  bool MaximizeOnFullScreen = false;
  int MinWidth = 0;
  int MinHeight = 0;
  int MaxWidth = 0;
  int MaxHeight = 0;
  TFont DefCaptionFont{"Arial", 14, fsBold, GetSysColor(COLOR_BTNTEXT)};
  TFont DefInActiveCaptionFont{"Arial", 14, fsBold, GetSysColor(COLOR_BTNSHADOW)};

  std::function<void()> OnMinimize;
  std::function<void()> OnMaximize;
  std::function<void()> OnRestore;
  std::function<void()> OnChangeRollUpState;

  // The application's handlers for the skin's single frame objects.
  TskFrameObjectEvents ObjectEvents;

  // Menus. The window's popups draw from SkinData. Their settings (item height and font, skin
  // font, items per window, alpha blending) are the popup controller's own fields, read
  // whenever a menu opens.
  TskSkinMenu& SkinMenu() { return skin_menu_; }
  // The menu bar this window drives from the keyboard; null for none.
  TskMenuBarLink* MainMenuBar() const { return menu_session_.Bar(); }
  void SetMainMenuBar(TskMenuBarLink* bar) { menu_session_.SetBar(bar); }
  // Offered every key press first; true takes it.
  std::function<bool(const MSG&)> OnShortCut;
  std::function<void()> OnSkinMenuOpen;
  std::function<void()> OnSkinMenuClose;
  std::function<void()> OnMainMenuEnter;
  std::function<void()> OnMainMenuExit;

  TskMenuSession& MenuSession() override { return menu_session_; }
  TskSkinData* MenusSkinData() const override { return skin_data_; }

  // The system menu's items, built again for the window's state at every call.
  std::vector<TMenuItem*> SystemMenuItems();
  // Opens the system menu at a screen point, under a rectangle in screen coordinates, or under
  // the first visible system-menu button (nothing without one).
  void ShowSystemMenuAt(TPoint screen);
  void ShowSystemMenuUnder(const TRect& screen_rect);

  // A skin loaded (skinning on: the skin data's SkinnableForm, or no skin data).
  bool SkinLoaded() const override { return skin_loaded_; }
  TskWindowState WindowState() const { return window_state_; }
  bool RolledUp() const { return rolled_up_; }
  void SetWindowState(TskWindowState state);
  void SetRolledUp(bool rolled_up);

  const std::vector<std::unique_ptr<TskActiveSkinObject>>& Objects() const { return objects_; }
  // The first visible object with the command, or null.
  TskSkinStdButtonObject* FindButton(TStdCommand command) const;
  // The frame's answer for a point in window coordinates.
  int HitTest(TPoint p);
  // Paints the whole frame into the window's device context (or `dc`).
  void PaintFrame(HDC dc = nullptr);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  // What the tests look into (tests/support/skin_form_probe_win.h).
  friend class TskSkinFormProbe;

  // Posted at a skin's before-change; when it arrives and no change came, the load failed.
  static constexpr UINT kCheckSkinChange = WM_APP + 0x1A5;
  // Posted when the platform maximized or restored the window itself (ShowWindow from a shell
  // start, a task bar or another program), so that the frame takes the platform's state once the
  // platform's work is done.
  static constexpr UINT kFollowPlatformState = WM_APP + 0x1A6;

  bool HookMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  // What the frame objects ask of the frame.
  bool FormActive() const override { return form_active_; }
  const PixelBitmap* MainPicture() const override;
  const PixelBitmap* SkinPicture(int index) const override;
  // The form's own icon, else the one of its window class, else the platform's default.
  HICON WindowIcon() const override;
  const std::wstring& Caption() const override { return form_.Caption(); }
  TRect WindowBounds() const override;
  bool InRestoreLook(TStdCommand command) const override;
  // The pointer is over `object`.
  bool Hovers(const TskActiveSkinObject& object) const override;
  bool Morphs(const TskActiveSkinObject& object) const override;
  // Skin effects on: objects animate and morph rather than jump to their end looks.
  bool SkinEffects() const override;
  void StartMorph() override;
  // The animation timer steps the frames of animated objects.
  void StartAnimation() override;
  // Draws one object straight onto the window.
  void RepaintObject(TskActiveSkinObject& object) override;
  bool GlowFramesAllowed() const override;
  TskLayerManager& CaptionButtonGlow() override { return caption_button_glow_; }
  void RunCommand(TStdCommand command) override;
  bool MenuOpen() const override { return menu_session_.PopupOpen(); }
  void OpenSystemMenuUnder(const TskActiveSkinObject& object) override;
  void CloseFromSystemMenu() override;
  const TskFrameObjectEvents& Events() const override { return ObjectEvents; }

  // Takes every glow frame of the window away.
  void HideGlowFrames();
  void ShowSystemMenuUnderButton();
  void ClearHover();
  bool IsAppMainForm() const;
  TskFrameInsets Insets() const;
  TskTrackSize MinTrackSize() const;
  TskFrameGeometry Geometry() const;
  // Menus.
  void CloseMenusBefore(UINT msg, WPARAM wparam);
  bool ShortCut(const MSG& msg);
  void ReleaseMenuButton();
  bool HandleSkinMessage(UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT Previous(UINT msg, WPARAM wparam, LPARAM lparam) {
    return form_.OwnWndProc(msg, wparam, lparam);
  }
  bool HandleFrameMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT& result);
  // One handler for each window message the frame answers; what one returns is the message's
  // result.
  void WmDestroy();
  LRESULT WmNcCalcSize(WPARAM wparam, LPARAM lparam);
  LRESULT WmNcActivate(bool active);
  LRESULT WmActivate(WPARAM wparam, LPARAM lparam);
  LRESULT WmNcHitTest(LPARAM lparam);
  LRESULT WmPointerMessage(UINT msg, WPARAM wparam, LPARAM lparam);
  LRESULT WmGetMinMaxInfo(WPARAM wparam, LPARAM lparam);
  LRESULT WmSize(WPARAM wparam, LPARAM lparam);
  void WmSizing(const RECT& sizing);
  void WmEnterSizeMove();
  void WmExitSizeMove();
  LRESULT WmShowWindow(WPARAM wparam, LPARAM lparam);
  // True when the frame carried the command out itself.
  bool WmSysCommand(WPARAM wparam);
  void HandlePointer(UINT msg, WPARAM wparam, LPARAM lparam);
  void CaptionDoubleClick();

  void BeforeChange();
  void ApplySkin();
  void CreateObjects();
  void CreateDefaultObjects();
  void ApplyBorderIcons();
  // What a setting changes, done again whenever the setting is set.
  enum Reapplied { kBorderIcons, kObjects, kLayout, kClientSize, kTranslucency };
  template <class T>
  void Set(T& setting, T value, Reapplied what) {
    setting = value;
    Reapply(what);
  }
  void Reapply(Reapplied what);
  // The translucency asked for, on a shown window with no fade running.
  void ApplyTranslucency();
  int TargetAlpha() const { return alpha_blend_ ? alpha_blend_value_ : 255; }
  void LoadHints();
  void LayoutObjects();
  void UpdateRegion();
  void RemoveRegion();
  void SetRegion(HRGN region);
  void ApplyFrameChange();
  void NudgeWidth();
  void StopTimers();
  void StartFade();
  void FadeTick();
  void DropLayeredStyle();
  void UpdateCaptionStyle(bool apply);

  // Switching between the skinned frame and the platform's.
  void SwitchSkinning(bool on);
  TRect MaximizedTarget() const;
  // Where the minimized bars of the process's other skinned windows lie.
  std::vector<TPoint> MinimizedBarsOfOthers() const;
  void FollowPlatformState();
  TBorderIcons PlatformBorderIcons() const;

  bool Resizable() const;
  bool WindowTooSmall() const;
  TskFrameSkin FrameSkin() const;
  const PixelBitmap* UsableMask() const;
  void PaintSkinFrame(HDC dc);
  void PaintDefaultFrame(HDC dc);
  void PaintBackground(HDC dc);
  int DefaultCaptionHeight() const;

  // The frame objects under the pointer host.
  int ObjectCount() const override { return int(objects_.size()); }
  void ObjectEnter(int index) override;
  void ObjectLeave(int index) override;
  void ObjectPress(int index, TskMouseButton button) override;
  void ObjectRelease(int index, TskMouseButton button) override;
  void PollPointer() override;
  TskEffectStep StepObject(TskEffectTimer timer, int index) override;
  void RepaintObject(int index) override;

  void TestHover(TPoint p);
  void Press(TskMouseButton button, TPoint p);
  void CancelPress();
  TPoint WindowPoint(LPARAM screen) const;
  TPoint ClientToWindowPoint(LPARAM client) const;
  void SetWindowBounds(const TRect& r);
  std::vector<TRect> CaptionRects() const;

  TForm& form_;
  TskSkinData* skin_data_ = nullptr;
  TskBorderIcons border_icons_;
  bool hide_caption_buttons_ = false;
  bool disable_system_menu_ = false;
  bool show_icon_ = false;
  TPoint client_size_;
  bool alpha_blend_ = false;
  int alpha_blend_value_ = 200;
  bool skinning_ = true;
  bool skin_loaded_ = false;
  bool changing_ = false;
  bool form_active_ = false;
  std::vector<std::unique_ptr<TskActiveSkinObject>> objects_;
  TskWindowState window_state_ = TskWindowState::wsNormal;
  bool rolled_up_ = false;
  bool rolled_up_while_maximized_ = false;
  bool rolled_up_before_maximizing_ = false;
  int rolled_up_saved_height_ = 0;
  TRect restored_bounds_;
  // The main window's maximize is the platform's own, at the skinned bounds, so that a restore
  // from outside (a task bar, another program) works and the placement's normal bounds are true.
  bool platform_maximized_ = false;
  bool in_size_move_ = false;
  bool full_drag_ = false;
  int width_ = 0;
  int height_ = 0;
  bool region_applied_ = false;
  std::optional<TskWindowRegion> region_shape_;
  TskPointerHost pointer_;
  TTimer fade_timer_;
  int fade_alpha_ = 255;
  TskLayerManager caption_button_glow_;
  TskSkinMenu skin_menu_;
  TskMenuSession menu_session_;
  TPopupMenu* system_menu_ = nullptr;
};

}  // namespace vl
