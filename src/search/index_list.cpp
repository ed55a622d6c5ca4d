#include "search/index_list.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

#include "framework/errors.h"
#include "search/byte_scan.h"

namespace vl {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
// The index file is written in pieces of about this size.
constexpr std::size_t kWritePiece = std::size_t(1) << 20;
// Texts, entries and folders are numbered, and block offsets kept, in 32 bits.
constexpr std::size_t kMaxNumber = std::numeric_limits<std::uint32_t>::max() - 1;

std::uint32_t HashText(std::string_view text) {
  std::uint64_t h = 0x9E3779B97F4A7C15ull ^ text.size();
  const char* p = text.data();
  std::size_t n = text.size();
  for (; n >= 8; p += 8, n -= 8) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    h = (h ^ word) * 0xFF51AFD7ED558CCDull;
    h ^= h >> 32;
  }
  std::uint64_t rest = 0;
  if (n != 0) std::memcpy(&rest, p, n);
  h = (h ^ rest) * 0xC4CEB9FE1A85EC53ull;
  h ^= h >> 29;
  return std::uint32_t(h ^ (h >> 32));
}

bool HasBreakOrNul(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

}  // namespace

std::string_view TextBlocks::Text(std::size_t i) const {
  const Block& block = blocks_[BlockOf(i)];
  return block.Text(i - block.first);
}

std::size_t TextBlocks::BlockOf(std::size_t i) const {
  auto it = std::upper_bound(blocks_.begin(), blocks_.end(), i,
                             [](std::size_t n, const Block& b) { return n < b.first; });
  return std::size_t(it - blocks_.begin()) - 1;
}

bool TextBlocks::StartsBlock(std::size_t length) const {
  if (blocks_.empty()) return true;
  const Block& last = blocks_.back();
  return last.Count() > 0 && last.bytes.size() + length + 1 > kBlockBytes;
}

void TextBlocks::Append(std::string_view text) {
  if (text.size() > kMaxNumber - kBlockBytes || count_ >= kMaxNumber) throw std::bad_alloc();
  if (StartsBlock(text.size())) {
    Block block;
    block.first = count_;
    // Blocks of one list hold about as many texts each, so the next one gets room for as many
    // starts as the last, with an eighth to spare, and is seldom moved while it fills.
    if (!blocks_.empty()) {
      std::vector<std::uint32_t>& last = blocks_.back().starts;
      block.starts.reserve(last.size() + last.size() / 8);
      // Only the first block grows its starts by doubling; it gives its spare room back.
      if (last.capacity() > last.size() + last.size() / 8) last.shrink_to_fit();
    }
    blocks_.push_back(std::move(block));
  }
  // Everything that can fail comes first, so that a failed append leaves the texts as they were.
  Block& b = blocks_.back();
  if (b.starts.size() == b.starts.capacity()) b.starts.reserve(2 * b.starts.size());
  const std::size_t size = b.bytes.size();
  const std::size_t need = size + text.size() + 1;
  if (need > b.bytes.capacity()) {
    // Geometric growth, but never past the block's size: a full block wastes no room.
    b.bytes.reserve(std::min(std::max(need, 2 * b.bytes.capacity()), std::max(need, kBlockBytes)));
  }
  b.bytes.insert(b.bytes.end(), text.begin(), text.end());
  b.bytes.push_back('\n');
  b.starts.push_back(std::uint32_t(b.bytes.size()));
  ++count_;
}

void TextBlocks::AppendBlocks(TextBlocks&& other) {
  if (other.count_ == 0) return;
  if (count_ + other.count_ > kMaxNumber) throw std::bad_alloc();
  blocks_.reserve(blocks_.size() + other.blocks_.size());
  // The last block is not appended to again; its spare room goes back.
  ShrinkLast();
  for (Block& block : other.blocks_) {
    if (block.Count() == 0) continue;
    block.first += count_;
    blocks_.push_back(std::move(block));
  }
  count_ += other.count_;
  other.blocks_.clear();
  other.count_ = 0;
}

void TextBlocks::ReleaseBlock(std::size_t k) {
  std::vector<char>().swap(blocks_[k].bytes);
  std::vector<std::uint32_t>().swap(blocks_[k].starts);
}

void TextBlocks::ShrinkLast() {
  if (blocks_.empty()) return;
  blocks_.back().bytes.shrink_to_fit();
  blocks_.back().starts.shrink_to_fit();
}

std::size_t TextBlocks::MemoryBytes() const {
  std::size_t bytes = blocks_.capacity() * sizeof(Block);
  for (const Block& b : blocks_) {
    bytes += b.bytes.capacity() + b.starts.capacity() * sizeof(std::uint32_t);
  }
  return bytes;
}

