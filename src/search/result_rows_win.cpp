#include "search/result_rows.h"
#include "search/size_text.h"

namespace vl {

ResultColumns ResultColumnsOf(std::string_view path) {
  const std::int64_t size = path.size() > kLongestPath ? -1 : FileSizeOf(std::string(path));
  return MakeResultColumns(path, SystemLeadBytes(), DecimalSeparator(), size);
}

}  // namespace vl
