#include "search/result_order.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <numeric>
#include <thread>
#include <unordered_map>

#include "search/fork_join.h"
#include "search/natural_order.h"
#include "search/queries_scan.h"

namespace vl {
namespace {

constexpr std::size_t kKeyPartBytes = 8;
// The texts a slice of a sort handles: a few milliseconds of work.
constexpr std::size_t kSliceTexts = std::size_t(1) << 16;
// A name sort picks its rows from the prepared order of all names when they are at least this
// part of the index; fewer rows are cheaper to sort by their texts.
constexpr std::size_t kDenseDivisor = 32;
// Below this many entries a pick from the order of every name is left to one thread.
constexpr std::size_t kMinParallelPick = std::size_t(1) << 16;
// Below this many texts a sort is left to one thread.
constexpr std::size_t kMinParallelSort = std::size_t(1) << 12;
// A run of texts with equal key parts this long has the keys of its next level made on every
// core rather than by the one that takes it.
constexpr std::size_t kWideRun = kSliceTexts / 8;

using Item = TextOrderBuilder::Item;
using Span = TextOrderBuilder::Span;

bool Less(const Item& a, const Item& b) {
  return a.key != b.key ? a.key < b.key : a.id < b.id;
}

void SetKey(Item& item, const TextOf& text, std::size_t offset, std::string& scratch) {
  bool more = false;
  item.key = NaturalKeyPart(text(item.id, scratch), offset, more);
  item.more = more;
}

// items[begin, end) are sorted by the part of their keys at start. Sorts each run of equal
// parts by the next part of the keys, as deep as the keys go, and marks the positions that sort
// equal to the one before. Long equal texts make deep runs, so the runs wait on a list of their
// own rather than on the stack.
void Refine(Item* items, std::size_t begin, std::size_t end, std::size_t start, const TextOf& text,
            std::vector<std::uint8_t>& tied) {
  thread_local std::string scratch;
  std::vector<Span> pending{{begin, end, start}};
  while (!pending.empty()) {
    const Span span = pending.back();
    pending.pop_back();
    for (std::size_t first = span.begin; first < span.end;) {
      std::size_t last = first + 1;
      bool more = items[first].more != 0;
      while (last < span.end && items[last].key == items[first].key) {
        more |= items[last++].more != 0;
      }
      if (last - first > 1 && !more) {
        std::fill(tied.begin() + std::ptrdiff_t(first + 1), tied.begin() + std::ptrdiff_t(last), 1);
      } else if (last - first > 1) {
        const std::size_t offset = span.offset + kKeyPartBytes;
        for (std::size_t k = first; k < last; ++k) SetKey(items[k], text, offset, scratch);
        std::sort(items + first, items + last, Less);
        pending.push_back({first, last, offset});
      }
      first = last;
    }
  }
}

// Hands the positions of order[begin, end) to emit, in order or in reverse, equal ones in order
// either way; begin and end start runs of equal positions.
template <typename Emit>
void Walk(const TextOrder& sorted, std::size_t begin, std::size_t end, bool descending,
          Emit&& emit) {
  const Rows& order = sorted.order;
  if (!descending) {
    for (std::size_t k = begin; k < end; ++k) emit(order[k]);
    return;
  }
  while (end > begin) {
    std::size_t first = end - 1;
    while (first > begin && sorted.tied[first]) --first;
    for (std::size_t k = first; k < end; ++k) emit(order[k]);
    end = first;
  }
}

void Arranged(const TextOrder& sorted, bool descending, Rows& out) {
  out.clear();
  out.reserve(sorted.order.size());
  Walk(sorted, 0, sorted.order.size(), descending, [&out](std::uint32_t p) { out.push_back(p); });
}

std::uint32_t EntryAt(const Rows* rows, std::size_t p) {
  return rows ? (*rows)[p] : std::uint32_t(p);
}

// The name column of an entry: its stored name, cut after a ":" when it holds one.
std::string_view NameColumn(std::string_view name, const LeadBytes& lead) {
  return name.find(':') == std::string_view::npos ? name : ExtractFileName(name, lead);
}

// The rows picked from the prepared order of every name: one pass over it, with the rows marked
// in a bitmap whose counts give each row's position. The pass is split across the cores, each
// part a stretch of the order that starts a run of equal names, its picks joined in order.
void PickedByName(const TextOrder& names, std::size_t entries, const Rows* rows, std::size_t count,
                  bool descending, Rows& out) {
  const std::size_t words = (entries + 63) / 64;
  std::vector<std::uint64_t> marks(words);
  for (std::size_t p = 0; p < count; ++p) {
    const std::uint32_t e = EntryAt(rows, p);
    marks[e / 64] |= std::uint64_t(1) << (e % 64);
  }
  std::vector<std::uint32_t> before(words);
  std::uint32_t total = 0;
  for (std::size_t w = 0; w < words; ++w) {
    before[w] = total;
    total += std::uint32_t(std::popcount(marks[w]));
  }
  const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, kMaxParts);
  const unsigned parts = entries >= kMinParallelPick ? threads : 1;
  std::vector<std::size_t> bounds(parts + 1, entries);
  for (unsigned p = 0; p < parts; ++p) {
    bounds[p] = entries * p / parts;
    while (bounds[p] > 0 && bounds[p] < entries && names.tied[bounds[p]]) ++bounds[p];
  }
  auto marked = [&marks](std::uint32_t e) { return (marks[e / 64] >> (e % 64)) & 1; };
  // Each part writes its picks straight where the parts shown before it end, so that no pick is
  // copied twice: a first pass counts them.
  std::vector<std::size_t> picks(parts, 0);
  if (parts > 1) {
    ForkJoin(parts, threads, [&](unsigned p) {
      std::size_t n = 0;
      for (std::size_t k = bounds[p]; k < bounds[p + 1]; ++k) n += marked(names.order[k]);
      picks[p] = n;
    });
  }
  std::vector<std::size_t> first(parts, 0);
  std::size_t shown = 0;
  for (unsigned k = 0; k < parts; ++k) {
    const unsigned p = descending ? parts - 1 - k : k;
    first[p] = shown;
    shown += picks[p];
  }
  out.resize(count);
  ForkJoin(parts, threads, [&](unsigned p) {
    std::uint32_t* at = out.data() + first[p];
    Walk(names, bounds[p], bounds[p + 1], descending, [&](std::uint32_t e) {
      const std::uint64_t word = marks[e / 64];
      const std::uint64_t bit = std::uint64_t(1) << (e % 64);
      if (word & bit) *at++ = before[e / 64] + std::uint32_t(std::popcount(word & (bit - 1)));
    });
  });
}

// Hands every position of sorted its rank (equal positions share one) and returns how many
// ranks there are.
template <typename Assign>
std::size_t AssignRanks(const TextOrder& sorted, Assign&& assign) {
  std::uint32_t rank = 0;
  for (std::size_t k = 0; k < sorted.order.size(); ++k) {
    if (k > 0 && !sorted.tied[k]) ++rank;
    assign(sorted.order[k], rank);
  }
  return sorted.order.empty() ? 0 : rank + 1;
}

// A counting sort of positions by their ranks (each below `ranks`).
// Turns the count of positions of each rank into the first place of the rank's positions, the
// ranks taken in order or in reverse.
void CountsToStarts(std::vector<std::uint32_t>& counts, bool descending) {
  std::uint32_t next = 0;
  for (std::size_t k = 0; k < counts.size(); ++k) {
    const std::size_t r = descending ? counts.size() - 1 - k : k;
    const std::uint32_t n = counts[r];
    counts[r] = next;
    next += n;
  }
}

void CountedByRank(const std::vector<std::uint32_t>& rank_of, std::size_t ranks, bool descending,
                   Rows& out) {
  std::vector<std::uint32_t> start(ranks);
  for (std::uint32_t r : rank_of) ++start[r];
  CountsToStarts(start, descending);
  out.resize(rank_of.size());
  for (std::size_t p = 0; p < rank_of.size(); ++p) out[start[rank_of[p]]++] = std::uint32_t(p);
}

// The rows of one run of entries (one folder) lie side by side and share their folder's rank,
// so the rows are counted into the ranks a stretch of them at a time: one rank lookup a stretch
// and sequential writes, where a row at a time would jump through the output for every row.
void CountedByFolder(const IndexList& index, const FolderRanks& ranks, const Rows* rows,
                     std::size_t count, bool descending, Rows& out) {
  // Calls visit(rank, first, end) for each stretch of positions [first, end) whose entries
  // share a folder rank. The rows are visited twice, to count and then to place, rather than
  // keeping the stretches: at ten million rows those would take fresh memory at every sort.
  auto stretches = [&](auto&& visit) {
    std::size_t odd = 0;
    std::size_t run = 0;
    for (std::size_t p = 0; p < count;) {
      const std::uint32_t e = EntryAt(rows, p);
      while (odd < ranks.irregular.size() && ranks.irregular[odd] < e) ++odd;
      if (odd < ranks.irregular.size() && ranks.irregular[odd] == e) {
        visit(ranks.irregular_rank[odd], p, p + 1);
        ++p;
        continue;
      }
      // The rows ascend, so their runs do: mostly the next run, a search past a gap.
      if (e >= index.RunEnd(run)) {
        run = e < index.RunEnd(run + 1) ? run + 1 : index.RunOf(e);
      }
      const std::size_t run_end = index.RunEnd(run);
      const std::size_t next_odd = odd < ranks.irregular.size()
                                       ? std::min<std::size_t>(ranks.irregular[odd], run_end)
                                       : run_end;
      const std::size_t first = p;
      while (p < count && EntryAt(rows, p) < next_odd) ++p;
      visit(ranks.of_folder[index.Runs()[run].folder], first, p);
    }
  };
  std::vector<std::uint32_t> start(ranks.ranks);
  stretches([&](std::uint32_t rank, std::size_t first, std::size_t end) {
    start[rank] += std::uint32_t(end - first);
  });
  CountsToStarts(start, descending);
  out.resize(count);
  stretches([&](std::uint32_t rank, std::size_t first, std::size_t end) {
    std::iota(out.begin() + start[rank], out.begin() + start[rank] + (end - first),
              std::uint32_t(first));
    start[rank] += std::uint32_t(end - first);
  });
}

// Rows have few distinct extensions: each is ranked once and the rows are counted into them.
void CountedByType(const IndexList& index, const Rows* rows, std::size_t count,
                   const LeadBytes& lead, bool descending, Rows& out) {
  std::unordered_map<std::string_view, std::uint32_t> ids;
  std::vector<std::string_view> types;
  std::vector<std::uint32_t> rank_of(count);
  for (std::size_t p = 0; p < count; ++p) {
    const std::string_view type = ExtractFileExt(index.Name(EntryAt(rows, p)), lead);
    const auto [it, added] = ids.emplace(type, std::uint32_t(types.size()));
    if (added) types.push_back(type);
    rank_of[p] = it->second;
  }
  const TextOrder sorted =
      OrderByText(types.size(), [&types](std::uint32_t id, std::string&) { return types[id]; });
  std::vector<std::uint32_t> rank_of_type(types.size());
  const std::size_t ranks =
      AssignRanks(sorted, [&](std::uint32_t id, std::uint32_t rank) { rank_of_type[id] = rank; });
  for (std::uint32_t& r : rank_of) r = rank_of_type[r];
  CountedByRank(rank_of, ranks, descending, out);
}

void BySize(const IndexList& index, const Rows* rows, std::size_t count, const SortContext& context,
            bool descending, Rows& out) {
  std::vector<std::int64_t> sizes(count);
  std::string path;
  for (std::size_t p = 0; p < count; ++p) {
    index.LineInto(EntryAt(rows, p), path);
    sizes[p] = context.size_of(path);
  }
  out.resize(count);
  std::iota(out.begin(), out.end(), 0u);
  std::stable_sort(out.begin(), out.end(), [&](std::uint32_t a, std::uint32_t b) {
    return descending ? sizes[a] > sizes[b] : sizes[a] < sizes[b];
  });
}

// Entries whose name holds a ":" that ends a drive or a folder, ascending.
Rows IrregularEntries(const IndexList& index, const LeadBytes& lead) {
  Rows found;
  for (const TextBlocks::Block& block : index.Names().Blocks()) {
    const std::string_view bytes = block.Bytes();
    for (std::size_t at = bytes.find(':'); at != std::string_view::npos;
         at = bytes.find(':', at + 1)) {
      const auto k = std::size_t(
          std::upper_bound(block.starts.begin(), block.starts.end(), std::uint32_t(at)) -
          block.starts.begin() - 1);
      const auto entry = std::uint32_t(block.first + k);
      if (!found.empty() && found.back() == entry) continue;
      const std::string_view name = block.Text(k);
      if (ExtractFileName(name, lead).size() != name.size()) found.push_back(entry);
    }
  }
  return found;
}

}  // namespace

