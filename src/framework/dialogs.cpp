#include "framework/dialogs.h"

namespace vl {

std::string ErrorBoxText(std::string_view text) {
  std::string out(text);
  if (!out.empty() && static_cast<unsigned char>(out.back()) > '.') out += '.';
  return out;
}

}  // namespace vl
