#pragma once
// Reading the carried skin package out of the executable's resources.

#include <windows.h>

#include "skin/data/stored_skin.h"

namespace vl {

// Reads the package embedded under VL_IDR_CARRIED_SKIN in the given module (the executable by
// default) into a list item, as its "Skin" data. False when the module carries none (the build
// did not link vl_skin_resource); the item then stays empty and the windows draw unskinned.
bool ReadCarriedSkin(TskSkinListItem& item, HMODULE module = nullptr);

}  // namespace vl
