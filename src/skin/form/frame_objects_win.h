#pragma once
// The objects of a skinned frame: the caption buttons, the caption, animated objects and the
// objects the application draws itself. Each knows its looks in the skin's pictures, how it
// draws and what a press on it does; `TskSkinForm` keeps them, lays them out and routes the
// pointer to them, and answers what they ask of it through `TskFrameHost`, the one way an
// object reaches its frame. Their definitions are in frame_objects_win.cpp.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "framework/canvas_win.h"
#include "skin/controls/pointer_host_win.h"
#include "skin/data/skin_data.h"
#include "skin/form/frame_layout.h"
#include "skin/paint/effect_steps.h"
#include "skin/paint/effects.h"

namespace vl {

class TskActiveSkinObject;
class TskLayerManager;
class TskSkinStdButtonObject;
class TskSkinCaptionObject;
struct TskRestoreLook;

// The application's handlers for single frame objects, each told the object's IDName (its skin
// section); a button is told as its TskMouseButton number (1 left, 2 right).
struct TskFrameObjectEvents {
  std::function<void(const std::string&)> OnMouseEnter;
  std::function<void(const std::string&)> OnMouseLeave;
  std::function<void(const std::string&, int button)> OnMouseDown;
  std::function<void(const std::string&, int button)> OnMouseUp;
  // The point is relative to the object.
  std::function<void(const std::string&, TPoint)> OnMouseMove;
  // The object's rectangle on the canvas it is drawn onto.
  std::function<void(const std::string&, TCanvas&, const TRect&)> OnPaint;
  // Whether the custom object (command cmdefault) shows; without a handler none does.
  std::function<bool(const std::string&)> OnActivateCustomObject;
};

// What a frame object may ask of its frame; `TskSkinForm` is the one implementation.
class TskFrameHost {
 public:
  // What the looks depend on.
  virtual bool SkinLoaded() const = 0;
  virtual bool FormActive() const = 0;
  virtual const PixelBitmap* MainPicture() const = 0;
  virtual const PixelBitmap* SkinPicture(int index) const = 0;
  virtual bool ShowIcon() const = 0;
  virtual HICON WindowIcon() const = 0;
  virtual const std::wstring& Caption() const = 0;
  // The window's bounds on the screen.
  virtual TRect WindowBounds() const = 0;
  // A command's restore look applies: maximize while maximized, minimize while minimized,
  // roll-up while rolled up.
  virtual bool InRestoreLook(TStdCommand command) const = 0;

  // The pointer and the effects.
  virtual bool Hovers(const TskActiveSkinObject& object) const = 0;
  // Skin effects on and the object morphs: the morph timer takes over its repaints.
  virtual bool Morphs(const TskActiveSkinObject& object) const = 0;
  virtual bool SkinEffects() const = 0;
  virtual void StartMorph() = 0;
  virtual void StartAnimation() = 0;
  virtual void RepaintObject(TskActiveSkinObject& object) = 0;
  // Glow frames allowed: a skin on and the skin data's switch for caption buttons.
  virtual bool GlowFramesAllowed() const = 0;
  virtual TskLayerManager& CaptionButtonGlow() = 0;

  // What a press does: a caption button's command, the system menu.
  virtual void RunCommand(TStdCommand command) = 0;
  // A popup menu of the window is open.
  virtual bool MenuOpen() const = 0;
  // Opens the system menu under the object, unless the window has it disabled.
  virtual void OpenSystemMenuUnder(const TskActiveSkinObject& object) = 0;
  // A double click on a system-menu object: the first click's menu goes before the window does.
  virtual void CloseFromSystemMenu() = 0;
  virtual const TskFrameObjectEvents& Events() const = 0;

 protected:
  ~TskFrameHost() = default;
};

// One object of the frame: a caption button or the caption. Rectangles are in window
// coordinates; pictures are looked up in the skin data when the object is made, and the objects
// are made again on every skin change.
class TskActiveSkinObject {
 public:
  TskActiveSkinObject(TskFrameHost& form, const TskDataSkinObject* data);
  virtual ~TskActiveSkinObject() = default;

