#include "search/result_order.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <numeric>

#include "search/natural_order.h"
#include "search/queries_scan.h"

namespace vl {
namespace {

constexpr std::size_t kKeyPartBytes = 8;
// Below this many texts a part of a sort costs more to hand to a thread than it saves.
constexpr std::size_t kMinTextsPerPart = std::size_t(1) << 15;
// A name sort picks its rows from the prepared order of all names when they are at least this
// part of the index; fewer rows are cheaper to sort by their texts.
constexpr std::size_t kDenseDivisor = 8;

// A position and the part of its key that the sort is at.
struct Item {
  std::uint64_t key;
  std::uint32_t id;
  std::uint32_t more;  // the key goes on past this part
};

bool Less(const Item& a, const Item& b) {
  return a.key != b.key ? a.key < b.key : a.id < b.id;
}

void SetKey(Item& item, const TextOf& text, std::size_t offset, std::string& scratch) {
  bool more = false;
  item.key = NaturalKeyPart(text(item.id, scratch), offset, more);
  item.more = more;
}

// items[begin, end) are sorted by the first part of their keys. Sorts each run of equal parts
// by the next part of the keys, as deep as the keys go, and marks the positions that sort equal
// to the one before. Long equal texts make deep runs, so the runs wait on a list of their own
// rather than on the stack.
void Refine(std::vector<Item>& items, std::size_t begin, std::size_t end, const TextOf& text,
            std::string& scratch, std::vector<std::uint8_t>& tied) {
  struct Span {
    std::size_t begin, end, offset;
  };
  std::vector<Span> pending{{begin, end, 0}};
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
        std::sort(items.begin() + std::ptrdiff_t(first), items.begin() + std::ptrdiff_t(last),
                  Less);
        pending.push_back({first, last, offset});
      }
      first = last;
    }
  }
}

// Where part p of `parts` parts of items begins: an even share, moved on to the next change of
// key so that no run of equal keys spans two parts.
std::size_t PartStart(const std::vector<Item>& items, unsigned p, unsigned parts) {
  std::size_t at = items.size() * p / parts;
  while (at > 0 && at < items.size() && items[at].key == items[at - 1].key) ++at;
  return at;
}

// Hands order's positions to emit, in order or in reverse, equal ones in order either way.
template <typename Emit>
void Walk(const TextOrder& sorted, bool descending, Emit&& emit) {
  const Rows& order = sorted.order;
  if (!descending) {
    for (std::uint32_t p : order) emit(p);
    return;
  }
  for (std::size_t end = order.size(); end > 0;) {
    std::size_t first = end - 1;
    while (first > 0 && sorted.tied[first]) --first;
    for (std::size_t k = first; k < end; ++k) emit(order[k]);
    end = first;
  }
}

Rows Arranged(const TextOrder& sorted, bool descending) {
  Rows out;
  out.reserve(sorted.order.size());
  Walk(sorted, descending, [&out](std::uint32_t p) { out.push_back(p); });
  return out;
}

std::uint32_t EntryAt(const Rows* rows, std::size_t p) {
  return rows ? (*rows)[p] : std::uint32_t(p);
}

// The name column of an entry: its stored name, cut after a ":" when it holds one.
std::string_view NameColumn(std::string_view name, const LeadBytes& lead) {
  return name.find(':') == std::string_view::npos ? name : ExtractFileName(name, lead);
}

// The rows picked from the prepared order of every name: one pass over it, with the rows marked
// in a bitmap whose counts give each row's position.
Rows PickedByName(const TextOrder& names, std::size_t entries, const Rows* rows, std::size_t count,
                  bool descending) {
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
  Rows out;
  out.reserve(count);
  Walk(names, descending, [&](std::uint32_t e) {
    const std::uint64_t word = marks[e / 64];
    const std::uint64_t bit = std::uint64_t(1) << (e % 64);
    if (word & bit) out.push_back(before[e / 64] + std::uint32_t(std::popcount(word & (bit - 1))));
  });
  return out;
}

