#include "search/result_rows.h"
#include "search/size_text.h"

namespace vl {

ResultColumns ResultColumnsOf(std::string_view path) {
  return MakeResultColumns(path, SystemLeadBytes(), DecimalSeparator(),
                           FileSizeOf(std::string(path)));
}

}  // namespace vl
