#pragma once
// The native multi-line editor without a native border or scroll bar, drawn over a picture of
// its own: the skin's memo section (frame and repeated background) when the skin data has one,
// otherwise a field in the window colour inside a two-pixel system frame. The text scrolls with
// the wheel (one line a notch), the keys and the caret.
//
// The native control scrolls by copying pixels and repaints only what it changed, which would
// tear a picture that is not one plain colour; so the whole memo is composed again, off-screen,
// after every action that can scroll or change the text, and the native text is drawn onto the
// composed picture before it reaches the screen.

#include <optional>

#include "framework/edit_win.h"
#include "skin/controls/memo_skin.h"
#include "skin/controls/pointer_host_win.h"
#include "skin/controls/skin_control_win.h"

namespace vl {

class TskSkinPopupMenu;

class TskSkinMemo : public TMemo, public TskSkinnable, private TskPointerObjects {
 public:
  explicit TskSkinMemo(TComponent* owner);

  // Looks the section up again and takes font, colours and text rectangle from it.
  void ApplySkinData() override;
  // Forgets the section and its picture before the skin data replaces them.
  void BeforeApplySkinData() override;

  // The font without a section, or with UseSkinFont off. The memo's font follows every change.
  TFont& DefaultFont() { return default_font_; }
  void SetDefaultFont(const TFont& font) { default_font_.Assign(font); }
  bool UseSkinFont() const { return use_skin_font_; }
  void SetUseSkinFont(bool use);
  bool UseSkinFontColor() const { return use_skin_font_color_; }
  void SetUseSkinFontColor(bool use);
  // The skin picture lies behind the text (on), or the field keeps the control colour (off).
  bool BitMapBG() const { return bitmap_bg_; }
  void SetBitMapBG(bool on);
  // Typing, deleting, cutting, pasting and undoing are refused; selecting and copying are not.
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool read_only) { read_only_ = read_only; }

  // The rectangle the text is laid out in, in client coordinates.
  TRect TextRect() const;
  // The memo shows its hovered-or-focused look.
  bool Active() const { return pointer_.Hovered() == 0 || focused_; }
  // The memo's own context menu while it exists (from its opening until its command has run or
  // the next one replaces it).
  TskSkinPopupMenu* ContextPopup() const { return context_menu_; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void Notification(TComponent* component, TOperation operation) override;
  void HandleCreated() override;
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override;
  HBRUSH CtlColor(HDC dc) override;
  void Command(WORD code) override;
  void Resized() override;
  void EnabledChanged() override;
  void MouseEnter() override;
  void MouseLeave() override;

 private:
  void ReadSkinDefinition();
  void ApplyLook();
  void ApplyTextColor();
  void FollowSkinData();
  void UpdateTextRect(bool force);
  void RedrawWhole();
  void ActiveChanged();
  bool Refused(UINT msg, WPARAM wparam) const;
  LRESULT ContextMenu(WPARAM wparam, LPARAM lparam);
  LRESULT NativeContextMenu(WPARAM wparam, LPARAM lparam);
  // Builds the skinned context menu; false when the memo's window has no skinned menus.
  bool ShowSkinnedContextMenu(LPARAM lparam);
  void FreeContextMenu();
  LRESULT PaintMessage(WPARAM wparam);
  void Compose(HDC dc);
  PixelBitmap Background(int width, int height) const;
  void DrawDisabledText(TBitmap& bitmap);
  const TskMemoSkin* Skin() const { return skin_ ? &*skin_ : nullptr; }

  // The whole memo is the host's one object: hovered or not; it has no effects to step.
  int ObjectCount() const override { return 1; }
  void ObjectEnter(int index) override;
  void ObjectLeave(int index) override;
  TskEffectStep StepObject(TskEffectTimer, int) override { return {}; }
  void RepaintObject(int) override { RedrawWhole(); }

  TFont default_font_{"Arial", 14};
  bool use_skin_font_ = true;
  bool use_skin_font_color_ = true;
  bool bitmap_bg_ = true;
  bool read_only_ = false;

  std::optional<TskMemoSkin> skin_;
  // What the font and colours were last applied for, so that a skin data object named through
  // the base class, or one that emptied itself, is noticed at the next paint.
  const TskSkinData* applied_data_ = nullptr;
  bool applied_skinned_ = false;

  std::optional<TRect> given_text_rect_;
  bool focused_ = false;
  bool selecting_ = false;
  bool painting_ = false;
  TskSkinPopupMenu* context_menu_ = nullptr;  // owned as a component
  TskPointerHost pointer_{*this};
};

}  // namespace vl
