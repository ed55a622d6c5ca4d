#pragma once
// What a skinned push button keeps of its `button` section and the choices it makes from it:
// which state rectangle a state shows, which frame of an animation stands in for it, the
// caption colour, the glyph cell, the face picture at the button's size and the glow pictures.
// Kept apart from the window code so that these rules are tested on their own.

#include <optional>
#include <string>

#include "framework/pixel_bitmap.h"
#include "skin/controls/button_layout.h"
#include "skin/controls/control_skin.h"
#include "skin/data/skin_values.h"

namespace vl {

class TskDataSkinButtonControl;

// The caption colour of a disabled button that would otherwise look like an enabled one.
constexpr TColor kDisabledGrey = 0x808080;

struct TskButtonSkin {
  std::string fontname = "Arial";
  int fontheight = 14;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 0;
  TColor downfontcolor = 0;
  TColor disabledfontcolor = 0;
  TRect skinrect;
  TRect activeskinrect;
  TRect downskinrect;
  TRect disabledskinrect;
  TRect focusedskinrect;
  bool morphing = false;
  TskMorphKind morphkind = TskMorphKind::mkDefault;
  TRect animateskinrect;
  int framecount = 0;
  int animateinterval = 25;
  bool showfocus = false;
  const PixelBitmap* glow = nullptr;
  const PixelBitmap* glow_mask = nullptr;
  int glowlayeroffsetleft = 0;
  int glowlayeroffsettop = 0;
  int glowlayeroffsetright = 0;
  int glowlayeroffsetbottom = 0;
  int glowlayershowoffsetx = 0;
  int glowlayershowoffsety = 0;
  int glowlayeralphablendvalue = 255;

  // An animation needs frames, a rectangle to cut them from and a pace; anything less (a zero
  // frame count or interval would divide by zero or spin) plays none.
  bool CanAnimate() const {
    return !animateskinrect.IsEmpty() && framecount >= 1 && animateinterval >= 1;
  }
};

// The button keys of `definition`, with the substitutes for empty hot and pressed rectangles
// and the grey of a disabled colour that equals the normal one; glow pictures resolved in `data`.
TskButtonSkin CopyButtonSkin(const TskSkinData& data, const TskDataSkinButtonControl& definition);

// Frame k (1 to framecount) of the animation: the k-th of framecount equal widths when the
// animation rectangle is wider than the skin rectangle, else the k-th of framecount equal
// heights. Outside 1..framecount, or without a usable animation: empty.
TRect AnimationFrame(const TskButtonSkin& skin, int k);

struct TskButtonInputs {
  TButtonState state;
  bool enabled = true;
  // A frame animation is running, in which direction, and at which frame.
  bool animating = false;
  bool animating_up = false;
  int frame = 0;
  // Morphing is in effect and the morph factor is exactly 1.
  bool morphed_to_active = false;
};

struct TskButtonFace {
  TRect rect;
  bool active = false;
  bool down = false;
};

// The state rectangle for the inputs, first match wins: disabled (with its own look), down,
// focused (with its own look, no animation running), focused, hot, normal. A running
// animation's frame stands in for the hot rectangle while counting up and for the normal one
// while counting down.
TskButtonFace PickButtonFace(const TskButtonSkin& skin, const TskButtonInputs& in);

// The caption colour: the default font's when enabled and the skin colours are not used, else
// the disabled, pressed, hot or normal colour of the skin.
TColor ButtonFontColor(const TskButtonSkin& skin, bool enabled, bool use_skin_font_color,
                       TColor default_color, bool active, bool down);

// The 1-based cell of a glyph strip of `num_glyphs` cells.
int ButtonGlyphIndex(bool down, bool hot, bool enabled, int num_glyphs);

constexpr int ClampNumGlyphs(int n) {
  return n < 1 ? 1 : (n > 4 ? 4 : n);
}

// A button's face at its size, and where its caption goes.
struct TskButtonPicture {
  PixelBitmap picture;
  TRect text_rect;
};

// `state_rect` drawn for a button of width x height. With the skin size (or the free rule) the
// size rule draws it and the caption goes into the sized client rectangle; otherwise the button
// keeps its size and the rectangle is stretched over it (fixed rule) or fitted by its client
// corners, and the caption goes into the client rectangle grown by the size difference. The
// picture is empty when there is nothing to draw from.
TskButtonPicture DrawButtonPicture(const TskControlSkin& skin, const TskSizedSkin& sized,
                                   const TRect& state_rect, bool use_skin_size, int width,
                                   int height);

// The sized client rectangle of a button that keeps its size instead of the rule's.
TskSizedSkin KeepSize(const TskControlSkin& skin, int width, int height);

struct TskGlowPictures {
  PixelBitmap glow;
  PixelBitmap mask;
};

// The glow and its mask for a button of width x height: unchanged for the fixed rule, widened
// between the fixed left and right offsets for the width-only rule with the skin size, grown in
// both directions inside the offsets for the free rule; nothing in every other case, and
// nothing unless both pictures are there and of one size.
std::optional<TskGlowPictures> SizeGlow(const TskButtonSkin& button, const TskControlSkin& skin,
                                        bool use_skin_size, int width, int height);

}  // namespace vl
