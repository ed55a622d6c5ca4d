// Makes Vorlisk's carried skin package at build time:
//   vl_skin_tool draw <definition> <folder>
//       draws the skin's pictures into the folder (to look at them)
//   vl_skin_tool make <definition> <work folder> <package file>
//       draws the pictures, puts a copy of the definition beside them and builds the package
//       from that copy with the program's own builder
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "skin/data/bmp_codec.h"
#include "skin/data/ini_text.h"
#include "skin/data/skin_command.h"
#include "skin/data/skin_files.h"
#include "skin_art.h"

namespace {

std::string InFolder(std::string folder, const std::string& name) {
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
  return folder + name;
}

void DrawInto(const vl::Bytes& definition, const std::string& folder) {
  vl::TIniText ini = vl::TIniText::FromText(vl::AsText(definition));
  for (const auto& [name, picture] : vl::art::DrawCarriedSkin(ini)) {
    vl::WriteFileBytes(InFolder(folder, name), vl::EncodeBmp(picture));
  }
}

int Run(const std::vector<std::string>& args) {
  if (args.size() == 3 && args[0] == "draw") {
    DrawInto(vl::ReadFileBytes(args[1]), args[2]);
    return 0;
  }
  if (args.size() == 4 && args[0] == "make") {
    vl::Bytes definition = vl::ReadFileBytes(args[1]);
    DrawInto(definition, args[2]);
    std::string copy = InFolder(args[2], vl::ExtractFileName(args[1]));
    vl::WriteFileBytes(copy, definition);
    return vl::RunSkinCommand({"build", copy, args[3]});
  }
  std::cerr << "usage: vl_skin_tool draw <definition> <folder>\n"
               "       vl_skin_tool make <definition> <work folder> <package file>\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::exception& e) {
    std::cerr << "vl_skin_tool: " << e.what() << "\n";
    return 1;
  }
}
