#include <windows.h>

#include "search/path_ops.h"

namespace vl {

const LeadBytes& SystemLeadBytes() {
  static const LeadBytes table = [] {
    LeadBytes t;
    for (int b = 0; b < 256; ++b) t.Set(static_cast<unsigned char>(b), IsDBCSLeadByte(BYTE(b)));
    return t;
  }();
  return table;
}

}  // namespace vl
