#include "framework/text_win.h"

namespace vl {
namespace {

std::wstring ToWide(UINT code_page, std::string_view text) {
  if (text.empty()) return {};
  int n = MultiByteToWideChar(code_page, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring out(std::size_t(n), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), int(text.size()), out.data(), n);
  return out;
}

std::string FromWide(UINT code_page, std::wstring_view text) {
  if (text.empty()) return {};
  int n = WideCharToMultiByte(code_page, 0, text.data(), int(text.size()), nullptr, 0, nullptr,
                              nullptr);
  std::string out(std::size_t(n), '\0');
  WideCharToMultiByte(code_page, 0, text.data(), int(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

}  // namespace

std::wstring Utf8ToWide(std::string_view utf8) {
  return ToWide(CP_UTF8, utf8);
}
std::string WideToUtf8(std::wstring_view wide) {
  return FromWide(CP_UTF8, wide);
}
std::wstring AnsiToWide(std::string_view ansi) {
  return ToWide(CP_ACP, ansi);
}
std::string WideToAnsi(std::wstring_view wide) {
  return FromWide(CP_ACP, wide);
}

}  // namespace vl
