#include "search/queries.h"

#include <algorithm>

#include "search/byte_scan.h"

namespace vl {
namespace {

// Rows are copied into a fresh result set in slices, with the window's messages processed
// between two slices, so a large category result keeps the window painting.
constexpr std::size_t kRowsPerMessagePump = 256;

// How many candidate lines ahead a refining scan asks for memory.
constexpr std::size_t kFetchAhead = 16;

bool HasLineBreakOrNul(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

std::string ResultLabel(std::size_t count, std::string_view after_count, std::uint32_t ms,
                        std::string_view after_ms) {
  std::string label = std::to_string(count);
  label += after_count;
  label += std::to_string(ms);
  label += after_ms;
  return label;
}

}  // namespace

void TBallArray::Assign(std::shared_ptr<const IndexList> index, std::vector<std::size_t> lines) {
  Assign(std::move(index), std::make_shared<const std::vector<std::size_t>>(std::move(lines)));
}

void TBallArray::Assign(std::shared_ptr<const IndexList> index, ResultLines lines) {
  index_ = std::move(index);
  lines_ = std::move(lines);
}

void TBallArray::Clear() {
  index_.reset();
  lines_.reset();
}

void TBallArray::Swap(TBallArray& other) noexcept {
  index_.swap(other.index_);
  lines_.swap(other.lines_);
}

std::vector<std::size_t> FindKeyword(const IndexList& index, std::string_view keyword) {
  std::vector<std::size_t> lines;
  // No line holds a break or a NUL, so such a keyword matches nothing; every other keyword
  // cannot reach across a line break, which lets the scan run over the whole buffer.
  if (keyword.empty() || HasLineBreakOrNul(keyword)) return lines;
  FoldedSearch search(keyword);
  std::string_view text = index.Buffer();
  // A match ends its line's part in the scan, which goes on from the next line.
  std::size_t next = 0;
  for (std::size_t pos = search.Find(text, 0); pos != std::string_view::npos;
       pos = search.Find(text, index.LineStart(next))) {
    std::size_t line = index.LineAt(pos, next);
    lines.push_back(line);
    next = line + 1;
  }
  return lines;
}

std::vector<std::size_t> FindKeywordAmong(const IndexList& index, std::string_view keyword,
                                          const std::vector<std::size_t>& candidates) {
  std::vector<std::size_t> lines;
  if (keyword.empty() || HasLineBreakOrNul(keyword)) return lines;
  FoldedSearch search(keyword);
  std::string_view text = index.Buffer();
  const std::size_t count = candidates.size();
  for (std::size_t i = 0; i < count; ++i) {
    // The candidates lie far apart in a large index, so each would wait for memory: the line
    // start of the candidate 2 * kFetchAhead on is asked for, and the text of the one
    // kFetchAhead on, whose start has arrived by then (two cache lines hold most paths).
    if (i + 2 * kFetchAhead < count) {
      PrefetchForRead(index.LineStartAt(candidates[i + 2 * kFetchAhead]));
    }
    if (i + kFetchAhead < count) {
      const std::size_t ahead = index.LineStart(candidates[i + kFetchAhead]);
      PrefetchForRead(text.data() + ahead);
      PrefetchForRead(text.data() + std::min(text.size(), ahead + 64));
    }
    // A keyword holds no break, so a match that starts before the next line's start lies
    // inside this line.
    const std::size_t line = candidates[i];
    if (search.StartsWithin(text, index.LineStart(line), index.LineStart(line + 1))) {
      lines.push_back(line);
    }
  }
  return lines;
}

std::vector<std::size_t> FindExtensions(const IndexList& index, std::string_view first,
                                        std::string_view second, const LeadBytes& lead) {
  std::vector<std::size_t> lines;
  std::string_view text = index.Buffer();
  // An extension is a suffix of its line, so a test of the last byte and then of the suffix
  // sifts the lines before the delimiter scan, which must start at the front of the line to
  // step over double-byte characters. An empty extension is the suffix of every line.
  const bool sift = !first.empty() && !second.empty();
  const char last1 = sift ? first.back() : 0;
  const char last2 = sift ? second.back() : 0;
  for (std::size_t i = 0; i < index.Count(); ++i) {
    std::size_t start = index.LineStart(i);
    std::size_t end = index.LineEnd(i);
    if (sift && (end == start || (text[end - 1] != last1 && text[end - 1] != last2))) continue;
    std::string_view line = text.substr(start, end - start);
    if (!line.ends_with(first) && !line.ends_with(second)) continue;
    std::string_view ext = ExtractFileExt(line, lead);
    if (ext == first || ext == second) lines.push_back(i);
  }
  return lines;
}

std::string KeywordResultLabel(std::size_t count, std::uint32_t milliseconds) {
  return ResultLabel(count, "    results taken   ", milliseconds, "    milliseconds");
}

std::string CategoryResultLabel(std::size_t count, std::uint32_t milliseconds) {
  return ResultLabel(count, "  results taken   ", milliseconds, "     milliseconds");
}

Queries::Queries(const IndexStore& store, TBallArray& results, ResultView& view, const Clock& clock,
                 const LeadBytes& lead, std::function<void()> process_messages)
    : store_(store),
      results_(results),
      view_(view),
      clock_(clock),
      lead_(lead),
      process_messages_(std::move(process_messages)) {}

void Queries::SearchByKeyword(std::string_view keyword) {
  std::uint32_t start = clock_.TickCount();
  ++generation_;
  auto label = [&] {
    view_.SetResultLabel(KeywordResultLabel(results_.Count(), clock_.TickCount() - start));
  };
  try {
    std::shared_ptr<const IndexList> index = store_.Current();
    ResultLines lines;
    if (index) {
      lines = keywords_.Find(*index, store_.State(), keyword);
    } else {
      keywords_.Clear();
    }
    if (!lines || lines->empty()) index.reset();
    results_.Assign(std::move(index), std::move(lines));
    view_.SetRowCount(results_.Count());
  } catch (...) {
    label();
    throw;
  }
  label();
}

void Queries::SearchByExtensions(std::string_view first, std::string_view second) {
  std::uint32_t start = clock_.TickCount();
  std::uint64_t generation = ++generation_;
  auto label = [&] {
    view_.SetResultLabel(CategoryResultLabel(results_.Count(), clock_.TickCount() - start));
  };
  try {
    std::shared_ptr<const IndexList> index = store_.Current();
    std::vector<std::size_t> matches;
    if (index) matches = FindExtensions(*index, first, second, lead_);
    if (!FillWhilePumping(generation, index, matches)) return;
    view_.SetRowCount(results_.Count());
  } catch (...) {
    if (generation == generation_) label();
    throw;
  }
  label();
}

bool Queries::FillWhilePumping(std::uint64_t generation, std::shared_ptr<const IndexList> index,
                               const std::vector<std::size_t>& matches) {
  // The rows go into a result set of their own, which replaces the one on show only when
  // complete. A query started from the message processing in between is newer than this one:
  // its rows stay on show and these are dropped.
  std::vector<std::size_t> rows;
  rows.reserve(matches.size());
  for (std::size_t done = 0; done < matches.size();) {
    std::size_t slice = std::min(kRowsPerMessagePump, matches.size() - done);
    rows.insert(rows.end(), matches.begin() + std::ptrdiff_t(done),
                matches.begin() + std::ptrdiff_t(done + slice));
    done += slice;
    if (process_messages_) process_messages_();
    if (generation != generation_) return false;
  }
  TBallArray fresh;
  if (!rows.empty()) fresh.Assign(std::move(index), std::move(rows));
  results_.Swap(fresh);
  return true;
}

}  // namespace vl
