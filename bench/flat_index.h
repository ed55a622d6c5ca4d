#pragma once
// The index as the program stored and searched it before it was stored by folder, kept here as
// the reference loop of the benchmarks: the file's own text in one buffer with the start of
// every line beside it, and the keyword scan that runs the folded search over the whole buffer
// and maps each hit to its line.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "search/byte_scan.h"

namespace vl::bench {

class FlatIndex {
 public:
  static FlatIndex FromText(std::string bytes) {
    FlatIndex index;
    index.text_ = std::move(bytes);
    index.starts_.clear();
    index.starts_.reserve(index.text_.size() / 64 + 1);
    bool last_unbroken = false;
    std::size_t end = SplitLines(index.text_, [&](std::size_t start, std::size_t, std::size_t brk) {
      index.starts_.push_back(start);
      last_unbroken = brk == 0;
    });
    index.text_.resize(end);
    if (last_unbroken) index.text_ += "\r\n";
    index.starts_.push_back(index.text_.size());
    index.starts_.shrink_to_fit();
    return index;
  }

  std::size_t Count() const { return starts_.size() - 1; }
  std::string_view Buffer() const { return text_; }
  std::size_t LineStart(std::size_t i) const { return starts_[i]; }
  std::size_t MemoryBytes() const {
    return text_.capacity() + starts_.capacity() * sizeof(std::size_t);
  }

  std::size_t LineAt(std::size_t pos, std::size_t hint) const {
    if (starts_[hint + 1] > pos) return hint;
    std::size_t lo = hint;
    std::size_t step = 1;
    std::size_t hi = lo + 1;
    while (hi < starts_.size() && starts_[hi] <= pos) {
      lo = hi;
      hi = lo + step;
      step *= 2;
    }
    hi = std::min(hi, starts_.size());
    auto it = std::upper_bound(starts_.begin() + std::ptrdiff_t(lo),
                               starts_.begin() + std::ptrdiff_t(hi), pos);
    return std::size_t(it - starts_.begin()) - 1;
  }

 private:
  std::string text_;
  std::vector<std::size_t> starts_{0};
};

// The keyword scan of the flat buffer: a match ends its line's part in the scan, which goes on
// from the next line.
inline std::vector<std::size_t> FlatFindKeyword(const FlatIndex& index, std::string_view keyword) {
  std::vector<std::size_t> lines;
  if (keyword.empty()) return lines;
  FoldedSearch search(keyword);
  std::string_view text = index.Buffer();
  std::size_t next = 0;
  for (std::size_t pos = search.Find(text, 0); pos != std::string_view::npos;
       pos = search.Find(text, index.LineStart(next))) {
    std::size_t line = index.LineAt(pos, next);
    lines.push_back(line);
    next = line + 1;
  }
  return lines;
}

}  // namespace vl::bench
