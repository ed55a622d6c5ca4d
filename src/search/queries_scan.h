#pragma once
// The scans of the two queries over the index stored by folder (index_list.h).
//
// Keyword. A path is its folder text, which ends in "\", followed by its name, which holds no
// "\". The keyword occurs in the path when it occurs in the folder, in the name, or across their
// join; an occurrence across the join holds the folder's last byte, a "\", and its rest lies in
// the name, so it puts the keyword's last "\" on the end of the folder: the keyword up to that
// "\" ends the folder and the keyword after it starts the name. A keyword without "\" therefore
// never spans the join, and one with "\" is never inside a name. So each distinct folder is
// tested once per query (one pass over the folder texts), then the runs of entries are visited
// in index order: a run whose folder holds the keyword gives all its entries without reading a
// name, and the names of the other runs are searched only for a keyword without "\" (or, for
// one with "\", only tested for the keyword's end when their folder ends with its start). The
// rows are exactly those of the plain test, LowerCase(keyword) in LowerCase(path), in index
// order.
//
// Category. An extension is taken from the name alone, which gives the same text as the whole
// path: the byte after the last "\" always starts a character (the byte value of "\" is never a
// lead byte), and an extension without a "\" byte lies inside the name. Only a test against an
// empty extension, or one holding "\", looks at the whole path.
//
// Parts. A scan of a large index is split into parts of a tenth of a millisecond of work or more,
// a few for each core, each a range of folders, runs or candidates, and run as a fork-join
// (fork_join.h) with the rows of the parts joined in order. The parts read the index, which does
// not change while they run, and write rows of their own. With one core, or little to scan, the
// calling thread scans alone.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "search/fork_join.h"
#include "search/index_list.h"
#include "search/path_ops.h"

namespace vl {

// How many parts a scan makes for each core.
constexpr unsigned kPartsPerThread = 4;

// The buffers that scans reuse from one query to the next, so that no query allocates per row
// nor grows a buffer row by row, and the most threads a scan may use (0: one per core).
class ScanScratch {
 public:
  unsigned max_parts = 0;
  // The fewest folders, entries or candidates a part gets (0: the scan's own measure, below
  // which a thread costs more than it saves).
  std::size_t min_part_units = 0;

  unsigned Threads() const;
  // How many parts a scan of this many units gets, at least min_units a part.
  unsigned Parts(std::size_t units, std::size_t min_units) const;
  // The rows of a part, made on first use: parts running at once ask only for rows made before.
  Rows& PartRows(unsigned part);
  // One mark per folder, all zero.
  std::atomic<std::uint8_t>* Marks(std::size_t folders);
  // An empty buffer for a result's rows: the room of the largest earlier result that nothing
  // holds any more, so that a large result neither grows its buffer nor touches fresh memory.
  // Two rooms are kept: the result on show holds one while the next query writes into another.
  Rows TakeRows();
  // Keeps the room of a result that has left the screen, when nothing else holds it.
  void Recycle(ResultLines rows);
  // Keeps the room of a buffer that TakeRows gave and the result did not need.
  void GiveBack(Rows&& rows);
  // Frees every buffer: the index they were sized for has gone.
  void Release();
  // The index the buffers were made for has been replaced by one of new_count entries. A pass
  // over the disk changes a few entries, and the buffers (made with room to spare) serve the new
  // index as they are, so the query run again after it meets no fresh memory; a rebuild's step
  // or a clear, which change the size more, needs their memory now: they are freed.
  void IndexReplaced(std::size_t old_count, std::size_t new_count);
  // Starts the helpers and makes everything a scan of index writes into: the folder marks,
  // room for two results of every entry (the second for the query typed while the first is on
  // show) and the rows of the parts, written once so that the system has given their memory.
  // Fresh memory costs about 3 ms a megabyte on the slowest machine measured, which the first
  // keys would otherwise pay.
  void Prepare(const IndexList& index);
  // The same rooms a slice at a time (a few milliseconds each), for the window's idle time
  // after the index is replaced. True when there is nothing left.
  bool PrepareRoomStep(const IndexList& index);

 private:
  std::vector<Rows> part_rows_;
  std::array<Rows, 2> spares_;
  // Where PrepareRoomStep is: the index and the room it writes.
  const IndexList* room_index_ = nullptr;
  std::size_t room_count_ = 0;
  unsigned room_ = 0;
  unsigned room_parts_ = 1;
  std::unique_ptr<std::atomic<std::uint8_t>[]> marks_;
  std::size_t marks_size_ = 0;
};

// Writes the next slice of room for `entries` rows into rows, whose contents are not kept, so
// that the system hands out its memory a few milliseconds at a time; true once the whole room
// is written (rows is empty again).
bool MakeRoomSlice(Rows& rows, std::size_t entries);

// The keyword's matching entries, in index order, into rows (emptied first). An empty keyword,
// or one holding a CR, LF or NUL byte (which no line holds), matches nothing. A keyword that
// holds more than ASCII is searched by the Unicode rules (queries_fold.h).
void FindKeyword(const IndexList& index, std::string_view keyword, Rows& rows,
                 ScanScratch& scratch);
Rows FindKeyword(const IndexList& index, std::string_view keyword);
// The entries among candidates (ascending) that hold the keyword.
void FindKeywordAmong(const IndexList& index, std::string_view keyword, const Rows& candidates,
                      Rows& rows, ScanScratch& scratch);
Rows FindKeywordAmong(const IndexList& index, std::string_view keyword, const Rows& candidates);
// The entries whose extension (ExtractFileExt) equals first or second byte for byte.
void FindExtensions(const IndexList& index, std::string_view first, std::string_view second,
                    const LeadBytes& lead, Rows& rows, ScanScratch& scratch);
Rows FindExtensions(const IndexList& index, std::string_view first, std::string_view second,
                    const LeadBytes& lead);

// Sums every stored byte of the index (folder texts and names) in one pass on one thread: the
// floor for any scan of it.
std::uint64_t ReadPass(const IndexList& index);

}  // namespace vl
