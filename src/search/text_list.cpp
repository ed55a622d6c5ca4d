#include "search/text_list.h"

#include <algorithm>

#include "search/byte_scan.h"

namespace vl {

TextList SplitTextList(std::string_view bytes) {
  TextList lines;
  SplitLines(bytes, [&](std::size_t start, std::size_t end, std::size_t) {
    lines.emplace_back(bytes.substr(start, end - start));
  });
  return lines;
}

std::string JoinTextList(const TextList& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  std::string out;
  out.reserve(size);
  for (const auto& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

std::size_t StringReader::Read(char* into, std::size_t size) {
  const std::size_t n = std::min(size, bytes_.size() - at_);
  std::copy_n(bytes_.data() + at_, n, into);
  at_ += n;
  return n;
}

std::unique_ptr<FileSystem::PieceReader> FileSystem::OpenPieces(const std::string& path) {
  return std::make_unique<StringReader>(ReadWholeFile(path));
}

TextList LoadTextList(FileSystem& fs, const std::string& path) {
  return SplitTextList(fs.ReadWholeFile(path));
}

void SaveTextList(FileSystem& fs, const TextList& lines, const std::string& path) {
  fs.ReplaceWholeFile(path, JoinTextList(lines));
}

}  // namespace vl
