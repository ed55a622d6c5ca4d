#pragma once
// Keyword results while a user types: the rows of recent keywords over one state of the index.
//
// Every line that holds a keyword also holds every part of it, so when a new keyword contains
// (after folding) one whose rows are known, only those rows can match: a keystroke that extends
// a keyword searches the earlier rows instead of the whole index when they are a small part of
// it, and a keyword seen a moment ago (Backspace) gets its rows back without a search. The rows
// found either way are exactly those of a full pass, in index order.
//
// Memory: the cached rows (entry numbers, 4 bytes each), their keywords and the entries'
// bookkeeping never take more than a tenth of the index's own memory (IndexList::MemoryBytes) and
// never more than kMaxEntries keywords. A result larger than that bound is returned but not kept.
// Any change of the index (a rebuild step, a clear, a load: each is a new state of the store) drops
// every entry at the next search.

#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "search/index_list.h"

namespace vl {

class ScanScratch;

class KeywordCache {
 public:
  static constexpr std::size_t kMaxEntries = 16;
  // Searching the earlier rows pays only while they are this small a part of the index. A full
  // pass reads the names of only those folders that do not hold the keyword, a stretch at a
  // time, while each earlier row costs a jump to its name: measured on one and ten million
  // paths, rows of 0.1 to 0.5% of the index took 0.15 to 0.4 of a full pass, rows of 5 to 8%
  // about 0.4 to 1.1 of one, and rows of 12% or more up to twice one.
  static constexpr std::size_t kRefineDivisor = 16;

  enum class Source { kFullPass, kRefined, kCached };

  // The rows of keyword over index, as FindKeyword gives them. state names the state of the
  // index (IndexStore::State); a state other than the last one drops every entry first.
  ResultLines Find(const IndexList& index, std::uint64_t state, std::string_view keyword,
                   ScanScratch& scratch);
  // Drops every entry.
  void Clear();

  // How the last Find got its rows, and how many rows it searched (the whole index for a full
  // pass, the earlier keyword's rows for a refinement, none from the cache).
  Source LastSource() const { return last_source_; }
  std::size_t LastSearched() const { return last_searched_; }
  std::size_t Entries() const { return entries_.size(); }
  // Bytes the entries hold now, and the most they may hold for the index of the last Find.
  std::size_t MemoryBytes() const { return bytes_; }
  std::size_t MemoryBound() const { return bound_; }

 private:
  struct Entry {
    std::string folded;
    bool ascii;  // folded as an ASCII keyword is, not by the Unicode rules
    ResultLines lines;
    std::size_t bytes;
  };

  void Bind(const IndexList& index, std::uint64_t state);
  void Keep(std::string folded, bool ascii, const ResultLines& lines);

  // Most recently used first.
  std::list<Entry> entries_;
  std::size_t bytes_ = 0;
  std::size_t bound_ = 0;
  const IndexList* index_ = nullptr;
  std::uint64_t state_ = 0;
  std::size_t lines_ = 0;
  Source last_source_ = Source::kFullPass;
  std::size_t last_searched_ = 0;
};

}  // namespace vl