  std::string IDName;
  std::string hint;
  bool skin_rect_in_picture = false;
  TRect skin_rect;
  TRect active_skin_rect;
  TRect inactive_skin_rect;
  TRect rect;
  bool enabled = true;
  bool visible = true;
  // A state change blends the normal and hot looks over a few morph-timer ticks.
  bool morphing = false;
  TskMorphKind morph_kind = TskMorphKind::mkDefault;
  TskMorphFactor morph;  // none: normal look, full: hot look

  // The pointer is over it: the frame's pointer host hovers it.
  bool Hot() const;
  virtual bool IsCaption() const { return false; }
  // The factor still has to move towards the pointer's state.
  bool MorphPending() const { return morph.Pending(Hot()); }
  // What the kinds of object have beyond the base: a caption-button command, the restore
  // look, an animation, a pressed look; none for the kinds without them.
  virtual std::optional<TStdCommand> Command() const { return std::nullopt; }
  virtual TskRestoreLook* Restore() { return nullptr; }
  virtual TskObjectAnimation* Animation() { return nullptr; }
  // Takes the pressed look away, when the object has one.
  virtual void ClearDown() {}
  virtual TskSkinStdButtonObject* AsStdButton() { return nullptr; }
  virtual TskSkinCaptionObject* AsCaption() { return nullptr; }
  // x, y relative to the object's rectangle.
  virtual bool PointTest(int x, int y) const;
  // Draws at the object rectangle moved by `offset`; `direct` when it is repainted alone.
  virtual void Draw(HDC dc, TPoint offset, bool direct);
  virtual void DoubleClick() {}
  // The base tells the form's object events; mouse up only while the pointer is over it.
  virtual void MouseDown(TskMouseButton button);
  virtual void MouseUp(TskMouseButton button);
  // p relative to the object's rectangle.
  virtual void MouseMove(TPoint p);
  virtual void MouseEnter();
  virtual void MouseLeave();
  // Back to the look of an object the pointer has never touched.
  virtual void Reset();
  // The glow around the object while the pointer is over it, where the skin gives one.
  bool HasGlow() const { return glow_picture_ != nullptr; }
  void ShowGlowFrame();
  void HideGlowFrame();

  TPoint glow_offset;
  int glow_alpha = 255;

 protected:
  // The pointer entered (or left) the object: it takes its new look.
  void TakeHoverLook();
  // The rungs of the looks several kinds share, each drawn at `at` when it applies (true then):
  // the inactive window's look, the restore look of a command, the pressed look.
  bool DrawInactiveLook(HDC dc, const TRect& at);
  bool DrawRestoreLook(HDC dc, const TRect& at, bool in_restore_look, const TskRestoreLook& look,
                       bool down);
  bool DrawDownLook(HDC dc, const TRect& at, bool down, const TRect& down_rect);
  // Ends a press of a command button: it comes up (repainted when `repaint`), the form hears the
  // release, and the command runs when `run`. A close runs last, since the window may be gone
  // after it; any other command runs first, so that the button comes up in the look of the
  // state the command set.
  void EndCommandPress(TskMouseButton button, TStdCommand command, bool run, bool& down,
                       bool repaint);

  TskFrameHost& form_;
  const PixelBitmap* active_picture_ = nullptr;
  const PixelBitmap* active_mask_ = nullptr;
  const PixelBitmap* glow_picture_ = nullptr;
  const PixelBitmap* glow_mask_ = nullptr;
};

class TskSkinButtonObject : public TskActiveSkinObject {
 public:
  TskSkinButtonObject(TskFrameHost& form, const TskDataSkinButton* data);
  void ClearDown() override { down = false; }
  void Draw(HDC dc, TPoint offset, bool direct) override;
  void Reset() override;

