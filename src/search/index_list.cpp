#include "search/index_list.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

#include "framework/errors.h"
#include "search/byte_scan.h"
#include "search/fork_join.h"

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

bool IsBreakOrNul(char c) {
  return c == '\r' || c == '\n' || c == '\0';
}

bool HasBreakOrNul(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// The load copies and compares ten million short texts (a name of about fifteen bytes, a folder
// of about sixty): a call into the C library for each costs more than the bytes do where that
// library's routines are generic ones (Wine's are), so texts up to 32 bytes are copied, and
// compared a word at a time, in place.
void CopyShort(char* to, const char* from, std::size_t n) {
  if (n > 32) {
    std::memcpy(to, from, n);
  } else if (n >= 16) {
    __builtin_memcpy(to, from, 16);
    __builtin_memcpy(to + n - 16, from + n - 16, 16);
  } else if (n >= 8) {
    __builtin_memcpy(to, from, 8);
    __builtin_memcpy(to + n - 8, from + n - 8, 8);
  } else if (n >= 4) {
    __builtin_memcpy(to, from, 4);
    __builtin_memcpy(to + n - 4, from + n - 4, 4);
  } else if (n > 0) {
    to[0] = from[0];
    to[n / 2] = from[n / 2];
    to[n - 1] = from[n - 1];
  }
}

bool SameBytes(const char* a, const char* b, std::size_t n) {
  auto word = [](const char* p) {
    std::uint64_t w;
    __builtin_memcpy(&w, p, 8);
    return w;
  };
  if (n < 8) return std::memcmp(a, b, n) == 0;
  for (std::size_t i = 0; i + 8 < n; i += 8) {
    if (word(a + i) != word(b + i)) return false;
  }
  return word(a + n - 8) == word(b + n - 8);
}

// Bytes that keep their room from one stretch of the load to the next; the room is never
// written before the bytes are (no zeroing of what is about to be overwritten).
struct ByteBuffer {
  std::unique_ptr<char[]> data;
  std::size_t size = 0;
  std::size_t capacity = 0;

  std::string_view Bytes() const { return {data.get(), size}; }
  void clear() { size = 0; }
  // Room for need bytes in all, the bytes there kept.
  void Reserve(std::size_t need) {
    if (need <= capacity) return;
    const std::size_t room = std::max(need, 2 * capacity);
    std::unique_ptr<char[]> bigger(new char[room]);
    if (size > 0) std::memcpy(bigger.get(), data.get(), size);
    data = std::move(bigger);
    capacity = room;
  }
  // Room for n more bytes at the end, counted in size.
  char* Extend(std::size_t n) {
    Reserve(size + n);
    char* at = data.get() + size;
    size += n;
    return at;
  }
};

}  // namespace

// What the load makes of a stretch of whole lines before they join the index: the names one
// after another, each followed by LF, and the runs of lines that share a folder, the folder still
// a text of the stretch with its hash. Parts of one load make these side by side.
struct ParsedLines {
  struct Run {
    std::string_view folder;
    std::uint32_t hash;
    std::uint32_t first;  // the run's first name
  };
  ByteBuffer names;
  std::vector<std::uint32_t> ends;  // the end of each name's LF in names
  std::vector<Run> runs;
  bool ended = false;  // the text ended at a NUL byte among the lines
  // The lines in UTF-8 when some were not (an index an older version wrote in the system's code
  // page); the runs' folders are its texts then.
  std::string converted;
};

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

void TextBlocks::StartBlock() {
  Block block;
  block.first = count_;
  // Blocks of one list hold about as many texts each, so the next one gets room for as many
  // starts as the last, with an eighth to spare, and is seldom moved while it fills.
  if (!blocks_.empty()) {
    std::vector<std::uint32_t>& last = blocks_.back().starts;
    block.starts.reserve(last.size() + last.size() / 8);
    // Only the first block grows its starts by doubling; it gives its spare room back.
    if (last.capacity() > last.size() + last.size() / 8) last.shrink_to_fit();
    // A list that has filled a block fills the next one too: its bytes get the whole room at
    // once instead of doubling into it. Doubling wrote every block about twice and asked the
    // system for twice its memory, which a heap that hands large blocks back to the system
    // (the Windows one does) gives as fresh pages each time: a third of the load at ten
    // million paths. The last block gives its spare room back when the list is complete.
    block.bytes.reserve(kBlockBytes);
  }
  blocks_.push_back(std::move(block));
}

