#pragma once
// The shared base of the skinned controls: a self-painting windowed control that knows the skin
// data object and the section it would be drawn from, and draws its default look (system
// colours) whenever there is no section to draw from. Every picture is composed off-screen and
// copied to the window in one step, and the background is never erased, so nothing flickers.

#include <functional>
#include <string>

#include "framework/canvas_win.h"
#include "framework/control_win.h"
#include "framework/font_win.h"
#include "skin/data/skin_values.h"

namespace vl {

class TskSkinData;

enum class TskBorderStyle { bvNone, bvFrame, bvRaised, bvLowered };

// The skin a control is drawn from: the window's skin data object and a section name. The
// control forgets the skin data when that object is destroyed.
class TskSkinnable {
 public:
  virtual ~TskSkinnable() = default;
  TskSkinData* SkinData() const { return skin_data_; }
  void SetSkinData(TskSkinData* skin_data);
  const std::string& SkinDataName() const { return skin_data_name_; }
  void SetSkinDataName(std::string name) { skin_data_name_ = std::move(name); }
  // The section found for SkinDataName in the skin data, or -1 for the default look.
  int DefinitionIndex() const { return -1; }

 protected:
  TskSkinnable(TComponent& self, std::string section)
      : self_(self), skin_data_name_(std::move(section)) {}
  // For the control's Notification: clears SkinData when `component` is it.
  void SkinDataRemoved(TComponent* component);

 private:
  TComponent& self_;
  TskSkinData* skin_data_ = nullptr;
  std::string skin_data_name_;
};

class TskSkinControl : public TCustomControl, public TskSkinnable {
 public:
  TskSkinControl(TComponent* owner, std::string section);

  std::function<void(TskSkinControl&)> OnMouseEnter;
  std::function<void(TskSkinControl&)> OnMouseLeave;

 protected:
  void MouseEnter() override;
  void MouseLeave() override;
  void Notification(TComponent* component, TOperation operation) override;
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

 protected:
  void Paint(HDC dc) override;
  // Draws the whole default look into a bitmap of the control's size.
  virtual void CreateDefaultImage(TBitmap& bitmap) = 0;
  void FrameByStyle(TCanvas& canvas, const TRect& r, TskBorderStyle style) const;
  void TextChanged() override { Invalidate(); }

 private:
  TFont default_font_{"Arial", 14};
  int default_width_ = 0;
  int default_height_ = 0;
  bool use_skin_font_ = true;
};

}  // namespace vl
