#pragma once
// Conversions at the edge between the program's two kinds of text: fixed interface texts are
// UTF-8 literals, data (paths, the keyword, file contents) is bytes in the ANSI code page. Both
// reach the screen as UTF-16 through the wide-character calls.

#include <windows.h>

#include <string>
#include <string_view>

namespace vl {

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);
std::wstring AnsiToWide(std::string_view ansi);
std::string WideToAnsi(std::wstring_view wide);
// Text in the system's ANSI code page (what the process's would be without the manifest that
// makes it UTF-8; code page 1252 when the system's is UTF-8 too) as UTF-8.
std::string SystemCodePageToUtf8(std::string_view text);

}  // namespace vl
