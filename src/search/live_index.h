#pragma once
// The index following the disk between rebuilds.
//
// Each pass walks every root again with the walk's own rules (CollectFiles), but takes each
// folder that did not change from what the last pass learnt of it: its entries from the index,
// its sub-folders (with their attributes) and its identity from memory. Only the folders a change
// names are listed again, and only folders not seen before are walked on disk. So the index a
// pass makes is, entry for entry, the index a rebuild would make at that moment, and a pass over
// a quiet disk costs a copy of the index, not a walk. A pass lets the window process its messages
// once per folder, like the rebuild's walk, and queries read the previous index until it ends.
//
// The first pass after Follow knows nothing and walks every root on disk (changes made while the
// program was not running are caught that way); so does a pass after a watch lost track of its
// root. Such a pass drives the progress bar.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "search/index_commands.h"
#include "search/index_list.h"
#include "search/queries.h"
#include "search/text_list.h"
#include "search/walk.h"

namespace vl {

// What changed on disk since the last pass.
struct ChangeSet {
  // Folders (with their trailing "\") whose own listing changed.
  std::unordered_set<std::string> folders;
  // Folders whose whole subtree is walked again on disk: an entry that appeared may be a folder
  // with contents, and a watch that lost track names its root.
  std::unordered_set<std::string> subtrees;

  bool Empty() const { return folders.empty() && subtrees.empty(); }
  // An entry named `name` appeared in, left or was renamed in `folder` (which ends with "\").
  void NameChanged(std::string_view folder, std::string_view name);
  // A change below `root` at `relative` (the platform's relative path, "\" between names).
  void PathChanged(std::string_view root, std::string_view relative);
  void Merge(ChangeSet&& other);
  // Whether the listing of folder may differ from what the last pass learnt.
  bool Touches(std::string_view folder) const;
};

// Where change notifications come from: the platform's watches of the roots, or a test.
class ChangeSource {
 public:
  virtual ~ChangeSource() = default;
  // Watches each root that names a folder (ends with "\"), replacing the watches before.
  virtual void Watch(const TextList& roots) = 0;
  virtual void Stop() = 0;
  // Moves what arrived since the last call into changes. A watch that lost track (its buffer
  // overflowed, its folder went away) gives its root as a subtree and is opened again.
  virtual void Collect(ChangeSet& changes) = 0;
};

// What a pass learnt of the folders of one root.
struct RootMemory {
  struct Listed {
    std::uint32_t first = 0;  // its entries in the index, from the root's first entry
    std::uint32_t count = 0;
    Listing listing = Listing::kListed;
    // The folder entries of its listing, with their places in it.
    std::vector<std::pair<std::uint32_t, DirEntry>> folders;
  };
  std::size_t base = 0;  // the root's first entry in the index
  std::unordered_map<std::string, Listed> listed;
  std::unordered_map<std::string, std::optional<FolderId>> ids;
};

struct LiveSeams {
  DirectoryLister& lister;
  IndexProgress& progress;
  // Pending window messages, once per folder of a pass; it may add changes.
  std::function<void()> process_messages;
};

class LiveIndex {
 public:
  LiveIndex(IndexStore& store, LiveSeams seams);

  // Follows the index in the store, built from these roots: the next pass walks them all.
  void Follow(TextList roots);
  // Follows it no more (the index was cleared).
  void Stop();
  bool Following() const { return following_; }
  const TextList& Roots() const { return roots_; }

  void Add(ChangeSet changes);
  bool HasWork() const { return following_ && !pending_.Empty(); }
  bool Running() const { return running_; }

  // Runs passes until nothing is pending and returns whether the index changed. A pass ends
  // without a trace when `cancelled` says so or the store gets another index meanwhile (a
  // rebuild, a clear); what it was to do stays pending unless Follow or Stop came between.
  bool Update(const std::function<bool()>& cancelled = {});

  // The index changed since the last MarkSaved (what the file holds is older).
  bool Unsaved() const { return unsaved_; }
  void MarkSaved() { unsaved_ = false; }

 private:
  enum class PassOutcome { kSame, kChanged, kAbandoned };
  PassOutcome Pass(ChangeSet changes, const std::function<bool()>& cancelled);
  bool CatchesUp(const ChangeSet& changes) const;
  // Lets go of what the last pass learnt and of the changes this one took in, in slices.
  void Release(std::vector<RootMemory>& old, ChangeSet& changes) const;

  IndexStore& store_;
  LiveSeams seams_;
  TextList roots_;
  std::vector<RootMemory> memory_;
  std::uint64_t memory_state_ = 0;  // the store's state that memory_ describes
  ChangeSet pending_;
  std::uint64_t follows_ = 0;  // changes with every Follow and Stop
  bool following_ = false;
  bool running_ = false;
  bool unsaved_ = false;
};

// The row showing path in rows that a query made again, looked for outwards from the row it had
// before: the rows around it moved by about as many as changed. Nothing when it is not within a
// few thousand rows of its old place (or no longer there at all).
std::optional<std::size_t> RowNear(const TBallArray& rows, std::string_view path, std::size_t near);

}  // namespace vl
