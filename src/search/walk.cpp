#include "search/walk.h"

#include <deque>
#include <set>

namespace vl {
namespace {

bool IsDotEntry(std::string_view name) {
  return name == "." || name == "..";
}

bool IsFolder(const DirEntry& entry) {
  return (entry.attributes & fa::kDirectory) != 0 && !IsDotEntry(entry.name);
}

// A folder entry that leads somewhere else. Cloud placeholders are reparse points too, but
// they are the folders themselves.
bool IsLink(const DirEntry& entry) {
  if ((entry.attributes & fa::kReparsePoint) == 0) return false;
  // Wine shows a symbolic link to a folder as a reparse point with tag 0.
  return entry.reparse_tag == 0 || (entry.reparse_tag & fa::kNameSurrogateTag) != 0;
}

struct QueuedFolder {
  std::string path;
  bool link = false;
  std::optional<FolderId> parent;  // the identity of the folder whose listing held it
};

// The identities of the folders listed so far.
class ListedFolders {
 public:
  explicit ListedFolders(DirectoryLister& lister) : lister_(lister) {}

  // True when the folder is to be listed. A real folder always is: only a link can lead to a
  // folder a second time, and a host that numbers files per file system can give two real
  // folders the same identity. A link is entered when its folder can be told apart and has not
  // been listed yet. Only a path that ends with its separator names the folder that its listing
  // lists (a root such as "C:" or "D:\Data" is a prefix of names).
  // `id` receives the folder's identity when it can be told.
  bool Enter(const QueuedFolder& folder, std::optional<FolderId>& id) {
    id.reset();
    if (!folder.path.empty() && folder.path.back() == '\\') {
      const FolderId* parent = folder.link || !folder.parent ? nullptr : &*folder.parent;
      id = lister_.Identify(folder.path, parent);
    }
    if (!folder.link) {
      if (id) seen_.insert(*id);
      return true;
    }
    return id && seen_.insert(*id).second;
  }

 private:
  DirectoryLister& lister_;
  std::set<FolderId> seen_;
};

}  // namespace

IndexList CollectFiles(std::string_view root, std::string_view mask, DirectoryLister& lister,
                       const WalkHooks& hooks) {
  IndexList entries;
  std::deque<QueuedFolder> queue{{std::string(root), false, std::nullopt}};
  ListedFolders listed(lister);
  // "*.*" and "*" list the same entries in the same order, so one listing serves both the
  // entries and the sub-folders.
  const bool one_listing = mask == "*.*" || mask == "*";
  std::vector<DirEntry> listing;
  std::string path;
  std::optional<FolderId> id;
  while (!queue.empty()) {
    if (hooks.process_messages) hooks.process_messages();
    if (hooks.cancelled && hooks.cancelled()) break;
    QueuedFolder folder = std::move(queue.front());
    queue.pop_front();
    if (!listed.Enter(folder, id)) continue;
    lister.List(folder.path + std::string(mask), listing);
    for (const DirEntry& entry : listing) {
      path.assign(folder.path).append(entry.name);
      entries.Append(path);
    }
    if (!one_listing) lister.List(folder.path + "*", listing);
    for (const DirEntry& entry : listing) {
      if (IsFolder(entry)) queue.push_back({folder.path + entry.name + "\\", IsLink(entry), id});
    }
  }
  return entries;
}

}  // namespace vl
