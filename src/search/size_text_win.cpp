#include <windows.h>

#include "search/path_ops_win.h"
#include "search/size_text.h"

namespace vl {
namespace {

char ReadDecimalSeparator() {
  char buffer[8] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, sizeof buffer) < 2) return '.';
  return buffer[0];
}

char& CachedSeparator() {
  static char separator = ReadDecimalSeparator();
  return separator;
}

}  // namespace

char DecimalSeparator() {
  return CachedSeparator();
}

void RefreshDecimalSeparator() {
  CachedSeparator() = ReadDecimalSeparator();
}

std::string FormatFileSize(std::int64_t size) {
  return FormatFileSize(size, DecimalSeparator());
}

std::int64_t FileSizeOf(const std::string& path) {
  // A wildcard would make the lookup report some other entry; no Windows name holds one.
  if (path.find_first_of("*?") != std::string::npos) return -1;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(WideFilePath(path).c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return -1;
  FindClose(find);
  return std::int64_t((std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
}

}  // namespace vl
