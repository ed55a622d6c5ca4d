#include "search/queries.h"

#include <algorithm>
#include <new>

namespace vl {
namespace {

// Rows are copied into a fresh result set in slices, with the window's messages processed
// between two slices once a paint's time has passed since they last were, so a large category
// result keeps the window painting. Not after every slice: a look at the message queue can be a
// round trip to the window server (under Wine, 24 ms for the 524 slices of 134,064 rows).
constexpr std::size_t kRowsPerMessagePump = 256;
constexpr std::uint32_t kMessagePumpMs = 15;

std::string ResultLabel(std::size_t count, std::string_view after_count, std::uint32_t ms,
                        std::string_view after_ms) {
  std::string label = std::to_string(count);
  label += after_count;
  label += std::to_string(ms);
  label += after_ms;
  return label;
}

}  // namespace

std::size_t TBallArray::Count() const {
  if (rows_) return rows_->size();
  return index_ ? index_->Count() : 0;
}

void TBallArray::Assign(std::shared_ptr<IndexList> index, ResultLines rows) {
  order_.reset();
  if (!index || !rows || rows->empty()) {
    Clear();
    return;
  }
  index_ = std::move(index);
  rows_ = std::move(rows);
}

void TBallArray::Clear() {
  index_.reset();
  rows_.reset();
  order_.reset();
}

void TBallArray::Swap(TBallArray& other) noexcept {
  index_.swap(other.index_);
  rows_.swap(other.rows_);
  order_.swap(other.order_);
}

void TBallArray::Detach(std::shared_ptr<IndexList> old) {
  if (!old || index_ != old || !rows_) return;
  index_.reset();
  const bool last = old.use_count() == 1;
  try {
    IndexList own = last ? IndexList::TakeEntries(std::move(*old), *rows_)
                         : IndexList::CopyEntries(*old, *rows_);
    old.reset();
    index_ = std::make_shared<IndexList>(std::move(own));
    rows_.reset();
  } catch (...) {
    // A list taken apart cannot show its rows again.
    if (last) {
      Clear();
    } else {
      index_ = std::move(old);
    }
    throw;
  }
}

std::string KeywordResultLabel(std::size_t count, std::uint32_t milliseconds) {
  return ResultLabel(count, "    results taken   ", milliseconds, "    milliseconds");
}

std::string CategoryResultLabel(std::size_t count, std::uint32_t milliseconds) {
  return ResultLabel(count, "  results taken   ", milliseconds, "     milliseconds");
}

Queries::Queries(IndexStore& store, TBallArray& results, ResultView& view, const Clock& clock,
                 const LeadBytes& lead, std::function<void()> process_messages)
    : store_(store),
      results_(results),
      view_(view),
      clock_(clock),
      lead_(lead),
      process_messages_(std::move(process_messages)) {
  store_.OnReplaced([this](std::shared_ptr<IndexList> old) { IndexReplaced(std::move(old)); });
}

Queries::~Queries() {
  store_.OnReplaced(nullptr);
}

void Queries::IndexReplaced(std::shared_ptr<IndexList> old) {
  // The cached rows belong to the old index; with them gone, the rows on show may hold its
  // last reference. A rebuild needs its memory now, so the scans' buffers go too, unless the
  // new index is about the old one's size (a pass over the disk).
  keywords_.Clear();
  const IndexList* now = store_.Current().get();
  scratch_.IndexReplaced(old ? old->Count() : 0, now ? now->Count() : 0);
  preparing_.reset();
  prepared_.reset();
  unprepared_ = nullptr;
  results_.Detach(std::move(old));
}

void Queries::Prepare() {
  if (store_.Current()) scratch_.Prepare(*store_.Current());
}

void Queries::SearchByKeyword(std::string_view keyword) {
  std::uint32_t start = clock_.TickCount();
  ++generation_;
  last_query_ = LastQuery::kKeyword;
  auto label = [&] { view_.SetResultLabel(Label(start)); };
  try {
    std::shared_ptr<IndexList> index = store_.Current();
    ResultLines lines;
    if (index) {
      lines = keywords_.Find(*index, store_.State(), keyword, scratch_);
    } else {
      keywords_.Clear();
    }
    ResultLines previous = results_.Lines();
    results_.Assign(std::move(index), std::move(lines));
    scratch_.Recycle(std::move(previous));
    ApplyOrder();
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
  last_query_ = LastQuery::kCategory;
  auto label = [&] { view_.SetResultLabel(Label(start)); };
  try {
    std::shared_ptr<IndexList> index = store_.Current();
    Rows matches;
    if (index) FindExtensions(*index, first, second, lead_, matches, scratch_);
    if (!FillWhilePumping(generation, start, std::move(index), matches)) return;
    ApplyOrder();
    view_.SetRowCount(results_.Count());
  } catch (...) {
    if (generation == generation_) label();
    throw;
  }
  label();
}

bool Queries::FillWhilePumping(std::uint64_t generation, std::uint32_t start,
                               std::shared_ptr<IndexList> index, const Rows& matches) {
  // The rows go into a result set of their own, which replaces the one on show only when
  // complete. A query started from the message processing in between is newer than this one:
  // its rows stay on show and these are dropped.
  Rows rows;
  rows.reserve(matches.size());
  // The scan before the fill let no message through either.
  std::uint32_t pumped = start;
  for (std::size_t done = 0; done < matches.size();) {
    std::size_t slice = std::min(kRowsPerMessagePump, matches.size() - done);
    rows.insert(rows.end(), matches.begin() + std::ptrdiff_t(done),
                matches.begin() + std::ptrdiff_t(done + slice));
    done += slice;
    if (!process_messages_ || clock_.TickCount() - pumped < kMessagePumpMs) continue;
    process_messages_();
    if (generation != generation_) return false;
    pumped = clock_.TickCount();
  }
  TBallArray fresh;
  fresh.Assign(index, std::make_shared<Rows>(std::move(rows)));
  // A rebuild or a clear started from the message processing has replaced the index these
  // rows come from: they let it go as the rows on show did.
  if (index != store_.Current()) fresh.Detach(std::move(index));
  results_.Swap(fresh);
  // The rows that left the screen leave their room to the next large result.
  ResultLines previous = fresh.Lines();
  fresh.Clear();
  scratch_.Recycle(std::move(previous));
  return true;
}

std::string Queries::Label(std::uint32_t start) const {
  const std::uint32_t ms = clock_.TickCount() - start;
  return last_query_ == LastQuery::kCategory ? CategoryResultLabel(results_.Count(), ms)
                                             : KeywordResultLabel(results_.Count(), ms);
}

bool Queries::SetOrder(ResultOrder order) {
  const std::uint32_t start = clock_.TickCount();
  if (order.column == SortColumn::kSize && results_.Count() > size_limit_) return false;
  order_ = order;
  ApplyOrder();
  view_.SetRowCount(results_.Count());
  if (last_query_ != LastQuery::kNone) view_.SetResultLabel(Label(start));
  return true;
}

void Queries::SetSizeLookup(std::function<std::int64_t(const std::string&)> size_of,
                            std::size_t limit) {
  size_of_ = std::move(size_of);
  size_limit_ = size_of_ ? limit : 0;
}

void Queries::ApplyOrder() {
  shown_ = {};
  results_.SetOrder(nullptr);
  const IndexList* source = results_.Source();
  if (order_.column != SortColumn::kIndex && source) {
    const std::size_t count = results_.Count();
    const SortContext context{lead_, PreparedFor(*source, count), size_of_, size_limit_};
    // The order before is overwritten when nothing else shows it any more.
    if (!order_rows_ || order_rows_.use_count() > 1) order_rows_ = std::make_shared<Rows>();
    if (SortedPositions(*source, results_.Lines().get(), order_, context, *order_rows_)) {
      results_.SetOrder(order_rows_);
      shown_ = order_;
    }
  }
  view_.ShowOrder(shown_);
}

bool Queries::OrdersPrepared() const {
  return prepared_ && prepared_->index == store_.Current().get();
}

bool Queries::OrderReady(const IndexList& index) const {
  if (prepared_ && prepared_->index == &index) return true;
  return preparing_ && &preparing_->Index() == &index && preparing_->Ready(order_.column);
}

bool Queries::WouldWaitForOrders(std::size_t rows) const {
  const IndexList* index = store_.Current().get();
  return (order_.column == SortColumn::kName || order_.column == SortColumn::kFolder) && index &&
         index != unprepared_ && UsesPreparedOrders(rows, index->Count()) && !OrderReady(*index);
}

const PreparedOrders* Queries::PreparedFor(const IndexList& index, std::size_t rows) {
  if (&index == store_.Current().get() && WouldWaitForOrders(rows)) {
    ++waits_;
    // Only the order this sort uses: the other is left to the idle time after.
    while (!PrepareOrdersStep(order_.column) && !OrderReady(index)) {
    }
  }
  if (prepared_ && prepared_->index == &index) return prepared_.get();
  return OrderReady(index) ? &preparing_->Orders() : nullptr;
}

bool Queries::PrepareStep() {
  // What the keys need comes first, then the room a sort writes into (a fraction of a second
  // at millions of entries), then the orders (seconds), so that a sort asked for while the
  // orders are still being made pays only for them.
  const IndexList* index = store_.Current().get();
  if (index && !scratch_.PrepareRoomStep(*index)) return false;
  // Room for the positions of every entry, written once: the first sort then costs what any
  // other does instead of waiting for the system to hand out fresh memory page by page.
  if (!ReserveOrderRowsStep()) return false;
  // The order the rows on show are asked in first, for a query that waits to run again.
  return PrepareOrdersStep(order_.column);
}

bool Queries::PrepareOrdersStep(SortColumn first) {
  const IndexList* index = store_.Current().get();
  if (!index || index == unprepared_ || (prepared_ && prepared_->index == index)) return true;
  try {
    if (!preparing_ || &preparing_->Index() != index) {
      preparing_ = std::make_unique<OrderPreparation>(*index, lead_);
    }
    if (!preparing_->Step(first)) return false;
    prepared_ = std::make_unique<PreparedOrders>(preparing_->Take());
  } catch (const std::bad_alloc&) {
    // Sorts of this index go by the texts of their rows instead.
    unprepared_ = index;
  }
  preparing_.reset();
  return true;
}

bool Queries::ReserveOrderRowsStep() {
  const IndexList* index = store_.Current().get();
  if (!index || index == order_room_for_) return true;
  try {
    if (!order_rows_) order_rows_ = std::make_shared<Rows>();
    // A sort on show holds the room it needed.
    if (order_rows_.use_count() == 1 && !MakeRoomSlice(*order_rows_, index->Count())) {
      return false;
    }
  } catch (const std::bad_alloc&) {
    // The first sort takes its room then.
  }
  order_room_for_ = index;
  return true;
}

}  // namespace vl
