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

UINT SystemAnsiCodePage() {
  static const UINT code_page = [] {
    DWORD value = 0;
    const int got =
        GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                       reinterpret_cast<LPWSTR>(&value), sizeof(value) / sizeof(WCHAR));
    return got == 0 || value == 0 || value == CP_UTF8 ? UINT(1252) : UINT(value);
  }();
  return code_page;
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
std::string SystemCodePageToUtf8(std::string_view text) {
  return FromWide(CP_UTF8, ToWide(SystemAnsiCodePage(), text));
}

}  // namespace vl