// A counting sort of the rows by the ranks of their folder column.
Rows CountedByFolder(const IndexList& index, const FolderRanks& ranks, const Rows* rows,
                     std::size_t count, bool descending) {
  std::vector<std::uint32_t> rank_of(count);
  std::size_t run = 0;
  std::size_t odd = 0;
  for (std::size_t p = 0; p < count; ++p) {
    const std::uint32_t e = EntryAt(rows, p);
    if (index.RunEnd(run) <= e || index.Runs()[run].first > e) run = index.RunOf(e);
    while (odd < ranks.irregular.size() && ranks.irregular[odd] < e) ++odd;
    const bool irregular = odd < ranks.irregular.size() && ranks.irregular[odd] == e;
    rank_of[p] = irregular ? ranks.irregular_rank[odd] : ranks.of_folder[index.Runs()[run].folder];
  }
  std::vector<std::uint32_t> start(ranks.ranks + 1);
  for (std::uint32_t r : rank_of) ++start[r];
  std::uint32_t next = 0;
  for (std::size_t k = 0; k < ranks.ranks; ++k) {
    const std::size_t r = descending ? ranks.ranks - 1 - k : k;
    const std::uint32_t n = start[r];
    start[r] = next;
    next += n;
  }
  Rows out(count);
  for (std::size_t p = 0; p < count; ++p) out[start[rank_of[p]]++] = std::uint32_t(p);
  return out;
}

