#include "search/result_rows.h"

#include "search/size_text.h"

namespace vl {

ResultColumns MakeResultColumns(std::string_view path, const LeadBytes& lead,
                                char decimal_separator, std::int64_t size) {
  path = path.substr(0, kLongestPath);
  return ResultColumns{
      std::string(ExtractFileName(path, lead)), std::string(ExtractFileDir(path, lead)),
      std::string(ExtractFileExt(path, lead)), FormatFileSize(size, decimal_separator)};
}

}  // namespace vl
