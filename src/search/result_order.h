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

#include <cstddef>
#include <cstdint>
#include <functional>
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

// The text of position p; scratch is the caller's, one per thread, for a text made on demand.
using TextOf = std::function<std::string_view(std::uint32_t p, std::string& scratch)>;

// Sorts positions 0 .. count - 1 by their texts, split across up to `threads` threads.
TextOrder OrderByText(std::size_t count, const TextOf& text, unsigned threads);

// The ranks of what the folder column shows for each entry of an index: equal texts share a
// rank. The column text of an entry is that of its folder, except for an entry whose name
// holds a ":" (a drive-relative line such as "C:x.txt"), which is ranked on its own.
struct FolderRanks {
  std::vector<std::uint32_t> of_folder;
  Rows irregular;  // ascending
  std::vector<std::uint32_t> irregular_rank;
  std::size_t ranks = 0;

  static FolderRanks Of(const IndexList& index, const LeadBytes& lead, unsigned threads);
  std::size_t MemoryBytes() const;
};

// The name and folder orders of one index, prepared before a user asks for them.
class PreparedOrders {
 public:
  PreparedOrders(const IndexList& index, const LeadBytes& lead, unsigned threads);

  const IndexList& Index() const { return *index_; }
  const TextOrder& Names() const { return names_; }
  const FolderRanks& Folders() const { return folders_; }
  std::size_t MemoryBytes() const { return names_.MemoryBytes() + folders_.MemoryBytes(); }

 private:
  const IndexList* index_;
  TextOrder names_;
  FolderRanks folders_;
};

struct SortContext {
  LeadBytes lead;
  // The orders prepared for the index the rows come from, or null.
  const PreparedOrders* prepared = nullptr;
  // The size of a path on disk (-1 when it does not exist).
  std::function<std::int64_t(const std::string&)> size_of;
  std::size_t size_limit = 0;
  unsigned threads = 1;
};

// The positions in rows (entries of index, ascending; null stands for every entry) in the
// order asked for: position k of the result is the row shown k-th. Nothing when the order
// cannot be given: a size sort of more rows than size_limit.
std::optional<Rows> SortedPositions(const IndexList& index, const Rows* rows, ResultOrder order,
                                    const SortContext& context);

}  // namespace vl
