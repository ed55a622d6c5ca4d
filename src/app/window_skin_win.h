#pragma once
// Each window carries its own copy of the skin package, as its stored description would, and
// unpacks it while it is being created, before its creation handler runs.

#include <initializer_list>

#include "framework/form_win.h"
#include "skin/controls/skin_control_win.h"
#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"

namespace vl {

// Gives `form` its skin list holding the package embedded in the executable, and its skin data
// object, which loads that package at once and announces it to every window. Without an
// embedded package the skin data stays empty and the controls keep their default look; so it
// does with a damaged one, after the error box has said what is wrong with it.
void LoadCarriedSkin(TForm& form, TskCompressedSkinList*& skin_list, TskSkinData*& skin_data);

// Names the skin data object that each of the window's skinned controls draws from.
void AttachSkinData(TskSkinData* skin_data, std::initializer_list<TskSkinnable*> controls);

}  // namespace vl
