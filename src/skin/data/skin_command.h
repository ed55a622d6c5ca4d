#pragma once
// The skin command of the console companion:
//   unpack <package file> <folder>   writes the package's pictures and its definition text
//                                    (skin.ini) into the folder
//   build <definition file> <package file>
//                                    builds a package from a definition file and the bitmap
//                                    files beside it, and checks that it loads
// Returns the process exit code: 0 done, 1 failed (the reason on err), 2 wrong arguments.

#include <iostream>
#include <string>
#include <vector>

namespace vl {

inline constexpr const char* kUnpackedDefinitionName = "skin.ini";

int RunSkinCommand(const std::vector<std::string>& args, std::ostream& out = std::cout,
                   std::ostream& err = std::cerr);

}  // namespace vl
