#pragma once
// The picture behind the memo's text and the rectangle the native editor lays the text out in,
// with and without a memo section. Kept apart from the window code so the pixels are tested
// natively; the editor's own text is drawn over this picture by the platform.

#include <optional>
#include <string>

#include "framework/pixel_bitmap.h"
#include "skin/controls/control_skin.h"
#include "skin/data/skin_values.h"

namespace vl {

class TskDataSkinMemoControl;

// The private copies of a memo section. The picture belongs to the skin data and is looked up
// again whenever the section is read.
struct TskMemoSkin {
  TskControlSkin frame;
  TRect active_skin_rect;  // the look while hovered or focused; skinrect where the section has none
  std::string font_name;
  int font_height = 14;
  TFontStyles font_style;
  TColor font_color = 0;
  TColor active_font_color = 0;
  TColor bg_color = 0;
  TColor active_bg_color = 0;

  const TRect& StateRect(bool active) const { return active ? active_skin_rect : frame.skin_rect; }
  TColor FontColor(bool active) const { return active ? active_font_color : font_color; }
  TColor BgColor(bool active) const { return active ? active_bg_color : bg_color; }
};

TskMemoSkin CopyMemoSkin(const TskSkinData& data, const TskDataSkinMemoControl& definition);

// The text rectangle for a memo of width x height: inset a few pixels from the edges without a
// section, inside the section's client rectangle moved to the size with one. `bitmap_bg` is on
// when the skin picture lies behind the text. Right and bottom never pass left and top.
TRect MemoTextRect(const TskMemoSkin* skin, bool bitmap_bg, int width, int height);

// The part of the memo the native editor may paint its own background in: the area inside the
// frame.
TRect MemoFieldRect(const TskMemoSkin* skin, int width, int height);

// The system colours of the default look.
struct TskMemoDefaultColors {
  Pixel field;   // the window colour
  Pixel shadow;  // the outer frame pixel
  Pixel face;    // the inner frame pixel
};

// The default look: a field in the window colour inside a two-pixel frame.
PixelBitmap DrawMemoDefault(int width, int height, const TskMemoDefaultColors& colors);

// The skinned look in its normal or active state: with `bitmap_bg` the section's client part
// repeated (or stretched) over the whole memo from its top-left corner, otherwise the field
// inside the frame in `field`; then the frame cut into its four strips for the size. Empty when
// the section has no picture to draw from, or for a size below 1; the caller then draws the
// default look.
PixelBitmap DrawMemoSkin(const TskMemoSkin& skin, bool active, bool bitmap_bg, Pixel field,
                         int width, int height);

}  // namespace vl