bool UsesPreparedOrders(std::size_t rows, std::size_t entries) {
  return rows * kDenseDivisor >= entries;
}

ResultOrder NextOrder(ResultOrder current, SortColumn clicked) {
  if (clicked == SortColumn::kIndex || current.column != clicked) return {clicked, false};
  if (!current.descending) return {clicked, true};
  return {};
}

std::size_t TextOrder::MemoryBytes() const {
  return order.capacity() * sizeof(std::uint32_t) + tied.capacity() / 8;
}

TextOrderBuilder::TextOrderBuilder(std::size_t count, TextOf text)
    : count_(count),
      text_(std::move(text)),
      parts_(count >= kMinParallelSort ? CoreCount() : 1),
      part_counts_(parts_) {
  // Taken now, written slice by slice: the system hands out the pages of 16 bytes a text as the
  // keys are made, rather than all at once in one long stop of the window.
  items_.reset(new Item[count]);
  tied_.reserve(count);
}

namespace {

// Part p of parts of [begin, end).
std::pair<std::size_t, std::size_t> PartOf(std::size_t begin, std::size_t end, unsigned p,
                                           unsigned parts) {
  const std::size_t n = end - begin;
  return {begin + n * p / parts, begin + n * (p + 1) / parts};
}

}  // namespace

