#pragma once
// The texts of the two file errors the user can meet.

#include <string>
#include <string_view>

namespace vl {

// The operating system's text for a failure code, without trailing blanks, line breaks and
// dots (the error box adds its own closing dot).
std::string TrimSystemMessage(std::string_view text);

// "Cannot open file "<path>". <reason>" and "Cannot create file "<path>". <reason>".
std::string CannotOpenFileText(std::string_view absolute_path, std::string_view reason);
std::string CannotCreateFileText(std::string_view absolute_path, std::string_view reason);

}  // namespace vl
