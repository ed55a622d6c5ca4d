#pragma once
// The two queries over the in-memory index and the result set they fill.
//
// The keyword query keeps every line that holds the keyword as a substring with ASCII letters
// folded on both sides ("A".."Z" only, wherever they stand); an empty keyword keeps nothing.
// The category query keeps every line whose extension (ExtractFileExt) equals one of two
// extensions byte for byte. Results keep index order; nothing is sorted or dropped. An absent
// index is searched as an empty one. The scans themselves, over the index stored by folder and
// split across the cores, are in queries_scan.h.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "framework/clock.h"
#include "search/index_list.h"
#include "search/keyword_cache.h"
#include "search/path_ops.h"
#include "search/queries_scan.h"
#include "search/result_order.h"

namespace vl {

// One result row: an entry of the index it came from.
class TBall {
 public:
  TBall(const IndexList& index, std::size_t entry) : index_(&index), entry_(entry) {}
  // The row's full path, exactly as the index line reads.
  std::string Path() const { return index_->Line(entry_); }
  std::size_t Entry() const { return entry_; }

 private:
  const IndexList* index_;
  std::size_t entry_;
};

// The result set: row i of the result list shows element i, an entry number of the index the
// rows came from (4 bytes a row), or, in a column's order, the element that the order puts i-th
// (4 bytes more a row). The entry numbers may be shared with the keyword cache; neither side
// ever changes them. When that index is replaced (a rebuild, a clear), the rows
// let it go and keep what they show: see Detach.
class TBallArray {
 public:
  std::size_t Count() const;
  bool Empty() const { return Count() == 0; }
  TBall operator[](std::size_t row) const { return TBall(*index_, Entry(row)); }
  std::string Path(std::size_t row) const { return index_->Line(Entry(row)); }

  // Empty rows leave nothing held.
  // Rows in index order.
  void Assign(std::shared_ptr<IndexList> index, ResultLines rows);
  // Shows the rows in an order: row i shows the element at position (*positions)[i]; null
  // gives index order back.
  void SetOrder(ResultLines positions) { order_ = std::move(positions); }
  void Clear();
  void Swap(TBallArray& other) noexcept;

  // Called with an index that is no longer the process-wide one. Rows taken from it move to a
  // list of their own that holds only their paths (their folders once, their names), so that
  // the index can be released at once: the rows cost their paths' bytes in the stored layout,
  // copied in one pass over the rows. When the rows hold the last reference to the old index,
  // its blocks of names are freed while their rows are copied, so the copy never adds more
  // than one block to the memory of the two. Rows that show nothing hold nothing.
  void Detach(std::shared_ptr<IndexList> old);
  // The list the rows read their paths from; null when there are no rows.
  const IndexList* Source() const { return index_.get(); }
  // The rows in index order.
  const ResultLines& Lines() const { return rows_; }

 private:
  std::size_t Entry(std::size_t row) const {
    const std::size_t at = order_ ? (*order_)[row] : row;
    return rows_ ? (*rows_)[at] : at;
  }

  std::shared_ptr<IndexList> index_;
  // Null, with an index, after Detach: every entry of the index in order.
  ResultLines rows_;
  // Positions in rows_ in the order shown; null for index order. A Detach keeps them: the
  // entries of the detached list are the rows' positions.
  ResultLines order_;
};

// The result list and its label, as the main window shows them.
class ResultView {
 public:
  virtual ~ResultView() = default;
  // Sets the result list's row count and repaints it at once (the rows on show fetch their
  // texts now, inside the query's measured time).
  virtual void SetRowCount(std::size_t rows) = 0;
  virtual void SetResultLabel(std::string_view text) = 0;
  // The order the rows on show are in (for the header's direction mark).
  virtual void ShowOrder(ResultOrder) {}
};

// The result label texts: count, fixed text, milliseconds, fixed text.
std::string KeywordResultLabel(std::size_t count, std::uint32_t milliseconds);
std::string CategoryResultLabel(std::size_t count, std::uint32_t milliseconds);

class Queries {
 public:
  // process_messages runs while a category query fills its rows; it may start other queries.
  // A category query that another query overtakes that way leaves the newer rows and label
  // on show.
  // The queries tell the store that the rows on show let a replaced index go.
  Queries(IndexStore& store, TBallArray& results, ResultView& view, const Clock& clock,
          const LeadBytes& lead, std::function<void()> process_messages = {});
  ~Queries();
  Queries(const Queries&) = delete;
  Queries& operator=(const Queries&) = delete;

