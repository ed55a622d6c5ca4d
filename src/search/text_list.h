#pragma once
// Text-list files: an ordered list of byte-string lines stored as plain text, one a line.
//
// Reading: CR, LF or the pair CR LF end a line (LF CR is two breaks); the text ends at the
// first NUL byte; a break at the very end adds no empty line. Writing: each line followed by
// CR LF, nothing else, so no lines give a zero-byte file.
//
// Lines are UTF-8. A line that is not (written by a version before it, in the system's ANSI
// code page) is read as that code page; a root list's UTF-8 byte-order mark, which some editors
// put first, is dropped.
//
// Files are replaced in one step: the bytes go to a temporary file beside the target, which
// then takes the target's place, so a failure at any point leaves the old file whole. The
// temporary file is named after the target ("vl.vl.~vl<process>-<count>.tmp"); one that an
// interrupted replacement left is removed by the next replacement of the same file.

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vl {

using TextList = std::vector<std::string>;

TextList SplitTextList(std::string_view bytes);
std::string JoinTextList(const TextList& lines);

// The right to write a file, held by one process at a time for as long as the object lives.
class WriterClaim {
 public:
  virtual ~WriterClaim() = default;
};

// The file services the index and the root list go through. Failures throw FileError with the
// text the user reads: "Cannot open file "<absolute path>". <system text>" for reading and
// "Cannot create file "<absolute path>". <system text>" for writing.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool FileExists(const std::string& path) = 0;
  // The whole file. The open shares the file with readers only, so it fails while another
  // process holds the file open for writing.
  virtual std::string ReadWholeFile(const std::string& path) = 0;
  // Replaces the file with exactly these bytes, in one step.
  virtual void ReplaceWholeFile(const std::string& path, std::string_view bytes) = 0;
  // The claim to write the file through a series of replacements; null while another process
  // (another copy of the program started from the same folder) holds it.
  virtual std::unique_ptr<WriterClaim> ClaimWriter(const std::string& path) {
    (void)path;
    return std::make_unique<WriterClaim>();
  }

  // The same two for a file too large to be held whole. OpenPieces opens the file for reading
  // (shared as ReadWholeFile's open is) into the caller's buffers; ReplaceFilePieces writes what
  // write hands to put, piece by piece, and replaces the file in one step when write returns.
  // These ones hold the whole file; the platform's do not.
  class PieceReader {
   public:
    virtual ~PieceReader() = default;
    // Reads up to size bytes into into and returns how many; 0 at the end of the file.
    virtual std::size_t Read(char* into, std::size_t size) = 0;
  };
  using Put = std::function<void(std::string_view)>;
  virtual std::unique_ptr<PieceReader> OpenPieces(const std::string& path);
  virtual void ReplaceFilePieces(const std::string& path,
                                 const std::function<void(const Put&)>& write) {
    std::string bytes;
    write([&](std::string_view part) { bytes.append(part); });
    ReplaceWholeFile(path, bytes);
  }

  // A line in the system's ANSI code page as UTF-8. This one reads code page 1252; the
  // platform's reads the system's own. Called from several threads at once.
  virtual std::string FromSystemCodePage(std::string_view line) const;
};

// The text with every line that is not UTF-8 read by fs.FromSystemCodePage; nothing when every
// line is UTF-8 already (the usual case, which costs one check of the bytes).
std::optional<std::string> LegacyLinesAsUtf8(std::string_view text, const FileSystem& fs);
// The bytes of a root list as the program reads them: without a UTF-8 byte-order mark, and
// every line in UTF-8.
std::string ReadableText(std::string bytes, const FileSystem& fs);

// Reads bytes held in memory as a file.
class StringReader : public FileSystem::PieceReader {
 public:
  explicit StringReader(std::string bytes) : bytes_(std::move(bytes)) {}
  std::size_t Read(char* into, std::size_t size) override;

 private:
  std::string bytes_;
  std::size_t at_ = 0;
};

// The platform's files (Windows build only).
FileSystem& SystemFileSystem();

TextList LoadTextList(FileSystem& fs, const std::string& path);
void SaveTextList(FileSystem& fs, const TextList& lines, const std::string& path);

// The same on the platform's files (Windows build only).
TextList LoadTextList(const std::string& path);
void SaveTextList(const TextList& lines, const std::string& path);

}  // namespace vl