bool TextOrderBuilder::Step() {
  const std::size_t end = std::min(at_ + kSliceTexts, count_);
  switch (phase_) {
    case Phase::kKeys:
      MakeKeys(end);
      break;
    case Phase::kScatter:
      Scatter(end);
      break;
    case Phase::kRefine:
      RefineRuns();
      break;
    case Phase::kFinish:
      order_.order.resize(end);
      ForkJoin(parts_, parts_, [&](unsigned p) {
        const auto [first, last] = PartOf(at_, end, p, parts_);
        for (std::size_t k = first; k < last; ++k) order_.order[k] = items_[k].id;
      });
      for (; at_ < end; ++at_) order_.tied.push_back(tied_[at_] != 0);
      if (at_ == count_) Finish();
      break;
    case Phase::kDone:
      break;
  }
  return phase_ == Phase::kDone;
}

template <typename EachKey>
void TextOrderBuilder::SetKeys(std::size_t begin, std::size_t end, std::size_t offset,
                               EachKey&& each) {
  ForkJoin(parts_, parts_, [&](unsigned p) {
    thread_local std::string scratch;
    const auto [first, last] = PartOf(begin, end, p, parts_);
    for (std::size_t k = first; k < last; ++k) {
      // The first level numbers the items as it makes them (each page written by its part).
      if (offset == 0) items_[k].id = std::uint32_t(k);
      SetKey(items_[k], text_, offset, scratch);
      each(p, items_[k]);
    }
  });
}

