#pragma once
// The two commands of the File menu that change the index: "Rebuild the index file"
// (mniIndexClick) and "Remove file index" (mniRefreshClick). They belong to the main window,
// which supplies the seams below; nothing here opens a window.
//
// A rebuild walks every root of the root list, moves each root's entries into a fresh index,
// rewrites the index file after every root and makes the fresh index the process-wide one as
// soon as its first root is done; the index it replaces is released then, even while rows taken
// from it are on show (they keep copies of their own paths, see TBallArray::Detach). The walk lets
// the window process messages once per folder, so the window stays usable: while a rebuild runs, a
// second rebuild and a clear are refused without a message (the window greys their menu items, see
// running_changed), queries read the index as far as it is built, and closing the window calls
// CancelRebuild, which stops the walk before its next folder and keeps the roots already written.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/dialogs.h"
#include "search/index_list.h"
#include "search/text_list.h"
#include "search/walk.h"

namespace vl {

// The progress bar of the status bar implements this.
class IndexProgress {
 public:
  virtual ~IndexProgress() = default;
  virtual void SetTotalParts(int total) = 0;
  virtual void SetPartsComplete(int complete) = 0;
};

struct IndexSeams {
  FileSystem& files;
  DirectoryLister& lister;
  IndexProgress& progress;
  // Pending window messages, once per folder of the walk.
  std::function<void()> process_messages;
  // Told before each root is walked (index from 0, number of roots, root text).
  std::function<void(std::size_t, std::size_t, const std::string&)> root_started;
  // Paths in the process's code page made into UTF-8 for the messages (as they are when unset).
  std::function<std::string(std::string_view)> path_to_utf8;
};

enum class RebuildOutcome { kDone, kNoRootList, kCancelled };

// What a rebuild could not read: roots whose own listing failed (their entries from the index
// replaced were kept), and folders below the roots whose listing failed.
struct RebuildProblems {
  std::vector<std::string> unread_roots;
  RootWalks::Unreadable unreadable_folders;
};

// The rebuild without its questions and messages (the console tool runs this). A root that
// cannot be listed, and every root that a cancelled rebuild did not finish, keeps its entries
// from the index that the rebuild replaces, so the index always covers every root of the list.
// Throws FileError when a file cannot be read or written and Error("Out of memory") when
// memory runs out; in both cases the index and the file keep the roots completed so far.
RebuildOutcome RebuildIndex(IndexStore& store, const std::string& root_list_file,
                            const std::string& index_file, const IndexSeams& seams,
                            const std::function<bool()>& cancelled = {},
                            RebuildProblems* problems = nullptr);

// The entries of one root (index i of roots) in an index: its lines that start with the root's
// text, less those that a longer root of the list starting with the same text holds. A root
// text listed twice gets them at its first place only, so that the two walks' entries that
// the index holds are kept once each.
IndexList EntriesOfRoot(const IndexList& index, const TextList& roots, std::size_t i);

// The text that tells the user what a rebuild could not read (empty when it read everything):
// the unread roots, then how many folders could not be read and the first few.
std::string ProblemsText(const RebuildProblems& problems);

// Empties the index and writes the zero-byte index file; an absent index counts as empty.
// The file is written first, so a write that fails leaves the index in memory as it was.
void ClearIndex(IndexStore& store, const std::string& index_file, FileSystem& files);

class IndexCommands {
 public:
  IndexCommands(IndexStore& store, std::string root_list_file, std::string index_file,
                Dialogs& dialogs, NativeWindow owner, IndexSeams seams);

  // "Rebuild the index file": the question, the walk, the closing message. Errors propagate to
  // the caller (the application's error box).
  void mniIndexClick();
  // "Remove file index": the question, then ClearIndex.
  void mniRefreshClick();

  bool Rebuilding() const { return rebuilding_; }
  // Stops a running walk before its next folder; the rebuild then ends without a message.
  // A window that closes during a rebuild calls this from its message processing and keeps
  // this object alive until mniIndexClick has returned.
  void CancelRebuild() { cancel_requested_ = true; }

  // Called with true when a rebuild starts and with false when it ends, however it ends (it
  // must not throw). The window greys "Rebuild the index file" and "Remove file index" here.
  std::function<void(bool)> running_changed;

 private:
  // The claim to write the index file; null, after telling the user, while another copy of the
  // program holds it.
  std::unique_ptr<WriterClaim> ClaimIndexFile();

  IndexStore& store_;
  std::string root_list_file_;
  std::string index_file_;
  Dialogs& dialogs_;
  NativeWindow owner_;
  IndexSeams seams_;
  bool rebuilding_ = false;
  bool cancel_requested_ = false;
};

}  // namespace vl
