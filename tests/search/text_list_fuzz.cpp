// Feeds arbitrary bytes to the text-list reader and the index built on it: the two readers must
// agree line for line, whole or in pieces, a saved list must read back the same, and the keyword
// scan, on one thread or in parts, must find exactly the lines that the plain fold-and-find
// finds (A-Z folded for an ASCII keyword, every character for any other). The first byte chooses
// the keyword's length and the keyword is taken from the front of the data.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "search/case_fold.h"
#include "search/index_list.h"
#include "search/path_ops.h"
#include "search/queries_scan.h"
#include "search/text_list.h"
#include "search/utf8.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::size_t keyword_length = std::min<std::size_t>(data[0] % 21, size - 1);
  std::string_view keyword(reinterpret_cast<const char*>(data) + 1, keyword_length);
  std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

  vl::TextList lines = vl::SplitTextList(bytes);
  vl::IndexList index = vl::IndexList::FromText(bytes);
  Check(index.Count() == lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) Check(index.Line(i) == lines[i]);
  Check(index.FileText() == vl::JoinTextList(lines));
  Check(vl::SplitTextList(vl::JoinTextList(lines)) == lines);

  // The plain test: A-Z folded for an ASCII keyword, every character folded for any other.
  const bool ascii = vl::IsAscii(keyword);
  auto fold = [ascii](std::string_view text) {
    return ascii ? vl::LowerCase(text) : vl::FoldText(text);
  };
  vl::Rows expected;
  const std::string folded = fold(keyword);
  for (std::size_t i = 0; i < lines.size() && !keyword.empty(); ++i) {
    if (fold(lines[i]).find(folded) != std::string::npos) expected.push_back(std::uint32_t(i));
  }
  Check(vl::FindKeyword(index, keyword) == expected);
  // The same split into parts of one entry and one folder each, on helper threads.
  vl::ScanScratch parts;
  parts.max_parts = 3;
  parts.min_part_units = 1;
  vl::Rows rows;
  vl::FindKeyword(index, keyword, rows, parts);
  Check(rows == expected);

  // The same bytes loaded in pieces cut every `step` bytes, so that lines and CR LF pairs fall
  // across the cuts.
  const std::size_t step = 1 + data[0] % 7;
  vl::IndexLoader loader;
  for (std::size_t at = 0;
       at < bytes.size() && loader.Feed(std::string_view(bytes).substr(at, step)); at += step) {
  }
  Check(loader.Finish().FileText() == index.FileText());

  // The same bytes read whole as the program reads a file, in stretches and parts of a few bytes
  // (the parts run in turn here: the unit tests run them side by side).
  const vl::IndexLoader::Sizes sizes{step, 1 + data[0] % 13u, 1 + data[0] % 5u};
  vl::StringReader reader(bytes);
  vl::IndexLoader whole;
  whole.ReadAll(reader, 1, sizes);
  Check(whole.Finish().FileText() == index.FileText());
  return 0;
}
