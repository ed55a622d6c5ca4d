#include "skin/data/carried_skin_win.h"

#include "skin/data/carried_skin.h"

namespace vl {

bool ReadCarriedSkin(TskSkinListItem& item, HMODULE module) {
  if (module == nullptr) module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(VL_IDR_CARRIED_SKIN), MAKEINTRESOURCEA(10));
  if (found == nullptr) return false;
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return false;
  item.ReadSkin(ByteView(static_cast<const std::uint8_t*>(bytes), SizeofResource(module, found)));
  return true;
}

}  // namespace vl
