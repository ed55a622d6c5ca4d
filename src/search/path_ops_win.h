#pragma once
// Paths on their way to the wide-character file calls. The program's paths are bytes in the
// process's code page (UTF-8 where the manifest takes effect); the wide calls reach names that
// the code page cannot spell on older systems and, with the long-path prefix, paths past
// MAX_PATH, which the byte calls refuse.

#include <string>
#include <string_view>

namespace vl {

// The path in UTF-16. A path too long for the plain calls is made absolute and given the
// long-path prefix ("\\?\", or "\\?\UNC\" for a network path).
std::wstring WideFilePath(std::string_view path);
// The path made absolute and always given the long-path prefix, for a name that will be made
// longer than the path itself (a temporary file beside it).
std::wstring PrefixedFilePath(std::string_view path);

// A name or path from the wide calls as bytes in the process's code page.
std::string NarrowFileName(std::wstring_view name);

}  // namespace vl