Rows BySize(const IndexList& index, const Rows* rows, std::size_t count, const SortContext& context,
            bool descending) {
  std::vector<std::int64_t> sizes(count);
  std::string path;
  for (std::size_t p = 0; p < count; ++p) {
    index.LineInto(EntryAt(rows, p), path);
    sizes[p] = context.size_of(path);
  }
  Rows out(count);
  std::iota(out.begin(), out.end(), 0u);
  std::stable_sort(out.begin(), out.end(), [&](std::uint32_t a, std::uint32_t b) {
    return descending ? sizes[a] > sizes[b] : sizes[a] < sizes[b];
  });
  return out;
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

ResultOrder NextOrder(ResultOrder current, SortColumn clicked) {
  if (clicked == SortColumn::kIndex || current.column != clicked) return {clicked, false};
  if (!current.descending) return {clicked, true};
  return {};
}

std::size_t TextOrder::MemoryBytes() const {
  return order.capacity() * sizeof(std::uint32_t) + tied.capacity() / 8;
}

TextOrder OrderByText(std::size_t count, const TextOf& text, unsigned threads) {
  std::vector<Item> items(count);
  const unsigned parts = unsigned(
      std::clamp<std::size_t>(count / kMinTextsPerPart, 1, std::size_t(threads) * kPartsPerThread));
  std::vector<std::size_t> bounds(parts + 1);
  for (unsigned p = 0; p <= parts; ++p) bounds[p] = count * p / parts;
  ForkJoin(parts, threads, [&](unsigned p) {
    std::string scratch;
    for (std::size_t i = bounds[p]; i < bounds[p + 1]; ++i) {
      items[i].id = std::uint32_t(i);
      SetKey(items[i], text, 0, scratch);
    }
    std::sort(items.begin() + std::ptrdiff_t(bounds[p]),
              items.begin() + std::ptrdiff_t(bounds[p + 1]), Less);
  });
  // Sorted parts are merged in pairs, the pairs of one round side by side.
  for (unsigned width = 1; width < parts; width *= 2) {
    const unsigned pairs = (parts + 2 * width - 1) / (2 * width);
    ForkJoin(pairs, threads, [&](unsigned k) {
      const unsigned first = k * 2 * width;
      const unsigned middle = std::min(first + width, parts);
      const unsigned last = std::min(first + 2 * width, parts);
      std::inplace_merge(items.begin() + std::ptrdiff_t(bounds[first]),
                         items.begin() + std::ptrdiff_t(bounds[middle]),
                         items.begin() + std::ptrdiff_t(bounds[last]), Less);
    });
  }
  std::vector<std::uint8_t> tied(count);
  ForkJoin(parts, threads, [&](unsigned p) {
    std::string scratch;
    Refine(items, PartStart(items, p, parts), PartStart(items, p + 1, parts), text, scratch, tied);
  });
  TextOrder sorted;
  sorted.order.resize(count);
  sorted.tied.resize(count);
  for (std::size_t k = 0; k < count; ++k) {
    sorted.order[k] = items[k].id;
    sorted.tied[k] = tied[k] != 0;
  }
  return sorted;
}

FolderRanks FolderRanks::Of(const IndexList& index, const LeadBytes& lead, unsigned threads) {
  FolderRanks ranks;
  ranks.irregular = IrregularEntries(index, lead);
  const std::size_t folders = index.FolderCount();
  const TextOrder sorted = OrderByText(
      folders + ranks.irregular.size(),
      [&](std::uint32_t id, std::string& scratch) {
        if (id < folders) return ExtractFileDir(index.FolderText(id), lead);
        index.LineInto(ranks.irregular[id - folders], scratch);
        return ExtractFileDir(scratch, lead);
      },
      threads);
  ranks.of_folder.resize(folders);
  ranks.irregular_rank.resize(ranks.irregular.size());
  std::uint32_t rank = 0;
  for (std::size_t k = 0; k < sorted.order.size(); ++k) {
    if (k > 0 && !sorted.tied[k]) ++rank;
    const std::uint32_t id = sorted.order[k];
    (id < folders ? ranks.of_folder[id] : ranks.irregular_rank[id - folders]) = rank;
  }
  ranks.ranks = sorted.order.empty() ? 0 : rank + 1;
  return ranks;
}

std::size_t FolderRanks::MemoryBytes() const {
  return (of_folder.capacity() + irregular.capacity() + irregular_rank.capacity()) *
         sizeof(std::uint32_t);
}

PreparedOrders::PreparedOrders(const IndexList& index, const LeadBytes& lead, unsigned threads)
    : index_(&index),
      names_(OrderByText(
          index.Count(),
          [&](std::uint32_t e, std::string&) { return NameColumn(index.Name(e), lead); }, threads)),
      folders_(FolderRanks::Of(index, lead, threads)) {}

std::optional<Rows> SortedPositions(const IndexList& index, const Rows* rows, ResultOrder order,
                                    const SortContext& context) {
  const std::size_t count = rows ? rows->size() : index.Count();
  const bool descending = order.descending;
  const bool prepared = context.prepared && &context.prepared->Index() == &index;
  const bool dense = count * kDenseDivisor >= index.Count();
  const LeadBytes& lead = context.lead;
  auto by_text = [&](auto&& text_of_entry) {
    return Arranged(OrderByText(
                        count,
                        [&](std::uint32_t p, std::string& scratch) {
                          return text_of_entry(EntryAt(rows, p), scratch);
                        },
                        context.threads),
                    descending);
  };
  switch (order.column) {
    case SortColumn::kName:
      if (prepared && dense) {
        return PickedByName(context.prepared->Names(), index.Count(), rows, count, descending);
      }
      return by_text(
          [&](std::uint32_t e, std::string&) { return NameColumn(index.Name(e), lead); });
    case SortColumn::kFolder:
      if (prepared) {
        return CountedByFolder(index, context.prepared->Folders(), rows, count, descending);
      }
      if (dense) {
        return CountedByFolder(index, FolderRanks::Of(index, lead, context.threads), rows, count,
                               descending);
      }
      return by_text([&](std::uint32_t e, std::string& scratch) {
        index.LineInto(e, scratch);
        return ExtractFileDir(scratch, lead);
      });
    case SortColumn::kType:
      return by_text(
          [&](std::uint32_t e, std::string&) { return ExtractFileExt(index.Name(e), lead); });
    case SortColumn::kSize:
      if (count > context.size_limit) return std::nullopt;
      return BySize(index, rows, count, context, descending);
    case SortColumn::kIndex:
      break;
  }
  Rows out(count);
  std::iota(out.begin(), out.end(), 0u);
  return out;
}

}  // namespace vl
