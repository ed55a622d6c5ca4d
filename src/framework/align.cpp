#include "framework/align.h"

namespace vl {
namespace {

TRect Place(TAlign align, const TRect& bounds, TRect& room) {
  const int w = bounds.Width();
  const int h = bounds.Height();
  TRect r = room;
  switch (align) {
    case TAlign::alTop:
      r.bottom = room.top + h;
      room.top = r.bottom;
      break;
    case TAlign::alBottom:
      r.top = room.bottom - h;
      room.bottom = r.top;
      break;
    case TAlign::alLeft:
      r.right = room.left + w;
      room.left = r.right;
      break;
    case TAlign::alRight:
      r.left = room.right - w;
      room.right = r.left;
      break;
    case TAlign::alClient:
    case TAlign::alNone:
      break;
  }
  return r;
}

}  // namespace

std::vector<TRect> AlignItems(const TRect& client, const std::vector<TAlignItem>& items) {
  std::vector<TRect> out;
  out.reserve(items.size());
  for (const auto& item : items) out.push_back(item.bounds);

  TRect room = client;
  for (TAlign pass :
       {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i].align != pass || !items[i].visible) continue;
      out[i] = Place(pass, items[i].bounds, room);
    }
  }
  return out;
}

}  // namespace vl
