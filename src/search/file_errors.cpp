#include "search/file_errors.h"

namespace vl {
namespace {

std::string FileErrorText(std::string_view what, std::string_view path, std::string_view reason) {
  std::string text(what);
  text += " \"";
  text += path;
  text += "\". ";
  text += reason;
  return text;
}

}  // namespace

std::string TrimSystemMessage(std::string_view text) {
  std::size_t end = text.find_last_not_of(" \t\r\n.");
  return std::string(end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1));
}

std::string CannotOpenFileText(std::string_view absolute_path, std::string_view reason) {
  return FileErrorText("Cannot open file", absolute_path, reason);
}

std::string CannotCreateFileText(std::string_view absolute_path, std::string_view reason) {
  return FileErrorText("Cannot create file", absolute_path, reason);
}

}  // namespace vl
