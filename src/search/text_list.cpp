#include "search/text_list.h"

#include <algorithm>

#include "search/byte_scan.h"
#include "search/utf8.h"

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

std::string FileSystem::FromSystemCodePage(std::string_view line) const {
  return Cp1252ToUtf8(line);
}

std::optional<std::string> LegacyLinesAsUtf8(std::string_view text, const FileSystem& fs) {
  if (IsUtf8(text)) return std::nullopt;
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t brk = FindBreakOrNul(text, start);
    const std::string_view line = text.substr(start, brk - start);
    if (IsUtf8(line)) {
      out.append(line);
    } else {
      out.append(fs.FromSystemCodePage(line));
    }
    if (brk == text.size()) break;
    // The break itself; what follows a NUL is never read, so it may stay as it is.
    if (text[brk] == '\0') {
      out.append(text.substr(brk));
      break;
    }
    out += text[brk];
    start = brk + 1;
  }
  return out;
}

std::string ReadableText(std::string bytes, const FileSystem& fs) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (std::string_view(bytes).starts_with(kByteOrderMark)) bytes.erase(0, kByteOrderMark.size());
  if (auto converted = LegacyLinesAsUtf8(bytes, fs)) return std::move(*converted);
  return bytes;
}

TextList LoadTextList(FileSystem& fs, const std::string& path) {
  return SplitTextList(ReadableText(fs.ReadWholeFile(path), fs));
}

void SaveTextList(FileSystem& fs, const TextList& lines, const std::string& path) {
  fs.ReplaceWholeFile(path, JoinTextList(lines));
}

}  // namespace vl
