#pragma once
// The loaded index: every indexed path, one a line, in file order, stored by folder.
//
// A path is cut at its last "\" into its folder text (everything up to and including that "\";
// empty for a path without one) and its name (the rest, which holds no "\"). Each distinct
// folder text is stored once, numbered in the order first met, and each entry is its name bytes
// in index order; a run of consecutive entries of one folder (the entries of one listing of the
// walk, the lines of one folder in the file) names its folder once. A folder on a real disk holds
// tens of entries, so the bytes a query reads, and the memory, fall to a quarter of a flat list
// of paths or less; a query tests each folder once and reads a name only when its folder did not
// already match. The cut is a storage choice only: Line(i) gives the path back byte for byte,
// and the queries mean their tests on the whole path (queries_scan.h says how).
//
// Texts live in blocks of at most kBlockBytes, each text followed by LF. No line holds LF, so a
// scan over a whole block never finds a keyword that runs from one text into the next. A block
// never moves its bytes once written and never grows past its size, so a large index never asks
// for one large piece of contiguous memory (which a 32-bit process cannot find), and the entries
// of a walked root join the fresh index by moving their blocks, not by copying their bytes.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "search/text_list.h"

namespace vl {

// Entry numbers of an index, in index order: the rows of a result, 4 bytes a row.
using Rows = std::vector<std::uint32_t>;
// The rows of a result, shared by the result set on show and the keyword cache.
using ResultLines = std::shared_ptr<const Rows>;

// Byte texts appended one after another and numbered from 0, kept in blocks that never move.
class TextBlocks {
 public:
  static constexpr std::size_t kBlockBytes = std::size_t(4) << 20;

  struct Block {
    std::size_t first = 0;    // the number of the block's first text
    std::vector<char> bytes;  // every text followed by LF
    // Where each text starts in bytes, then bytes.size(): text k ends one byte (its LF) before
    // the start of text k + 1.
    std::vector<std::uint32_t> starts{0};

    std::size_t Count() const { return starts.size() - 1; }
    std::size_t End() const { return first + Count(); }
    std::string_view Bytes() const { return {bytes.data(), bytes.size()}; }
    std::string_view Text(std::size_t k) const {
      return Bytes().substr(starts[k], starts[k + 1] - starts[k] - 1);
    }
  };

  std::size_t Count() const { return count_; }
  std::string_view Text(std::size_t i) const;
  const std::vector<Block>& Blocks() const { return blocks_; }
  // The block holding text i.
  std::size_t BlockOf(std::size_t i) const;

  // Whether appending a text of this length starts a new block.
  bool StartsBlock(std::size_t length) const;
  void Append(std::string_view text);
  // Appends texts from .. to - 1 of bytes, text k ending with its LF just before ends[k] (text 0
  // starting at 0), as many as one block takes (at least one); returns how many.
  std::size_t AppendTexts(std::string_view bytes, const std::vector<std::uint32_t>& ends,
                          std::size_t from, std::size_t to);
  // Moves the blocks of other behind these, renumbering their texts.
  void AppendBlocks(TextBlocks&& other);
  // Frees the memory of block k (its texts can no longer be read).
  void ReleaseBlock(std::size_t k);
  // Gives back the unused room at the end of the last block.
  void ShrinkLast();

  std::size_t MemoryBytes() const;

 private:
  void StartBlock();
  // Room in the last block for need bytes.
  void Reserve(std::size_t need);

  std::vector<Block> blocks_;
  std::size_t count_ = 0;
};

struct ParsedLines;

class IndexList {
 public:
  // Entries first .. (next run's first - 1) share one folder. A run never spans two blocks of
  // names, so a scan of a run reads one block.
  struct Run {
    std::uint32_t folder;
    std::uint32_t first;
  };

  // The lines of a text-list file's bytes, by the text-list rules.
  static IndexList FromText(std::string_view bytes);

  std::size_t Count() const { return names_.Count(); }
  bool Empty() const { return Count() == 0; }
  // The full path of entry i.
  std::string Line(std::size_t i) const;
  void LineInto(std::size_t i, std::string& out) const;
  std::string_view Name(std::size_t i) const { return names_.Text(i); }
  std::uint32_t FolderOf(std::size_t i) const { return runs_[RunOf(i)].folder; }
  std::string_view FolderText(std::size_t folder) const { return folders_.Text(folder); }
  std::size_t FolderCount() const { return folders_.Count(); }

  const TextBlocks& Names() const { return names_; }
  const TextBlocks& Folders() const { return folders_; }
  const std::vector<Run>& Runs() const { return runs_; }
  std::size_t RunEnd(std::size_t r) const {
    return r + 1 < runs_.size() ? runs_[r + 1].first : Count();
  }
  // The run holding entry i.
  std::size_t RunOf(std::size_t i) const;

  // Appends a line. A CR, LF or NUL byte in it (which no name on Windows holds) is stored as
  // "?", so that the list reads back from its file exactly as it is.
  void Append(std::string_view line);
  // Appends every entry of other, moving its names. Either everything is appended or, when
  // memory runs out (std::bad_alloc), no entry is.
  void AppendList(IndexList&& other);
  // Drops what only appending needs (the folder lookup table); a later append builds it again.
  void FinishAppending();