IndexList IndexList::FromText(std::string_view bytes) {
  IndexLoader loader;
  loader.Feed(bytes);
  return loader.Finish();
}

std::size_t IndexList::RunOf(std::size_t i) const {
  auto it = std::upper_bound(runs_.begin(), runs_.end(), i,
                             [](std::size_t n, const Run& run) { return n < run.first; });
  return std::size_t(it - runs_.begin()) - 1;
}

std::string IndexList::Line(std::size_t i) const {
  std::string line;
  LineInto(i, line);
  return line;
}

void IndexList::LineInto(std::size_t i, std::string& out) const {
  std::string_view folder = FolderText(FolderOf(i));
  std::string_view name = Name(i);
  out.reserve(folder.size() + name.size());
  out.assign(folder).append(name);
}

void IndexList::Append(std::string_view line) {
  if (!HasBreakOrNul(line)) {
    AppendLine(line);
    return;
  }
  std::string clean(line);
  std::replace_if(
      clean.begin(), clean.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, '?');
  AppendLine(clean);
}

void IndexList::AppendLine(std::string_view line) {
  const std::size_t cut = line.rfind('\\');
  if (cut == std::string_view::npos) {
    AppendSplit({}, line);
  } else {
    AppendSplit(line.substr(0, cut + 1), line.substr(cut + 1));
  }
}

void IndexList::AppendSplit(std::string_view folder, std::string_view name) {
  const bool same_folder =
      !runs_.empty() && runs_.back().folder == last_folder_id_ && folder == last_folder_;
  std::uint32_t id = last_folder_id_;
  if (!same_folder) {
    id = FolderId(folder);
    last_folder_.assign(folder);
    last_folder_id_ = id;
  }
  const bool new_run = !same_folder || names_.StartsBlock(name.size());
  if (new_run && runs_.size() == runs_.capacity()) {
    runs_.reserve(std::max<std::size_t>(16, 2 * runs_.size()));
  }
  const auto entry = std::uint32_t(Count());
  names_.Append(name);
  if (new_run) runs_.push_back({id, entry});
}

std::uint32_t IndexList::FolderId(std::string_view folder) {
  // The table is kept at most three quarters full.
  if (4 * (folders_.Count() + 1) > 3 * lookup_.size()) RebuildLookup();
  const std::uint32_t hash = HashText(folder);
  const std::size_t mask = lookup_.size() - 1;
  std::size_t i = hash & mask;
  for (; lookup_[i].folder_plus_one != 0; i = (i + 1) & mask) {
    const Slot& slot = lookup_[i];
    if (slot.hash == hash && folders_.Text(slot.folder_plus_one - 1) == folder) {
      return slot.folder_plus_one - 1;
    }
  }
  const auto id = std::uint32_t(folders_.Count());
  folders_.Append(folder);
  lookup_[i] = {hash, id + 1};
  return id;
}

void IndexList::RebuildLookup() {
  std::size_t size = 64;
  while (size < 2 * (folders_.Count() + 1)) size *= 2;
  std::vector<Slot> table(size, Slot{0, 0});
  const std::size_t mask = size - 1;
  for (const TextBlocks::Block& block : folders_.Blocks()) {
    for (std::size_t k = 0; k < block.Count(); ++k) {
      const std::uint32_t hash = HashText(block.Text(k));
      std::size_t i = hash & mask;
      while (table[i].folder_plus_one != 0) i = (i + 1) & mask;
      table[i] = {hash, std::uint32_t(block.first + k + 1)};
    }
  }
  lookup_ = std::move(table);
}

void IndexList::AppendList(IndexList&& other) {
  if (other.Empty()) return;
  if (Empty() && FolderCount() == 0) {
    *this = std::move(other);
    return;
  }
  // The folders of other get their numbers here first; a failure on the way adds folders but
  // no entry, which no query or file shows.
  std::vector<std::uint32_t> numbers;
  numbers.reserve(other.FolderCount());
  for (const TextBlocks::Block& block : other.folders_.Blocks()) {
    for (std::size_t k = 0; k < block.Count(); ++k) numbers.push_back(FolderId(block.Text(k)));
  }
  runs_.reserve(runs_.size() + other.runs_.size());
  const auto base = std::uint32_t(Count());
  names_.AppendBlocks(std::move(other.names_));
  for (const Run& run : other.runs_) runs_.push_back({numbers[run.folder], base + run.first});
  // The next entry starts a run of its own.
  last_folder_id_ = std::numeric_limits<std::uint32_t>::max();
  other = IndexList();
}

void IndexList::FinishAppending() {
  std::vector<Slot>().swap(lookup_);
  names_.ShrinkLast();
  folders_.ShrinkLast();
  runs_.shrink_to_fit();
}

