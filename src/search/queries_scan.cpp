#include "search/queries_scan.h"

#include <algorithm>
#include <new>
#include <string>

#include "search/byte_scan.h"
#include "search/case_fold.h"
#include "search/queries_fold.h"

namespace vl {
namespace {

using Block = TextBlocks::Block;
constexpr std::size_t kNone = std::string_view::npos;

// A part gets a tenth of a millisecond of work or more: below that, waking a helper costs more
// than the part saves. (A helper that the system is slow to run costs nothing more: the calling
// thread takes the parts left.)
constexpr std::size_t kMinFoldersPerPart = std::size_t(1) << 14;
constexpr std::size_t kMinEntriesPerPart = std::size_t(1) << 17;
constexpr std::size_t kMinCandidatesPerPart = std::size_t(1) << 14;
// Rooms are made this fraction larger than the index, so that the index a pass over the disk
// makes (a few entries more) still fits them.
constexpr std::size_t kRoomSpare = 64;

// How far ahead a refining scan asks for the memory of the candidates it will read.
constexpr std::size_t kFetchAhead = 8;

// What a keyword query has learnt of a folder. A full pass tests every folder first; a refining
// one tests a folder when it first meets it, and marks it tested.
constexpr std::uint8_t kTested = 1;
constexpr std::uint8_t kHolds = 2;         // the folder holds the keyword
constexpr std::uint8_t kEndsWithHead = 4;  // the folder ends with the keyword up to its last "\"

bool HasLineBreakOrNul(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// What a keyword asks of folders and names (see the header).
class KeywordPlan {
 public:
  explicit KeywordPlan(std::string_view keyword)
      : matches_nothing_(keyword.empty() || HasLineBreakOrNul(keyword)), search_(keyword) {
    const std::size_t cut = keyword.rfind('\\');
    if (cut == kNone) return;
    const std::string folded = LowerCase(keyword);
    head_ = folded.substr(0, cut + 1);
    tail_ = folded.substr(cut + 1);
  }

  bool MatchesNothing() const { return matches_nothing_; }
  const FoldedSearch& Search() const { return search_; }
  bool SearchesNames() const { return head_.empty(); }
  // Whether a folder that ends with the keyword's head needs its names tested for the tail (a
  // keyword ending in "\" lies wholly in the folder when it matches).
  bool TestsJoin() const { return !head_.empty() && !tail_.empty(); }
  bool EndsWithHead(std::string_view folder) const {
    return folder.size() >= head_.size() &&
           EqualsFolded(folder.substr(folder.size() - head_.size()), head_);
  }
  bool StartsWithTail(std::string_view name) const {
    return name.size() >= tail_.size() && EqualsFolded(name.substr(0, tail_.size()), tail_);
  }
  std::uint8_t TestFolder(std::string_view folder) const {
    std::uint8_t mark = kTested;
    if (search_.Find(folder, 0) != kNone) mark |= kHolds;
    if (TestsJoin() && EndsWithHead(folder)) mark |= kEndsWithHead;
    return mark;
  }

 private:
  bool matches_nothing_;
  FoldedSearch search_;
  std::string head_;
  std::string tail_;
};

// The blocks of a TextBlocks that hold texts [from, to), each with the block-relative range.
template <typename Fn>
void ForEachBlock(const TextBlocks& texts, std::size_t from, std::size_t to, Fn&& fn) {
  if (from >= to) return;
  const auto& blocks = texts.Blocks();
  for (std::size_t b = texts.BlockOf(from); b < blocks.size() && blocks[b].first < to; ++b) {
    const Block& block = blocks[b];
    fn(block, std::max(from, block.first) - block.first, std::min(to, block.End()) - block.first);
  }
}

// The folder pass of a keyword query over folders [from, to); found is scratch room. Returns
// how many of them hold the keyword.
std::size_t MarkFolders(const IndexList& index, const KeywordPlan& plan, std::size_t from,
                        std::size_t to, std::atomic<std::uint8_t>* marks, Rows& found) {
  std::size_t holding = 0;
  ForEachBlock(index.Folders(), from, to, [&](const Block& block, std::size_t k0, std::size_t k1) {
    found.clear();
    plan.Search().FindTexts(block.Bytes(), block.starts, k0, k1, std::uint32_t(block.first), found);
    holding += found.size();
    for (std::uint32_t folder : found) marks[folder].store(kHolds, std::memory_order_relaxed);
    if (!plan.TestsJoin()) return;
    for (std::size_t k = k0; k < k1; ++k) {
      if (!plan.EndsWithHead(block.Text(k))) continue;
      std::atomic<std::uint8_t>& mark = marks[block.first + k];
      mark.store(mark.load(std::memory_order_relaxed) | kEndsWithHead, std::memory_order_relaxed);
    }
  });
  return holding;
}

void AppendRange(Rows& rows, std::size_t from, std::size_t to) {
  const std::size_t at = rows.size();
  if (rows.capacity() - at < to - from) rows.reserve(std::max(at + (to - from), 2 * at));
  rows.resize(at + (to - from));
  std::uint32_t* out = rows.data() + at;
  for (std::size_t i = 0; i < to - from; ++i) out[i] = std::uint32_t(from + i);
}

// The entry pass of a keyword query over runs [r0, r1), after the folder pass. Runs in a row
// whose names are searched are searched as one stretch of their block.
void ScanRuns(const IndexList& index, const KeywordPlan& plan,
              const std::atomic<std::uint8_t>* marks, std::size_t r0, std::size_t r1, Rows& rows) {
  if (r0 >= r1) return;
  const auto& runs = index.Runs();
  const auto& blocks = index.Names().Blocks();
  std::size_t b = index.Names().BlockOf(runs[r0].first);
  // The stretch of names waiting to be searched: texts [k0, k1) of block b.
  std::size_t k0 = 0;
  std::size_t k1 = 0;
  auto search = [&] {
    if (k0 == k1) return;
    const Block& block = blocks[b];
    plan.Search().FindTexts(block.Bytes(), block.starts, k0, k1, std::uint32_t(block.first), rows);
    k0 = k1;
  };
  for (std::size_t r = r0; r < r1; ++r) {
    const std::size_t e0 = runs[r].first;
    const std::size_t e1 = index.RunEnd(r);
    const std::uint8_t mark = marks[runs[r].folder].load(std::memory_order_relaxed);
    if (blocks[b].End() <= e0) {
      search();
      while (blocks[b].End() <= e0) ++b;
      k0 = k1 = e0 - blocks[b].first;
    }
    const Block& block = blocks[b];
    if ((mark & kHolds) != 0) {
      search();
      AppendRange(rows, e0, e1);
    } else if ((mark & kEndsWithHead) != 0) {
      search();
      for (std::size_t e = e0; e < e1; ++e) {
        if (plan.StartsWithTail(block.Text(e - block.first))) rows.push_back(std::uint32_t(e));
      }
    } else if (plan.SearchesNames()) {
      if (k0 == k1) k0 = e0 - block.first;
      k1 = e1 - block.first;
      continue;
    }
    k0 = k1 = e1 - block.first;
  }
  search();
}

// A refining pass over candidates [c0, c1): each folder is tested when first met.
void RefineRange(const IndexList& index, const KeywordPlan& plan, std::atomic<std::uint8_t>* marks,
                 const Rows& candidates, std::size_t c0, std::size_t c1, Rows& rows) {
  if (c0 >= c1) return;
  const auto& runs = index.Runs();
  const auto& blocks = index.Names().Blocks();
  std::size_t r = index.RunOf(candidates[c0]);
  std::size_t b = index.Names().BlockOf(candidates[c0]);
  for (std::size_t i = c0; i < c1; ++i) {
    const std::size_t e = candidates[i];
    while (index.RunEnd(r) <= e) ++r;
    while (blocks[b].End() <= e) ++b;
    const Block& block = blocks[b];
    // The candidates lie apart in a large index, so each would wait for memory: the start of
    // the candidate 2 * kFetchAhead on is asked for, and the name of the one kFetchAhead on,
    // whose start has arrived by then.
    if (i + 2 * kFetchAhead < c1 && candidates[i + 2 * kFetchAhead] < block.End()) {
      PrefetchForRead(&block.starts[candidates[i + 2 * kFetchAhead] - block.first]);
    }
    if (i + kFetchAhead < c1 && candidates[i + kFetchAhead] < block.End()) {
      PrefetchForRead(block.bytes.data() + block.starts[candidates[i + kFetchAhead] - block.first]);
    }
    std::atomic<std::uint8_t>& mark_of = marks[runs[r].folder];
    std::uint8_t mark = mark_of.load(std::memory_order_relaxed);
    if ((mark & kTested) == 0) {
      mark = plan.TestFolder(index.FolderText(runs[r].folder));
      mark_of.store(mark, std::memory_order_relaxed);
    }
    const std::size_t k = e - block.first;
    bool match = (mark & kHolds) != 0;
    if (!match && (mark & kEndsWithHead) != 0) match = plan.StartsWithTail(block.Text(k));
    if (!match && plan.SearchesNames()) {
      match = plan.Search().StartsWithin(block.Bytes(), block.starts[k], block.starts[k + 1]);
    }
    if (match) rows.push_back(std::uint32_t(e));
  }
}

void ExtensionRange(const IndexList& index, std::string_view first, std::string_view second,
                    const LeadBytes& lead, std::size_t e0, std::size_t e1, Rows& rows) {
  auto matches = [&](std::string_view text) {
    const std::string_view ext = ExtractFileExt(text, lead);
    return ext == first || ext == second;
  };
  const bool whole_path = first.empty() || second.empty() || first.find('\\') != kNone ||
                          second.find('\\') != kNone || lead.IsLead('\\');
  if (whole_path) {
    std::string line;
    for (std::size_t e = e0; e < e1; ++e) {
      index.LineInto(e, line);
      if (matches(line)) rows.push_back(std::uint32_t(e));
    }
    return;
  }
  // An extension is a suffix of its name, so a test of the last byte and then of the suffix
  // sifts the names before the delimiter scan, which starts at the front of the name to step
  // over double-byte characters.
  const char last1 = first.back();
  const char last2 = second.back();
  ForEachBlock(index.Names(), e0, e1, [&](const Block& block, std::size_t k0, std::size_t k1) {
    const char* bytes = block.bytes.data();
    for (std::size_t k = k0; k < k1; ++k) {
      const std::size_t start = block.starts[k];
      const std::size_t end = block.starts[k + 1] - 1;
      if (end == start || (bytes[end - 1] != last1 && bytes[end - 1] != last2)) continue;
      const std::string_view name(bytes + start, end - start);
      if (!name.ends_with(first) && !name.ends_with(second)) continue;
      if (matches(name)) rows.push_back(std::uint32_t(block.first + k));
    }
  });
}

// Runs one part per range of [0, total) and joins their rows into rows in order.
void InParts(unsigned parts, std::size_t total, Rows& rows, ScanScratch& scratch,
             const std::function<void(std::size_t, std::size_t, Rows&)>& part) {
  // The parts' rows exist before the parts start, so that no part changes the list of them.
  scratch.PartRows(parts - 1);
  ForkJoin(parts, scratch.Threads(), [&](unsigned p) {
    Rows& out = p == 0 ? rows : scratch.PartRows(p);
    if (p != 0) out.clear();
    part(total * p / parts, total * (p + 1) / parts, out);
  });
  std::size_t size = rows.size();
  for (unsigned p = 1; p < parts; ++p) size += scratch.PartRows(p).size();
  rows.reserve(size);
  for (unsigned p = 1; p < parts; ++p) {
    const Rows& part_rows = scratch.PartRows(p);
    rows.insert(rows.end(), part_rows.begin(), part_rows.end());
  }
}

}  // namespace

unsigned ScanScratch::Threads() const {
  return max_parts != 0 ? std::min(max_parts, kMaxParts) : CoreCount();
}

unsigned ScanScratch::Parts(std::size_t units, std::size_t min_units) const {
  const unsigned threads = Threads();
  if (threads == 1) return 1;
  if (min_part_units != 0) min_units = min_part_units;
  return unsigned(std::clamp<std::size_t>(units / min_units, 1, threads * kPartsPerThread));
}

Rows ScanScratch::TakeRows() {
  Rows rows = std::move(spares_[0]);
  spares_[0] = std::move(spares_[1]);
  spares_[1] = Rows();
  rows.clear();
  return rows;
}

void ScanScratch::Recycle(ResultLines rows) {
  // Rows are made as a mutable vector and shared as a constant one; when nothing else holds
  // them, their room can be written again.
  if (rows && rows.use_count() == 1) GiveBack(std::move(const_cast<Rows&>(*rows)));
}

void ScanScratch::GiveBack(Rows&& rows) {
  // The larger room first; the smaller one goes when a larger comes.
  if (rows.capacity() > spares_[0].capacity()) std::swap(rows, spares_[0]);
  if (rows.capacity() > spares_[1].capacity()) spares_[1] = std::move(rows);
}

void ScanScratch::Release() {
  room_index_ = nullptr;
  std::vector<Rows>().swap(part_rows_);
  for (Rows& spare : spares_) Rows().swap(spare);
  marks_.reset();
  marks_size_ = 0;
}

void ScanScratch::IndexReplaced(std::size_t old_count, std::size_t new_count) {
  const std::size_t change = std::max(old_count, new_count) - std::min(old_count, new_count);
  if (new_count == 0 || change > std::max(old_count, new_count) / kRoomSpare) Release();
}

void ScanScratch::Prepare(const IndexList& index) {
  StartHelpers(Threads());
  Marks(index.FolderCount());
  while (!PrepareRoomStep(index)) {
  }
}

bool MakeRoomSlice(Rows& rows, std::size_t entries) {
  // A few milliseconds of fresh memory a slice.
  constexpr std::size_t kSlice = std::size_t(1) << 20;
  if (rows.capacity() < entries) {
    rows.clear();
    rows.reserve(entries + entries / kRoomSpare);
  }
  rows.resize(std::min(entries, rows.size() + kSlice));
  if (rows.size() < entries) return false;
  rows.clear();
  return true;
}

bool ScanScratch::PrepareRoomStep(const IndexList& index) {
  const std::size_t count = index.Count();
  if (room_index_ != &index || room_count_ != count) {
    room_index_ = &index;
    room_count_ = count;
    room_ = 0;
    room_parts_ = Parts(count, kMinEntriesPerPart);
    PartRows(room_parts_ - 1);
  }
  // What the first query writes into comes first: a result of every entry, the rows of a full
  // pass's parts after the first (which writes into the result), each at most its share of the
  // entries; then the second result, for the query typed while the first is on show.
  const unsigned rooms = 2 + (room_parts_ - 1);
  if (room_ >= rooms) return true;
  try {
    const bool made = room_ == 0 ? MakeRoomSlice(spares_[0], count)
                      : room_ < room_parts_
                          ? MakeRoomSlice(part_rows_[room_], count / room_parts_ + 1)
                          : MakeRoomSlice(spares_[1], count);
    if (made) ++room_;
  } catch (const std::bad_alloc&) {
    // The queries take their memory as they go.
    room_ = rooms;
  }
  return false;
}

Rows& ScanScratch::PartRows(unsigned part) {
  if (part_rows_.size() <= part) part_rows_.resize(part + 1);
  return part_rows_[part];
}

std::atomic<std::uint8_t>* ScanScratch::Marks(std::size_t folders) {
  if (marks_size_ < folders) {
    marks_.reset();
    marks_size_ = 0;
    marks_ = std::make_unique<std::atomic<std::uint8_t>[]>(folders);
    marks_size_ = folders;
  }
  for (std::size_t f = 0; f < folders; ++f) marks_[f].store(0, std::memory_order_relaxed);
  return marks_.get();
}

void FindKeyword(const IndexList& index, std::string_view keyword, Rows& rows,
                 ScanScratch& scratch) {
  if (!IsAscii(keyword)) return FindFoldedKeyword(index, keyword, rows, scratch);
  rows.clear();
  const KeywordPlan plan(keyword);
  if (plan.MatchesNothing() || index.Empty()) return;
  const std::size_t folders = index.FolderCount();
  std::atomic<std::uint8_t>* marks = scratch.Marks(folders);
  const unsigned folder_parts = scratch.Parts(folders, kMinFoldersPerPart);
  scratch.PartRows(folder_parts - 1);
  std::atomic<std::size_t> holding{0};
  ForkJoin(folder_parts, scratch.Threads(), [&](unsigned p) {
    holding.fetch_add(MarkFolders(index, plan, folders * p / folder_parts,
                                  folders * (p + 1) / folder_parts, marks, scratch.PartRows(p)),
                      std::memory_order_relaxed);
  });
  // Parts of about as many entries each, cut at the runs that hold their first entries. When
  // most folders hold the keyword, the entries' pass is mostly whole runs written into the
  // result: there another core writes no faster (memory is what it waits for) and its rows must
  // then be copied in behind the first part's, so one core does it all. At ten million paths
  // "e" took 13 ms on one core and 16 ms on two; "re", held by 58% of the folders, 17 ms on one
  // and 24 ms on two while another process kept a core busy.
  const std::size_t entries = index.Count();
  const std::size_t runs = index.Runs().size();
  const bool mostly_whole_runs = holding.load(std::memory_order_relaxed) * 2 > folders;
  InParts(mostly_whole_runs ? 1 : scratch.Parts(entries, kMinEntriesPerPart), entries, rows,
          scratch, [&](std::size_t from, std::size_t to, Rows& out) {
            const std::size_t r0 = from == 0 ? 0 : index.RunOf(from);
            const std::size_t r1 = to == entries ? runs : index.RunOf(to);
            ScanRuns(index, plan, marks, r0, r1, out);
          });
}

Rows FindKeyword(const IndexList& index, std::string_view keyword) {
  Rows rows;
  ScanScratch scratch;
  FindKeyword(index, keyword, rows, scratch);
  return rows;
}

void FindKeywordAmong(const IndexList& index, std::string_view keyword, const Rows& candidates,
                      Rows& rows, ScanScratch& scratch) {
  if (!IsAscii(keyword)) return FindFoldedKeywordAmong(index, keyword, candidates, rows);
  rows.clear();
  const KeywordPlan plan(keyword);
  if (plan.MatchesNothing() || candidates.empty()) return;
  std::atomic<std::uint8_t>* marks = scratch.Marks(index.FolderCount());
  InParts(scratch.Parts(candidates.size(), kMinCandidatesPerPart), candidates.size(), rows, scratch,
          [&](std::size_t from, std::size_t to, Rows& out) {
            RefineRange(index, plan, marks, candidates, from, to, out);
          });
}

Rows FindKeywordAmong(const IndexList& index, std::string_view keyword, const Rows& candidates) {
  Rows rows;
  ScanScratch scratch;
  FindKeywordAmong(index, keyword, candidates, rows, scratch);
  return rows;
}

void FindExtensions(const IndexList& index, std::string_view first, std::string_view second,
                    const LeadBytes& lead, Rows& rows, ScanScratch& scratch) {
  rows.clear();
  InParts(scratch.Parts(index.Count(), kMinEntriesPerPart), index.Count(), rows, scratch,
          [&](std::size_t from, std::size_t to, Rows& out) {
            ExtensionRange(index, first, second, lead, from, to, out);
          });
}

Rows FindExtensions(const IndexList& index, std::string_view first, std::string_view second,
                    const LeadBytes& lead) {
  Rows rows;
  ScanScratch scratch;
  FindExtensions(index, first, second, lead, rows, scratch);
  return rows;
}

std::uint64_t ReadPass(const IndexList& index) {
  std::uint64_t sum = 0;
  for (const TextBlocks* texts : {&index.Folders(), &index.Names()}) {
    for (const Block& block : texts->Blocks()) sum += ReadPass(block.Bytes());
  }
  return sum;
}

}  // namespace vl