  // The bytes of the index file, each line followed by CR LF, handed to put piece by piece.
  void WriteFileText(const std::function<void(std::string_view)>& put) const;
  std::string FileText() const;

  // A list of the given entries of from (ascending), in order: what rows need of an index that
  // is going away. TakeEntries frees the blocks of from as it goes and leaves it empty.
  static IndexList CopyEntries(const IndexList& from, const Rows& entries);
  static IndexList TakeEntries(IndexList&& from, const Rows& entries);

  // Bytes held in memory (by capacity).
  std::size_t MemoryBytes() const;

 private:
  friend class IndexLoader;
  template <bool kRelease>
  static IndexList Subset(std::conditional_t<kRelease, IndexList&, const IndexList&> from,
                          const Rows& entries);

  // A line as read from a file: it holds no CR, LF or NUL.
  void AppendLine(std::string_view line);
  void AppendSplit(std::string_view folder, std::string_view name);
  void AppendParsed(const ParsedLines& parsed);
  std::uint32_t FolderId(std::string_view folder);
  std::uint32_t FolderId(std::string_view folder, std::uint32_t hash);
  void RebuildLookup();

  TextBlocks folders_;
  TextBlocks names_;
  std::vector<Run> runs_;
  // Open addressing over folder texts: hash and folder number + 1 (0 is a free slot).
  struct Slot {
    std::uint32_t hash;
    std::uint32_t folder_plus_one;
  };
  std::vector<Slot> lookup_;
  // The folder of the last entry appended, so that the entries of one folder skip the lookup.
  std::string last_folder_;
  std::uint32_t last_folder_id_ = 0;
};

// How a whole index file is read: in pieces of piece bytes, a stretch of at least stretch bytes
// at a time, cut into parts of about part bytes for the cores.
struct IndexLoadSizes {
  std::size_t piece = std::size_t(1) << 20;
  std::size_t stretch = std::size_t(4) << 20;
  std::size_t part = std::size_t(512) << 10;
};

// Builds an index from the bytes of an index file, by the text-list rules. The lines are cut
// into folder texts and names in parts that may run side by side (ParsedLines), which then join
// the index in order.
class IndexLoader {
 public:
  // A line that is not UTF-8 is read through legacy->FromSystemCodePage; without legacy, as it is.
  explicit IndexLoader(const FileSystem* legacy = nullptr);
  ~IndexLoader();
  IndexLoader(const IndexLoader&) = delete;
  IndexLoader& operator=(const IndexLoader&) = delete;

  // The bytes handed over piece by piece; a line or a CR LF break may be cut between two pieces.
  // Returns false once the text has ended (at a NUL byte): the rest is not needed.
  bool Feed(std::string_view piece);
  using Sizes = IndexLoadSizes;
  // Reads the whole file on up to threads cores as a pipeline of fork-joins: while one stretch
  // of the file is read, the stretch before it is cut into parts, and the one before that joins
  // the index.
  void ReadAll(FileSystem::PieceReader& reader, unsigned threads, Sizes sizes = Sizes());
  IndexList Finish();

 private:
  struct Stretch;
  // Whole lines: every line ends with its break, or the text ends after them.
  void Take(std::string_view text);
  void JoinParts(const Stretch& stretch);
  static void ReadStretch(FileSystem::PieceReader& reader, const Sizes& sizes, Stretch& stretch,
                          bool& at_end);

  const FileSystem* legacy_;
  IndexList list_;
  std::string carry_;  // the start of a line cut at the end of the last piece
  bool ended_ = false;
  std::unique_ptr<ParsedLines> parsed_;
};

// Reads and writes the index file, piece by piece: neither holds the whole file in memory.
// Loading converts running out of memory into an Error ("Out of memory") and changes nothing.
std::shared_ptr<IndexList> LoadIndexList(FileSystem& fs, const std::string& path);
void SaveIndexList(FileSystem& fs, const IndexList& index, const std::string& path);

// The process-wide IndexList: absent (null) until the index file is loaded or a rebuild has
// finished its first root.
class IndexStore {
 public:
  // Told the list that another has just replaced (the store no longer holds it), so that rows
  // taken from it can let it go.
  using ReplacedFn = std::function<void(std::shared_ptr<IndexList> old)>;

  const std::shared_ptr<IndexList>& Current() const { return current_; }
  bool Exists() const { return current_ != nullptr; }
  void Set(std::shared_ptr<IndexList> index);
  // Changes with every Set (a load, each rebuild step, a clear), even of the same list, so that
  // what was learnt from the index before (the keyword cache) can be dropped.
  std::uint64_t State() const { return state_; }
  void OnReplaced(ReplacedFn fn) { replaced_ = std::move(fn); }

 private:
  std::shared_ptr<IndexList> current_;
  std::uint64_t state_ = 0;
  ReplacedFn replaced_;
};

}  // namespace vl