void IndexList::WriteFileText(const std::function<void(std::string_view)>& put) const {
  std::string piece;
  piece.reserve(kWritePiece + 1024);
  const auto& blocks = names_.Blocks();
  std::size_t b = 0;
  for (std::size_t r = 0; r < runs_.size(); ++r) {
    const std::string_view folder = FolderText(runs_[r].folder);
    const std::size_t end = RunEnd(r);
    while (blocks[b].End() <= runs_[r].first) ++b;
    const TextBlocks::Block& block = blocks[b];
    for (std::size_t e = runs_[r].first; e < end; ++e) {
      piece.append(folder).append(block.Text(e - block.first)).append(kLineBreak);
      if (piece.size() >= kWritePiece) {
        put(piece);
        piece.clear();
      }
    }
  }
  if (!piece.empty()) put(piece);
}

std::string IndexList::FileText() const {
  std::string text;
  WriteFileText([&](std::string_view piece) { text.append(piece); });
  return text;
}

template <bool kRelease>
IndexList IndexList::Subset(std::conditional_t<kRelease, IndexList&, const IndexList&> from,
                            const Rows& entries) {
  IndexList out;
  const auto& blocks = from.names_.Blocks();
  std::size_t r = 0;
  std::size_t b = 0;
  std::string_view folder;
  bool folder_known = false;
  for (std::uint32_t e : entries) {
    if (e < from.runs_[r].first) {
      r = from.RunOf(e);
      folder_known = false;
    }
    while (from.RunEnd(r) <= e) {
      ++r;
      folder_known = false;
    }
    if (!folder_known) {
      folder = from.FolderText(from.runs_[r].folder);
      folder_known = true;
    }
    if (e < blocks[b].first) b = from.names_.BlockOf(e);
    while (blocks[b].End() <= e) {
      if constexpr (kRelease) from.names_.ReleaseBlock(b);
      ++b;
    }
    out.AppendSplit(folder, blocks[b].Text(e - blocks[b].first));
  }
  if constexpr (kRelease) from = IndexList();
  out.FinishAppending();
  return out;
}

IndexList IndexList::CopyEntries(const IndexList& from, const Rows& entries) {
  return Subset<false>(from, entries);
}

IndexList IndexList::TakeEntries(IndexList&& from, const Rows& entries) {
  // Entries must be ascending for blocks behind them to be released.
  if (!std::is_sorted(entries.begin(), entries.end())) return Subset<false>(from, entries);
  return Subset<true>(from, entries);
}

std::size_t IndexList::MemoryBytes() const {
  return folders_.MemoryBytes() + names_.MemoryBytes() + runs_.capacity() * sizeof(Run) +
         lookup_.capacity() * sizeof(Slot) + last_folder_.capacity();
}

bool IndexLoader::Feed(std::string_view piece) {
  if (ended_) return false;
  std::size_t p = 0;
  if (after_cr_ && !piece.empty()) {
    if (piece[0] == '\n') p = 1;
    after_cr_ = false;
  }
  while (p < piece.size()) {
    const std::size_t brk = FindBreakOrNul(piece, p);
    if (brk == piece.size()) {
      carry_.append(piece.substr(p));
      return true;
    }
    std::string_view line = piece.substr(p, brk - p);
    if (!carry_.empty()) line = carry_.append(line);
    if (piece[brk] == '\0') {
      // The text ends here; an unbroken last line counts only when it holds something.
      if (!line.empty()) list_.AppendLine(line);
      carry_.clear();
      ended_ = true;
      return false;
    }
    list_.AppendLine(line);
    carry_.clear();
    p = brk + 1;
    if (piece[brk] == '\r') {
      if (p == piece.size()) {
        after_cr_ = true;
      } else if (piece[p] == '\n') {
        ++p;
      }
    }
  }
  return true;
}

IndexList IndexLoader::Finish() {
  if (!ended_ && !carry_.empty()) list_.AppendLine(carry_);
  carry_.clear();
  list_.FinishAppending();
  return std::move(list_);
}

std::shared_ptr<IndexList> LoadIndexList(FileSystem& fs, const std::string& path) {
  try {
    IndexLoader loader;
    fs.ReadFilePieces(path, [&](std::string_view piece) { return loader.Feed(piece); });
    return std::make_shared<IndexList>(loader.Finish());
  } catch (const std::bad_alloc&) {
    throw Error("Out of memory");
  }
}

void SaveIndexList(FileSystem& fs, const IndexList& index, const std::string& path) {
  fs.ReplaceFilePieces(path, [&](const FileSystem::Put& put) { index.WriteFileText(put); });
}

void IndexStore::Set(std::shared_ptr<IndexList> index) {
  std::shared_ptr<IndexList> old = std::exchange(current_, std::move(index));
  ++state_;
  if (old && old != current_ && replaced_) replaced_(std::move(old));
}

}  // namespace vl
