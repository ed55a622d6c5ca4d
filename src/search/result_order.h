#pragma once
// Result rows in the order of a column, as a click on the result list's header asks: by the
// name, the folder or the type a row shows (natural_order.h: letters without regard to case,
// numbers by value), or by the size of the entry on disk. Rows that sort equal keep index
// order, in either direction. Without a column the rows keep index order.
//
// Sorting ten million rows by comparing their texts takes seconds, so the name and folder
// orders of a whole index are prepared once (PreparedOrders) and a result is then put in order
// by one pass over them: the rows of a name sort are picked from the prepared order of all
// names, those of a folder sort are counted into the prepared ranks of the folders. Results of
// a few thousand rows, and rows whose index has no prepared orders (rows kept from an index a
// rebuild replaced), are sorted by their texts directly. Sizes come from the disk, a lookup a
// row, so a size sort is given only up to a number of rows.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/index_list.h"
#include "search/path_ops.h"

namespace vl {

// The columns of the result list, numbered as they stand.
enum class SortColumn { kIndex = -1, kName = 0, kFolder = 1, kType = 2, kSize = 3 };

struct ResultOrder {
  SortColumn column = SortColumn::kIndex;
  bool descending = false;
  bool operator==(const ResultOrder&) const = default;
};

// The order after a click on a column's header section: the same column goes from ascending
// to descending and then back to index order; another column starts ascending.
ResultOrder NextOrder(ResultOrder current, SortColumn clicked);

// Positions 0 .. n - 1 sorted by a text of each, equal texts in position order.
struct TextOrder {
  Rows order;
  // tied[k]: order[k] sorts equal to order[k - 1].
  std::vector<bool> tied;

  std::size_t MemoryBytes() const;
};

// The text of position p; scratch is the caller's, for a text made on demand.
using TextOf = std::function<std::string_view(std::uint32_t p, std::string& scratch)>;

// Sorts positions 0 .. count - 1 by their texts a slice at a time, so that the window thread
// can sort a whole index between its messages: the first eight bytes of every key, then the
// runs of equal first parts by the rest of their keys. It holds the texts' positions and key
// parts, 16 bytes a text, twice while the first parts are sorted. A slice of many texts is
// split across the cores (text is then called from several threads at once).
class TextOrderBuilder {
 public:
  TextOrderBuilder(std::size_t count, TextOf text);
  // Does a slice of the work, a few milliseconds; true once the order is complete.
  bool Step();
  TextOrder Take() { return std::move(order_); }

  // A position and the part of its key that the sort is at.
  struct Item {
    std::uint64_t key;
    std::uint32_t id;
    std::uint32_t more;  // the key goes on past this part
  };
  // Items equal in the parts of their keys before offset, sorted by the part at offset.
  struct Span {
    std::size_t begin, end, offset;
  };

 private:
  enum class Phase { kKeys, kScatter, kRefine, kFinish, kDone };
  using ByteCounts = std::array<std::uint32_t, 256>;
  // Makes the key parts at offset of items [begin, end) on every core, handing each item to
  // each(part, item) after.
  template <typename EachKey>
  void SetKeys(std::size_t begin, std::size_t end, std::size_t offset, EachKey&& each);
  void MakeKeys(std::size_t end);
  void Scatter(std::size_t end);
  void RefineRuns();
  void RefineRange(std::size_t begin, std::size_t end, std::size_t offset);
  void NextPass();
  void Finish();

  std::size_t count_;
  TextOf text_;
  unsigned parts_;
  Phase phase_ = Phase::kKeys;
  std::size_t at_ = 0;
  int pass_ = -1;
  // Not zeroed when made: each page is first written by the part that fills it, so the cores
  // share the cost of fresh memory (at ten million texts a third of the whole sort).
  std::unique_ptr<Item[]> items_;
  std::unique_ptr<Item[]> spare_;
  std::array<ByteCounts, 8> counts_{};
  ByteCounts next_{};
  // Each part's counts of the bytes of its key parts.
  std::vector<std::array<ByteCounts, 8>> part_counts_;
  // Runs refined a level a step, on every core.
  std::vector<Span> wide_;
  std::vector<std::uint8_t> tied_;
  TextOrder order_;
};

// Sorts positions 0 .. count - 1 by their texts at once.
TextOrder OrderByText(std::size_t count, const TextOf& text);

// The ranks of what the folder column shows for each entry of an index: equal texts share a
// rank. The column text of an entry is that of its folder, except for an entry whose name
// holds a ":" (a drive-relative line such as "C:x.txt"), which is ranked on its own.
struct FolderRanks {
  std::vector<std::uint32_t> of_folder;
  Rows irregular;  // ascending
  std::vector<std::uint32_t> irregular_rank;
  std::size_t ranks = 0;

  static FolderRanks Of(const IndexList& index, const LeadBytes& lead);
  // The column texts to rank: folders 0 .. FolderCount() - 1, then the irregular entries.
  vl::TextOf TextOf(const IndexList& index, const LeadBytes& lead) const;
  // Takes the ranks from the sorted column texts.
  void Rank(const TextOrder& sorted, std::size_t folders);
  std::size_t MemoryBytes() const;
};

// The name and folder orders of one index.
struct PreparedOrders {
  const IndexList* index = nullptr;
  TextOrder names;
  FolderRanks folders;

  static PreparedOrders Of(const IndexList& index, const LeadBytes& lead);
  std::size_t MemoryBytes() const { return names.MemoryBytes() + folders.MemoryBytes(); }
};

// Prepares the orders of an index a slice at a time, the names' first unless a sort asks for
// the folders'. The index must outlive it.
class OrderPreparation {
 public:
  OrderPreparation(const IndexList& index, const LeadBytes& lead);
  // Does a slice of the work, on the order that `first` sorts by while it is not complete;
  // true once both orders are complete.
  bool Step(SortColumn first = SortColumn::kName);
  // Whether the order a sort by column uses is complete (a sort can use it from Orders()).
  bool Ready(SortColumn column) const;
  const IndexList& Index() const { return *orders_.index; }
  const PreparedOrders& Orders() const { return orders_; }
  // The orders, once complete.
  PreparedOrders Take() { return std::move(orders_); }

 private:
  void FoldersStep();

  PreparedOrders orders_;
  LeadBytes lead_;
  TextOrderBuilder names_;
  std::optional<TextOrderBuilder> folders_;
  bool names_done_ = false;
  bool folders_done_ = false;
};

struct SortContext {
  LeadBytes lead;
  // The orders prepared for the index the rows come from, or null.
  const PreparedOrders* prepared = nullptr;
  // The size of a path on disk (-1 when it does not exist).
  std::function<std::int64_t(const std::string&)> size_of;
  std::size_t size_limit = 0;
};

// Whether a name sort of this many rows of an index of `entries` entries picks them from the
// prepared orders (fewer are sorted by their texts).
bool UsesPreparedOrders(std::size_t rows, std::size_t entries);

// Puts into `out` the positions in rows (entries of index, ascending; null stands for every
// entry) in the order asked for: position k is the row shown k-th. False, with `out` as it
// was, when the order cannot be given: a size sort of more rows than size_limit. `out` is
// overwritten; a vector kept from the sort before keeps its memory, which ten million rows
// would otherwise take fresh from the system at every sort (its pages cost more to fault in
// than the sort itself costs).
bool SortedPositions(const IndexList& index, const Rows* rows, ResultOrder order,
                     const SortContext& context, Rows& out);

}  // namespace vl
