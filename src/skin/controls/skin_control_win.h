#pragma once
// The shared base of the skinned controls: a self-painting windowed control that looks its
// section up in the window's skin data by name and draws itself from the skin picture, or draws
// its default look (system colours) whenever there is no skin, no section or no picture to draw
// from. Every picture is composed off-screen and copied to the window in one step, and the
// background is never erased, so nothing flickers.

#include <functional>
#include <string>

#include "framework/canvas_win.h"
#include "framework/control_win.h"
#include "framework/font_win.h"
#include "skin/controls/control_skin.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_values.h"

namespace vl {

class TskSkinData;

// The framework's style bits for a definition's font style.
unsigned FontStyleBits(const TFontStyles& style);

enum class TskBorderStyle { bvNone, bvFrame, bvRaised, bvLowered };

// The skin a control is drawn from: the window's skin data object and a section name. A skin
// change reaches the control through BeforeApplySkinData (nothing may be drawn from the skin
// being replaced) and ApplySkinData (look the section up again and re-apply it).
class TskSkinnable {
 public:
  virtual ~TskSkinnable() = default;
  TskSkinData* SkinData() const { return skin_data_; }
  // Stores the skin data and applies it at once; no skin data, or an Empty one, gives the
  // default look.
  void SetSkinData(TskSkinData* skin_data);
  const std::string& SkinDataName() const { return skin_data_name_; }
  void SetSkinDataName(std::string name) { skin_data_name_ = std::move(name); }
  // The section found for SkinDataName in the skin data, or -1 for the default look.
  int DefinitionIndex() const { return definition_index_; }
  // That section as a definition of kind `T`; null without one, or for a section of another
  // kind (which holds nothing this control could take).
  template <class T>
  const T* DefinitionAs() const {
    return skin_data_ ? skin_data_->ControlAs<T>(definition_index_) : nullptr;
  }

  virtual void BeforeApplySkinData() { definition_index_ = -1; }
  virtual void ApplySkinData() = 0;

 protected:
  TskSkinnable(TComponent& self, std::string section)
      : self_(self), skin_data_name_(std::move(section)) {}
  // For the control's Notification: forgets the skin data when `component` is it, and with it
  // every reference into its pictures.
  void SkinDataRemoved(TComponent* component);
  // The index of SkinDataName in a skin data that is there and not Empty (a skin data being
  // replaced is Empty until its new skin is in place); -1 otherwise. Stored as DefinitionIndex.
  int LookUpDefinition();
  // The skin's character set when it names one, else `fallback`'s.
  BYTE SkinCharset(const TFont& fallback) const;
  // A font from a section's keys, in the skin's character set.
  TFont SkinFont(const std::string& name, int height, const TFontStyles& style, COLORREF color,
                 const TFont& fallback) const;

 private:
  TComponent& self_;
  TskSkinData* skin_data_ = nullptr;
  std::string skin_data_name_;
  int definition_index_ = -1;
};

// Runs BeforeApplySkinData (SKN_BEFORECHANGE) or ApplySkinData (SKN_CHANGE) on every skinned
// control under `root` that draws from `sender`. The sender is only compared, never used: the
// message may come from a skin data object the window does not know.
void RelaySkinChange(TWinControl& root, const void* sender, unsigned message);
// RelaySkinChange for a window message a top-level window received; true when it was one of
// the two.
bool RelaySkinMessage(TWinControl& root, UINT msg, WPARAM wparam, LPARAM lparam);

class TskSkinControl : public TCustomControl, public TskSkinnable {
 public:
  TskSkinControl(TComponent* owner, std::string section);

  std::function<void(TskSkinControl&)> OnMouseEnter;
  std::function<void(TskSkinControl&)> OnMouseLeave;

 protected:
  void MouseEnter() override;
  void MouseLeave() override;
  void Notification(TComponent* component, TOperation operation) override;
  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override;
  // SKN_REPAINTCONTROL: a parent that stretches its picture asks its children to repaint.
  virtual void RepaintControl() { Invalidate(); }
};

class TskSkinCustomControl : public TskSkinControl {
 public:
  TskSkinCustomControl(TComponent* owner, std::string section);

  // The font of the default look: Arial, cell height 14.
  TFont& DefaultFont() { return default_font_; }
  const TFont& DefaultFont() const { return default_font_; }
  int DefaultWidth() const { return default_width_; }
  int DefaultHeight() const { return default_height_; }
  void SetDefaultWidth(int width);
  void SetDefaultHeight(int height);
  bool UseSkinFont() const { return use_skin_font_; }
  void SetUseSkinFont(bool use) { use_skin_font_ = use; }

  void SetBounds(int left, int top, int width, int height) override;
  void BeforeApplySkinData() override;
  // DefaultFont in the skin's character set: the skin's texts may need another code page than
  // the font was made for.
  TFont DefaultFontInSkinCharset() const;
  void ApplySkinData() override;

  TskSizeRule SizeRule() const { return skin_.rule; }
  // The client rectangle of the skin at the control's current size.
  const TRect& SizedClientRect() const { return sized_.points.client; }
  bool HasWindowRegion() const { return region_set_; }

 protected:
  void Paint(HDC dc) override;
  void HandleCreated() override;
  void Notification(TComponent* component, TOperation operation) override;
  // Looks the section up and copies its values; derived controls copy their own keys after.
  virtual void ReadSkinDefinition();
  // Adjusts a requested size to what the skin allows and sizes the points for it.
  virtual void CalcSize(int& width, int& height);
  virtual void SetControlRegion();
  virtual void CreateDefaultImage(TBitmap& bitmap) = 0;
  virtual void CreateSkinImage(TBitmap& bitmap);

  // A definition of the custom-control family was found and its picture can be drawn.
  bool Skinned() const { return DefinitionIndex() != -1 && skin_.Drawable(); }
  // A definition of the custom-control family was found (it sizes the control).
  bool HasDefinition() const { return DefinitionIndex() != -1 && has_custom_definition_; }
  const TskControlSkin& Skin() const { return skin_; }
  const TskSizedSkin& Sized() const { return sized_; }
  // For a CalcSize of a derived control that sizes the points by its own rule.
  void SetSized(const TskSizedSkin& sized) { sized_ = sized; }
  // For a ReadSkinDefinition of a derived control: it shapes no window region, or it takes
  // the section found for no definition at all (a section of a class it cannot draw).
  void DropMask() { skin_.mask = nullptr; }
  void ForgetDefinition() {
    skin_ = {};
    has_custom_definition_ = false;
  }
  void SetPiecewisePaint(bool on) { piecewise_paint_ = on; }
  bool PiecewisePaint() const { return piecewise_paint_; }

  void FrameByStyle(TCanvas& canvas, const TRect& r, TskBorderStyle style) const;
  void TextChanged() override { Invalidate(); }

  LRESULT WndProc(UINT msg, WPARAM wparam, LPARAM lparam) override;
  // A background erase outside the control's own paint (a parent redrawing with its children)
  // paints the whole control at once, so that its old pixels never show until its paint comes;
  // inside the paint the erase is left to it. Off by default.
  void SetPaintsOnErase(bool on) { paints_on_erase_ = on; }

 private:
  void RemoveRegion();

  TFont default_font_{"Arial", 14};
  int default_width_ = 0;
  int default_height_ = 0;
  bool use_skin_font_ = true;
  bool piecewise_paint_ = false;
  bool has_custom_definition_ = false;
  bool region_set_ = false;
  bool paints_on_erase_ = false;
  bool painting_ = false;
  TskControlSkin skin_;
  TskSizedSkin sized_;
};

}  // namespace vl