void TextOrderBuilder::MakeKeys(std::size_t end) {
  SetKeys(at_, end, 0, [this](unsigned p, const Item& item) {
    auto& counts = part_counts_[p];
    for (std::size_t b = 0; b < kKeyPartBytes; ++b) ++counts[b][(item.key >> (8 * b)) & 0xFF];
  });
  at_ = end;
  tied_.resize(at_);
  if (at_ < count_) return;
  for (const auto& counts : part_counts_) {
    for (std::size_t b = 0; b < kKeyPartBytes; ++b) {
      for (std::size_t v = 0; v < 256; ++v) counts_[b][v] += counts[b][v];
    }
  }
  part_counts_ = {};
  NextPass();
}

// One stable pass of a slice. Scattering is bound by memory, not by the core: it stays on one.
void TextOrderBuilder::Scatter(std::size_t end) {
  const int shift = 8 * pass_;
  for (; at_ < end; ++at_) {
    const Item& item = items_[at_];
    spare_[next_[(item.key >> shift) & 0xFF]++] = item;
  }
  if (at_ == count_) {
    std::swap(items_, spare_);
    NextPass();
  }
}

// A slice of the runs of equal first parts, or one level of a run too long for one core.
void TextOrderBuilder::RefineRuns() {
  if (!wide_.empty()) {
    const Span span = wide_.back();
    wide_.pop_back();
    const std::size_t next = span.offset + kKeyPartBytes;
    SetKeys(span.begin, span.end, next, [](unsigned, const Item&) {});
    std::sort(items_.get() + span.begin, items_.get() + span.end, Less);
    RefineRange(span.begin, span.end, next);
  } else {
    // Texts that share long beginnings (folders) are compared again and again: a smaller
    // slice keeps the step short.
    std::size_t end = std::min(at_ + kSliceTexts / 8 * parts_, count_);
    while (end > 0 && end < count_ && items_[end].key == items_[end - 1].key) ++end;
    RefineRange(at_, end, 0);
    at_ = end;
  }
  if (at_ == count_ && wide_.empty()) {
    at_ = 0;
    order_.order.reserve(count_);
    order_.tied.reserve(count_);
    phase_ = Phase::kFinish;
  }
}

