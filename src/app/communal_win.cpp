#include <windows.h>

#include "app/communal.h"
#include "framework/text_win.h"
#include "search/path_ops_win.h"

namespace vl {

std::optional<std::string> ShellPathOf(const std::string& path) {
  if (AnsiToWide(path).size() < MAX_PATH) return path;
  const std::wstring long_path = WideFilePath(path);
  DWORD size = GetShortPathNameW(long_path.c_str(), nullptr, 0);
  if (size == 0) return std::nullopt;
  std::wstring short_path(size, L'\0');
  DWORD length = GetShortPathNameW(long_path.c_str(), short_path.data(), size);
  if (length == 0 || length >= size) return std::nullopt;
  short_path.resize(length);
  // The long-path prefix came from the long form; the shell takes the plain one.
  if (short_path.rfind(L"\\\\?\\UNC\\", 0) == 0) {
    short_path.replace(0, 8, L"\\\\");
  } else if (short_path.rfind(L"\\\\?\\", 0) == 0) {
    short_path.erase(0, 4);
  }
  if (short_path.size() >= MAX_PATH) return std::nullopt;
  return NarrowFileName(short_path);
}

}  // namespace vl
