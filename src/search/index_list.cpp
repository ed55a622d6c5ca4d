#include "search/index_list.h"

#include <algorithm>
#include <new>

#include "framework/errors.h"
#include "search/byte_scan.h"

namespace vl {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

// Grows a container's capacity geometrically up to at least needed, so that a long series of
// appends stays linear and the append that follows cannot throw.
template <typename Container>
void ReserveFor(Container& c, std::size_t needed) {
  if (needed <= c.capacity()) return;
  c.reserve(std::max(needed, c.capacity() + c.capacity() / 2));
}

}  // namespace

IndexList::IndexList() : starts_{0} {}

IndexList IndexList::FromText(std::string bytes) {
  IndexList list;
  list.text_ = std::move(bytes);
  list.starts_.clear();
  list.starts_.reserve(list.text_.size() / 64 + 1);
  bool all_crlf = true;
  bool last_unbroken = false;
  std::size_t end = SplitLines(list.text_, [&](std::size_t start, std::size_t, std::size_t brk) {
    list.starts_.push_back(start);
    all_crlf = all_crlf && (brk == 2 || brk == 0);
    last_unbroken = brk == 0;
  });
  list.text_.resize(end);
  if (last_unbroken) list.text_ += kLineBreak;
  list.starts_.push_back(list.text_.size());
  list.starts_.shrink_to_fit();
  list.buffer_is_file_text_ = all_crlf;
  return list;
}

std::string_view IndexList::Line(std::size_t i) const {
  return std::string_view(text_).substr(starts_[i], LineEnd(i) - starts_[i]);
}

std::size_t IndexList::LineAt(std::size_t pos, std::size_t hint) const {
  // Matches arrive in order, usually in the hinted line, so gallop from the hint before a
  // binary search.
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

void IndexList::Append(std::string_view line) {
  ReserveFor(starts_, starts_.size() + 1);
  ReserveFor(text_, text_.size() + line.size() + kLineBreak.size());
  std::size_t at = text_.size();
  text_ += line;
  std::replace_if(
      text_.begin() + std::ptrdiff_t(at), text_.end(),
      [](char c) { return c == '\r' || c == '\n'; }, '?');
  text_ += kLineBreak;
  starts_.push_back(text_.size());
}

void IndexList::AppendList(const IndexList& other) {
  ReserveFor(starts_, starts_.size() + other.Count());
  ReserveFor(text_, text_.size() + other.text_.size());
  std::size_t base = text_.size();
  text_ += other.text_;
  for (std::size_t i = 1; i < other.starts_.size(); ++i) starts_.push_back(base + other.starts_[i]);
  buffer_is_file_text_ = buffer_is_file_text_ && other.buffer_is_file_text_;
}

std::string IndexList::FileText() const {
  if (buffer_is_file_text_) return text_;
  std::string out;
  out.reserve(text_.size() + Count());
  for (std::size_t i = 0; i < Count(); ++i) {
    out += Line(i);
    out += kLineBreak;
  }
  return out;
}

std::size_t IndexList::MemoryBytes() const {
  return text_.capacity() + starts_.capacity() * sizeof(std::size_t);
}

std::shared_ptr<IndexList> LoadIndexList(FileSystem& fs, const std::string& path) {
  try {
    return std::make_shared<IndexList>(IndexList::FromText(fs.ReadWholeFile(path)));
  } catch (const std::bad_alloc&) {
    throw Error("Out of memory");
  }
}

void SaveIndexList(FileSystem& fs, const IndexList& index, const std::string& path) {
  if (index.BufferIsFileText()) {
    fs.ReplaceWholeFile(path, index.Buffer());
    return;
  }
  fs.ReplaceWholeFile(path, index.FileText());
}

}  // namespace vl
