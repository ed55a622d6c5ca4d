#include <windows.h>

#include "framework/text_win.h"
#include "search/path_ops.h"
#include "search/path_ops_win.h"

namespace vl {
namespace {

// The plain calls stop at MAX_PATH characters with the closing NUL, and some of them (making a
// folder) 12 characters earlier; from there on a path takes the prefix.
constexpr std::size_t kPlainPathLimit = MAX_PATH - 12;

bool StartsWith(std::wstring_view text, std::wstring_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

std::wstring FullPath(const std::wstring& path) {
  DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return path;
  full.resize(length);
  return full;
}

}  // namespace

const LeadBytes& SystemLeadBytes() {
  static const LeadBytes table = [] {
    LeadBytes t;
    for (int b = 0; b < 256; ++b) t.Set(static_cast<unsigned char>(b), IsDBCSLeadByte(BYTE(b)));
    return t;
  }();
  return table;
}

std::wstring PrefixedFilePath(std::string_view path) {
  std::wstring wide = AnsiToWide(path);
  if (StartsWith(wide, L"\\\\?\\") || StartsWith(wide, L"\\\\.\\")) return wide;
  // The prefix turns off the clean-up of the path ("/", "." and ".." parts, relative paths),
  // so the path is made whole first.
  std::wstring full = FullPath(wide);
  if (StartsWith(full, L"\\\\?\\") || StartsWith(full, L"\\\\.\\")) return full;
  if (StartsWith(full, L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

std::wstring WideFilePath(std::string_view path) {
  std::wstring wide = AnsiToWide(path);
  if (wide.size() < kPlainPathLimit) return wide;
  return PrefixedFilePath(path);
}

std::string NarrowFileName(std::wstring_view name) {
  // One conversion into a buffer that holds any single name (255 UTF-16 units), since the walk
  // converts every entry it meets.
  char buffer[1024];
  int n = WideCharToMultiByte(CP_ACP, 0, name.data(), int(name.size()), buffer, sizeof buffer,
                              nullptr, nullptr);
  if (n > 0 || name.empty()) return std::string(buffer, std::size_t(n));
  return WideToAnsi(name);
}

}  // namespace vl