// items[begin, end) are sorted by the part of their keys at offset. Their runs are refined on
// every core, each core taking whole runs; a run too long for that waits for a level of its own,
// whose keys are made on every core.
void TextOrderBuilder::RefineRange(std::size_t begin, std::size_t end, std::size_t offset) {
  const std::size_t piece = std::max<std::size_t>((end - begin) / (4 * parts_), 1);
  std::vector<std::pair<std::size_t, std::size_t>> pieces;
  std::size_t from = begin;
  for (std::size_t first = begin; first < end;) {
    std::size_t last = first + 1;
    bool more = items_[first].more != 0;
    while (last < end && items_[last].key == items_[first].key) more |= items_[last++].more != 0;
    if (parts_ > 1 && more && last - first >= kWideRun) {
      if (from < first) pieces.emplace_back(from, first);
      wide_.push_back({first, last, offset});
      from = last;
    } else if (last - from >= piece) {
      pieces.emplace_back(from, last);
      from = last;
    }
    first = last;
  }
  if (from < end) pieces.emplace_back(from, end);
  ForkJoin(unsigned(pieces.size()), parts_, [&](unsigned p) {
    Refine(items_.get(), pieces[p].first, pieces[p].second, offset, text_, tied_);
  });
}

// The key parts are sorted a byte at a time from the lowest, each pass stable, so positions
// with equal parts stay in position order; a byte that every part shares needs no pass.
void TextOrderBuilder::NextPass() {
  at_ = 0;
  for (++pass_; pass_ < int(kKeyPartBytes); ++pass_) {
    const auto& counts = counts_[std::size_t(pass_)];
    if (std::find(counts.begin(), counts.end(), count_) != counts.end()) continue;
    std::uint32_t next = 0;
    for (std::size_t v = 0; v < counts.size(); ++v) {
      next_[v] = next;
      next += counts[v];
    }
    if (!spare_) spare_.reset(new Item[count_]);
    phase_ = Phase::kScatter;
    return;
  }
  spare_.reset();
  tied_.resize(count_);
  phase_ = Phase::kRefine;
  if (count_ == 0) Finish();
}

void TextOrderBuilder::Finish() {
  items_.reset();
  tied_ = {};
  phase_ = Phase::kDone;
}

TextOrder OrderByText(std::size_t count, const TextOf& text) {
  TextOrderBuilder builder(count, text);
  while (!builder.Step()) {
  }
  return builder.Take();
}

FolderRanks FolderRanks::Of(const IndexList& index, const LeadBytes& lead) {
  FolderRanks ranks;
  ranks.irregular = IrregularEntries(index, lead);
  ranks.Rank(OrderByText(index.FolderCount() + ranks.irregular.size(), ranks.TextOf(index, lead)),
             index.FolderCount());
  return ranks;
}

