#include "search/keyword_cache.h"

#include <algorithm>

#include "search/case_fold.h"
#include "search/path_ops.h"
#include "search/queries_scan.h"

namespace vl {
namespace {

std::size_t EntryBytes(const std::string& folded, const Rows& lines) {
  // The list node holds the entry and two links; the rows' control block lives beside them.
  constexpr std::size_t kBookkeeping = 4 * sizeof(void*) + 64;
  return sizeof(Rows::value_type) * lines.capacity() + folded.capacity() + kBookkeeping;
}

}  // namespace

void KeywordCache::Clear() {
  entries_.clear();
  bytes_ = 0;
}

void KeywordCache::Bind(const IndexList& index, std::uint64_t state) {
  // A rebuild appends to the index on show, so the same list in the same store state is still
  // checked for growth.
  if (&index == index_ && state == state_ && index.Count() == lines_) return;
  Clear();
  index_ = &index;
  state_ = state;
  lines_ = index.Count();
  bound_ = index.MemoryBytes() / 10;
}

ResultLines KeywordCache::Find(const IndexList& index, std::uint64_t state,
                               std::string_view keyword, ScanScratch& scratch) {
  Bind(index, state);
  const bool ascii = IsAscii(keyword);
  std::string folded = ascii ? LowerCase(keyword) : FoldText(keyword);
  last_source_ = Source::kCached;
  last_searched_ = 0;
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    if (it->folded != folded || it->ascii != ascii) continue;
    entries_.splice(entries_.begin(), entries_, it);
    return entries_.front().lines;
  }

  // The smallest earlier result whose keyword the new one holds. The empty keyword keeps no
  // rows although every keyword holds it, so it is never kept as a source. The Unicode rules
  // match more than the ASCII ones ("s" finds "ſ" only by them), so an ASCII keyword's rows
  // serve only another ASCII keyword.
  const Entry* source = nullptr;
  for (const Entry& entry : entries_) {
    if (folded.find(entry.folded) == std::string::npos || (entry.ascii && !ascii)) continue;
    if (!source || entry.lines->size() < source->lines->size()) source = &entry;
  }
  Rows lines = scratch.TakeRows();
  if (source && source->lines->size() < index.Count() / kRefineDivisor) {
    last_source_ = Source::kRefined;
    last_searched_ = source->lines->size();
    FindKeywordAmong(index, keyword, *source->lines, lines, scratch);
  } else {
    last_source_ = Source::kFullPass;
    last_searched_ = index.Count();
    FindKeyword(index, keyword, lines, scratch);
  }
  // A small result leaves the large room it was written into for the next large one, and
  // takes no more memory than it needs in the cache.
  if (lines.size() < lines.capacity() / 2) {
    Rows exact(lines.begin(), lines.end());
    scratch.GiveBack(std::move(lines));
    lines = std::move(exact);
  }
  ResultLines shared = std::make_shared<Rows>(std::move(lines));
  if (!folded.empty()) Keep(std::move(folded), ascii, shared);
  return shared;
}

void KeywordCache::Keep(std::string folded, bool ascii, const ResultLines& lines) {
  std::size_t bytes = EntryBytes(folded, *lines);
  if (bytes > bound_) return;
  while (!entries_.empty() && (bytes_ + bytes > bound_ || entries_.size() >= kMaxEntries)) {
    bytes_ -= entries_.back().bytes;
    entries_.pop_back();
  }
  entries_.push_front({std::move(folded), ascii, lines, bytes});
  bytes_ += bytes;
}

}  // namespace vl
