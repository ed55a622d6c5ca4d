#pragma once
// The two queries over the in-memory index and the result set they fill.
//
// The keyword query keeps every line that holds the keyword as a substring with ASCII letters
// folded on both sides ("A".."Z" only, wherever they stand); an empty keyword keeps nothing.
// The category query keeps every line whose extension (ExtractFileExt) equals one of two
// extensions byte for byte. Results keep index order; nothing is sorted or dropped. An absent
// index is searched as an empty one.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/clock.h"
#include "search/index_list.h"
#include "search/keyword_cache.h"
#include "search/path_ops.h"

namespace vl {

// One result row: a line of the index it came from.
class TBall {
 public:
  TBall(const IndexList& index, std::size_t line) : index_(&index), line_(line) {}
  // The row's full path, exactly as the index line reads. The view is valid until the index
  // grows (a rebuild running) or the result set is replaced; copy it to keep it.
  std::string_view Path() const { return index_->Line(line_); }
  std::size_t IndexLine() const { return line_; }

 private:
  const IndexList* index_;
  std::size_t line_;
};

// The result set: row i of the result list shows element i. The rows hold the index they came
// from, so a rebuild or a clear never changes the rows on show. The line numbers may be shared
// with the keyword cache; neither side ever changes them.
class TBallArray {
 public:
  std::size_t Count() const { return lines_ ? lines_->size() : 0; }
  bool Empty() const { return Count() == 0; }
  TBall operator[](std::size_t row) const { return TBall(*index_, (*lines_)[row]); }
  std::string_view Path(std::size_t row) const { return index_->Line((*lines_)[row]); }

  void Assign(std::shared_ptr<const IndexList> index, std::vector<std::size_t> lines);
  void Assign(std::shared_ptr<const IndexList> index, ResultLines lines);
  void Clear();
  void Swap(TBallArray& other) noexcept;

 private:
  std::shared_ptr<const IndexList> index_;
  ResultLines lines_;
};

// The result list and its label, as the main window shows them.
class ResultView {
 public:
  virtual ~ResultView() = default;
  // Sets the result list's row count and repaints it at once (the rows on show fetch their
  // texts now, inside the query's measured time).
  virtual void SetRowCount(std::size_t rows) = 0;
  virtual void SetResultLabel(std::string_view text) = 0;
};

// The matching lines, in index order.
std::vector<std::size_t> FindKeyword(const IndexList& index, std::string_view keyword);
// The lines among candidates (index lines in index order) that hold the keyword.
std::vector<std::size_t> FindKeywordAmong(const IndexList& index, std::string_view keyword,
                                          const std::vector<std::size_t>& candidates);
std::vector<std::size_t> FindExtensions(const IndexList& index, std::string_view first,
                                        std::string_view second, const LeadBytes& lead);

// The result label texts: count, fixed text, milliseconds, fixed text.
std::string KeywordResultLabel(std::size_t count, std::uint32_t milliseconds);
std::string CategoryResultLabel(std::size_t count, std::uint32_t milliseconds);

class Queries {
 public:
  // process_messages runs while a category query fills its rows; it may start other queries.
  // A category query that another query overtakes that way leaves the newer rows and label
  // on show.
  Queries(const IndexStore& store, TBallArray& results, ResultView& view, const Clock& clock,
          const LeadBytes& lead, std::function<void()> process_messages = {});

  // The caller passes the keyword box's text after Trim. Recent keywords over the same index
  // are answered from the keyword cache (see keyword_cache.h).
  void SearchByKeyword(std::string_view keyword);
  // A category button: its two extensions, dot included (".mp3", ".wma").
  void SearchByExtensions(std::string_view first, std::string_view second);

 private:
  bool FillWhilePumping(std::uint64_t generation, std::shared_ptr<const IndexList> index,
                        const std::vector<std::size_t>& matches);

  const IndexStore& store_;
  TBallArray& results_;
  ResultView& view_;
  const Clock& clock_;
  LeadBytes lead_;
  std::function<void()> process_messages_;
  std::uint64_t generation_ = 0;
  KeywordCache keywords_;
};

}  // namespace vl