void TextBlocks::Reserve(std::size_t need) {
  std::vector<char>& bytes = blocks_.back().bytes;
  if (need <= bytes.capacity()) return;
  // Geometric growth, but never past the block's size: a full block wastes no room.
  bytes.reserve(std::min(std::max(need, 2 * bytes.capacity()), std::max(need, kBlockBytes)));
}

void TextBlocks::Append(std::string_view text) {
  if (text.size() > kMaxNumber - kBlockBytes || count_ >= kMaxNumber) throw std::bad_alloc();
  if (StartsBlock(text.size())) StartBlock();
  // Everything that can fail comes first, so that a failed append leaves the texts as they were.
  Block& b = blocks_.back();
  if (b.starts.size() == b.starts.capacity()) b.starts.reserve(2 * b.starts.size());
  Reserve(b.bytes.size() + text.size() + 1);
  b.bytes.insert(b.bytes.end(), text.begin(), text.end());
  b.bytes.push_back('\n');
  b.starts.push_back(std::uint32_t(b.bytes.size()));
  ++count_;
}

std::size_t TextBlocks::AppendTexts(std::string_view bytes, const std::vector<std::uint32_t>& ends,
                                    std::size_t from, std::size_t to) {
  const std::size_t base = from == 0 ? 0 : ends[from - 1];
  if (ends[from] - base > kMaxNumber - kBlockBytes || count_ + (to - from) > kMaxNumber) {
    throw std::bad_alloc();
  }
  if (StartsBlock(ends[from] - base - 1)) StartBlock();
  Block& b = blocks_.back();
  const std::size_t room = kBlockBytes > b.bytes.size() ? kBlockBytes - b.bytes.size() : 0;
  std::size_t end = from + 1;
  while (end < to && ends[end] - base <= room) ++end;
  const std::size_t at = b.bytes.size();
  Reserve(at + ends[end - 1] - base);
  if (b.starts.capacity() < b.starts.size() + (end - from)) {
    b.starts.reserve(std::max(b.starts.size() + (end - from), 2 * b.starts.size()));
  }
  b.bytes.insert(b.bytes.end(), bytes.data() + base, bytes.data() + ends[end - 1]);
  for (std::size_t k = from; k < end; ++k) b.starts.push_back(std::uint32_t(at + ends[k] - base));
  count_ += end - from;
  return end - from;
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

void IndexList::AppendParsed(const ParsedLines& parsed) {
  const std::string_view names = parsed.names.Bytes();
  for (std::size_t r = 0; r < parsed.runs.size(); ++r) {
    const ParsedLines::Run& run = parsed.runs[r];
    const std::size_t end =
        r + 1 < parsed.runs.size() ? parsed.runs[r + 1].first : parsed.ends.size();
    const bool same_folder =
        !runs_.empty() && runs_.back().folder == last_folder_id_ && run.folder == last_folder_;
    if (!same_folder) {
      last_folder_id_ = FolderId(run.folder, run.hash);
      last_folder_.assign(run.folder);
    }
    bool new_run = !same_folder;
    for (std::size_t k = run.first; k < end;) {
      const std::size_t length = parsed.ends[k] - (k == 0 ? 0 : parsed.ends[k - 1]) - 1;
      new_run = new_run || names_.StartsBlock(length);
      if (new_run && runs_.size() == runs_.capacity()) {
        runs_.reserve(std::max<std::size_t>(16, 2 * runs_.size()));
      }
      const auto entry = std::uint32_t(Count());
      k += names_.AppendTexts(names, parsed.ends, k, end);
      if (new_run) runs_.push_back({last_folder_id_, entry});
      new_run = false;
    }
  }
}

std::uint32_t IndexList::FolderId(std::string_view folder) {
  return FolderId(folder, HashText(folder));
}

std::uint32_t IndexList::FolderId(std::string_view folder, std::uint32_t hash) {
  // The table is kept at most three quarters full.
  if (4 * (folders_.Count() + 1) > 3 * lookup_.size()) RebuildLookup();
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
  auto put = [&](Slot slot) {
    std::size_t i = slot.hash & mask;
    while (table[i].folder_plus_one != 0) i = (i + 1) & mask;
    table[i] = slot;
  };
  // The table grows while the list is appended to: the hashes of the old table are moved over;
  // only a table dropped by FinishAppending is made again from the texts.
  if (!lookup_.empty()) {
    for (const Slot& slot : lookup_) {
      if (slot.folder_plus_one != 0) put(slot);
    }
  } else {
    for (const TextBlocks::Block& block : folders_.Blocks()) {
      for (std::size_t k = 0; k < block.Count(); ++k) {
        put({HashText(block.Text(k)), std::uint32_t(block.first + k + 1)});
      }
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

namespace {

// Cuts whole lines into names and runs.
void CutLines(std::string_view text, ParsedLines& out) {
  out.names.clear();
  out.ends.clear();
  out.runs.clear();
  out.ended = false;
  const char* d = text.data();
  const std::size_t n = text.size();
  std::string_view folder;
  for (std::size_t p = 0; p < n;) {
    // A line of the folder of the line before is that folder followed by a name without "\":
    // only the name is searched for its end.
    std::size_t name_at = p + folder.size();
    std::size_t stop = n;
    bool same_folder = !out.runs.empty() && folder.size() <= n - p &&
                       SameBytes(d + p, folder.data(), folder.size());
    if (same_folder) {
      stop = FindBreakNulOrSeparator(text, name_at);
      same_folder = stop == n || d[stop] != '\\';
    }
    if (!same_folder) {
      stop = FindBreakOrNul(text, p);
      name_at = stop;
      while (name_at > p && d[name_at - 1] != '\\') --name_at;
      folder = text.substr(p, name_at - p);
    }
    if (stop < n && d[stop] == '\0') {
      out.ended = true;
      // The text ends here; an unbroken last line counts only when it holds something.
      if (stop == p) return;
    }
    if (!same_folder) {
      out.runs.push_back({folder, HashText(folder), std::uint32_t(out.ends.size())});
    }
    char* name = out.names.Extend(stop - name_at + 1);
    CopyShort(name, d + name_at, stop - name_at);
    name[stop - name_at] = '\n';
    out.ends.push_back(std::uint32_t(out.names.size));
    if (stop == n || out.ended) return;
    p = stop + 1;
    if (d[stop] == '\r' && p < n && d[p] == '\n') ++p;
  }
}

// Cuts whole lines into names and runs, reading the lines that are not UTF-8 through legacy.
void ParseLines(std::string_view text, ParsedLines& out, const FileSystem* legacy) {
  if (legacy) {
    if (auto converted = LegacyLinesAsUtf8(text, *legacy)) {
      out.converted = std::move(*converted);
      text = out.converted;
    }
  }
  CutLines(text, out);
}

// The end of the whole lines at the front of text, after the last break; a CR that is the last
// byte does not count, since the LF of its pair may follow.
std::size_t WholeLinesEnd(std::string_view text) {
  std::size_t end = text.size();
  if (end > 0 && text[end - 1] == '\r') --end;
  while (end > 0 && !IsBreakOrNul(text[end - 1])) --end;
  return end;
}

// The offset of the first line that starts at or after from.
std::size_t NextLineStart(std::string_view text, std::size_t from) {
  const std::size_t brk = FindBreakOrNul(text, from);
  if (brk == text.size()) return brk;
  return brk + (text[brk] == '\r' && brk + 1 < text.size() && text[brk + 1] == '\n' ? 2 : 1);
}

}  // namespace

// A stretch of the file on its way through the load: its bytes, the end of its whole lines,
// and what its parts made of them.
struct IndexLoader::Stretch : ByteBuffer {
  enum class State { kFree, kRead, kParsed };
  State state = State::kFree;
  std::size_t whole = 0;
  std::vector<std::size_t> cuts;   // where each part starts, then whole
  std::vector<ParsedLines> parts;  // at least one for each cut; kept for the next stretch
};

IndexLoader::IndexLoader(const FileSystem* legacy)
    : legacy_(legacy), parsed_(std::make_unique<ParsedLines>()) {}
IndexLoader::~IndexLoader() = default;

void IndexLoader::Take(std::string_view text) {
  ParseLines(text, *parsed_, legacy_);
  list_.AppendParsed(*parsed_);
  ended_ = parsed_->ended;
}

bool IndexLoader::Feed(std::string_view piece) {
  if (ended_) return false;
  if (!carry_.empty()) {
    // The line cut at the end of the last piece ends in this one, unless this one holds no
    // break either (or only a CR at its very end).
    const std::size_t end = NextLineStart(piece, 0);
    if (end == piece.size() && WholeLinesEnd(piece) == 0) {
      carry_.append(piece);
      return true;
    }
    carry_.append(piece.substr(0, end));
    Take(carry_);
    carry_.clear();
    if (ended_) return false;
    piece.remove_prefix(end);
  }
  const std::size_t whole = WholeLinesEnd(piece);
  Take(piece.substr(0, whole));
  carry_.assign(piece.substr(whole));
  return !ended_;
}

void IndexLoader::ReadStretch(FileSystem::PieceReader& reader, const Sizes& sizes, Stretch& stretch,
                              bool& at_end) {
  // At least a stretch's bytes, then on until a line ends among the bytes read: a line longer
  // than a stretch is read whole, with the buffer doubling, instead of being carried again.
  const std::size_t start = stretch.size;
  std::size_t searched = start;
  for (;;) {
    stretch.Reserve(stretch.size + sizes.piece);
    const std::size_t got = reader.Read(stretch.data.get() + stretch.size, sizes.piece);
    stretch.size += got;
    if (got == 0) {
      at_end = true;
      return;
    }
    if (stretch.size - start < sizes.stretch) continue;
    const std::size_t brk = FindBreakOrNul(stretch.Bytes(), searched);
    if (brk + 1 < stretch.size) return;
    searched = std::min(brk, stretch.size);
  }
}

void IndexLoader::JoinParts(const Stretch& stretch) {
  for (std::size_t k = 0; k + 1 < stretch.cuts.size(); ++k) {
    const ParsedLines& part = stretch.parts[k];
    list_.AppendParsed(part);
    if (part.ended) {
      ended_ = true;
      return;
    }
  }
}

void IndexLoader::ReadAll(FileSystem::PieceReader& reader, unsigned threads, Sizes sizes) {
  using State = Stretch::State;
  Stretch stretches[3];
  bool at_end = false;
  // Step s reads stretch s into buffer s % 3, cuts stretch s - 1 into parts and joins stretch
  // s - 2 to the index; stretch s starts with the cut line at the end of stretch s - 1.
  for (std::size_t s = 0; !ended_; ++s) {
    Stretch& reading = stretches[s % 3];
    Stretch& cutting = stretches[(s + 2) % 3];
    Stretch& joining = stretches[(s + 1) % 3];
    const bool read = !at_end;
    const bool cut = cutting.state == State::kRead;
    const bool join = joining.state == State::kParsed;
    if (!read && !cut && !join) break;
    unsigned cut_parts = 0;
    if (cut) {
      const std::string_view text = cutting.Bytes().substr(0, cutting.whole);
      cut_parts = unsigned(std::clamp<std::size_t>(text.size() / sizes.part, 1, 64));
      cutting.cuts.assign(1, 0);
      for (unsigned p = 1; p < cut_parts; ++p) {
        cutting.cuts.push_back(
            std::max(cutting.cuts.back(), NextLineStart(text, text.size() * p / cut_parts)));
      }
      cutting.cuts.push_back(text.size());
      if (cutting.parts.size() < cut_parts) cutting.parts.resize(cut_parts);
    }
    // The read and the join go first: each is one part, the longest of the step.
    const unsigned first_cut = unsigned(read) + unsigned(join);
    ForkJoin(first_cut + cut_parts, threads, [&](unsigned p) {
      if (read && p == 0) {
        ReadStretch(reader, sizes, reading, at_end);
      } else if (join && p == unsigned(read)) {
        JoinParts(joining);
      } else {
        const unsigned k = p - first_cut;
        const std::string_view text = cutting.Bytes();
        ParseLines(text.substr(cutting.cuts[k], cutting.cuts[k + 1] - cutting.cuts[k]),
                   cutting.parts[k], legacy_);
      }
    });
    if (join) joining.state = State::kFree;
    if (cut) cutting.state = State::kParsed;
    if (read) {
      reading.whole = at_end ? reading.size : WholeLinesEnd(reading.Bytes());
      reading.state = State::kRead;
      // The cut line moves to the front of the next stretch, into the buffer just joined.
      joining.size = 0;
      joining.Reserve(reading.size - reading.whole);
      std::copy_n(reading.data.get() + reading.whole, reading.size - reading.whole,
                  joining.data.get());
      joining.size = reading.size - reading.whole;
    }
  }
}

IndexList IndexLoader::Finish() {
  if (!ended_ && !carry_.empty()) Take(carry_);
  carry_.clear();
  list_.FinishAppending();
  return std::move(list_);
}

std::shared_ptr<IndexList> LoadIndexList(FileSystem& fs, const std::string& path) {
  try {
    IndexLoader loader(&fs);
    loader.ReadAll(*fs.OpenPieces(path), CoreCount());
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