TextOf FolderRanks::TextOf(const IndexList& index, const LeadBytes& lead) const {
  return [&index, this, lead](std::uint32_t id, std::string& scratch) {
    const std::size_t folders = index.FolderCount();
    if (id < folders) return ExtractFileDir(index.FolderText(id), lead);
    index.LineInto(irregular[id - folders], scratch);
    return ExtractFileDir(scratch, lead);
  };
}

void FolderRanks::Rank(const TextOrder& sorted, std::size_t folders) {
  of_folder.resize(folders);
  irregular_rank.resize(irregular.size());
  ranks = AssignRanks(sorted, [&](std::uint32_t id, std::uint32_t rank) {
    (id < folders ? of_folder[id] : irregular_rank[id - folders]) = rank;
  });
}

std::size_t FolderRanks::MemoryBytes() const {
  return (of_folder.capacity() + irregular.capacity() + irregular_rank.capacity()) *
         sizeof(std::uint32_t);
}

PreparedOrders PreparedOrders::Of(const IndexList& index, const LeadBytes& lead) {
  OrderPreparation preparation(index, lead);
  while (!preparation.Step()) {
  }
  return preparation.Take();
}

OrderPreparation::OrderPreparation(const IndexList& index, const LeadBytes& lead)
    : lead_(lead), names_(index.Count(), [&index, lead](std::uint32_t e, std::string&) {
        return NameColumn(index.Name(e), lead);
      }) {
  orders_.index = &index;
}

bool OrderPreparation::Step(SortColumn first) {
  if (names_done_ && folders_done_) return true;
  if (names_done_ || (first == SortColumn::kFolder && !folders_done_)) {
    FoldersStep();
  } else if (names_.Step()) {
    names_done_ = true;
    orders_.names = names_.Take();
  }
  return names_done_ && folders_done_;
}

void OrderPreparation::FoldersStep() {
  const IndexList& index = *orders_.index;
  FolderRanks& ranks = orders_.folders;
  if (!folders_) {
    ranks.irregular = IrregularEntries(index, lead_);
    folders_.emplace(index.FolderCount() + ranks.irregular.size(), ranks.TextOf(index, lead_));
    return;
  }
  if (!folders_->Step()) return;
  ranks.Rank(folders_->Take(), index.FolderCount());
  folders_.reset();
  folders_done_ = true;
}

bool OrderPreparation::Ready(SortColumn column) const {
  return column == SortColumn::kName ? names_done_ : column == SortColumn::kFolder && folders_done_;
}

bool SortedPositions(const IndexList& index, const Rows* rows, ResultOrder order,
                     const SortContext& context, Rows& out) {
  const std::size_t count = rows ? rows->size() : index.Count();
  const bool descending = order.descending;
  const bool prepared = context.prepared && context.prepared->index == &index;
  const bool dense = UsesPreparedOrders(count, index.Count());
  const LeadBytes& lead = context.lead;
  auto by_text = [&](auto&& text_of_entry) {
    Arranged(OrderByText(count,
                         [&](std::uint32_t p, std::string& scratch) {
                           return text_of_entry(EntryAt(rows, p), scratch);
                         }),
             descending, out);
  };
  switch (order.column) {
    case SortColumn::kName:
      if (prepared && dense) {
        PickedByName(context.prepared->names, index.Count(), rows, count, descending, out);
      } else {
        by_text([&](std::uint32_t e, std::string&) { return NameColumn(index.Name(e), lead); });
      }
      return true;
    case SortColumn::kFolder:
      if (prepared) {
        CountedByFolder(index, context.prepared->folders, rows, count, descending, out);
      } else if (dense) {
        CountedByFolder(index, FolderRanks::Of(index, lead), rows, count, descending, out);
      } else {
        by_text([&](std::uint32_t e, std::string& scratch) {
          index.LineInto(e, scratch);
          return ExtractFileDir(scratch, lead);
        });
      }
      return true;
    case SortColumn::kType:
      CountedByType(index, rows, count, lead, descending, out);
      return true;
    case SortColumn::kSize:
      if (count > context.size_limit) return false;
      BySize(index, rows, count, context, descending, out);
      return true;
    case SortColumn::kIndex:
      break;
  }
  out.resize(count);
  std::iota(out.begin(), out.end(), 0u);
  return true;
}

}  // namespace vl
