#pragma once
// The four column texts of a result row, cut from its path afresh at every request.

#include <cstdint>
#include <string>
#include <string_view>

#include "search/path_ops.h"

namespace vl {

struct ResultColumns {
  std::string file_name;  // "FileName": ExtractFileName
  std::string file_path;  // "FilePath": ExtractFileDir
  std::string file_type;  // "FileType": ExtractFileExt
  std::string file_size;  // "FileSize": FormatFileSize of the size on disk
};

// No Windows path is longer than this many characters. A longer index line can name nothing on
// disk; its row shows it cut to this length, so that one such line cannot hold up every repaint.
inline constexpr std::size_t kLongestPath = 32767;

ResultColumns MakeResultColumns(std::string_view path, const LeadBytes& lead,
                                char decimal_separator, std::int64_t size);

// The row texts with the system's lead bytes, the regional decimal separator and the size
// looked up on disk now (Windows build only): what lvResultData shows.
ResultColumns ResultColumnsOf(std::string_view path);

}  // namespace vl
