#include "skin/controls/header_section.h"

#include "skin/data/skin_data.h"
#include "skin/paint/blit.h"
#include "skin/paint/fitting.h"

namespace vl {
namespace {

bool HasLeftBottomPoint(const TskControlSkin& skin) {
  return skin.points.lb.x != 0 || skin.points.lb.y != 0;
}

PixelBitmap StretchedTo(const PixelBitmap& strip, int width, int height) {
  if (strip.Height() == height) return strip;
  return StretchedPiece(strip, strip.Bounds(), width, height);
}

}  // namespace

std::optional<TskHeaderSkin> FindHeaderSkin(const TskSkinData* data, std::string_view name) {
  if (!data || data->Empty()) return std::nullopt;
  const auto* button = data->ControlAs<TskDataSkinButtonControl>(data->FindControlIndex(name));
  if (!button) return std::nullopt;
  TskHeaderSkin header;
  header.skin = CopyControlSkin(*data, *button);
  if (!header.skin.Drawable()) return std::nullopt;
  header.active_rect = button->activeskinrect.IsEmpty() ? button->skinrect : button->activeskinrect;
  header.down_rect = button->downskinrect.IsEmpty() ? header.active_rect : button->downskinrect;
  header.font_color = button->fontcolor;
  header.active_font_color = button->activefontcolor;
  header.down_font_color = button->downfontcolor;
  return header;
}

PixelBitmap DrawHeaderSection(const TskHeaderSkin& header, int width, int height, bool pressed) {
  if (width < 1 || height < 1) return {};
  const TskControlSkin& skin = header.skin;
  const TRect state = pressed ? header.down_rect : skin.skin_rect;
  const TskSkinPoints& p = skin.points;
  if (HasLeftBottomPoint(skin)) {
    const TskSkinPoints sized =
        SizePoints(p, width - skin.skin_rect.Width(), height - skin.skin_rect.Height());
    return PaintNineArea(*skin.picture, skin.Area(state), true, width, height, sized);
  }
  const PixelBitmap strip = PaintThreePartHorz(*skin.picture, state, p.lt.x, state.Width() - p.rt.x,
                                               skin.stretch_effect, width);
  return StretchedTo(strip, width, height);
}

PixelBitmap DrawHeaderRemainder(const TskHeaderSkin& header, int width, int height) {
  if (width < 1 || height < 1) return {};
  const TskControlSkin& skin = header.skin;
  if (HasLeftBottomPoint(skin)) {
    return PaintTwoPartNineArea(*skin.picture, skin.Area(skin.skin_rect), width, height);
  }
  const TskSkinPoints& p = skin.points;
  const PixelBitmap strip =
      PaintTwoPartHorz(*skin.picture, skin.skin_rect, p.lt.x, skin.skin_rect.Width() - p.rt.x,
                       skin.stretch_effect, width);
  return StretchedTo(strip, width, height);
}

}  // namespace vl
