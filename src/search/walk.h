#pragma once
// The breadth-first walk of the search roots. Every entry that a folder's listing returns is
// recorded as folder + name (files, folders without a trailing "\", hidden and system entries,
// "." and ".."); every sub-folder is queued behind the folders already waiting. Roots are used
// exactly as written: the mask is appended to the root text as it stands. Names below a root
// reach the listing exactly as they are: a folder named "apache." lists its own entries, not
// those of "apache".
//
// Every folder is listed at most once per rebuild. A junction, folder link or mount point is
// recorded as an entry, and entered only when the folder it leads to lies under no root of the
// list (a folder under a root is listed by that root's own walk, under its real path) and has
// not been listed yet, told apart by its identity (volume serial number and file index). So a
// loop ends, a link before its target adds nothing twice, and a folder outside every root is
// listed under the first path that reaches it. A link whose folder cannot be told apart is
// recorded but not entered. Real folders are always listed, and a root listed twice is walked
// twice, each time alike.

#include <compare>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "search/index_list.h"

namespace vl {

// File attribute bits and reparse tags, with the platform's values.
namespace fa {
constexpr std::uint32_t kDirectory = 0x10;
constexpr std::uint32_t kReparsePoint = 0x400;
// Set in the tag of every reparse point that names another entry (junctions, symbolic links,
// mount points).
constexpr std::uint32_t kNameSurrogateTag = 0x20000000;
}  // namespace fa

struct DirEntry {
  std::string name;
  std::uint32_t attributes = 0;
  std::uint32_t reparse_tag = 0;  // meaningful only with fa::kReparsePoint
};

// What tells one folder from every other: the serial number of its volume and its file index
// on that volume (128 bits, as some file systems need).
struct FolderId {
  std::uint64_t volume = 0;
  std::uint64_t index_high = 0;
  std::uint64_t index_low = 0;
  auto operator<=>(const FolderId&) const = default;
};

enum class Listing { kListed, kNoMatch, kFailed };

class DirectoryLister {
 public:
  virtual ~DirectoryLister() = default;
  // Lists a pattern (folder + mask), asking for entries of every kind, in listing order.
  // kNoMatch and kFailed (folder missing, access denied) come with entries emptied.
  virtual Listing List(const std::string& pattern, std::vector<DirEntry>& entries) = 0;
  // The identity of the folder that a folder path (with its trailing separator) leads to,
  // following links; nothing when it cannot be told. `parent` is given for a real folder (one
  // not reached through a link) whose parent's identity is known: it lies on its parent's
  // volume, so only its file index needs asking.
  virtual std::optional<FolderId> Identify(const std::string& folder, const FolderId* parent) = 0;
  // The path of the folder that a folder path leads to with every link on the way resolved, in
  // one spelling for every folder of a volume and ending with its separator; nothing when it
  // cannot be told.
  virtual std::optional<std::string> FinalPath(const std::string& folder) = 0;
  // The text that the walk of a root appends names to when it asks this lister: the root as
  // written, or a form of it in which the names that follow are taken exactly as they are.
  virtual std::string ListingRoot(const std::string& root) { return root; }
};

// The platform's listing and folder identities (Windows build only).
DirectoryLister& SystemDirectoryLister();

struct WalkHooks {
  // Lets the window process its pending messages; called once per folder.
  std::function<void()> process_messages;
  // Asked after every call of process_messages; true ends the walk before the next folder.
  std::function<bool()> cancelled;
};

// The walks of the roots of one list, sharing the record of the folders listed.
class RootWalks {
 public:
  RootWalks(std::vector<std::string> roots, DirectoryLister& lister);

  // Walks root i and returns the entries it met, in the order met. When the walk is cancelled
  // the entries met so far are returned; the caller asks its own flag.
  IndexList Walk(std::size_t i, std::string_view mask, const WalkHooks& hooks = {});

  // Whether the last walk could list its root (a root that holds nothing was listed).
  bool RootRead() const { return root_read_; }

  // The folders below the roots whose listing failed (access denied, gone), over every walk:
  // how many, and the first kFirstUnreadable of them, without their trailing separator.
  static constexpr std::size_t kFirstUnreadable = 5;
  struct Unreadable {
    std::size_t count = 0;
    std::vector<std::string> first;
  };
  const Unreadable& UnreadableFolders() const { return unreadable_; }

  // Whether a folder, by its final path, lies under a root of the list (whose own walk lists
  // it). Only a root that ends with its separator names a folder; one such as "C:" or
  // "D:\Data" is a prefix of names and holds none.
  bool UnderRoot(std::string_view final_path) const;

 private:
  struct Queued;
  // Which walk listed a folder: the first root of its folder, and the walk's number.
  struct Listed {
    std::size_t root;
    std::size_t walk;
  };

  bool Enter(std::size_t i, const Queued& folder, const std::string& path,
             std::optional<FolderId>& id);
  bool FirstListing(std::size_t i, const FolderId& id) const;
  void NoteUnreadable(std::string folder);

  std::vector<std::string> roots_;
  DirectoryLister& lister_;
  std::vector<std::optional<std::string>> final_roots_;
  // For each root, the first root of the list that names the same folder (itself when none).
  std::vector<std::size_t> first_alike_;
  std::map<FolderId, Listed> listed_;
  std::size_t walks_ = 0;
  bool root_read_ = false;
  Unreadable unreadable_;
};

// The walk of a single root, as the only root of its list.
IndexList CollectFiles(std::string_view root, std::string_view mask, DirectoryLister& lister,
                       const WalkHooks& hooks = {});

}  // namespace vl