  // The caller passes the keyword box's text after Trim. Recent keywords over the same index
  // are answered from the keyword cache (see keyword_cache.h).
  void SearchByKeyword(std::string_view keyword);
  // A category button: its two extensions, dot included (".mp3", ".wma").
  void SearchByExtensions(std::string_view first, std::string_view second);

  // Starts what any query over the index on show needs (ScanScratch::Prepare); the window calls
  // it before it takes input. The rest comes in idle slices (PrepareOrdersStep).
  void Prepare();

  // How the last keyword query got its rows (for measurements).
  const KeywordCache& Keywords() const { return keywords_; }

  // Shows the rows on show, and every later result, in an order, and repaints and labels the
  // rows with the time the sort took. A size sort of more rows than the size limit is refused
  // (false) and changes nothing; a later result of more rows than the limit is shown in index
  // order while the size order waits for a smaller one.
  bool SetOrder(ResultOrder order);
  ResultOrder Order() const { return order_; }
  // The order the rows on show are in.
  ResultOrder ShownOrder() const { return shown_; }
  // How sizes are looked up, and the most rows a size sort looks up (none without a lookup).
  void SetSizeLookup(std::function<std::int64_t(const std::string&)> size_of, std::size_t limit);
  std::size_t SizeSortLimit() const { return size_limit_; }

  // Prepares the room the scans of the current index write into (ScanScratch::PrepareRoomStep),
  // the room a sort of all its entries writes into, then its name and folder orders, a slice at
  // a time (a few milliseconds each), for the window to call while it is idle; true once there
  // is nothing left to do. A sort that needs an order before it is complete completes it
  // first, and only it.
  bool PrepareStep();
  const PreparedOrders* Prepared() const { return prepared_.get(); }
  // Whether both orders of the current index are ready.
  bool OrdersPrepared() const;
  // Whether a result of about this many rows, put in the order set, would first wait for the
  // current index's orders to be prepared (seconds at millions of entries).
  bool WouldWaitForOrders(std::size_t rows) const;
  // How many sorts have waited for orders so far.
  std::size_t SortsThatWaited() const { return waits_; }

 private:
  bool FillWhilePumping(std::uint64_t generation, std::uint32_t start,
                        std::shared_ptr<IndexList> index, const Rows& matches);
  void IndexReplaced(std::shared_ptr<IndexList> old);
  void ApplyOrder();
  const PreparedOrders* PreparedFor(const IndexList& index, std::size_t rows);
  // Whether the order that order_ sorts by is complete for index.
  bool OrderReady(const IndexList& index) const;
  // One slice of the orders of the current index, on the one that `first` sorts by while it is
  // not complete; true once they are complete.
  bool PrepareOrdersStep(SortColumn first = SortColumn::kName);
  bool ReserveOrderRowsStep();
  std::string Label(std::uint32_t start) const;

  IndexStore& store_;
  TBallArray& results_;
  ResultView& view_;
  const Clock& clock_;
  LeadBytes lead_;
  std::function<void()> process_messages_;
  std::uint64_t generation_ = 0;
  KeywordCache keywords_;
  ScanScratch scratch_;
  ResultOrder order_;
  ResultOrder shown_;
  // The positions of the rows on show in order_, shared with results_; kept between sorts
  // (4 bytes an entry of the index, made before its orders are prepared).
  std::shared_ptr<Rows> order_rows_;
  const IndexList* order_room_for_ = nullptr;
  std::function<std::int64_t(const std::string&)> size_of_;
  std::size_t size_limit_ = 0;
  std::unique_ptr<OrderPreparation> preparing_;
  std::unique_ptr<PreparedOrders> prepared_;
  // The index whose preparation ran out of memory: its sorts go by the texts.
  const IndexList* unprepared_ = nullptr;
  std::size_t waits_ = 0;
  enum class LastQuery { kNone, kKeyword, kCategory } last_query_ = LastQuery::kNone;
};

}  // namespace vl
