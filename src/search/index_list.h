#pragma once
// The loaded index: every indexed path, one a line, in file order.
//
// The lines live in one contiguous buffer that is the file's own text (up to a first NUL), with
// the start of every line beside it, so loading costs one read and one split and a query scans
// plain memory. The buffer always ends with a line break, so the end of line i is found from
// the start of line i + 1. Lines built here (by the walk) end in CR LF: such a list is already
// the exact text of its file.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "search/text_list.h"

namespace vl {

class IndexList {
 public:
  IndexList();

  // The lines of a text-list file's bytes, by the text-list rules.
  static IndexList FromText(std::string bytes);

  std::size_t Count() const { return starts_.size() - 1; }
  bool Empty() const { return Count() == 0; }
  std::string_view Line(std::size_t i) const;

  // Appends a line. A CR or LF byte in it (a name that no folder on Windows can hold) is
  // stored as "?", so that the list reads back from its file exactly as it is.
  void Append(std::string_view line);
  // Appends every line of another list. Either everything is appended or, when memory runs
  // out (std::bad_alloc), nothing is.
  void AppendList(const IndexList& other);

  // The bytes of the index file: each line followed by CR LF.
  std::string FileText() const;
  // True when the buffer already is FileText() (no copy is needed to save it).
  bool BufferIsFileText() const { return buffer_is_file_text_; }

  // The raw buffer: lines and their breaks, for scanning. A scan that finds a byte sequence
  // without CR or LF finds it inside one line.
  std::string_view Buffer() const { return text_; }
  // The line holding buffer offset pos; hint is a line at or before it (0 when unknown).
  std::size_t LineAt(std::size_t pos, std::size_t hint = 0) const;
  // Buffer offset where line i starts; LineStart(Count()) is the buffer's size.
  std::size_t LineStart(std::size_t i) const { return starts_[i]; }
  // Where LineStart(i) is kept, for a scan that fetches it ahead.
  const std::size_t* LineStartAt(std::size_t i) const { return starts_.data() + i; }
  // Buffer offset just past the last byte of line i (before its break: CR, LF or CR LF; a CR
  // that ends one line is never followed by an LF that ends the next, as CR LF is one break).
  std::size_t LineEnd(std::size_t i) const {
    std::size_t end = starts_[i + 1] - 1;
    if (text_[end] == '\n' && end > starts_[i] && text_[end - 1] == '\r') --end;
    return end;
  }

  // Bytes held in memory (buffer and line starts, by capacity).
  std::size_t MemoryBytes() const;

 private:
  std::string text_;
  std::vector<std::size_t> starts_;
  bool buffer_is_file_text_ = true;
};

// Reads and writes the index file. Loading converts running out of memory into an Error
// ("Out of memory") and changes nothing.
std::shared_ptr<IndexList> LoadIndexList(FileSystem& fs, const std::string& path);
void SaveIndexList(FileSystem& fs, const IndexList& index, const std::string& path);

// The process-wide IndexList: absent (null) until the index file is loaded or a rebuild has
// finished its first root. Rows of a result set keep the list they came from alive, so
// replacing it never pulls lines from under the rows on show.
class IndexStore {
 public:
  const std::shared_ptr<IndexList>& Current() const { return current_; }
  bool Exists() const { return current_ != nullptr; }
  void Set(std::shared_ptr<IndexList> index) {
    current_ = std::move(index);
    ++state_;
  }
  // Changes with every Set (a load, each rebuild step, a clear), even of the same list, so that
  // what was learnt from the index before (the keyword cache) can be dropped.
  std::uint64_t State() const { return state_; }

 private:
  std::shared_ptr<IndexList> current_;
  std::uint64_t state_ = 0;
};

}  // namespace vl
