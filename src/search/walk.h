#pragma once
// The breadth-first walk of one search root. Every entry that a folder's listing returns is
// recorded as folder + name (files, folders without a trailing "\", hidden and system entries,
// "." and ".."); every sub-folder is queued behind the folders already waiting. Roots are used
// exactly as written: the mask is appended to the root text as it stands.
//
// Junctions, folder links and mount points are entered when they lead to a folder not listed
// yet, told apart by its identity (volume serial number and file index): a volume mounted into
// a folder is indexed, and a link back to an ancestor, or to a folder another link already
// led to, is recorded but not entered, so a loop still ends. A link whose folder cannot be told
// apart is recorded but not entered. Real folders are always listed.

#include <compare>
#include <cstdint>
#include <functional>
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

class DirectoryLister {
 public:
  virtual ~DirectoryLister() = default;
  // Lists a pattern (folder + mask), asking for entries of every kind, in listing order.
  // Returns false, with entries emptied, when the listing fails or finds nothing.
  virtual bool List(const std::string& pattern, std::vector<DirEntry>& entries) = 0;
  // The identity of the folder that a folder path (with its trailing separator) leads to,
  // following links; nothing when it cannot be told. `parent` is given for a real folder (one
  // not reached through a link) whose parent's identity is known: it lies on its parent's
  // volume, so only its file index needs asking.
  virtual std::optional<FolderId> Identify(const std::string& folder, const FolderId* parent) = 0;
};

// The platform's listing and folder identities (Windows build only).
DirectoryLister& SystemDirectoryLister();

struct WalkHooks {
  // Lets the window process its pending messages; called once per folder.
  std::function<void()> process_messages;
  // Asked after every call of process_messages; true ends the walk before the next folder.
  std::function<bool()> cancelled;
};

// Walks root and returns the entries it met, in the order met. When the walk is cancelled the
// entries met so far are returned; the caller asks its own flag.
IndexList CollectFiles(std::string_view root, std::string_view mask, DirectoryLister& lister,
                       const WalkHooks& hooks = {});

}  // namespace vl
