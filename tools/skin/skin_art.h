#pragma once
// The pictures of Vorlisk's carried skin, drawn from code at the rectangles its definition text
// names, so the text and the pictures cannot drift apart.

#include <map>
#include <string>

#include "skin/data/bmp_codec.h"
#include "skin/data/ini_text.h"

namespace vl::art {

// Every picture the PICTURES section names, by file name. Fails when the definition names a
// rectangle outside its picture or two different looks for the same pixels.
std::map<std::string, SkinPicture> DrawCarriedSkin(const TIniText& definition);

}  // namespace vl::art