  bool down = false;
  TRect down_rect;
  TRect disabled_rect;
};

// The looks a caption button takes while its command would restore the window, and its hints.
struct TskRestoreLook {
  TRect rect;
  TRect active_rect;
  TRect inactive_rect;
  TRect down_rect;
  std::string hint;
  std::string normal_hint;

  template <class Data>
  void Read(const Data& data, const std::string& normal) {
    rect = data.restorerect;
    active_rect = data.restoreactiverect;
    inactive_rect = data.restoreinactiverect;
    down_rect = data.restoredownrect;
    hint = data.restorehint;
    normal_hint = normal;
  }
  // The piece of the active picture for a button in the restore look.
  TRect Piece(bool form_active, bool down, bool active) const;
  const std::string& HintFor(bool in_restore_look) const {
    return in_restore_look && !hint.empty() ? hint : normal_hint;
  }
};

class TskSkinStdButtonObject : public TskSkinButtonObject {
 public:
  TskSkinStdButtonObject(TskFrameHost& form, const TskDataSkinStdButton* data);
  // A button of the default look, drawn from system colours.
  TskSkinStdButtonObject(TskFrameHost& form, TStdCommand command);

  bool PointTest(int x, int y) const override;
  void Draw(HDC dc, TPoint offset, bool direct) override;
  void DoubleClick() override;
  void MouseDown(TskMouseButton button) override;
  void MouseUp(TskMouseButton button) override;
  void MouseEnter() override;

  std::optional<TStdCommand> Command() const override { return command; }
  TskRestoreLook* Restore() override { return &restore; }
  TskSkinStdButtonObject* AsStdButton() override { return this; }

  TStdCommand command = TStdCommand::cmDefault;
  TskRestoreLook restore;
  bool skin_supported = true;

  bool InRestoreLook() const { return form_.InRestoreLook(command); }

 private:
  void DrawDefault(HDC dc, const TRect& r);
};

class TskSkinCaptionObject : public TskActiveSkinObject {
 public:
  TskSkinCaptionObject(TskFrameHost& form, const TskDataSkinCaption* data);
  bool IsCaption() const override { return true; }
  TskSkinCaptionObject* AsCaption() override { return this; }
  void Draw(HDC dc, TPoint offset, bool direct) override;

  const TskDataSkinCaption& data;
  // Where the text went at the last draw, in window coordinates; empty when none was drawn.
  TRect drawn_text;
};

// An object whose looks are the frames of an animation cut from its `activeskinrect`, stepped
// by the frame's animation timer. With its button style it is pressed like a caption button and
// runs its command on release; a system-menu object opens the menu on the press.
class TskSkinAnimateObject : public TskActiveSkinObject {
 public:
  TskSkinAnimateObject(TskFrameHost& form, const TskDataSkinAnimate* data);

  void Draw(HDC dc, TPoint offset, bool direct) override;
  void DoubleClick() override;
  void MouseDown(TskMouseButton button) override;
  void MouseUp(TskMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void Reset() override;

  std::optional<TStdCommand> Command() const override { return command; }
  TskRestoreLook* Restore() override { return &restore; }
  TskObjectAnimation* Animation() override { return &animation; }
  void ClearDown() override { down = false; }

  TStdCommand command = TStdCommand::cmDefault;
  bool button_style = false;
  bool down = false;
  TRect down_rect;
  TskRestoreLook restore;
  TskObjectAnimation animation;

  bool InRestoreLook() const { return form_.InRestoreLook(command); }
  // The piece of the active picture that frame `n` (from 1) shows.
  TRect FrameRect(int n) const;

 private:
  void StartAnimation();
};

// An object the skin only places: the application draws it and answers its pointer events.
class TskUserObject : public TskActiveSkinObject {
 public:
  TskUserObject(TskFrameHost& form, const TskDataUserObject* data);
  void Draw(HDC dc, TPoint offset, bool direct) override;
};

}  // namespace vl
