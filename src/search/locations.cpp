#include "search/locations.h"

namespace vl {

std::string DataDir(std::string_view app_directory) {
  return std::string(app_directory) + "data\\";
}

std::string IndexFileName(std::string_view app_directory) {
  return std::string(app_directory) + "vl.vl";
}

std::string RootListFileName(std::string_view app_directory) {
  return std::string(app_directory) + "data\\list.txt";
}

}  // namespace vl
